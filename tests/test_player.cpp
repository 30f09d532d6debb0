// The headless player on the first level: through the game's own play screen, mouse and drags, it brings
// every bee home, with a quick hand or a new player's, where a hand that never moves does not.
#include "../tools/player/bot.h"
#include "../tools/player/set2.h"
#include "level_file.h"
#include "level_set.h"
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

// The second set as the game ships it: a level file for each draft, the same level, each one's hive on
// grass and its medals in order, every file's name and opening line short; and the herder wins the
// set's first level from its file.
TEST(Player, TheSecondSetHoldsTogether)
{
    game_dir Dir;
    fs::create_directory_symlink(fs::path(QUORVEL_SOURCE_DIR) / "tools", "tools"); // the drafts' maps
    level_set Set;
    Set.load();
    ASSERT_EQ((int)Set.levels.size(), player::SET2_SIZE);
    for (int L = 0; L < player::SET2_SIZE; L++)
    {
        const player::set2_record& S = player::set2_table()[L];
        const level_data& D = Set.levels[L].data;
        SCOPED_TRACE(D.name);
        level_data Draft;
        std::string Problem;
        ASSERT_TRUE(record_level_data(S.record, Draft, Problem)) << Problem;
        EXPECT_EQ(level_key(Draft), Set.levels[L].key) << "the file is its draft: run set2_files";
        EXPECT_EQ(D.name, S.record.name);
        EXPECT_EQ(D.line, S.opening);
        EXPECT_TRUE(!D.line.empty() && D.line.back() == '.' && D.line.size() < 90) << "one short sentence";
        EXPECT_EQ(Set.levels[L].file.substr(0, 3), std::to_string(count_levels() + L + 1) + "-") << "numbered on from the table";
        EXPECT_TRUE(0 < D.medal_bees[0] && D.medal_bees[0] < D.medal_bees[1] && D.medal_bees[1] < D.medal_bees[2] &&
                    D.medal_bees[2] <= D.num_bees);
        world W;
        W.init(D, 1);
        for (double DX : {-0.5, 0.5})
            for (double DY : {-0.5, 0.5})
                EXPECT_EQ(W.get_tile_type(D.hive_pos + mkrpos(DX, DY, 0)), world::tt_grass) << "the hive on grass";
    }
    player::result R = player::play_level(Set.levels[0].data, 1, false);
    EXPECT_EQ(R.rescued_bees, R.total_bees);
}
