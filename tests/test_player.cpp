// The headless player on the first level: through the game's own play screen, mouse and drags, it brings
// every bee home, where a hand that never moves does not.
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
    }
}
