// Plays one level of the table without a window: no input, a fixed time step, then the counters.
// The base for balance checks. Usage: run_level <level index> <seed> <seconds> [time step, default 0.01]
// Texture uploads without a GL context are no-ops under libglvnd, so the world loads as in the game.
#include "data_dir.h"
#include "level.h"
#include "world.h"

#include <cstdio>
#include <cstdlib>

int main(int ArgC, char** ArgV)
{
    if (ArgC < 4)
    {
        std::fprintf(stderr, "usage: %s <level index> <seed> <seconds> [time step]\n", ArgV[0]);
        return 2;
    }
    if (!enter_data_dir())
    {
        std::fprintf(stderr, "cannot find the data directory\n");
        return 2;
    }
    // Not scan_all_levels, which would also read the player's save file.
    int NumLevels = count_levels();
    int Index = std::atoi(ArgV[1]);
    unsigned long Seed = std::strtoul(ArgV[2], nullptr, 10);
    double Seconds = std::atof(ArgV[3]);
    double Step = ArgC > 4 ? std::atof(ArgV[4]) : 0.01;
    if (Index < 0 || Index >= NumLevels || Step <= 0.0 || Seconds < 0.0)
    {
        std::fprintf(stderr, "level index must be 0 to %d, step positive, seconds not negative\n", NumLevels - 1);
        return 2;
    }

    ref<world> World = mkref(new world);
    World->init(all_levels[Index], Seed);
    long Frames = (long)(Seconds / Step + 0.5);
    long Frame = 0;
    double EndTime = -1.0;
    for (; Frame < Frames; Frame++)
    {
        World->update(Step);
        if (EndTime < 0.0 && World->rescued_bees + World->killed_bees == World->total_bees)
            EndTime = (Frame + 1) * Step;
    }
    std::printf("level %d (id %d) seed %lu step %g frames %ld\n", Index, all_levels[Index].level_id, Seed, Step, Frame);
    std::printf("total_bees %d rescued_bees %d killed_bees %d in_play %d sprites %zu\n", World->total_bees,
                World->rescued_bees, World->killed_bees,
                World->total_bees - World->rescued_bees - World->killed_bees, World->sprites.size());
    std::printf("medals %d\n", medals_for(World->rescued_bees, World->medal_bees));
    if (EndTime >= 0.0)
        std::printf("all bees accounted for after %.2f s\n", EndTime);
    else
        std::printf("level not finished\n");
    return 0;
}
