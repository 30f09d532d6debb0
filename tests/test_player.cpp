// The headless player on the first level: through the game's own play screen, mouse and drags, it brings
// every bee home, with a quick hand or a new player's, where a hand that never moves does not.
#include "../tools/player/bot.h"
#include "../tools/player/set2.h"
#include "helpers.h"

#include <set>

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

// The second set's records, as the balance report and the art generator read them: each loads its map,
// keeps its hive on grass and its horseflies on water, awards its medals in order, and the herder wins
// the set's first level.
TEST(Player, TheSecondSetHoldsTogether)
{
    game_dir Dir;
    std::set<int> Ids;
    for (int a = 0; a < count_levels(); a++) Ids.insert(all_levels[a].level_id);
    for (int L = 0; L < player::SET2_SIZE; L++)
    {
        const player::set2_record& S = player::set2_table()[L];
        level Lv = S.record;
        SCOPED_TRACE(Lv.name);
        EXPECT_TRUE(Ids.insert(Lv.level_id).second) << "an id of its own";
        std::string Opening = S.opening;
        EXPECT_TRUE(!Opening.empty() && Opening.back() == '.' && Opening.size() < 90) << "one short sentence";
        EXPECT_TRUE(0 < Lv.medal_bees[0] && Lv.medal_bees[0] < Lv.medal_bees[1] && Lv.medal_bees[1] < Lv.medal_bees[2] &&
                    Lv.medal_bees[2] <= Lv.num_bees);
        world W;
        W.init(Lv, 1); // dies on a map that is missing or lacks the terrain its creatures need
        for (double DX : {-0.5, 0.5})
            for (double DY : {-0.5, 0.5})
                EXPECT_EQ(W.get_tile_type(Lv.hive_pos + mkrpos(DX, DY, 0)), world::tt_grass) << "the hive on grass";
        EXPECT_LE(W.size[0], 44);
        EXPECT_LE(W.size[1], 40);
    }
    player::result R = player::play_level(player::set2_table()[0].record, 1, false);
    EXPECT_EQ(R.rescued_bees, R.total_bees);
}
