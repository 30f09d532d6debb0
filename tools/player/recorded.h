// A play of the careful herder recorded as the game records a player's: the pointer on whole pixels of
// a picture 600 pixels high, frames of 10 ms, every frame drawn. For the demonstrations and the replay
// benchmark; needs data/ in the working directory, as the session does.
#pragma once

#include "bot.h"
#include "level_file.h"
#include "replay.h"

#include <cstdio>
#include <cstdlib>

namespace player {

// The session S, just opened, played by the careful herder and recorded as level LevelId with Hash.
inline replay recorded_session(session& S, int LevelId, uint64_t Hash, unsigned long Seed, double Seconds)
{
    mouseloc = S.mouse; // on a pixel already: the middle of the picture
    S.P.record(LevelId, (uint32_t)Seed, Hash);
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

inline hand recording_hand()
{
    hand Hand = careful_hand();
    Hand.pixels = 600, Hand.drawn = true;
    return Hand;
}

inline replay recorded_play(int Index, unsigned long Seed, double Seconds)
{
    uint64_t Hash = 0;
    std::string Problem;
    if (!level_hash(all_levels[Index], Hash, Problem)) std::fprintf(stderr, "level %d: %s\n", Index + 1, Problem.c_str()), std::exit(1);
    session S(Index, Seed, recording_hand());
    return recorded_session(S, all_levels[Index].level_id, Hash, Seed, Seconds);
}

// A level from a file, recorded as the game records a play of one: level 0, its key for its hash.
inline replay recorded_play(const level_data& L, unsigned long Seed, double Seconds)
{
    session S(L, Seed, recording_hand());
    return recorded_session(S, 0, level_key(L), Seed, Seconds);
}

} // namespace player
