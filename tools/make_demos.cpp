// Makes the demonstrations the game shows on the row (H): each level played by the careful herder of the
// balance report (src/herder.h) through the play screen as the game runs it, recorded as any play
// is: frames of 10 ms, the pointer in whole pixels of a picture 600 pixels high, the horseflies drawn (and
// so drawing from their generators) every frame. The seed is the first from 1 on which the herder earns
// every medal the level can award, or failing that the one of the most. The same bytes on every run.
// Usage: make_demos [--levels FIRST-LAST] [--seeds N] [--out DIR]   (levels numbered from 1)
#include "data_dir.h"
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
    int First = 1, Last = 10, Seeds = 20;
    std::string Out = "data/demos";
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
        else
            return std::fprintf(stderr, "unknown option %s\n", ArgV[a]), 2;
    }
    if (!enter_data_dir()) return std::fprintf(stderr, "cannot find the data directory\n"), 2;
    int NumLevels = count_levels();
    if (First < 1 || Last > NumLevels || First > Last || Seeds < 1) return std::fprintf(stderr, "levels within 1-%d\n", NumLevels), 2;
    ::mkdir(Out.c_str(), 0755);
    for (int L = First; L <= Last; L++)
    {
        const level& Lv = all_levels[L - 1];
        int Possible = 0;
        while (Possible < 3 && Lv.medal_bees[Possible] <= Lv.num_bees) Possible++;
        replay Best;
        int BestMedals = -1;
        for (unsigned long Seed = 1; Seed <= (unsigned long)Seeds && BestMedals < Possible; Seed++)
        {
            replay R = player::recorded_play(L - 1, Seed, LONGEST);
            int Medals = R.end == replay::e_over ? medals_for(R.rescued_bees, Lv.medal_bees) : -1;
            if (Medals > BestMedals || Best.frames.empty()) Best = R, BestMedals = Medals;
        }
        std::string Bytes = write_replay(Best);
        std::string Path = Out + "/level" + std::to_string(Lv.level_id) + ".qbr";
        std::ofstream(Path, std::ios::binary).write(Bytes.data(), (std::streamsize)Bytes.size());
        std::printf("level %d: seed %u, %d of %d bees home, %d lost, %.0f s, %d medals, %zu bytes\n", L, Best.seed,
                    Best.rescued_bees, Lv.num_bees, Best.killed_bees, Best.time, BestMedals, Bytes.size());
    }
    return 0;
}
