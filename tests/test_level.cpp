// The save file and the unlocking rule: what is read back, what is refused, and what a save leaves on disk.
#include "level.h"

#include "helpers.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Each test that touches "savegame.dat" runs in a directory of its own.
class SaveFileOnDisk : public ::testing::Test
{
protected:
    work_dir dir;
    void SetUp() override { fresh_level_table(); }
};

} // namespace

TEST(SaveFileReading, WhatEachFileLeavesInTheTable)
{
    struct
    {
        const char* what;
        std::string bytes;
        std::vector<int> before, medals; // levels 1 to 10
        int last_open;
    } Cases[] = {
        {"in order", le_words({2, 1, 3, 2, 1}), {}, {3, 1}, 2},
        {"out of order", le_words({2, 2, 1, 1, 3}), {}, {3, 1}, 2},
        {"later duplicate wins, unknown id ignored", le_words({4, 1, 3, 99, 2, 1, 1, 0, 0}), {}, {1}, 1},
        {"records without an id keep their medals", le_words({1, 1, 1}), {0, 0, 0, 0, 2}, {1, 0, 0, 0, 2}, 1},
        // A clamped negative count is no medal, so it opens nothing after it.
        {"counts over 3 and below 0", le_words({4, 1, 4, 2, 1000000, 3, -1, 4, -2147483648LL}), {}, {3, 3, 0, 0}, 2},
        // Announces three records; the third has its id and half of its medal count.
        {"truncated", le_words({3, 2, 2, 1, 1, 2}) + std::string("\x01\x00", 2), {}, {1, 2}, 2},
        {"empty", "", {1}, {1}, 1},
    };
    for (auto& C : Cases)
    {
        SCOPED_TRACE(C.what);
        fresh_level_table();
        for (size_t a = 0; a < C.before.size(); a++) all_levels[a].medals = C.before[a];
        std::istringstream In(C.bytes, std::ios::in | std::ios::binary);
        load_levels_from(In);
        C.medals.resize(11, 0);
        for (int a = 0; a < 11; a++)
        {
            EXPECT_EQ(all_levels[a].medals, C.medals[a]) << "level index " << a;
            EXPECT_EQ(all_levels[a].is_open, a <= C.last_open) << "level index " << a;
        }
        EXPECT_EQ(last_open_level, C.last_open);
    }
}

TEST(SaveFileReading, HostileCountsReadNoMoreThanIsThere)
{
    // A negative or zero count reads no records, even when records follow.
    for (long long Count : {-1LL, -2147483648LL, 0LL})
    {
        std::istringstream In(le_words({Count, 1, 3}));
        EXPECT_TRUE(read_save_records(In).empty()) << Count;
    }
    // A count cut short is no count at all.
    std::istringstream Short(std::string("\x05\x00", 2));
    EXPECT_TRUE(read_save_records(Short).empty());
    // A huge count stops where the bytes stop.
    std::istringstream Huge(le_words({2147483647LL, 1, 3, 2, 1}));
    std::map<int, int> Records = read_save_records(Huge);
    ASSERT_EQ(Records.size(), 2u);
    EXPECT_EQ(Records[1], 3);
    EXPECT_EQ(Records[2], 1);
    // Bytes past the announced count are not records.
    std::istringstream Extra(le_words({1, 1, 3, 2, 1}));
    EXPECT_EQ(read_save_records(Extra).size(), 1u);
}

TEST_F(SaveFileOnDisk, MissingFileLeavesTheTableUntouched)
{
    last_open_level = 7;
    load_all_levels();
    for (int a = 0; a < 10; a++)
    {
        EXPECT_EQ(all_levels[a].medals, 0);
        EXPECT_FALSE(all_levels[a].is_open);
    }
    EXPECT_EQ(last_open_level, 7);
    check_open_levels();
    EXPECT_TRUE(all_levels[0].is_open);
    EXPECT_FALSE(all_levels[1].is_open);
    EXPECT_EQ(last_open_level, 0);
}

TEST_F(SaveFileOnDisk, FreshSaveIsTheCountAndTenZeroRecords)
{
    save_all_levels();
    std::string Bytes = read_file("savegame.dat");
    ASSERT_EQ(Bytes.size(), 84u);
    EXPECT_EQ(Bytes, le_words({10, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0, 9, 0, 10, 0}));
    const unsigned char Head[20] = {0x0A, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Bytes.substr(0, 20), std::string((const char*)Head, 20));
    EXPECT_NE(access("savegame.dat.tmp", F_OK), 0) << "the temporary file stays behind";
}

TEST_F(SaveFileOnDisk, SavedProgressReadsBack)
{
    all_levels[0].medals = 1;
    all_levels[1].medals = 3;
    all_levels[2].medals = 2;
    save_all_levels();
    EXPECT_EQ(read_file("savegame.dat").size(), 84u);

    fresh_level_table();
    load_all_levels();
    EXPECT_EQ(all_levels[0].medals, 1);
    EXPECT_EQ(all_levels[1].medals, 3);
    EXPECT_EQ(all_levels[2].medals, 2);
    EXPECT_EQ(all_levels[3].medals, 0);
    EXPECT_EQ(last_open_level, 3);
    EXPECT_TRUE(all_levels[3].is_open);
    EXPECT_FALSE(all_levels[4].is_open);
}

TEST_F(SaveFileOnDisk, FailedSaveKeepsTheOldFileAndSaysSo)
{
    const std::string Old = le_words({10, 1, 2, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0, 9, 0, 10, 0});
    write_file("savegame.dat", Old);
    // A directory where the temporary file must go makes the write fail before anything is replaced.
    ASSERT_EQ(mkdir("savegame.dat.tmp", 0755), 0);
    all_levels[0].medals = 3;

    testing::internal::CaptureStdout();
    save_all_levels();
    std::string Said = testing::internal::GetCapturedStdout();

    EXPECT_EQ(read_file("savegame.dat"), Old);
    EXPECT_EQ(Said.rfind("! ", 0), 0u) << Said;
    EXPECT_NE(Said.find("savegame.dat"), std::string::npos) << Said;
    EXPECT_FALSE(save_levels_file("savegame.dat"));
    rmdir("savegame.dat.tmp");
    EXPECT_TRUE(save_levels_file("savegame.dat"));
    EXPECT_EQ(read_file("savegame.dat").substr(4, 8), le_words({1, 3}));
}

TEST(UnlockingRule, OpensUpToTheFirstLevelWithoutMedals)
{
    struct
    {
        const char* what;
        std::vector<int> medals;
        int opened_before; // -1 for none
        int last_open;
    } Cases[] = {
        {"medals behind a level without are not reached", {1, 0, 3}, -1, 1},
        {"all ten won point past the end", {1, 2, 3, 1, 2, 3, 1, 2, 3, 1}, -1, 10},
        {"open flags are not withdrawn", {}, 5, 0},
    };
    for (auto& C : Cases)
    {
        SCOPED_TRACE(C.what);
        fresh_level_table();
        for (size_t a = 0; a < C.medals.size(); a++) all_levels[a].medals = C.medals[a];
        if (C.opened_before >= 0) all_levels[C.opened_before].is_open = true;
        check_open_levels();
        EXPECT_EQ(last_open_level, C.last_open);
        for (int a = 0; a < 11; a++)
            EXPECT_EQ(all_levels[a].is_open, (a <= C.last_open && a < 10) || a == C.opened_before) << "level index " << a;
    }
}
