// The level balance report: every level played over many seeds by the herding player with a quick hand,
// by the same player with a careful hand and with a new player's hand, and by a player who never
// presses, with bees rescued and killed, medals and the time each level took, then the kills per player
// and the balance targets that were missed.
// Usage: play_report [--levels FIRST-LAST] [--seeds N] [--first-seed S] [--jobs J] [--seconds LIMIT]
//                    [--players all|NAME[,NAME...]]   (names: herder, careful, passive, new)
//                    [--set 2] [--level-table]
// --set 2 plays the second set of levels, the level files the game ships in data/levels/set2/, instead of
// the game's table, and checks that set's own targets; with --level-table it prints the set's drafts
// (tools/player/set2.h) as the game's --level-table does, with each level's opening line last, for the art
// generator, which draws their maps before tools/set2_files writes the files.
// Levels are numbered from 1 as on the title screen. Jobs are separate processes (the world is a
// global), each playing its share of the games and sending the results back through a pipe.
#include "data_dir.h"
#include "player/bot.h"
#include "level_set.h"
#include "player/set2.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

enum players
{
    pl_herder,  // the herder with a quick hand
    pl_careful, // the herder with a careful hand
    pl_passive, // never presses
    pl_new,     // the herder with a new player's hand
    PL_SIZE
};
const char* const PLAYER_NAMES[PL_SIZE] = {"herder", "careful", "passive", "new"};

// The levels played: the game's table, or the second set's records, which stand for its files.
std::vector<level> levels;
level_set second_set;

player::hand hand_of(int Who)
{
    if (Who == pl_careful) return player::careful_hand();
    if (Who == pl_new) return player::new_hand();
    return player::hand();
}

struct game
{
    int level;
    unsigned long seed;
    int who;
    player::result res;
};

struct spread
{
    int lo, mid, hi;
};

spread spread_of(std::vector<int> V)
{
    std::sort(V.begin(), V.end());
    return {V.front(), V[V.size() / 2], V.back()};
}

std::string fmt_spread(const spread& S)
{
    char Buf[64];
    std::snprintf(Buf, sizeof Buf, "%d / %d / %d", S.lo, S.mid, S.hi);
    return Buf;
}

void run_games(std::vector<game>& Games, int Jobs, double Limit)
{
    std::vector<int> Pipes;
    std::vector<pid_t> Children;
    for (int J = 0; J < Jobs; J++)
    {
        int Fd[2];
        if (pipe(Fd) != 0) std::exit(1);
        pid_t Pid = fork();
        if (Pid == 0)
        {
            close(Fd[0]);
            // The world's trace lines (texture loads) would mix into the report.
            int Null = open("/dev/null", O_WRONLY);
            if (Null >= 0) dup2(Null, 1);
            FILE* Out = fdopen(Fd[1], "w");
            for (size_t G = J; G < Games.size(); G += Jobs)
            {
                game& Gm = Games[G];
                Gm.res = second_set.levels.empty()
                             ? player::play_level(levels[Gm.level], Gm.seed, Gm.who == pl_passive, Limit, hand_of(Gm.who))
                             : player::play_level(second_set.levels[Gm.level].data, Gm.seed, Gm.who == pl_passive, Limit, hand_of(Gm.who));
                const player::result& R = Gm.res;
                std::fprintf(Out, "%zu %d %d %d %.2f %d %d %d %d %d\n", G, R.rescued_bees, R.killed_bees, R.medals,
                             R.end_time, R.killed_near_hive, R.killed_early, R.killed_settling, R.left,
                             R.left_by_flower);
                std::fflush(Out);
                std::fprintf(stderr, "level %d seed %lu %s: rescued %d killed %d end %.1f\n", Gm.level + 1,
                             Gm.seed, PLAYER_NAMES[Gm.who], Gm.res.rescued_bees,
                             Gm.res.killed_bees, Gm.res.end_time);
            }
            std::fclose(Out);
            _exit(0);
        }
        close(Fd[1]);
        Pipes.push_back(Fd[0]);
        Children.push_back(Pid);
    }
    for (int Fd : Pipes)
    {
        FILE* In = fdopen(Fd, "r");
        size_t G;
        player::result R;
        while (std::fscanf(In, "%zu %d %d %d %lf %d %d %d %d %d", &G, &R.rescued_bees, &R.killed_bees, &R.medals,
                           &R.end_time, &R.killed_near_hive, &R.killed_early, &R.killed_settling, &R.left,
                           &R.left_by_flower) == 10 &&
               G < Games.size())
        {
            R.total_bees = levels[Games[G].level].num_bees;
            Games[G].res = R;
        }
        std::fclose(In);
    }
    for (pid_t Pid : Children) waitpid(Pid, nullptr, 0);
}

// One player's games on one level, summed up.
struct tally
{
    int level = 0, who = 0, games = 0;
    spread rescued{}, killed{};
    int medals[4] = {0, 0, 0, 0}; // seeds with at least that many medals
    int ended = 0;
    double median_end = HUGE_VAL; // a game that ran out of time counts as never ending
    double last_end = 0.0;        // the latest end among the games that ended
    int kills = 0, kills_near_hive = 0, kills_early = 0, kills_settling = 0;
    int left = 0, left_by_flower = 0;
};

tally tally_of(const std::vector<game>& Games, int L, int P)
{
    tally T;
    T.level = L;
    T.who = P;
    std::vector<int> Rescued, Killed;
    std::vector<double> Ends;
    for (const game& G : Games)
    {
        if (G.level != L || G.who != P) continue;
        Rescued.push_back(G.res.rescued_bees);
        Killed.push_back(G.res.killed_bees);
        T.kills += G.res.killed_bees;
        T.kills_near_hive += G.res.killed_near_hive;
        T.kills_early += G.res.killed_early;
        T.kills_settling += G.res.killed_settling;
        T.left += G.res.left;
        T.left_by_flower += G.res.left_by_flower;
        for (int m = 1; m <= 3; m++)
            if (G.res.medals >= m) T.medals[m]++;
        Ends.push_back(G.res.end_time >= 0.0 ? G.res.end_time : HUGE_VAL);
        if (G.res.end_time >= 0.0) T.ended++;
    }
    T.games = (int)Rescued.size();
    if (T.games == 0) return T;
    T.rescued = spread_of(Rescued);
    T.killed = spread_of(Killed);
    std::sort(Ends.begin(), Ends.end());
    T.median_end = Ends[T.games / 2];
    if (T.ended > 0) T.last_end = Ends[T.ended - 1];
    return T;
}

const tally* find_tally(const std::vector<tally>& Tallies, int L, int P)
{
    for (const tally& T : Tallies)
        if (T.level == L && T.who == P) return &T;
    return nullptr;
}

// The balance the levels are made for, as shares of the seeds played: every level can be won by a careful
// hand, its best medals are not automatic, horseflies take bees from a player who does nothing, a hand
// that herds earns more than one that does not, and a new player wins the first levels soon.
std::vector<std::string> missed_targets(const std::vector<tally>& Tallies, int First, int Last)
{
    std::vector<std::string> Notes;
    char Note[256];
    auto note = [&](int L, const char* Text) {
        std::snprintf(Note, sizeof Note, "level %d: %s", L + 1, Text);
        Notes.push_back(Note);
    };
    char Text[200];
    for (int L = First; L <= Last; L++)
    {
        const level& Lv = levels[L];
        const tally* Careful = find_tally(Tallies, L, pl_careful);
        const tally* Quick = find_tally(Tallies, L, pl_herder);
        const tally* Passive = find_tally(Tallies, L, pl_passive);
        const tally* New = find_tally(Tallies, L, pl_new);
        bool Flies = Lv.num_flies > 0;
        bool LoneBee = Lv.num_bees == 1;
        bool ThirdInReach = Lv.medal_bees[2] <= Lv.num_bees;
        if (Careful)
        {
            int N = Careful->games;
            for (int m = 1; m <= 3; m++)
            {
                if (Lv.medal_bees[m - 1] > Lv.num_bees) continue;
                // The first medal opens the next level, so it must come nearly always.
                bool Missed = m == 1 ? 10 * Careful->medals[m] < 9 * N : 2 * Careful->medals[m] < N;
                if (Missed)
                {
                    std::snprintf(Text, sizeof Text, "the careful hand earns medal %d in only %d of %d seeds", m,
                                  Careful->medals[m], N);
                    note(L, Text);
                }
            }
            double MaxMedian = L < 3 ? 120.0 : 360.0;
            if (Careful->median_end >= MaxMedian)
            {
                std::snprintf(Text, sizeof Text, "the careful hand's median game lasts %s",
                              Careful->median_end < HUGE_VAL ? (std::to_string((int)Careful->median_end) + " s").c_str()
                                                            : "past the limit");
                note(L, Text);
            }
            if (Flies && ThirdInReach && 30 * Careful->medals[3] > 26 * N)
            {
                std::snprintf(Text, sizeof Text, "the careful hand earns the third medal in %d of %d seeds",
                              Careful->medals[3], N);
                note(L, Text);
            }
            if (Flies && LoneBee && 10 * Careful->medals[1] > 9 * N)
            {
                std::snprintf(Text, sizeof Text, "the careful hand brings the bee home in %d of %d seeds",
                              Careful->medals[1], N);
                note(L, Text);
            }
            if (Flies && ThirdInReach && Careful->killed.mid < 1)
                note(L, "the careful hand's median game loses no bee");
        }
        // A first win within two minutes, the next two levels nearly always: a new player's hand
        // learns the game there.
        if (New && L < 3)
        {
            int N = New->games;
            bool Missed = L == 0 ? 10 * New->medals[1] < 9 * N : 6 * New->medals[1] < 5 * N;
            if (Missed)
            {
                std::snprintf(Text, sizeof Text, "the new hand earns the first medal in only %d of %d seeds",
                              New->medals[1], N);
                note(L, Text);
            }
            if (L == 0 && New->median_end >= 90.0)
            {
                std::snprintf(Text, sizeof Text, "the new hand's median game lasts %s",
                              New->median_end < HUGE_VAL ? (std::to_string((int)New->median_end) + " s").c_str()
                                                         : "past the limit");
                note(L, Text);
            }
        }
        if (Passive && Flies)
        {
            int N = Passive->games;
            if (LoneBee && 2 * Passive->kills < N)
            {
                std::snprintf(Text, sizeof Text, "the passive player's bee is killed in only %d of %d seeds",
                              Passive->kills, N);
                note(L, Text);
            }
            if (!LoneBee && 10 * Passive->killed.mid < Lv.num_bees)
            {
                std::snprintf(Text, sizeof Text, "the passive player's median game loses only %d of %d bees",
                              Passive->killed.mid, Lv.num_bees);
                note(L, Text);
            }
            if (10 * Passive->kills_early > Passive->kills)
            {
                std::snprintf(Text, sizeof Text, "%d of the passive player's %d kills come in the first %.0f s",
                              Passive->kills_early, Passive->kills, player::EARLY);
                note(L, Text);
            }
        }
        for (int m = 1; m <= 3; m++)
        {
            if (Lv.medal_bees[m - 1] > Lv.num_bees) continue;
            if (Quick && Careful && Quick->medals[m] < Careful->medals[m])
            {
                std::snprintf(Text, sizeof Text, "the quick hand earns medal %d in %d seeds, the careful one in %d", m,
                              Quick->medals[m], Careful->medals[m]);
                note(L, Text);
            }
            if (Careful && Passive && 5 * (Careful->medals[m] - Passive->medals[m]) < 2 * Careful->games)
            {
                std::snprintf(Text, sizeof Text, "medal %d: the careful hand in %d seeds, the passive player in %d", m,
                              Careful->medals[m], Passive->medals[m]);
                note(L, Text);
            }
        }
    }
    return Notes;
}

std::string seconds(double T) { return T < HUGE_VAL ? std::to_string((int)T) + " s" : "past the limit"; }

// The second set's balance: every level winnable by the careful hand within six minutes, its best
// medal not automatic on most, horseflies that take bees from every player but seldom in the first
// seconds, herding that pays, and levels that grow harder through the set.
std::vector<std::string> missed_set2_targets(const std::vector<tally>& Tallies, int First, int Last)
{
    std::vector<std::string> Notes;
    char Note[300];
    auto note = [&](int L, const std::string& Text) {
        std::snprintf(Note, sizeof Note, "level %d: %s", L + 1, Text.c_str());
        Notes.push_back(Note);
    };
    auto seeds = [](int Count, int N, int Of30) { return 30 * Count >= Of30 * N; }; // Count of N at least Of30 of 30
    int NotAutomatic = 0, WithFlies = 0;
    for (int L = First; L <= Last; L++)
    {
        const level& Lv = levels[L];
        const tally* Careful = find_tally(Tallies, L, pl_careful);
        const tally* Quick = find_tally(Tallies, L, pl_herder);
        const tally* Passive = find_tally(Tallies, L, pl_passive);
        int Awarded = 0;
        while (Awarded < 3 && Lv.medal_bees[Awarded] <= Lv.num_bees) Awarded++;
        bool Flies = Lv.num_flies > 0;
        if (Flies) WithFlies++;
        if (Careful)
        {
            int N = Careful->games;
            for (int m = 1; m <= Awarded; m++)
                if (!seeds(Careful->medals[m], N, m == 1 ? 27 : 15))
                    note(L, "the careful hand earns medal " + std::to_string(m) + " in only " +
                                std::to_string(Careful->medals[m]) + " of " + std::to_string(N) + " seeds");
            if (Careful->median_end > 360.0) note(L, "the careful hand's median game lasts " + seconds(Careful->median_end));
            if (Awarded > 0 && seeds(N - Careful->medals[Awarded], N, 4)) NotAutomatic++;
            if (Flies && Careful->killed.mid < 1) note(L, "the careful hand's median game loses no bee");
        }
        if (Passive && Flies && Passive->killed.mid < 1) note(L, "the passive player's median game loses no bee");
        for (int P : {pl_herder, pl_careful, pl_passive})
        {
            const tally* T = find_tally(Tallies, L, P);
            if (T && Flies && 5 * T->kills_early > T->kills)
                note(L, std::to_string(T->kills_early) + " of the " + PLAYER_NAMES[P] + " player's " +
                            std::to_string(T->kills) + " kills come in the first 10 s");
        }
        for (int m = 1; m <= Awarded; m++)
            if (Quick && Careful && Quick->medals[m] < Careful->medals[m])
                note(L, "the quick hand earns medal " + std::to_string(m) + " in " + std::to_string(Quick->medals[m]) +
                            " seeds, the careful one in " + std::to_string(Careful->medals[m]));
        if (Careful && Passive && !seeds(Careful->medals[1] - Passive->medals[1], Careful->games, 12))
            note(L, "medal 1: the careful hand in " + std::to_string(Careful->medals[1]) + " seeds, the passive player in " +
                        std::to_string(Passive->medals[1]));
        // Harder through the set: no level's careful median loss or time below the one two before it.
        const tally* Before = L - 2 >= First ? find_tally(Tallies, L - 2, pl_careful) : nullptr;
        if (Careful && Before)
        {
            if (Careful->killed.mid < Before->killed.mid)
                note(L, "the careful hand's median loss, " + std::to_string(Careful->killed.mid) + ", is below level " +
                            std::to_string(L - 1) + "'s, " + std::to_string(Before->killed.mid));
            if (Careful->median_end < Before->median_end)
                note(L, "the careful hand's median time, " + seconds(Careful->median_end) + ", is below level " +
                            std::to_string(L - 1) + "'s, " + seconds(Before->median_end));
        }
    }
    // The targets of the set as a whole, when it is played whole.
    if (First == 0 && Last == (int)levels.size() - 1)
    {
        char Text[200];
        if (NotAutomatic < 6)
        {
            std::snprintf(Text, sizeof Text, "the careful hand misses the best medal in 4 seeds or more on only %d levels",
                          NotAutomatic);
            Notes.push_back(Text);
        }
        if (WithFlies < 8)
        {
            std::snprintf(Text, sizeof Text, "only %d levels have horseflies", WithFlies);
            Notes.push_back(Text);
        }
        const tally* Start = find_tally(Tallies, First, pl_careful);
        const tally* End = find_tally(Tallies, Last, pl_careful);
        if (Start && End && (End->killed.mid <= Start->killed.mid || End->median_end <= Start->median_end))
            Notes.push_back("the last level is not harder than the first in both the careful hand's losses and time");
    }
    return Notes;
}

// The records played, in the game's --level-table form; the second set's with its opening lines last.
void print_table(int Set)
{
    for (size_t a = 0; a < levels.size(); a++)
    {
        const level& L = levels[a];
        std::printf("%d\t%s\t%s\t%s\t%g\t%g\t%d\t%d\t%d\t%d\t%d\t%d", L.level_id, L.name, L.map_file,
                    L.map_texture_file, L.hive_pos[0], L.hive_pos[1], L.num_flowers, L.num_flies, L.num_bees,
                    L.medal_bees[0], L.medal_bees[1], L.medal_bees[2]);
        if (Set == 2) std::printf("\t%s", player::set2_table()[a].opening);
        std::printf("\n");
    }
}

// "all", or player names with commas between; false on a name that is not a player's.
bool players_of(const std::string& List, bool (&Plays)[PL_SIZE])
{
    if (List == "all")
    {
        std::fill(Plays, Plays + PL_SIZE, true);
        return true;
    }
    size_t At = 0;
    while (At <= List.size())
    {
        size_t Comma = std::min(List.find(',', At), List.size());
        const char* const* Name = std::find(PLAYER_NAMES, PLAYER_NAMES + PL_SIZE, List.substr(At, Comma - At));
        if (Name == PLAYER_NAMES + PL_SIZE) return false;
        Plays[Name - PLAYER_NAMES] = true;
        At = Comma + 1;
    }
    return true;
}

} // namespace

int main(int ArgC, char** ArgV)
{
    int First = 1, Last = 10, Seeds = 30, Jobs = 2;
    std::string Players = "all";
    unsigned long FirstSeed = 1;
    double Limit = player::TIME_LIMIT;
    int Set = 1;
    bool PrintTable = false;
    for (int a = 1; a < ArgC; a++)
    {
        std::string Opt = ArgV[a];
        if (Opt == "--level-table")
        {
            PrintTable = true;
            continue;
        }
        if (a + 1 >= ArgC)
        {
            std::fprintf(stderr, "option %s wants a value\n", Opt.c_str());
            return 2;
        }
        const char* Val = ArgV[++a];
        if (Opt == "--levels")
        {
            if (std::sscanf(Val, "%d-%d", &First, &Last) == 1) Last = First;
        }
        else if (Opt == "--seeds")
            Seeds = std::atoi(Val);
        else if (Opt == "--first-seed")
            FirstSeed = std::strtoul(Val, nullptr, 10);
        else if (Opt == "--jobs")
            Jobs = std::atoi(Val);
        else if (Opt == "--players")
            Players = Val;
        else if (Opt == "--seconds")
            Limit = std::atof(Val);
        else if (Opt == "--set")
            Set = std::atoi(Val);
        else
        {
            std::fprintf(stderr, "unknown option %s\n", Opt.c_str());
            return 2;
        }
    }
    if (Set != 1 && Set != 2)
    {
        std::fprintf(stderr, "sets: 1, the game's table, or 2\n");
        return 2;
    }
    if (Set == 1)
        levels.assign(all_levels, all_levels + count_levels());
    else
        for (int L = 0; L < player::SET2_SIZE; L++) levels.push_back(player::set2_table()[L].record);
    if (PrintTable)
    {
        print_table(Set);
        return 0;
    }
    if (!enter_data_dir())
    {
        std::fprintf(stderr, "cannot find the data directory\n");
        return 2;
    }
    if (Set == 2)
    {
        // What the game ships is what is measured.
        second_set.load();
        if ((int)second_set.levels.size() != player::SET2_SIZE)
        {
            std::fprintf(stderr, "the second set's files: %zu of %d\n", second_set.levels.size(), player::SET2_SIZE);
            return 2;
        }
        for (int L = 0; L < player::SET2_SIZE; L++)
        {
            const level_data& D = second_set.levels[L].data;
            level& Lv = levels[L];
            Lv.name = D.name.c_str(), Lv.hive_pos = D.hive_pos;
            Lv.num_flowers = D.num_flowers, Lv.num_flies = D.num_flies, Lv.num_bees = D.num_bees;
            for (int m = 0; m < 3; m++) Lv.medal_bees[m] = D.medal_bees[m];
        }
    }
    int NumLevels = (int)levels.size();
    if (First < 1 || Last > NumLevels || First > Last || Seeds < 1 || Jobs < 1)
    {
        std::fprintf(stderr, "levels within 1-%d, at least one seed and one job\n", NumLevels);
        return 2;
    }
    bool Plays[PL_SIZE] = {};
    if (!players_of(Players, Plays))
    {
        std::fprintf(stderr, "players: all, or names from herder, careful, passive and new, with commas between\n");
        return 2;
    }

    // The big levels first, so that the jobs finish together.
    std::vector<game> Games;
    for (int L = Last; L >= First; L--)
        for (int P = 0; P < PL_SIZE; P++)
            if (Plays[P])
                for (int s = 0; s < Seeds; s++) Games.push_back({L - 1, FirstSeed + s, P, {}});
    run_games(Games, Jobs, Limit);

    if (Set == 2) std::printf("The second set. ");
    std::printf("Seeds %lu to %lu, time limit %.0f s, steps of %.0f ms.\n\n", FirstSeed, FirstSeed + Seeds - 1,
                Limit, player::STEP * 1000);
    std::printf("| Level | Bees | Medals at | Player | Rescued min/median/max | Killed min/median/max | "
                "Seeds with 1 / 2 / 3 medals | Ended | End time median/max (s) | Kills by the hive |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|\n");
    std::vector<tally> Tallies;
    for (int L = First - 1; L < Last; L++)
        for (int P = 0; P < PL_SIZE; P++)
        {
            tally T = tally_of(Games, L, P);
            if (T.games == 0) continue;
            level& Lv = levels[L];
            char EndText[64] = "-";
            if (T.ended > 0)
            {
                char MedianText[32] = "-";
                if (T.median_end < HUGE_VAL) std::snprintf(MedianText, sizeof MedianText, "%.0f", T.median_end);
                std::snprintf(EndText, sizeof EndText, "%s / %.0f", MedianText, T.last_end);
            }
            char HiveText[64] = "-";
            if (T.kills > 0) std::snprintf(HiveText, sizeof HiveText, "%d of %d", T.kills_near_hive, T.kills);
            std::printf("| %d | %d | %d, %d, %d | %s | %s | %s | %d / %d / %d | %d of %d | %s | %s |\n", L + 1,
                        Lv.num_bees, Lv.medal_bees[0], Lv.medal_bees[1], Lv.medal_bees[2], PLAYER_NAMES[P],
                        fmt_spread(T.rescued).c_str(), fmt_spread(T.killed).c_str(), T.medals[1], T.medals[2],
                        T.medals[3], T.ended, T.games, EndText, HiveText);
            Tallies.push_back(T);
        }

    // Kills per player: the median game's losses as a share of the level's bees, all kills over the
    // seeds, and how many of them fell in the first seconds, before any hand could help.
    std::printf("\n| Level | Bees | Horseflies |");
    for (int P = 0; P < PL_SIZE; P++)
        if (Plays[P]) std::printf(" %s: median (share) / all / first %.0f s |", PLAYER_NAMES[P], player::EARLY);
    std::printf("\n|---|---|---|");
    for (int P = 0; P < PL_SIZE; P++)
        if (Plays[P]) std::printf("---|");
    std::printf("\n");
    for (int L = First - 1; L < Last; L++)
    {
        level& Lv = levels[L];
        std::printf("| %d | %d | %d |", L + 1, Lv.num_bees, Lv.num_flies);
        for (int P = 0; P < PL_SIZE; P++)
        {
            if (!Plays[P]) continue;
            const tally* T = find_tally(Tallies, L, P);
            if (!T)
                std::printf(" - |");
            else
                std::printf(" %d (%.0f%%) / %d / %d |", T->killed.mid, 100.0 * T->killed.mid / Lv.num_bees, T->kills,
                            T->kills_early);
        }
        std::printf("\n");
    }

    // When the passive player's bees die, and where the rest are when the time runs out: a bee that has
    // found a flower sits in its scent, where horseflies do not hunt.
    if (Plays[pl_passive])
        std::printf("\n| Level | passive: kills in 0 to %.0f s / %.0f to %.0f s / later | bees left at the end / of "
                    "them within %.0f units of a flower |\n|---|---|---|\n",
                    player::EARLY, player::EARLY, player::SETTLE, player::FLOWER_REACH);
    for (int L = First - 1; L < Last; L++)
    {
        const tally* T = find_tally(Tallies, L, pl_passive);
        if (!T || levels[L].num_flies == 0) continue;
        std::printf("| %d | %d / %d / %d | %d / %d |\n", L + 1, T->kills_early, T->kills_settling - T->kills_early,
                    T->kills - T->kills_settling, T->left, T->left_by_flower);
    }

    std::vector<std::string> Notes =
        Set == 1 ? missed_targets(Tallies, First - 1, Last - 1) : missed_set2_targets(Tallies, First - 1, Last - 1);
    std::printf("\n");
    if (Notes.empty()) std::printf("Every target is met.\n");
    for (const std::string& Note : Notes) std::printf("- %s\n", Note.c_str());
    return 0;
}
