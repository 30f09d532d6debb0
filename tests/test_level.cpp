// The save file and the unlocking rule: what is read back, what is refused, and what a save leaves on disk.
#include "level.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Little-endian 32-bit fields, written out by hand so the tests do not share the game's writer.
std::string le(std::initializer_list<long long> Values)
{
    std::string S;
    for (long long V : Values)
    {
        unsigned long long U = (unsigned long long)V;
        for (int b = 0; b < 4; b++) S.push_back((char)((U >> (8 * b)) & 0xff));
    }
    return S;
}

void fresh_table()
{
    num_levels = 10;
    last_open_level = 0;
    for (int a = 0; a < 11; a++)
    {
        all_levels[a].medals = 0;
        all_levels[a].is_open = false;
    }
}

void load_bytes(const std::string& Bytes)
{
    std::istringstream In(Bytes, std::ios::in | std::ios::binary);
    load_levels_from(In);
}

std::string read_file(const std::string& Path)
{
    std::ifstream In(Path, std::ios::binary);
    std::ostringstream S;
    S << In.rdbuf();
    return S.str();
}

void write_file(const std::string& Path, const std::string& Bytes)
{
    std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
    Out << Bytes;
}

// Each test that touches "savegame.dat" runs in a directory of its own and goes back afterwards.
class SaveFileOnDisk : public ::testing::Test
{
protected:
    std::string old_dir;
    std::string dir;

    void SetUp() override
    {
        fresh_table();
        char Cwd[4096];
        ASSERT_NE(getcwd(Cwd, sizeof Cwd), nullptr);
        old_dir = Cwd;
        char Template[] = "/tmp/quorvel_level_XXXXXX";
        ASSERT_NE(mkdtemp(Template), nullptr);
        dir = Template;
        ASSERT_EQ(chdir(dir.c_str()), 0);
    }
    void TearDown() override
    {
        ASSERT_EQ(chdir(old_dir.c_str()), 0);
        std::string Cmd = "rm -rf '" + dir + "'";
        ASSERT_EQ(std::system(Cmd.c_str()), 0);
    }
};

class CaptureStdout
{
public:
    std::ostringstream text;
    std::streambuf* old;
    CaptureStdout() : old(std::cout.rdbuf(text.rdbuf())) {}
    ~CaptureStdout() { std::cout.rdbuf(old); }
};

} // namespace

TEST(SaveFileReading, RecordsApplyByIdWhateverTheirOrder)
{
    fresh_table();
    load_bytes(le({2, 1, 3, 2, 1}));
    EXPECT_EQ(all_levels[0].medals, 3);
    EXPECT_EQ(all_levels[1].medals, 1);
    EXPECT_EQ(last_open_level, 2);
    for (int a = 0; a < 3; a++) EXPECT_TRUE(all_levels[a].is_open) << a;
    EXPECT_FALSE(all_levels[3].is_open);

    fresh_table();
    load_bytes(le({2, 2, 1, 1, 3}));
    EXPECT_EQ(all_levels[0].medals, 3);
    EXPECT_EQ(all_levels[1].medals, 1);
    EXPECT_EQ(last_open_level, 2);
}

TEST(SaveFileReading, LaterDuplicateWinsAndUnknownIdsAreIgnored)
{
    fresh_table();
    load_bytes(le({4, 1, 3, 99, 2, 1, 1, 0, 0}));
    EXPECT_EQ(all_levels[0].medals, 1);
    for (int a = 1; a < 10; a++) EXPECT_EQ(all_levels[a].medals, 0) << a;
    EXPECT_FALSE(all_levels[10].is_open);
    EXPECT_EQ(all_levels[10].medals, 0);
    EXPECT_EQ(last_open_level, 1);
}

TEST(SaveFileReading, RecordsWithoutAnIdKeepTheirMedals)
{
    fresh_table();
    all_levels[4].medals = 2;
    load_bytes(le({1, 1, 1}));
    EXPECT_EQ(all_levels[4].medals, 2);
}

TEST(SaveFileReading, MedalCountsAreKeptWithinZeroToThree)
{
    fresh_table();
    load_bytes(le({4, 1, 4, 2, 1000000, 3, -1, 4, -2147483648LL}));
    EXPECT_EQ(all_levels[0].medals, 3);
    EXPECT_EQ(all_levels[1].medals, 3);
    EXPECT_EQ(all_levels[2].medals, 0);
    EXPECT_EQ(all_levels[3].medals, 0);
    // A clamped negative count is no medal, so it opens nothing after it.
    EXPECT_EQ(last_open_level, 2);
    EXPECT_FALSE(all_levels[3].is_open);
}

TEST(SaveFileReading, TruncatedFileUsesOnlyCompleteRecords)
{
    fresh_table();
    // Announces three records; the third has its id and half of its medal count.
    std::string Bytes = le({3, 2, 2, 1, 1, 2});
    Bytes += std::string("\x01\x00", 2);
    load_bytes(Bytes);
    EXPECT_EQ(all_levels[0].medals, 1);
    EXPECT_EQ(all_levels[1].medals, 2);
    EXPECT_EQ(last_open_level, 2);

    // A count cut short is no count at all.
    std::istringstream Short(std::string("\x05\x00", 2));
    EXPECT_TRUE(read_save_records(Short).empty());
}

TEST(SaveFileReading, EmptyFileStillOpensTheFirstLevel)
{
    fresh_table();
    all_levels[0].medals = 1;
    load_bytes("");
    EXPECT_EQ(all_levels[0].medals, 1);
    EXPECT_TRUE(all_levels[0].is_open);
    EXPECT_TRUE(all_levels[1].is_open);
    EXPECT_FALSE(all_levels[2].is_open);
}

TEST(SaveFileReading, HostileCountsReadNoMoreThanIsThere)
{
    // A negative or zero count reads no records, even when records follow.
    for (long long Count : {-1LL, -2147483648LL, 0LL})
    {
        std::istringstream In(le({Count, 1, 3}));
        EXPECT_TRUE(read_save_records(In).empty()) << Count;
    }
    // A huge count stops where the bytes stop.
    std::istringstream Huge(le({2147483647LL, 1, 3, 2, 1}));
    std::map<int, int> Records = read_save_records(Huge);
    ASSERT_EQ(Records.size(), 2u);
    EXPECT_EQ(Records[1], 3);
    EXPECT_EQ(Records[2], 1);
    // Bytes past the announced count are not records.
    std::istringstream Extra(le({1, 1, 3, 2, 1}));
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
    EXPECT_EQ(Bytes, le({10, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0, 9, 0, 10, 0}));
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

    fresh_table();
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
    const std::string Old = le({10, 1, 2, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0, 9, 0, 10, 0});
    write_file("savegame.dat", Old);
    // A directory where the temporary file must go makes the write fail before anything is replaced.
    ASSERT_EQ(mkdir("savegame.dat.tmp", 0755), 0);
    all_levels[0].medals = 3;

    CaptureStdout Out;
    save_all_levels();
    std::string Said = Out.text.str();

    EXPECT_EQ(read_file("savegame.dat"), Old);
    EXPECT_EQ(Said.rfind("! ", 0), 0u) << Said;
    EXPECT_NE(Said.find("savegame.dat"), std::string::npos) << Said;
    EXPECT_FALSE(save_levels_file("savegame.dat"));
    rmdir("savegame.dat.tmp");
    EXPECT_TRUE(save_levels_file("savegame.dat"));
    EXPECT_EQ(read_file("savegame.dat").substr(4, 8), le({1, 3}));
}

TEST(UnlockingRule, WalkStopsAtTheFirstLevelWithoutMedals)
{
    fresh_table();
    all_levels[0].medals = 1;
    all_levels[2].medals = 3; // behind a level without medals: not opened by the rule
    check_open_levels();
    EXPECT_TRUE(all_levels[0].is_open);
    EXPECT_TRUE(all_levels[1].is_open);
    EXPECT_FALSE(all_levels[2].is_open);
    EXPECT_FALSE(all_levels[3].is_open);
    EXPECT_EQ(last_open_level, 1);
}

TEST(UnlockingRule, AllTenWithMedalsOpenEverythingAndPointPastTheEnd)
{
    fresh_table();
    for (int a = 0; a < 10; a++) all_levels[a].medals = 1 + a % 3;
    check_open_levels();
    for (int a = 0; a < 10; a++) EXPECT_TRUE(all_levels[a].is_open) << a;
    EXPECT_EQ(last_open_level, 10);
    EXPECT_FALSE(all_levels[10].is_open);
}

TEST(UnlockingRule, OpenFlagsAreNotWithdrawn)
{
    fresh_table();
    all_levels[5].is_open = true;
    check_open_levels();
    EXPECT_TRUE(all_levels[0].is_open);
    EXPECT_TRUE(all_levels[5].is_open);
    EXPECT_EQ(last_open_level, 0);
}
