// A play of the careful herder recorded as the game records a player's: the pointer on whole pixels of
// a picture 600 pixels high, frames of 10 ms, every frame drawn. For the demonstrations and the replay
// benchmark; needs data/ in the working directory, as the session does.
#pragma once

#include "bot.h"
#include "replay.h"

#include <cstdio>
#include <cstdlib>

namespace player {

inline replay recorded_play(int Index, unsigned long Seed, double Seconds)
{
    hand Hand = careful_hand();
    Hand.pixels = 600, Hand.drawn = true;
    session S(Index, Seed, Hand);
    mouseloc = S.mouse; // on a pixel already: the middle of the picture
    uint64_t Hash = 0;
    std::string Problem;
    if (!level_hash(all_levels[Index], Hash, Problem)) std::fprintf(stderr, "level %d: %s\n", Index + 1, Problem.c_str()), std::exit(1);
    S.P.record(all_levels[Index].level_id, (uint32_t)Seed, Hash);
    S.W->spend_draws(); // the frame the level starts in draws before its first update
    herder H;
    for (long F = 0; F < (long)(Seconds / STEP + 0.5) && !S.over(); F++)
    {
        rpos Goal = S.cursor();
        bool Down = false;
        H.think(S, Goal, Down);
        S.frame(Goal, Down);
    }
    replay R = S.P.recording;
    const world& W = S.wld();
    R.rescued_bees = W.rescued_bees, R.killed_bees = W.killed_bees, R.time = W.animation_counter;
    R.end = S.over() ? replay::e_over : replay::e_left;
    R.end_digest = world_digest(W);
    return R;
}

} // namespace player
