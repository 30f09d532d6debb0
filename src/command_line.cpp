#include "command_line.h"

#include "die.h"
#include "level.h"
#include "level_code.h"
#include "level_file.h"
#include "level_set.h"
#include "play.h"
#include "player_levels.h"
#include "replay.h"
#include "safe_file.h"
#include "texts.h"
#include "verdict.h"

#include <cmath>
#include <cstring>
#include <iostream>

namespace {
const char* const USAGE = "Usage: quorvel [FILE]\n"
                          "   or: quorvel COMMAND\n"
                          "Quorvel Bees: lure a swarm of bees home with trails of pollen scent.\n"
                          "\n"
                          "With a level file (.qbl), the game opens that level and keeps it among your levels.\n"
                          "\n"
                          "Commands, which need no window:\n"
                          "  --replay FILE          play a replay in the window, once the game is up\n"
                          "  --check-replay FILE    play a replay through and say whether it ends as recorded\n"
                          "                         (exit status 0), not (1), or cannot be read (2)\n"
                          "  --export-level N FILE  write level N of the game's ten as a level file\n"
                          "  --check-level FILE     say a level file's name, size and counts (status 0), or\n"
                          "                         why it cannot be read (status 2)\n"
                          "  --check-level FILE --seeds N\n"
                          "                         the same, then our careful player plays it on seeds 1 to N\n"
                          "                         (1 to 100) and says how often it earned each medal, what it\n"
                          "                         lost to horseflies and how long it took; status 1 when it\n"
                          "                         never earned the first medal (unproven)\n"
                          "  --level-code FILE      print the code a level file travels as\n"
                          "  --import-code CODE     keep the level a code carries among your levels\n"
                          "  --level-table          print the game's level table, a line a level\n"
                          "  --help                 show this help and exit\n"
                          "  --version              show the version and exit\n"
                          "\n"
                          "Your levels are kept in levels/ beside the save file.\n";

command_line ended(int Status)
{
    command_line C;
    C.start_game = false;
    C.status = Status;
    return C;
}

command_line refused(const char* Command, const std::string& Why)
{
    trace('*', Command, ": ", Why);
    return ended(2);
}

command_line export_level(const std::string& Number, const std::string& Path)
{
    const int Count = count_levels();
    int N = 0;
    for (char C : Number) N = C >= '0' && C <= '9' && N < 1000 ? N * 10 + (C - '0') : -1;
    if (Number.empty() || N < 1 || N > Count) return refused("export level", "no level " + Number + " (1 to " + std::to_string(Count) + ")");
    level_data L;
    std::string Problem;
    if (!table_level_data(N - 1, L, Problem)) return refused("export level", "can't read level " + Number + ": " + Problem);
    if (!replace_file(Path, write_level_file(L), Problem)) return refused("export level", "can't write " + Problem);
    return ended(0);
}

// Seconds as the verdict says them, "1:05", or "-" for a game that never ended.
std::string seconds_said(double Seconds)
{
    return Seconds < HUGE_VAL ? texts::clock_time(Seconds) : "-";
}

command_line check_level(const std::string& Path, int Seeds)
{
    level_data L;
    std::string Problem;
    if (!load_level_file(Path, L, Problem)) return refused("check level", "can't read " + Path + ": " + Problem);
    std::cout << "name: " << L.name << "\n";
    if (!L.line.empty()) std::cout << "line: " << L.line << "\n";
    std::cout << "size: " << L.w << " by " << L.h << " tiles\n"
              << "flowers: " << L.num_flowers << ", horseflies: " << L.num_flies << ", bees: " << L.num_bees << "\n"
              << "medals at: " << L.medal_bees[0] << ", " << L.medal_bees[1] << ", " << L.medal_bees[2] << " bees home\n";
    if (Seeds == 0) return ended(0);
    std::cout << std::flush;
    verdict V(L, Seeds);
    V.play_all();
    std::cout << "careful player, seeds 1 to " << Seeds << ":\n";
    for (int m = 1; m <= V.medals_awarded(); m++) std::cout << "medal " << m << ": " << V.seeds_with(m) << " of " << Seeds << " seeds\n";
    std::cout << "bees lost to horseflies: median " << V.kills_median() << ", " << V.kills_all() << " in all\n"
              << "time: median " << seconds_said(V.time_median()) << ", longest " << seconds_said(V.ended() ? V.time_longest() : HUGE_VAL)
              << ", " << V.ended() << " of " << Seeds << " seeds ended within " << texts::clock_time(player::TIME_LIMIT) << "\n";
    if (V.unproven()) std::cout << "unproven: the careful player never earned the first medal\n";
    return ended(V.unproven() ? 1 : 0);
}

command_line print_code(const std::string& Path)
{
    level_data L;
    std::string Problem;
    if (!load_level_file(Path, L, Problem)) return refused("level code", "can't read " + Path + ": " + Problem);
    std::cout << level_code(L) << "\n";
    return ended(0);
}

command_line import_code(const std::string& Code)
{
    level_data L;
    std::string Problem;
    if (!read_level_code(Code, L, Problem)) return refused("import code", Problem);
    player_levels Shelf;
    Shelf.scan();
    int Index = Shelf.add(L, Problem);
    if (Index < 0) return refused("import code", "can't write " + Problem);
    std::cout << L.name << ": levels/" << Shelf.levels[Index].file << "\n";
    return ended(0);
}
} // namespace

int check_replay(const std::string& Path)
{
    num_levels = count_levels();
    replay R;
    std::string Problem;
    // A play of a level file names it by its key alone: the second set's demonstrations are such plays.
    level_data FromSet;
    const bool OfSet = read_replay_file(Path, R, Problem) && R.level_id == 0 && find_set_level(R.level_hash, FromSet);
    if (!OfSet && !load_replay(Path, R, Problem))
    {
        trace('*', "check replay: can't read ", Path, ": ", Problem);
        return 2;
    }
    ref<world> W = OfSet ? play_through(R, FromSet) : play_through(R, replay_level(R, Problem));
    auto end = [](int Home, int Lost, double Time) {
        return std::to_string(Home) + " bees home, " + std::to_string(Lost) + " lost, in " + texts::clock_time(Time);
    };
    // The counts, and every creature and the scent as they ended: one input changed shows.
    bool Same = W->rescued_bees == R.rescued_bees && W->killed_bees == R.killed_bees && W->animation_counter == R.time &&
                world_digest(*W.ptr()) == R.end_digest;
    trace('-', "check replay: level ", OfSet ? FromSet.name : std::to_string(R.level_id), ": ", end(W->rescued_bees, W->killed_bees, W->animation_counter),
          Same ? ", as recorded" : ", where the recording says " + end(R.rescued_bees, R.killed_bees, R.time));
    return Same ? 0 : 1;
}

void print_level_table(std::ostream& Out)
{
    for (int a = 0; a < count_levels(); a++)
    {
        const level& L = all_levels[a];
        Out << L.level_id << '\t' << L.name << '\t' << L.map_file << '\t' << L.map_texture_file << '\t' << L.hive_pos[0] << '\t'
            << L.hive_pos[1] << '\t' << L.num_flowers << '\t' << L.num_flies << '\t' << L.num_bees;
        for (int m = 0; m < 3; m++) Out << '\t' << L.medal_bees[m];
        Out << '\n';
    }
}

command_line run_command_line(int ArgC, char** ArgV)
{
    command_line Game;
    for (int a = 1; a < ArgC; a++)
    {
        const std::string Arg = ArgV[a];
        const bool Has = a + 1 < ArgC, HasTwo = a + 2 < ArgC;
        if (Arg == "--help")
        {
            std::cout << USAGE;
            return ended(0);
        }
        if (Arg == "--version")
        {
            std::cout << "quorvel-bees " << QUORVEL_VERSION << "\n"
                      << "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                      << "This is free software: you are free to change and redistribute it.\n"
                      << "There is NO WARRANTY, to the extent permitted by law.\n";
            return ended(0);
        }
        if (Arg == "--level-table")
        {
            print_level_table(std::cout);
            return ended(0);
        }
        if (Arg == "--check-replay" && Has) return ended(check_replay(ArgV[a + 1]));
        if (Arg == "--export-level" && HasTwo) return export_level(ArgV[a + 1], ArgV[a + 2]);
        if (Arg == "--check-level" && Has)
        {
            if (a + 2 >= ArgC) return check_level(ArgV[a + 1], 0);
            // --seeds N after the file: the verdict too.
            int Seeds = 0;
            const std::string Number = a + 3 < ArgC ? ArgV[a + 3] : "";
            for (char C : Number) Seeds = C >= '0' && C <= '9' && Seeds <= 100 ? Seeds * 10 + (C - '0') : 1000;
            if (std::string(ArgV[a + 2]) != "--seeds" || a + 4 != ArgC || Number.empty() || Seeds < 1 || Seeds > 100)
                return refused("check level", "after the file, only --seeds and a number of seeds from 1 to 100");
            return check_level(ArgV[a + 1], Seeds);
        }
        if (Arg == "--level-code" && Has) return print_code(ArgV[a + 1]);
        if (Arg == "--import-code" && Has) return import_code(ArgV[a + 1]);
        if (Arg == "--replay" && Has)
        {
            Game.replay = ArgV[++a];
            continue;
        }
        if (Arg.size() > 1 && Arg[0] == '-')
        {
            bool Known = Arg == "--check-replay" || Arg == "--export-level" || Arg == "--check-level" || Arg == "--level-code" ||
                         Arg == "--import-code" || Arg == "--replay";
            std::cerr << "quorvel: " << (Known ? "option '" + Arg + "' needs " + (Arg == "--export-level" ? "two arguments" : "an argument")
                                               : "unrecognized option '" + Arg + "'")
                      << "\nTry 'quorvel --help' for more information.\n";
            return ended(2);
        }
        Game.level_file = Arg;
    }
    return Game;
}
