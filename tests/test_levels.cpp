// Levels as files and codes: every level of the table written out, read back and played to the same
// world; files and codes damaged every way they arrive, each refused whole with one reason.
#include "helpers.h"

#include "level_code.h"
#include "level_file.h"
#include "play.h"
#include "replay.h"

namespace {

struct Levels : ::testing::Test
{
    game_dir dir;
    static level_data table(int Index)
    {
        level_data L;
        std::string Problem;
        EXPECT_TRUE(table_level_data(Index, L, Problem)) << Problem;
        return L;
    }
};

bool same(const level_data& A, const level_data& B)
{
    return A.name == B.name && A.line == B.line && A.w == B.w && A.h == B.h && A.rgb == B.rgb && A.hive_pos == B.hive_pos &&
           A.num_flowers == B.num_flowers && A.num_flies == B.num_flies && A.num_bees == B.num_bees &&
           std::equal(A.medal_bees, A.medal_bees + 3, B.medal_bees);
}

// A small sound level: grass with a pond.
level_data small_level()
{
    level_data L;
    L.name = "Pond", L.line = "A pond in the way.", L.w = 12, L.h = 9;
    for (int t = 0; t < L.w * L.h; t++)
    {
        bool Pond = t % L.w > 6 && t / L.w > 4;
        L.rgb.insert(L.rgb.end(), {(uint8_t)(Pond ? 30 : 60), (uint8_t)(Pond ? 60 : 160), (uint8_t)(Pond ? 170 : 50)});
    }
    L.hive_pos = mkrpos(3, 3, 0), L.num_flowers = 3, L.num_flies = 2, L.num_bees = 6;
    L.medal_bees[0] = 4, L.medal_bees[1] = 5, L.medal_bees[2] = 6;
    return L;
}

} // namespace

// Each level of the table, as a file and as a code, comes back as it was and plays, from the same seed,
// to the very world the table's level plays to: its map as the table's picture holds it.
TEST_F(Levels, EveryTableLevelTravelsAsAFileAndACodeAndPlaysTheSame)
{
    for (int a = 0; a < count_levels(); a++)
    {
        SCOPED_TRACE(all_levels[a].name);
        const level_data L = table(a);
        level_data FromFile, FromCode;
        std::string Problem;
        ASSERT_TRUE(read_level_file(write_level_file(L), FromFile, Problem)) << Problem;
        const std::string Code = level_code(L);
        EXPECT_LE(Code.size(), 600u);
        ASSERT_TRUE(read_level_code(Code, FromCode, Problem)) << Problem;
        EXPECT_TRUE(same(FromFile, L) && same(FromCode, L));
        EXPECT_EQ(level_key(FromCode), level_key(L));

        ref<world> Table = mkref(new world), File = mkref(new world);
        Table->init(all_levels[a], 11);
        File->init(FromFile, 11);
        for (int f = 0; f < 200; f++)
            for (ref<world>* W : {&Table, &File}) (*W)->set_cursor(mkrloc(5, 5)), (*W)->update(0.01), (*W)->spend_draws();
        EXPECT_EQ(world_digest(*File.ptr()), world_digest(*Table.ptr()));
    }
}

TEST_F(Levels, AKeyChangesWithWhatIsPlayedNotWithTheName)
{
    const level_data L = small_level();
    level_data Renamed = L, Moved = L, Repainted = L, Harder = L;
    Renamed.name = "Another name", Renamed.line = "";
    Moved.hive_pos[0] += 1;
    Repainted.rgb[5] ^= 1;
    Harder.medal_bees[2] += 1;
    EXPECT_EQ(level_key(Renamed), level_key(L));
    for (const level_data* Edited : {&Moved, &Repainted, &Harder}) EXPECT_NE(level_key(*Edited), level_key(L));
}

// Damaged, cut short, hostile or foreign: refused whole, with a reason a player can read.
TEST_F(Levels, AFileThatIsNotWholeAndSoundIsRefusedWithItsReason)
{
    const std::string Good = write_level_file(small_level());
    auto with = [&](const std::string& From, const std::string& To) {
        std::string S = Good;
        size_t At = S.find(From);
        EXPECT_NE(At, std::string::npos) << From;
        return S.replace(At, From.size(), To);
    };
    const std::pair<std::string, const char*> Cases[] = {
        {"", "not a Quorvel Bees level"},
        {"P6\n12 9\n255\n", "not a Quorvel Bees level"},
        {with("level 1", "level 2"), "a level of another version"},
        {Good.substr(0, Good.size() / 2), "cut short"},
        {Good.substr(0, Good.size() - 1 - 12), "cut short"},
        {with("name: Pond", "name: "), "no name"},
        {with("size: 12 9", "size: 12 90"), "size out of bounds"},
        {with("size: 12 9", "size: 9 9"), "size out of bounds"},
        {with("hive: 3 3", "hive: 13 3"), "no hive on the map"},
        {with("bees: 6", "bees: 99999999999"), "bees within bounds"},
        {with("bees: 6", "bees: -6"), "bees within bounds"},
        {with("flowers: 3\n", ""), "flowers within bounds"},
        {with("medals: 4 5 6", "medals: 4 5"), "three medals"},
        {with("\nb ", "\na "), "a new letter"},
        {with("\nb ", "\nb #"), "six hex digits"},
        {with("map:\n", "map:\nbbbbbbbbbbbb\n"), "lines after the map"},
        {with("map:\na", "map:\nz"), "names a colour not listed"},
        {with("map:\naaaaaaa", "map:\naaaaaa"), "not 12 tiles long"},
        {Good + "more\n", "lines after the map"},
        {Good + std::string(70000, '\n'), "larger than any level"},
        {with("name: Pond", std::string("name: P\xC3") + "nd"), "no name"},
        {with("name: Pond", "name: P\tond"), "no name"},
        {with("horseflies: 2", "horseflies: 2") + "", ""}, // whole: read
    };
    for (const auto& [Bytes, Says] : Cases)
    {
        level_data Out = small_level();
        Out.name = "untouched";
        std::string Problem;
        bool Read = read_level_file(Bytes, Out, Problem);
        EXPECT_EQ(Read, *Says == 0) << Says << ": " << Problem;
        if (*Says)
        {
            EXPECT_NE(Problem.find(Says), std::string::npos) << Says << ": " << Problem;
        }
        EXPECT_EQ(Out.name, Read ? "Pond" : "untouched") << "a refused file leaves what it was read into alone";
    }
    std::string Problem;
    level_data Dry = small_level();
    for (size_t t = 0; t < Dry.rgb.size(); t += 3) Dry.rgb[t] = 60, Dry.rgb[t + 1] = 160, Dry.rgb[t + 2] = 50;
    EXPECT_FALSE(read_level_file(write_level_file(Dry), Dry, Problem));
    EXPECT_EQ(Problem, "no water for its horseflies");
    level_data CarriageReturns;
    std::string Crlf;
    for (char C : Good) Crlf += C == '\n' ? std::string("\r\n") : std::string(1, C);
    EXPECT_TRUE(read_level_file(Crlf, CarriageReturns, Problem)) << "a file saved on another system";
}

TEST_F(Levels, ACodeDamagedCutOrForeignIsRefusedAndALinkOrAMessageIsRead)
{
    const level_data L = small_level();
    const std::string Code = level_code(L);
    level_data Out;
    std::string Problem;
    ASSERT_TRUE(read_level_code("Try this one: " + Code + ". Fun!", Out, Problem)) << Problem;
    EXPECT_TRUE(same(Out, L));
    ASSERT_TRUE(read_level_code(level_link("https://bees.example/play/", L), Out, Problem)) << Problem;
    for (size_t At = 4; At < Code.size(); At += 7) // every few characters, each changed in turn
    {
        std::string Bad = Code;
        Bad[At] = Bad[At] == 'A' ? 'B' : 'A';
        EXPECT_FALSE(read_level_code(Bad, Out, Problem)) << At;
    }
    const std::pair<std::string, const char*> Cases[] = {
        {"hello", "no Quorvel Bees level code"},
        {"qb2." + Code.substr(4), "another version"},
        {Code.substr(0, Code.size() - 5), "cut short"},
        {Code.substr(0, 6), "cut short"},
        {"qb1.", "cut short"},
        {std::string(20000, 'A'), "longer than any"},
    };
    for (const auto& [Text, Says] : Cases)
    {
        EXPECT_FALSE(read_level_code(Text, Out, Problem)) << Says;
        EXPECT_NE(Problem.find(Says), std::string::npos) << Says << ": " << Problem;
    }
}
