// Makes the demonstrations the game shows on the row (H): each level played by the careful herder of the
// balance report (src/herder.h) through the play screen as the game runs it, recorded as any play
// is: frames of 10 ms, the pointer in whole pixels of a picture 600 pixels high, the horseflies drawn (and
// so drawing from their generators) every frame. The seed is the first from 1 on which the herder earns
// every medal the level can award, or failing that the one of the most. The same bytes on every run.
// With --set 2, the second set's level files, each demonstration named after its file in data/demos/set2.
// Usage: make_demos [--set 2] [--levels FIRST-LAST] [--seeds N] [--out DIR]   (levels numbered from 1)
#include "data_dir.h"
#include "level_set.h"
#include "second_set.h"
#include "player/recorded.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {
const double LONGEST = 600.0; // ten minutes
} // namespace

int main(int ArgC, char** ArgV)
{
    int First = 1, Last = 10, Seeds = 20, Set = 1;
    std::string Out;
    for (int a = 1; a + 1 < ArgC; a += 2)
    {
        if (!std::strcmp(ArgV[a], "--levels"))
        {
            if (std::sscanf(ArgV[a + 1], "%d-%d", &First, &Last) == 1) Last = First;
        }
        else if (!std::strcmp(ArgV[a], "--seeds"))
            Seeds = std::atoi(ArgV[a + 1]);
        else if (!std::strcmp(ArgV[a], "--out"))
            Out = ArgV[a + 1];
        else if (!std::strcmp(ArgV[a], "--set"))
            Set = std::atoi(ArgV[a + 1]);
        else
            return std::fprintf(stderr, "unknown option %s\n", ArgV[a]), 2;
    }
    if (!enter_data_dir()) return std::fprintf(stderr, "cannot find the data directory\n"), 2;
    level_set Second;
    if (Set == 2) Second.load();
    int NumLevels = Set == 2 ? (int)Second.levels.size() : count_levels();
    if (Set == 2 && First == 1 && Last == 10) Last = NumLevels;
    if (First < 1 || Last > NumLevels || First > Last || Seeds < 1) return std::fprintf(stderr, "levels within 1-%d\n", NumLevels), 2;
    if (Out.empty()) Out = Set == 2 ? "data/demos/set2" : "data/demos";
    ::mkdir(Out.c_str(), 0755);
    for (int L = First; L <= Last; L++)
    {
        const int* Medal = Set == 2 ? Second.levels[L - 1].data.medal_bees : all_levels[L - 1].medal_bees;
        const int Bees = Set == 2 ? Second.levels[L - 1].data.num_bees : all_levels[L - 1].num_bees;
        int Possible = 0;
        while (Possible < 3 && Medal[Possible] <= Bees) Possible++;
        replay Best;
        int BestMedals = -1;
        for (unsigned long Seed = 1; Seed <= (unsigned long)Seeds && BestMedals < Possible; Seed++)
        {
            replay R = Set == 2 ? player::recorded_play(Second.levels[L - 1].data, Seed, LONGEST) : player::recorded_play(L - 1, Seed, LONGEST);
            int Medals = R.end == replay::e_over ? medals_for(R.rescued_bees, Medal) : -1;
            if (Medals > BestMedals || Best.frames.empty()) Best = R, BestMedals = Medals;
        }
        std::string Bytes = write_replay(Best);
        std::string Path = Set == 2 ? Out + "/" + set_demo_name(Second.levels[L - 1].file)
                                    : Out + "/level" + std::to_string(all_levels[L - 1].level_id) + ".qbr";
        std::ofstream(Path, std::ios::binary).write(Bytes.data(), (std::streamsize)Bytes.size());
        std::printf("%s: seed %u, %d of %d bees home, %d lost, %.0f s, %d medals, %zu bytes\n", Path.c_str(), Best.seed,
                    Best.rescued_bees, Bees, Best.killed_bees, Best.time, BestMedals, Bytes.size());
    }
    return 0;
}
