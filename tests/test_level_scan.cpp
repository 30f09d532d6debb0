// Start-up of the level table: previews loaded, the table counted to its terminator, the save file
// applied. Loading previews needs GL, so this runs against an offscreen context in a scratch directory.
#include "level.h"

#include "quorvel.h"
#include "texture.h"

#include "helpers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

class LevelScan : public ::testing::Test
{
protected:
    static std::unique_ptr<game_dir> dir;

    static void SetUpTestSuite()
    {
        dir.reset(new game_dir);
        ASSERT_TRUE(open_offscreen_screen());
    }
    static void TearDownTestSuite()
    {
        SDL_Quit();
        dir.reset();
    }
    void SetUp() override { std::filesystem::remove("savegame.dat"); }
};

std::unique_ptr<game_dir> LevelScan::dir;

} // namespace

TEST_F(LevelScan, CountsToTheTerminatorAndLoadsEveryPreview)
{
    num_levels = 0;
    all_levels[3].medals = 2; // left over from an earlier run of the table: reset
    all_levels[3].is_open = true;
    scan_all_levels();
    EXPECT_EQ(num_levels, 10);
    for (int a = 0; a < 10; a++)
    {
        ASSERT_NE(all_levels[a].map_texture, nullptr) << a;
        EXPECT_EQ(all_levels[a].map_texture, texture_load(all_levels[a].map_texture_file, true));
        EXPECT_GT(all_levels[a].map_texture->w, 0);
    }
    EXPECT_EQ(all_levels[10].map_texture, nullptr);
    EXPECT_EQ(all_levels[3].medals, 0);
    // Without a save file the rule has not run: nothing is open yet.
    EXPECT_FALSE(all_levels[3].is_open);
    EXPECT_FALSE(all_levels[0].is_open);
}

TEST_F(LevelScan, AppliesTheSaveFileAndOpensLevels)
{
    write_file("savegame.dat", le_words({3, 1, 2, 2, 1, 3, 7}));
    scan_all_levels();
    EXPECT_EQ(all_levels[0].medals, 2);
    EXPECT_EQ(all_levels[1].medals, 1);
    EXPECT_EQ(all_levels[2].medals, 3); // stored as 7
    EXPECT_EQ(last_open_level, 3);
    EXPECT_TRUE(all_levels[3].is_open);
    EXPECT_FALSE(all_levels[4].is_open);
}
