// The headless player on the first level: through the game's own play screen, mouse and drags, it brings
// every bee home, with a quick hand or a new player's, where a hand that never moves does not.
#include "../tools/player/bot.h"
#include "helpers.h"

TEST(Player, HerdsEveryBeeOfTheFirstLevelHome)
{
    game_dir Dir;
    for (unsigned long Seed = 1; Seed <= 3; Seed++)
    {
        player::result R = player::play_level(0, Seed, false);
        EXPECT_EQ(R.rescued_bees, all_levels[0].num_bees) << "seed " << Seed;
        EXPECT_EQ(R.medals, 1) << "seed " << Seed;
        ASSERT_GT(R.end_time, 0.0) << "seed " << Seed;
        player::result Idle = player::play_level(0, Seed, true, R.end_time);
        EXPECT_LT(Idle.rescued_bees, Idle.total_bees) << "seed " << Seed;
        EXPECT_EQ(Idle.left, Idle.total_bees - Idle.rescued_bees) << "no horseflies: every bee not home is still out";
    }
}

// A new player's hand, at half the careful one's pace and resting before each press, still wins the first
// level on a seed within a new player's first minute and a half.
TEST(Player, ANewHandWinsTheFirstLevel)
{
    game_dir Dir;
    player::result R = player::play_level(0, 2, false, 90.0, player::new_hand());
    EXPECT_EQ(R.rescued_bees, R.total_bees);
    EXPECT_EQ(R.medals, 1);
}

// The herder sees horseflies where the picture shows them: it turns its way home aside from one beside
// the group, never back toward where it came from, and does not count bees home while one waits by them.
TEST(Player, StepsAsideFromHorseflies)
{
    game_dir Dir;
    player::session S(3, 1, player::hand());
    world& W = S.wld();
    const rpos Hive = player::herder::all_levels_hive(W);
    const rpos Group = Hive + mkrpos(8.0, 0.0, 0.0);
    std::vector<sprite*> Flies;
    for (ref<sprite>& Sp : W.sprites)
        if (Sp->sprite_type == sprite::st_horsefly)
        {
            Sp->position = Group + mkrpos(0.0, 20.0, 0.0);
            Flies.push_back(Sp.ptr());
        }
    ASSERT_FALSE(Flies.empty());
    rpos Dir0 = player::herder::way_home(W, Group, Group, Hive);
    EXPECT_NEAR(Dir0[0], -1.0, 1e-9);
    EXPECT_NEAR(Dir0[1], 0.0, 1e-9);

    Flies[0]->position = Group + mkrpos(0.0, 1.0, 0.0); // beside the group
    rpos Aside = player::herder::way_home(W, Group, Group, Hive);
    EXPECT_LT(Aside[1], -0.3) << "away from the horsefly";
    EXPECT_LT(Aside[0], 0.0) << "still toward the hive";
    EXPECT_NEAR(std::hypot(Aside[0], Aside[1]), 1.0, 1e-9);

    Flies[0]->position = Group + mkrpos(-1.0, 0.2, 0.0); // in the way
    rpos Ahead = player::herder::way_home(W, Group, Group, Hive);
    EXPECT_LT(Ahead[0], 0.0) << "never back";
    EXPECT_LT(Ahead[1], 0.0);

    const rpos ByHive = Hive + mkrpos(1.0, 0.0, 0.0);
    EXPECT_TRUE(player::herder::at_home(ByHive, Hive, {}));
    EXPECT_FALSE(player::herder::at_home(ByHive, Hive, {Hive + mkrpos(1.0, 1.0, 0.0)}));
}
