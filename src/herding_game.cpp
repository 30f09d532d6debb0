#include "herding_game.h"

#include <algorithm>

namespace player {

herding_game::herding_game(level& Level, unsigned long Seed, bool Passive, double Limit, const hand& Hand)
    : S(Level, Seed, Hand), passive(Passive)
{
    open(Limit);
}

herding_game::herding_game(const level_data& Level, unsigned long Seed, bool Passive, double Limit, const hand& Hand)
    : S(Level, Seed, Hand), passive(Passive)
{
    open(Limit);
}

void herding_game::open(double Limit)
{
    hive = herder::all_levels_hive(S.wld());
    frames_left = (long)(Limit / STEP + 0.5);
}

bool herding_game::ended() const
{
    return frames_left <= 0 || S.over();
}

bool herding_game::step()
{
    if (ended()) return false;
    rpos Goal = S.cursor();
    bool Down = false;
    if (passive)
        Goal = mkrpos(S.P.R.view_center[0] + 10.0 * S.mouse[0], S.P.R.view_center[1] + 10.0 * S.mouse[1], 0);
    else
        H.think(S, Goal, Down);
    S.frame(Goal, Down);
    near_hive += S.fresh_kills_near(hive, HIVE_REACH);
    if (S.clock <= EARLY + 1e-9) early = S.wld().killed_bees;
    if (S.clock <= SETTLE + 1e-9) settling = S.wld().killed_bees;
    frames_left--;
    return true;
}

result herding_game::outcome()
{
    result R = S.outcome();
    R.killed_near_hive = near_hive;
    R.killed_early = early;
    R.killed_settling = settling;
    std::vector<flower*> Flowers = all_flowers(S.wld());
    for (bee* B : bees_in_play(S.wld()))
    {
        R.left++;
        if (std::any_of(Flowers.begin(), Flowers.end(), [&](flower* F) { return dist2d(F->position, B->position) < FLOWER_REACH; }))
            R.left_by_flower++;
    }
    return R;
}

result play_level(level& Level, unsigned long Seed, bool Passive, double Limit, const hand& Hand)
{
    herding_game G(Level, Seed, Passive, Limit, Hand);
    while (G.step()) {}
    return G.outcome();
}

result play_level(const level_data& Level, unsigned long Seed, bool Passive, double Limit, const hand& Hand)
{
    herding_game G(Level, Seed, Passive, Limit, Hand);
    while (G.step()) {}
    return G.outcome();
}

result play_level(int LevelIndex, unsigned long Seed, bool Passive, double Limit, const hand& Hand)
{
    return play_level(all_levels[LevelIndex], Seed, Passive, Limit, Hand);
}

} // namespace player
