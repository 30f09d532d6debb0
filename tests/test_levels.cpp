// Levels as files and codes: every level of the table written out, read back and played to the same
// world; files and codes damaged every way they arrive, each refused whole with one reason.
#include "helpers.h"

#include "command_line.h"
#include "level_code.h"
#include "level_file.h"
#include "level_run.h"
#include "texts.h"
#include "play.h"
#include "player_levels.h"
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

// The medals of a player's level follow the level, not its file: kept across a rename, dropped by an edit.
// A file in levels/ that cannot be read is passed over with one warning naming it.
TEST_F(Levels, ProgressFollowsTheLevelAcrossARenameAndNotAcrossAnEdit)
{
    player_levels Shelf;
    std::string Problem;
    const level_data L = small_level();
    ASSERT_EQ(Shelf.add(L, Problem), 0) << Problem;
    EXPECT_TRUE(fs::exists("levels/pond.qbl"));
    Shelf.record(level_key(L), 2);
    Shelf.record(level_key(L), 1); // a worse play keeps the best
    fs::rename("levels/pond.qbl", "levels/renamed.qbl");
    write_file("levels/broken.qbl", "quorvel-bees level 1\nname: half");
    std::vector<std::string> Said = split_lines(printed_by([&] { Shelf.scan(); }));
    ASSERT_EQ(Said.size(), 1u);
    EXPECT_EQ(Said[0].rfind("! levels: can't read levels/broken.qbl: ", 0), 0u) << Said[0];
    ASSERT_EQ(Shelf.levels.size(), 1u);
    EXPECT_EQ(Shelf.levels[0].file, "renamed.qbl");
    EXPECT_EQ(Shelf.medals_of(Shelf.levels[0].key), 2);

    level_data Edited = L;
    Edited.rgb[0] = 61;
    write_file("levels/renamed.qbl", write_level_file(Edited));
    Shelf.scan();
    EXPECT_EQ(Shelf.medals_of(Shelf.levels[0].key), 0) << "an edited level starts afresh";
    EXPECT_FALSE(fs::exists("savegame.dat")) << "the table's save is not touched";
}

TEST_F(Levels, AddingNamesAFileAfterTheLevelAndNeverKeepsALevelTwice)
{
    player_levels Shelf;
    std::string Problem;
    level_data A = small_level(), B = small_level();
    B.num_bees = 5;
    const int First = Shelf.add(A, Problem), Second = Shelf.add(B, Problem);
    EXPECT_EQ(Shelf.levels[Second].file, "pond-2.qbl");
    EXPECT_EQ(Shelf.add(A, Problem), Shelf.find(level_key(A))) << "the same level again";
    EXPECT_EQ(Shelf.levels[Shelf.find(level_key(A))].file, "pond.qbl");
    (void)First;
    A.name = "Ünïcode / and spaces!";
    A.num_bees = 4;
    EXPECT_EQ(Shelf.levels[Shelf.add(A, Problem)].file, "n-code-and-spaces.qbl");
    EXPECT_EQ(std::distance(fs::directory_iterator("levels"), fs::directory_iterator()), 3);
}

// A player's level played and left: its play kept as a replay that plays again to the same world; played
// again to its end, its medals kept by its key; the level afresh (R) scores nothing.
TEST_F(Levels, APlayersLevelIsPlayedScoredAndKeptAsAReplay)
{
    player_levels Shelf;
    std::string Problem;
    const level_data L = small_level();
    Shelf.add(L, Problem);
    level_run Run(L, &Shelf, texts::TO_OWN_LEVELS);
    Run.level_seed = [] { return 5u; };
    Run.start();
    point_at(6, 5);
    SDL_Event R = event(SDL_KEYDOWN, SDLK_r), Escape = event(SDL_KEYDOWN, SDLK_ESCAPE);
    auto frames = [&](int N) {
        for (int f = 0; f < N; f++) Run.update(0.01), Run.render(); // drawn, as the horseflies' wings are
    };
    frames(30);
    Run.notice(R);
    frames(41);
    Run.notice(Escape); // left: results, and the play kept
    frames(1);
    ASSERT_TRUE(Run.results_flag);
    replay Kept;
    ASSERT_TRUE(read_replay_file(level_replay_path(level_key(L), "last"), Kept, Problem)) << Problem;
    EXPECT_TRUE(replay_of(Kept, L));
    EXPECT_EQ(Kept.frames.size(), 41u) << "the frames since the level started afresh";
    EXPECT_EQ(world_digest(*play_through(Kept, L).ptr()), Kept.end_digest);
    EXPECT_EQ(Shelf.medals_of(level_key(L)), 0);

    SDL_Event Again = event(SDL_KEYDOWN, SDLK_RETURN);
    Run.notice(Again);
    ASSERT_FALSE(Run.results_flag);
    Run.run_world->rescued_bees = 5, Run.run_world->killed_bees = 1; // over, with a violet
    Run.update(0.01);
    ASSERT_TRUE(Run.results_flag);
    EXPECT_EQ(Run.score_medals, 2);
    EXPECT_EQ(Shelf.medals_of(level_key(L)), 2);
    Run.notice(Escape);
    EXPECT_TRUE(Run.done());
}

// The command line's level commands, as a script sees them: what they print and their exit statuses.
TEST_F(Levels, TheCommandLineExportsChecksCodesAndImportsLevels)
{
    auto run = [](std::vector<std::string> Args, int& Status) {
        Args.insert(Args.begin(), "quorvel");
        std::vector<char*> Argv;
        for (std::string& A : Args) Argv.push_back(A.data());
        return printed_by([&] {
            command_line C = run_command_line((int)Argv.size(), Argv.data());
            Status = C.start_game ? -1 : C.status;
        });
    };
    int Status;
    run({"--export-level", "4", "coast.qbl"}, Status);
    EXPECT_EQ(Status, 0);
    EXPECT_EQ(run({"--check-level", "coast.qbl"}, Status),
              "name: The Coast\nsize: 30 by 22 tiles\nflowers: 12, horseflies: 4, bees: 20\nmedals at: 15, 20, 100 bees home\n");
    const std::string Code = run({"--level-code", "coast.qbl"}, Status);
    EXPECT_EQ(Code, level_code(table(3)) + "\n");
    EXPECT_EQ(run({"--import-code", Code.substr(0, Code.size() - 1)}, Status), "The Coast: levels/the-coast.qbl\n");
    EXPECT_EQ(Status, 0);
    const std::pair<std::vector<std::string>, const char*> Refused[] = {
        {{"--export-level", "11", "x.qbl"}, "* export level: no level 11 (1 to 10)\n"},
        {{"--check-level", "missing.qbl"}, "* check level: can't read missing.qbl: no such file\n"},
        {{"--level-code", "coast.qbl.nothing"}, "* level code: can't read coast.qbl.nothing: no such file\n"},
        {{"--import-code", "qb1.nonsense"}, "* import code: a level code damaged or cut short\n"},
    };
    for (const auto& [Args, Says] : Refused)
    {
        EXPECT_EQ(run(Args, Status), Says);
        EXPECT_EQ(Status, 2) << Args[0];
    }
    run({"--unknown"}, Status);
    EXPECT_EQ(Status, 2);
    run({"level.qbl"}, Status);
    EXPECT_EQ(Status, -1) << "a file alone starts the game with it";
}
