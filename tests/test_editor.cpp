// The level editor: its operations on a level (paint, fill, the hive, the counts, the name), undo and
// redo, the checks that keep an unplayable level from being saved, saving and testing, the work kept
// across a quit, and our player's verdict against the balance report's player on the same seeds.
#include "helpers.h"

#include "command_line.h"
#include "editor.h"
#include "editor_start.h"
#include "herding_game.h"
#include "level_edit.h"
#include "level_file.h"
#include "level_run.h"
#include "player_levels.h"
#include "texts.h"
#include "tile_shades.h"
#include "title.h"
#include "verdict.h"

namespace {

world::tile_types kind_at(const level_data& L, int X, int Y)
{
    return tile_kind(&L.rgb[((size_t)Y * L.w + X) * 3]);
}

int tiles_of(const level_data& L, world::tile_types Kind)
{
    int N = 0;
    for (int Y = 0; Y < L.h; Y++)
        for (int X = 0; X < L.w; X++) N += kind_at(L, X, Y) == Kind;
    return N;
}

// Brightness of a tile's colour, 0 to 765.
int brightness(const level_data& L, int X, int Y)
{
    const uint32_t C = tile_colour(L, X, Y);
    return (int)(C >> 16) + (int)((C >> 8) & 255) + (int)(C & 255);
}

// A lake of Kind painted tile by tile over the rectangle, as one stroke.
void paint_box(level_edit& E, int X0, int Y0, int X1, int Y1, world::tile_types Kind)
{
    E.begin_stroke();
    for (int Y = Y0; Y < Y1; Y++)
        for (int X = X0; X < X1; X++) E.paint(mkrloc(X + 0.5, Y + 0.5), Kind, 1);
    E.end_stroke();
}

level_data table(int Index)
{
    level_data L;
    std::string Problem;
    EXPECT_TRUE(table_level_data(Index, L, Problem)) << Problem;
    return L;
}

} // namespace

TEST(LevelEdit, TheBrushPaintsTheTilesRoundThePointerWithinHalfItsWidth)
{
    const struct
    {
        int brush;
        double x, y;
        int tiles; // painted, all water
    } Cases[] = {
        {1, 5.9, 4.1, 1}, // the tile under the pointer alone, wherever in it
        {3, 5.5, 4.5, 9},
        {5, 5.5, 4.5, 21}, // round: five across without the corners
        {5, 0.2, 0.2, 8},  // at the map's corner, what lies on the map
    };
    for (const auto& C : Cases)
    {
        level_edit E;
        EXPECT_TRUE(E.paint(mkrloc(C.x, C.y), world::tt_water, C.brush));
        EXPECT_EQ(tiles_of(E.level, world::tt_water), C.tiles) << "brush " << C.brush;
        EXPECT_EQ(kind_at(E.level, (int)C.x, (int)C.y), world::tt_water);
        EXPECT_FALSE(E.paint(mkrloc(C.x, C.y), world::tt_water, C.brush)) << "painted already";
        EXPECT_EQ(E.undo_steps(), 1u);
    }
}

TEST(LevelEdit, AStrokeIsOneStepAndLeavesNoGapAlongAQuickDrag)
{
    level_edit E;
    const level_data Before = E.level;
    E.begin_stroke();
    E.paint(mkrloc(1.5, 5.5), world::tt_rock, 1);
    E.paint(mkrloc(12.5, 5.5), world::tt_rock, 1); // the next frame, far along
    E.end_stroke();
    for (int X = 1; X <= 12; X++) EXPECT_EQ(kind_at(E.level, X, 5), world::tt_rock) << X;
    EXPECT_EQ(tiles_of(E.level, world::tt_rock), 12);
    EXPECT_EQ(E.undo_steps(), 1u);
    ASSERT_TRUE(E.undo());
    EXPECT_EQ(E.level.rgb, Before.rgb);
}

TEST(LevelEdit, PaintedTilesTakeTheShadesOfTheirKindWhereTheyLie)
{
    game_dir Dir;
    level_edit E;
    E.start(level_edit::blank(32, 24));
    paint_box(E, 6, 4, 26, 20, world::tt_water);
    paint_box(E, 2, 10, 6, 14, world::tt_rock); // a rocky spit: by the lake, then away from it
    const level_data& L = E.level;
    // Water darkens away from the shore, in steps; rock by the water is sand, farther off stone.
    EXPECT_GT(brightness(L, 6, 12), brightness(L, 8, 12));
    EXPECT_GT(brightness(L, 8, 12), brightness(L, 16, 12));
    EXPECT_NE(tile_colour(L, 5, 12), tile_colour(L, 2, 12));
    // Broad areas of one kind are not one flat colour, nor a patchwork: a shade reaches several tiles.
    std::vector<uint32_t> Meadow;
    for (int X = 0; X < 32; X++) Meadow.push_back(tile_colour(L, X, 1));
    EXPECT_GT(std::set<uint32_t>(Meadow.begin(), Meadow.end()).size(), 1u);
    int Steps = 0;
    for (size_t a = 1; a < Meadow.size(); a++) Steps += Meadow[a] != Meadow[a - 1];
    EXPECT_LT(Steps, 8);
    // Every shade keeps its kind, each is one of the editor's, and they are few.
    std::set<uint32_t> Colours;
    for (int Y = 0; Y < L.h; Y++)
        for (int X = 0; X < L.w; X++)
        {
            EXPECT_TRUE(editor_shade(&L.rgb[((size_t)Y * L.w + X) * 3]));
            Colours.insert(tile_colour(L, X, Y));
        }
    EXPECT_EQ(tiles_of(L, world::tt_water), 20 * 16);
    EXPECT_EQ(tiles_of(L, world::tt_rock), 16);
    EXPECT_LE(Colours.size(), 13u);

    // A colour of a level's own (the first level's reeds, its flower meadows) is kept beside a stroke.
    level_data First = table(0);
    level_edit Copy;
    Copy.start(First);
    int Own = 0;
    for (int Y = 0; Y < First.h; Y++)
        for (int X = 0; X < First.w; X++) Own += !editor_shade(&First.rgb[((size_t)Y * First.w + X) * 3]);
    ASSERT_GT(Own, 0);
    Copy.paint(mkrloc(7.5, 5.5), world::tt_water, 5);
    for (int Y = 0; Y < First.h; Y++)
        for (int X = 0; X < First.w; X++)
        {
            if (editor_shade(&First.rgb[((size_t)Y * First.w + X) * 3]) || kind_at(Copy.level, X, Y) != kind_at(First, X, Y)) continue;
            EXPECT_EQ(tile_colour(Copy.level, X, Y), tile_colour(First, X, Y)) << X << "," << Y;
        }
}

TEST(LevelEdit, FillTakesTheAreaJoinedSideBySideAndNothingPastACorner)
{
    level_edit E;
    paint_box(E, 7, 0, 8, 10, world::tt_rock); // a wall down the middle
    paint_box(E, 1, 0, 2, 1, world::tt_rock);
    paint_box(E, 0, 1, 1, 2, world::tt_rock); // the top-left tile meets the rest at a corner only
    const size_t Steps = E.undo_steps();
    ASSERT_TRUE(E.fill(3, 3, world::tt_water));
    EXPECT_EQ(E.undo_steps(), Steps + 1);
    EXPECT_EQ(kind_at(E.level, 0, 0), world::tt_grass);
    EXPECT_EQ(tiles_of(E.level, world::tt_water), 7 * 10 - 3);
    for (int Y = 0; Y < 10; Y++) EXPECT_EQ(kind_at(E.level, 8, Y), world::tt_grass) << "beyond the wall";
    EXPECT_FALSE(E.fill(3, 3, world::tt_water)) << "water already";
    EXPECT_FALSE(E.fill(14, 3, world::tt_water)) << "off the map";
    EXPECT_EQ(E.undo_steps(), Steps + 1);
}

TEST(LevelEdit, TheHiveStandsOnACornerOfTheMapWithGrassRoundIt)
{
    level_edit E;
    ASSERT_TRUE(E.place_hive(-3, 50));
    EXPECT_EQ(E.level.hive_pos, mkrpos(0, 10, 0)) << "kept on the map";
    EXPECT_FALSE(E.place_hive(0, 10));
    EXPECT_TRUE(E.hive_on_grass());
    E.paint(mkrloc(0.5, 8.5), world::tt_water, 1); // the one tile on the map round that corner but this
    EXPECT_TRUE(E.hive_on_grass());
    E.paint(mkrloc(0.5, 9.5), world::tt_water, 1);
    EXPECT_FALSE(E.hive_on_grass());
    E.place_hive(6, 5);
    E.paint(mkrloc(5.5, 4.5), world::tt_rock, 1); // the top-left one of the four
    EXPECT_FALSE(E.hive_on_grass());
    ASSERT_EQ(E.problems().size(), 1u);
    EXPECT_EQ(E.problems()[0].where, level_edit::p_hive);
}

TEST(LevelEdit, UndoAndRedoWalkBackAndForthOverManySteps)
{
    level_edit E;
    std::vector<level_data> After = {E.level};
    for (int s = 0; s < 60; s++)
    {
        if (s % 3 == 2)
            ASSERT_TRUE(E.set_field(s % 2 ? level_edit::f_flowers : level_edit::f_bees, 20 + s));
        else
            ASSERT_TRUE(E.paint(mkrloc(s % 14 + 0.5, s / 14 + 0.5), s % 2 ? world::tt_rock : world::tt_water, 1));
        After.push_back(E.level);
    }
    auto same = [](const level_data& A, const level_data& B) {
        return A.rgb == B.rgb && A.num_flowers == B.num_flowers && A.num_bees == B.num_bees && A.hive_pos == B.hive_pos;
    };
    for (int s = 59; s >= 0; s--)
    {
        ASSERT_TRUE(E.undo());
        EXPECT_TRUE(same(E.level, After[s])) << "undone to step " << s;
    }
    EXPECT_FALSE(E.undo());
    for (int s = 1; s <= 60; s++)
    {
        ASSERT_TRUE(E.redo());
        EXPECT_TRUE(same(E.level, After[s])) << "redone to step " << s;
    }
    EXPECT_FALSE(E.redo());
    E.undo(), E.undo();
    E.place_hive(2, 2);
    EXPECT_FALSE(E.can_redo()) << "a new change ends the way forward";

    // Changes of one field in a row are one step, as typing a name is; another field starts another.
    level_edit F;
    for (int b = 11; b <= 30; b++) F.set_field(level_edit::f_bees, b);
    F.set_name("M"), F.set_name("Me"), F.set_name("Meadow");
    F.set_field(level_edit::f_bees, 31);
    EXPECT_EQ(F.undo_steps(), 3u);
    F.undo();
    EXPECT_EQ(F.level.name, "Meadow");
    F.undo();
    EXPECT_EQ(F.level.num_bees, 30);
    F.undo();
    EXPECT_EQ(F.level.num_bees, 10);

    for (int s = 0; s < 150; s++) F.place_hive(s % 2, 0);
    EXPECT_EQ(F.undo_steps(), UNDO_STEPS) << "the oldest steps let go";
}

TEST(LevelEdit, EveryProblemIsSaidWhereItIsAndTheTablesLevelsHaveNone)
{
    const struct
    {
        void (*make)(level_edit&);
        level_edit::places where;
    } Cases[] = {
        {[](level_edit& E) { E.set_name(""); }, level_edit::p_name},
        {[](level_edit& E) { E.paint(mkrloc(7.5, 5.5), world::tt_water, 1); }, level_edit::p_hive},
        {[](level_edit& E) {
             E.fill(0, 0, world::tt_rock);
             paint_box(E, 5, 3, 9, 7, world::tt_grass); // 16 tiles: 6 flowers and 10 bees need 9
             E.set_field(level_edit::f_bees, 41);        // now 17
         },
         level_edit::p_counts},
        {[](level_edit& E) { E.set_field(level_edit::f_flies, 3); }, level_edit::p_counts},
        {[](level_edit& E) { E.set_field(level_edit::f_medal2, 6); }, level_edit::p_medals},
        {[](level_edit& E) { E.set_field(level_edit::f_medal1, 11), E.set_field(level_edit::f_medal2, 11), E.set_field(level_edit::f_medal3, 11); },
         level_edit::p_medals},
    };
    EXPECT_TRUE(level_edit().problems().empty());
    for (const auto& C : Cases)
    {
        level_edit E;
        C.make(E);
        const std::vector<level_edit::problem> P = E.problems();
        ASSERT_EQ(P.size(), 1u) << "case " << &C - Cases;
        EXPECT_EQ(P[0].where, C.where) << P[0].words;
    }
    // The bounds of the file, kept as the counts are set; a name cut to 40 characters, no control ones.
    level_edit E;
    E.set_field(level_edit::f_bees, 0), E.set_field(level_edit::f_flowers, 101), E.set_field(level_edit::f_medal3, 5000);
    EXPECT_EQ(E.level.num_bees, 1);
    EXPECT_EQ(E.level.num_flowers, 100);
    EXPECT_EQ(E.level.medal_bees[2], 1000);
    E.set_name("Ä\tmeadow\x01 " + std::string(50, 'x'));
    EXPECT_EQ(E.level.name, "Ämeadow " + std::string(32, 'x'));

    game_dir Dir;
    for (int i = 0; i < count_levels(); i++)
    {
        level_edit T;
        T.start(table(i));
        EXPECT_TRUE(T.problems().empty()) << "level " << i + 1 << ": " << T.problems()[0].words;
    }
}

TEST(LevelEdit, APaintNeedingMoreColoursThanALevelHoldsChangesNothing)
{
    level_data L = level_edit::blank(14, 10);
    for (int t = 0; t < 62; t++) set_tile_colour(L, t % 14, t / 14, 0x209020 + t * 0x000300); // greens of its own
    level_edit E;
    E.start(L);
    const size_t Steps = E.undo_steps();
    EXPECT_FALSE(E.paint(mkrloc(12.5, 8.5), world::tt_water, 1));
    EXPECT_EQ(E.level.rgb, L.rgb);
    EXPECT_EQ(E.undo_steps(), Steps);
    EXPECT_EQ(E.refusal, texts::TOO_MANY_COLOURS);
}

struct Editor : ::testing::Test
{
    game_dir dir;
    void SetUp() override { fresh_level_table(); }
};

TEST_F(Editor, SavingWaitsUntilTheProblemsAreMendedThenKeepsTheLevelAmongThePlayersLevels)
{
    editor E;
    std::unique_ptr<screen> Start(E.opened());
    ASSERT_TRUE(dynamic_cast<editor_start*>(Start.get())) << "no work yet: the start card";
    E.edit.set_field(level_edit::f_medal1, 11);
    E.save();
    EXPECT_EQ(E.note, texts::MEND_FIRST);
    EXPECT_FALSE(fs::exists("levels"));
    E.edit.set_field(level_edit::f_medal1, 5);
    E.edit.set_name("Pond Meadow");
    E.save();
    EXPECT_TRUE(E.edit.saved());
    level_data Kept;
    std::string Problem;
    ASSERT_TRUE(load_level_file("levels/pond-meadow.qbl", Kept, Problem)) << Problem;
    EXPECT_EQ(level_key(Kept), level_key(E.edit.level));
    E.edit.set_field(level_edit::f_bees, 12);
    E.save();
    ASSERT_TRUE(load_level_file("levels/pond-meadow.qbl", Kept, Problem)) << Problem;
    EXPECT_EQ(Kept.num_bees, 12) << "saved again over its own file";
    EXPECT_EQ(std::distance(fs::directory_iterator("levels"), fs::directory_iterator()), 1);

    // Test: blocked while no world can be built; then the level at once, its results leading back here,
    // and nothing kept of the try.
    E.edit.fill(0, 0, world::tt_water);
    E.test();
    EXPECT_EQ(E.opened(), nullptr);
    EXPECT_EQ(E.note, texts::PLAY_BLOCKED);
    E.undo();
    E.test();
    std::unique_ptr<screen> Tried(E.opened());
    level_run* Run = dynamic_cast<level_run*>(Tried.get());
    ASSERT_TRUE(Run);
    EXPECT_EQ(level_key(Run->level), level_key(E.edit.level));
    SDL_Event Escape = event(SDL_KEYDOWN, SDLK_ESCAPE);
    Run->update(0.01);
    Run->notice(Escape);
    Run->update(0.01);
    ASSERT_TRUE(Run->results_flag);
    EXPECT_EQ(Run->results.back_label, texts::TO_EDITOR);
    EXPECT_FALSE(fs::exists("replays"));
    EXPECT_FALSE(fs::exists("level_medals.txt"));
}

TEST_F(Editor, WorkIsKeptAcrossAQuitAndComesBackNextTime)
{
    level_data Made;
    {
        title Game;
        Game.init();
        editor* E = Game.open_editor();
        E->begin_with(level_edit::blank(24, 18));
        E->edit.paint(mkrloc(4.5, 4.5), world::tt_water, 5);
        E->edit.set_name("Unsaved Work");
        E->save();
        E->edit.set_field(level_edit::f_flies, 2); // a change after the save
        Made = E->edit.level;
        EXPECT_EQ(read_file(EDITOR_WORK_FILE).find("horseflies: 2"), std::string::npos) << "kept as it was saved, not since";
        Game.keep_screens(); // as the game stops
    }
    editor Again;
    EXPECT_EQ(Again.opened(), nullptr) << "the work, not the start card";
    EXPECT_EQ(Again.edit.level.rgb, Made.rgb);
    EXPECT_EQ(Again.edit.level.name, "Unsaved Work");
    EXPECT_EQ(Again.edit.level.num_flies, 2);
    EXPECT_EQ(Again.edit.saved_file, "unsaved-work.qbl");
    EXPECT_FALSE(Again.edit.saved()) << "changed since";

    // The window losing the focus keeps it too.
    Again.edit.set_field(level_edit::f_bees, 40);
    Again.pause();
    EXPECT_NE(read_file(EDITOR_WORK_FILE).find("bees: 40"), std::string::npos);

    // Work that cannot be read is moved aside, never written over.
    write_file(EDITOR_WORK_FILE, "quorvel-bees level 1\nname: cut\n");
    printed_by([] {
        editor Fresh;
        delete Fresh.opened();
        Fresh.edit.set_name("Other");
        Fresh.keep();
    });
    EXPECT_EQ(read_file("editor_work-unreadable.qbl"), "quorvel-bees level 1\nname: cut\n");
}

// The verdict's player is the balance report's: on a level of the table and the same seeds, each game it
// plays, a slice at a time, ends as the report's careful game does, and what it says follows from them.
TEST(Verdict, PlaysAsTheBalanceReportsCarefulPlayerOnTheSameSeeds)
{
    game_dir Dir;
    count_levels();
    verdict V(table(1), 3);
    const rloc Pointer = mkrloc(0.3, 0.7);
    world* const Drawn = cur_world;
    mouseloc = Pointer;
    int Slices = 0;
    while (!V.play_slice(0.0)) // a frame a slice
    {
        ASSERT_EQ(mouseloc, Pointer) << "the game's pointer put back";
        ASSERT_EQ(cur_world, Drawn);
        Slices++;
    }
    ASSERT_EQ(V.results.size(), 3u);
    std::vector<double> Ends;
    for (int s = 0; s < 3; s++)
    {
        const player::result R = player::play_level(1, s + 1, false, player::TIME_LIMIT, player::careful_hand());
        EXPECT_EQ(V.results[s].rescued_bees, R.rescued_bees) << "seed " << s + 1;
        EXPECT_EQ(V.results[s].killed_bees, R.killed_bees);
        EXPECT_EQ(V.results[s].end_time, R.end_time);
        Ends.push_back(std::round(R.end_time * 100) / 100); // in frames of 10 ms, as the report writes them
    }
    EXPECT_GT(Slices, 1000);
    std::sort(Ends.begin(), Ends.end());
    EXPECT_EQ(V.seeds_with(1), 3);
    EXPECT_EQ(V.medals_awarded(), 1);
    EXPECT_EQ(V.time_median(), Ends[1]);
    EXPECT_EQ(V.time_longest(), Ends[2]);
    EXPECT_FALSE(V.unproven());
}

// A first medal beyond the bees: never earned, so unproven, and the command line says so with status 1;
// a level that can be won gets a line a medal.
TEST(Verdict, ALevelWhoseFirstMedalIsNeverEarnedIsUnproven)
{
    game_dir Dir;
    count_levels();
    level_data L = table(0);
    write_file("first.qbl", write_level_file(L));
    L.medal_bees[0] = 6;
    write_file("beyond.qbl", write_level_file(L));
    auto check = [](const char* File, int& Status) {
        const char* Args[] = {"quorvel", "--check-level", File, "--seeds", "2"};
        return printed_by([&] { Status = run_command_line(5, const_cast<char**>(Args)).status; });
    };
    int Status = -1;
    std::string Said = check("first.qbl", Status);
    EXPECT_EQ(Status, 0);
    EXPECT_NE(Said.find("\nmedal 1: 2 of 2 seeds\n"), std::string::npos) << Said;
    EXPECT_EQ(Said.find("medal 2"), std::string::npos) << "level 1 awards the daisy alone";
    EXPECT_NE(Said.find("\nbees lost to horseflies: median 0, 0 in all\n"), std::string::npos);
    Said = check("beyond.qbl", Status);
    EXPECT_EQ(Status, 1);
    EXPECT_EQ(Said.find("medal 1"), std::string::npos);
    EXPECT_NE(Said.find("\nunproven: "), std::string::npos);
}
