// The title screen: slides, the gliding level row, hover and selection, the go button, scoring and
// recording medals, and the way out. It loads pictures, so the whole program runs against an offscreen
// GL context in a scratch directory whose data/ points at the repository's.
#include "title.h"

#include "level.h"
#include "quorvel.h"
#include "texture.h"
#include "world.h"

#include "helpers.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class offscreen_game : public ::testing::Environment
{
public:
    std::unique_ptr<game_dir> dir;

    void SetUp() override
    {
        dir.reset(new game_dir);
        ASSERT_TRUE(open_offscreen_screen());
        scan_all_levels();
    }
    void TearDown() override
    {
        SDL_Quit();
        dir.reset();
    }
};

::testing::Environment* const Game = ::testing::AddGlobalTestEnvironment(new offscreen_game);

// The cursor in picture units.
void cursor_at(double X, double Y)
{
    mouseloc = mkrloc(X / 10.0, Y / 10.0);
}

void set_medals(std::initializer_list<int> Medals)
{
    fresh_level_table();
    int a = 0;
    for (int M : Medals) all_levels[a++].medals = M;
    check_open_levels();
}

class TitleScreen : public ::testing::Test
{
protected:
    title Title;

    void SetUp() override
    {
        std::remove("savegame.dat");
        set_medals({});
        cursor_at(0.5, 0.5); // over nothing
        Title.init();
    }

    void slide_in()
    {
        while (Title.mode == title::m_slide_in) Title.update(0.1);
    }

    void playing(int Level)
    {
        Title.go_level = Level;
        Title.play_world = mkref(new world);
        Title.play_world->init(all_levels[Level], 1);
        Title.play_mode->init_level(Title.play_world);
        Title.mode = title::m_play;
    }

    // A level left by escape with its rescued count set by hand.
    void finished(int Level, int Rescued)
    {
        playing(Level);
        Title.play_world->rescued_bees = Rescued;
        SDL_Event Escape = key_event(SDLK_ESCAPE);
        Title.notice(Escape);
        Title.update(0.01);
        ASSERT_EQ(Title.mode, title::m_scores_in);
        Title.update(0.01);
    }
};

} // namespace

TEST_F(TitleScreen, SlidesInForHalfASecond)
{
    EXPECT_EQ(Title.mode, title::m_slide_in);
    Title.update(0.2);
    EXPECT_DOUBLE_EQ(Title.slide_in_alpha, 0.4);
    Title.update(0.2);
    EXPECT_EQ(Title.mode, title::m_slide_in);
    Title.update(0.2);
    EXPECT_EQ(Title.mode, title::m_title);
    EXPECT_EQ(Title.slide_in_alpha, 1.0);
}

TEST_F(TitleScreen, RowGlidesOneStepPerFrameWhateverTheFrameTime)
{
    set_medals({1, 1, 1, 1});
    ASSERT_EQ(last_open_level, 4);
    Title.init();
    EXPECT_EQ(Title.cur_level, 4);
    slide_in();
    EXPECT_EQ(Title.cur_scroll, 0.0);
    Title.update(0.01);
    EXPECT_DOUBLE_EQ(Title.cur_scroll, 1.2);
    Title.update(0.5);
    EXPECT_DOUBLE_EQ(Title.cur_scroll, 2.28);
    for (int f = 0; f < 400; f++) Title.update(0.01);
    EXPECT_NEAR(Title.cur_scroll, 12.0, 1e-9);
}

TEST_F(TitleScreen, HoverBandIsOpenAtBothEnds)
{
    slide_in();
    struct
    {
        double x, y;
        int hover;
    } Cases[] = {{6.666, 7.5, 0}, {9.666, 7.5, 1}, {3.0, 7.5, 0},  {1.0, 7.5, -1},
                 {6.666, 6.5, -1}, {6.666, 8.5, -1}, {6.666, 6.51, 0}, {6.666, 8.49, 0}};
    for (auto& C : Cases)
    {
        cursor_at(C.x, C.y);
        Title.update(0.01);
        ASSERT_EQ(Title.cur_scroll, 0.0);
        EXPECT_EQ(Title.hover_level, C.hover) << C.x << ", " << C.y;
    }
}

TEST_F(TitleScreen, ClickSelectsAnyTileEvenAClosedOne)
{
    slide_in();
    cursor_at(6.666 + 3.0 * 3, 7.5);
    Title.update(0.01);
    ASSERT_EQ(Title.hover_level, 3);
    SDL_Event Click = button_event();
    Title.notice(Click);
    EXPECT_EQ(Title.cur_level, 3);
    EXPECT_EQ(Title.mode, title::m_title);

    // Past the last tile nothing is selected.
    Title.cur_level = 9;
    Title.cur_scroll = 27.0;
    cursor_at(13.3, 7.5);
    Title.update(0.01);
    ASSERT_GE(Title.hover_level, num_levels);
    Title.notice(Click);
    EXPECT_EQ(Title.cur_level, 9);
}

TEST_F(TitleScreen, GoButtonStartsOnlyAnOpenLevel)
{
    slide_in();
    cursor_at(6.666, 5.05);
    Title.update(0.01);
    ASSERT_TRUE(Title.go_hover_flag);
    cursor_at(7.3, 5.05);
    Title.update(0.01);
    EXPECT_FALSE(Title.go_hover_flag);
    cursor_at(6.666, 5.05);
    Title.update(0.01);

    Title.cur_level = 2; // closed
    SDL_Event Click = button_event();
    Title.notice(Click);
    EXPECT_EQ(Title.mode, title::m_title);

    Title.cur_level = 0;
    Title.notice(Click);
    EXPECT_EQ(Title.mode, title::m_slide_out);
    EXPECT_EQ(Title.go_level, 0);
    EXPECT_FALSE(Title.slide_out_quit);

    for (int f = 0; f < 10 && Title.mode == title::m_slide_out; f++) Title.update(0.1);
    ASSERT_EQ(Title.mode, title::m_play);
    EXPECT_FALSE(Title.quit_flag);
    ASSERT_FALSE(Title.play_world.null());
    EXPECT_EQ(Title.play_mode->link_world.ptr(), Title.play_world.ptr());
    EXPECT_EQ(Title.play_world->total_bees, all_levels[0].num_bees);
    EXPECT_EQ(Title.play_world->medal_bees[0], all_levels[0].medal_bees[0]);
}

TEST_F(TitleScreen, EscapeSlidesOutAndThenQuits)
{
    slide_in();
    SDL_Event Escape = key_event(SDLK_ESCAPE);
    Title.notice(Escape);
    EXPECT_EQ(Title.mode, title::m_slide_out);
    Title.update(0.3);
    EXPECT_FALSE(Title.quit_flag);
    Title.update(0.3);
    EXPECT_TRUE(Title.quit_flag);
    EXPECT_EQ(Title.mode, title::m_slide_out);
    EXPECT_TRUE(Title.play_world.null()) << "no level is started on the way out";
}

TEST_F(TitleScreen, ScoresAtTheThresholds)
{
    // Level 7 (index 6) has thresholds 30, 40 and 55.
    const int Rescued[] = {29, 30, 39, 40, 54, 55};
    const int Medals[] = {0, 1, 1, 2, 2, 3};
    for (int c = 0; c < 6; c++)
    {
        set_medals({});
        finished(6, Rescued[c]);
        EXPECT_EQ(Title.score_medals, Medals[c]) << Rescued[c];
        EXPECT_EQ(all_levels[6].medals, Medals[c]) << Rescued[c];
    }
}

TEST_F(TitleScreen, WorseResultKeepsTheRecordAndBetterOneIsSavedAtOnce)
{
    // Level 5 (index 4): thresholds 15 and 20, so 20 rescued is the violet.
    finished(4, 20);
    EXPECT_EQ(Title.score_medals, 2);
    EXPECT_EQ(all_levels[4].medals, 2);
    std::string Saved = read_file("savegame.dat");
    ASSERT_EQ(Saved.size(), 84u) << "a raised record is written before the program ends";
    EXPECT_EQ(Saved.substr(4 + 8 * 4, 8), std::string("\x05\0\0\0\x02\0\0\0", 8));
    while (Title.mode == title::m_scores_in) Title.update(0.1);
    EXPECT_EQ(Title.mode, title::m_scores);

    // The results picture is the violet one.
    EXPECT_EQ(Title.winning_textures[Title.score_medals], texture_load("data/gfx/won_violet1.tga", false));

    std::remove("savegame.dat");
    finished(4, 15);
    EXPECT_EQ(Title.score_medals, 1);
    EXPECT_EQ(all_levels[4].medals, 2);
    EXPECT_NE(access("savegame.dat", F_OK), 0) << "nothing new to store";
}

TEST_F(TitleScreen, ResultsLeaveOnEscapeOrGoAndTheRowSlidesBackIn)
{
    finished(0, 5);
    while (Title.mode == title::m_scores_in) Title.update(0.1);
    ASSERT_EQ(Title.mode, title::m_scores);

    cursor_at(1.0, 1.0);
    Title.update(0.01);
    SDL_Event Click = button_event();
    Title.notice(Click);
    EXPECT_EQ(Title.mode, title::m_scores) << "a click away from the go button";

    SDL_Event Escape = key_event(SDLK_ESCAPE);
    Title.notice(Escape);
    EXPECT_EQ(Title.mode, title::m_scores_out);
    for (int f = 0; f < 10 && Title.mode == title::m_scores_out; f++) Title.update(0.1);
    EXPECT_EQ(Title.mode, title::m_slide_in);
    EXPECT_EQ(Title.slide_in_alpha, 0.0);
    EXPECT_FALSE(Title.quit_flag);

    // The medal opened the second level.
    check_open_levels();
    EXPECT_TRUE(all_levels[1].is_open);
}

TEST_F(TitleScreen, LevelEndingByItselfShowsTheResults)
{
    playing(0);
    Title.update(0.01);
    EXPECT_EQ(Title.mode, title::m_play);
    Title.play_world->rescued_bees = 3;
    Title.play_world->killed_bees = 2;
    Title.update(0.01);
    EXPECT_EQ(Title.mode, title::m_scores_in);
    EXPECT_EQ(Title.slide_in_alpha, 0.0);
    Title.update(0.01);
    EXPECT_EQ(Title.score_medals, 0);
}

TEST_F(TitleScreen, EveryLevelWonStartsPastTheLastTile)
{
    set_medals({1, 2, 3, 1, 2, 3, 1, 2, 3, 1});
    ASSERT_EQ(last_open_level, 10);
    Title.init();
    EXPECT_EQ(Title.cur_level, 10);
    slide_in();
    cursor_at(6.666, 5.05);
    Title.update(0.01);
    EXPECT_DOUBLE_EQ(Title.cur_scroll, 3.0);
    ASSERT_TRUE(Title.go_hover_flag);
    SDL_Event Click = button_event();
    Title.notice(Click);
    EXPECT_EQ(Title.mode, title::m_title) << "the terminator record is no level";

    Title.render(); // draws no tile as selected, and must not touch past the table
    for (int f = 0; f < 400; f++) Title.update(0.01);
    ASSERT_NEAR(Title.cur_scroll, 30.0, 1e-9);
    cursor_at(3.666, 7.5); // the last tile, one step left of the middle
    Title.update(0.01);
    ASSERT_EQ(Title.hover_level, 9);
    Title.notice(Click);
    EXPECT_EQ(Title.cur_level, 9);
}

// What the screen draws at the ends of a slide, read back from the frame buffer.
TEST_F(TitleScreen, EverythingWaitsOffScreenBeforeTheSlide)
{
    auto centre_pixel = [] {
        unsigned char P[4] = {0, 0, 0, 0};
        glReadPixels(400, 300, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, P);
        return std::vector<int>{P[0], P[1], P[2]};
    };
    auto clear = [] {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    };

    clear();
    Title.render();
    EXPECT_EQ(centre_pixel(), (std::vector<int>{0, 0, 0}));
    // The corners stay black too: every panel lies beyond the nearer edges.
    unsigned char Corner[4];
    glReadPixels(2, 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, Corner);
    EXPECT_EQ(Corner[1], 0);

    slide_in();
    clear();
    cursor_at(1.0, 1.0);
    Title.update(0.01);
    Title.render();
    glReadPixels(2, 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, Corner);
    EXPECT_GT(Corner[1], 100) << "the green background is in place";
    EXPECT_GT(Corner[1], Corner[0]);
}
