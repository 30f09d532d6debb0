// The headless player on the first level: with the game's own play screen, mouse and drags, it must
// bring every bee home, and doing nothing must not.
#include "../tools/player/bot.h"
#include "helpers.h"

#include <gtest/gtest.h>

namespace {

// A scratch working directory whose data/ is the repository's, so nothing real is written to.
class Player : public ::testing::Test
{
protected:
    game_dir dir;
};

TEST_F(Player, rescues_every_bee_of_the_first_level)
{
    for (unsigned long Seed = 1; Seed <= 3; Seed++)
    {
        player::result R = player::play_level(0, Seed, false);
        EXPECT_EQ(R.total_bees, all_levels[0].num_bees) << "seed " << Seed;
        EXPECT_EQ(R.rescued_bees, R.total_bees) << "seed " << Seed;
        EXPECT_EQ(R.killed_bees, 0) << "seed " << Seed;
        EXPECT_GT(R.end_time, 0.0) << "seed " << Seed;
        EXPECT_EQ(R.medals, 1) << "seed " << Seed;
    }
}

// The same seed without a hand on the mouse: the bees must not all find home on their own in the
// time the player needed, or the test above would prove nothing about the player.
TEST_F(Player, idle_mouse_leaves_bees_out)
{
    player::result Herded = player::play_level(0, 1, false);
    ASSERT_GT(Herded.end_time, 0.0);
    player::result Idle = player::play_level(0, 1, true, Herded.end_time);
    EXPECT_LT(Idle.rescued_bees, Idle.total_bees);
    EXPECT_LT(Idle.end_time, 0.0);
}

// The hand never moves faster than a person's and never leaves the picture, whatever it aims at.
TEST_F(Player, mouse_keeps_a_human_pace_inside_the_picture)
{
    player::session S(0, 1);
    rloc Last = S.mouse;
    const rpos Targets[3] = {mkrpos(-50, -50, 0), mkrpos(500, 3, 0), mkrpos(7, 400, 0)};
    for (int F = 0; F < 300; F++)
    {
        S.frame(Targets[F / 100], false);
        double Moved = std::hypot(S.mouse[0] - Last[0], S.mouse[1] - Last[1]);
        EXPECT_LE(Moved, player::MOUSE_SPEED * player::STEP + 1e-12);
        EXPECT_GE(mouseloc[0], 0.0);
        EXPECT_LE(mouseloc[0], player::PICTURE_W);
        EXPECT_GE(mouseloc[1], 0.0);
        EXPECT_LE(mouseloc[1], 1.0);
        Last = S.mouse;
    }
    // Aimed past the bottom, the hand rests on the edge and the view has scrolled as far as the map
    // allows: the game's own clamp, not the player's.
    EXPECT_DOUBLE_EQ(mouseloc[1], 1.0);
    EXPECT_DOUBLE_EQ(S.P.R.view_center[1], std::max(0.0, S.wld().size[1] - 10.0));
}

// The report tells kills by the hive from kills in the field; a dead bee is listed for one frame only,
// so each kill must be counted once, and only when it lies within reach.
TEST_F(Player, counts_each_kill_by_the_hive_once)
{
    player::session S(3, 1); // the coast: horseflies wait on the far sea
    rpos Hive = player::herder::all_levels_hive(S.wld());
    std::vector<bee*> Bees = player::bees_in_play(S.wld());
    ASSERT_GE(Bees.size(), 2u);
    Bees[0]->position = Hive + mkrpos(0.5, 0.5, 0.5);
    Bees[1]->position = Hive + mkrpos(6.0, 0.0, 0.5);
    Bees[0]->kill();
    Bees[1]->kill();
    EXPECT_EQ(S.fresh_kills_near(Hive, player::HIVE_REACH), 1);
    EXPECT_EQ(S.fresh_kills_near(Hive, 10.0), 2);
    S.frame(S.cursor(), false);
    EXPECT_EQ(S.fresh_kills_near(Hive, 10.0), 0);
    EXPECT_EQ(S.wld().killed_bees, 2);
}

} // namespace
