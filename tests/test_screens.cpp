// The two screens without a window: the play screen's drags, scrolling and end of a level, and the title
// screen's slides, level row, go button, scoring and way out.
#include "helpers.h"

#include "command_line.h"
#include "flower.h"
#include "help_card.h"
#include "horsefly.h"
#include "play.h"
#include "replay.h"
#include "sound.h"
#include "texts.h"
#include "title.h"
#include "replay_view.h"

#include <memory>
#include <tuple>

namespace {

struct PlayScreen : ::testing::Test
{
    play Play;
    hand_world H{40.0, 30.0};
    flower Full, Half; // outside the world's list: nothing but the drag touches them

    void SetUp() override
    {
        point_at(6.0, 5.0); // well inside the picture: no scrolling
        H.W->total_bees = 1; // one bee still out: the level goes on
        Play.init_level(H.W);
        rngen R = seeded(3);
        Full.init(mkrpos(6, 5, 0), R), Half.init(mkrpos(6, 5, 0), R);
        Full.pollen = 1.0, Half.pollen = 0.5;
    }
    void notice(Uint32 Type, SDL_Keycode Key = 0)
    {
        SDL_Event E = event(Type, Key);
        Play.notice(E);
    }
};

} // namespace

TEST_F(PlayScreen, DragDrainsEqualSharesLaysScentWhereTheCursorWasAndStopsWhenEmpty)
{
    Play.update(0.01);
    H.W->active_flowers = {&Full, &Half};
    notice(SDL_MOUSEBUTTONDOWN);
    hand_world Expected(40.0, 30.0); // the same empty grid, given the scent by hand
    Expected.pollen().scent(mkrpos(6, 5, 0), 2.0, 100.0 * 0.02);
    Expected.pollen().update(0.02);
    cur_world = H.W.ptr();
    point_at(9.0, 7.0);
    Play.update(0.02);
    EXPECT_DOUBLE_EQ(Full.next_drain, 0.125 * 0.02);
    EXPECT_DOUBLE_EQ(Half.next_drain, 0.125 * 0.02);
    EXPECT_EQ(H.pollen().grid_data, Expected.pollen().grid_data);
    notice(SDL_MOUSEBUTTONUP);
    Play.update(0.02);
    EXPECT_DOUBLE_EQ(Full.next_drain, 0.125 * 0.02);

    Full.pollen = 0.001, Half.pollen = 0.0;
    H.W->active_flowers = {&Full, &Half};
    notice(SDL_MOUSEBUTTONDOWN);
    Play.update(0.1); // 0.025 wanted, 0.001 there
    EXPECT_DOUBLE_EQ(Half.next_drain, 0.125 * 0.02 + 0.0005);
    Full.pollen = 0.0;
    double Before = total(H.pollen());
    Play.update(0.1); // nothing left: the drag ends and lays nothing
    EXPECT_EQ(Play.mode, play::m_none);
    EXPECT_NEAR(total(H.pollen()), Before * 0.85, 1e-9);

    H.W->active_flowers.clear(); // a press with no flower under the cursor picks nothing
    notice(SDL_MOUSEBUTTONDOWN);
    EXPECT_EQ(Play.mode, play::m_none);
}

TEST_F(PlayScreen, AnArrowKeyHeldScrollsItsWayAndStopsWhenLetGo)
{
    Play.R.set_view(mkrpos(10, 10, 0));
    const std::tuple<SDL_Keycode, int, double> Keys[] = {{SDLK_LEFT, 0, -1}, {SDLK_RIGHT, 0, 1}, {SDLK_UP, 1, -1}, {SDLK_DOWN, 1, 1}};
    for (auto [Key, Axis, Way] : Keys)
    {
        const rpos Before = Play.R.view_center;
        notice(SDL_KEYDOWN, Key);
        for (int f = 0; f < 10; f++) Play.update(0.01);
        const rpos Moved = Play.R.view_center - Before;
        EXPECT_TRUE(Moved[Axis] * Way > 0.1 && Moved[1 - Axis] == 0.0) << Key << ": " << Moved[0] << "," << Moved[1];
        notice(SDL_KEYUP, Key);
        const rpos Held = Play.R.view_center;
        Play.update(0.01);
        EXPECT_EQ(Play.R.view_center, Held) << Key;
    }
}

// The trail runs from the flower to the hand and fades with the scent the drag laid, by the grid's own fade
// whatever the frame's time, until the grid has faded it for a second and a half of frames.
TEST_F(PlayScreen, TheTrailRunsFromTheFlowerToTheHandAndFadesAsTheScentDoes)
{
    Play.update(0.01);
    H.W->active_flowers = {&Full};
    notice(SDL_MOUSEBUTTONDOWN);
    for (int f = 1; f <= 20; f++) point_at(6.0 + 0.2 * f, 5.0), Play.update(0.01); // a frame's full drag: scent 1
    const trail& T = Play.drag_trail;
    ASSERT_EQ(T.puffs.size(), 20u) << "the flower with the first frame's puff laid on it, then one a frame";
    EXPECT_TRUE(T.puffs[0].start_flag && T.puffs[0].at == Full.position);
    EXPECT_NEAR(T.puffs[0].scent, 2 * std::pow(0.85, 19), 1e-12);
    EXPECT_TRUE(T.held_flag && T.hand == H.W->cursor) << "its head reaches the hand";
    EXPECT_NEAR(T.puffs.back().scent, 1.0, 1e-12);
    notice(SDL_MOUSEBUTTONUP);
    const double Grid = total(H.pollen()), Trail = T.puffs.back().scent;
    for (double Step : {0.01, 0.05, 0.002}) Play.update(Step);
    EXPECT_FALSE(T.held_flag);
    EXPECT_NEAR(T.puffs.back().scent / Trail, total(H.pollen()) / Grid, 1e-12);
    for (int f = 3; f < 140; f++) Play.update(0.01);
    EXPECT_GT(trail::shown(T.puffs.back().scent), 0.0) << "still drawn, faintly";
    for (int f = 140; f < 160; f++) Play.update(0.01);
    EXPECT_TRUE(T.puffs.empty());
    for (int Press = 0; Press < 2; Press++) // let go and pressed again between two frames: a new path
    {
        H.W->active_flowers = {&Full};
        notice(SDL_MOUSEBUTTONDOWN);
        if (Press == 0) Play.update(0.01), notice(SDL_MOUSEBUTTONUP);
    }
    Play.update(0.01);
    ASSERT_EQ(T.puffs.size(), 4u);
    EXPECT_TRUE(T.puffs[2].start_flag && T.puffs[2].at == Full.position);
}

TEST_F(PlayScreen, ABeesMarkShowsPollenLeadingItAHorseflyNearAndItsHomecomingOnce)
{
    bee* B = H.add_bee(mkrpos(9, 6, 0.5)); // in view
    const bee_marks& M = Play.bee_signs;
    Play.update(0.01);
    ASSERT_EQ(M.bees.size(), 1u);
    EXPECT_TRUE(M.bees[0].led == 0 && !M.bees[0].danger && !M.bees[0].home);
    H.pollen().scent(B->position + mkrpos(1, 0, 0), 2.0, 10.0); // a unit aside, where it pulls hardest
    Play.update(0.01);
    EXPECT_GT(M.bees[0].led, 0.8f);
    EXPECT_GT(bee_marks::pull(H.pollen(), B->position)[0], 0.06) << "toward the scent";
    H.place<horsefly>(B->position + mkrpos(1.5, 0, 0));
    Play.update(0.01);
    EXPECT_TRUE(M.bees[0].danger);
    B->rescue();
    for (int f = 0; f < 3; f++) Play.update(0.01);
    EXPECT_TRUE(M.bees[0].home && M.homecomings.size() == 1u) << "seen once, however many updates later";
    for (int f = 0; f < 200; f++) Play.update(0.01);
    EXPECT_TRUE(M.bees[0].home && M.homecomings.empty());
}

TEST(PollenGauge, FollowsAHeldFlowersPollenAndAWiltedOnesTime)
{
    hand_world H;
    flower* F = H.place<flower>(mkrpos(5, 5, 0));
    auto read = [&](bool Held) { return pollen_gauge::read(*F, Held); };
    EXPECT_EQ(read(false).kind, pollen_gauge::g_none) << "a flower left alone shows nothing";
    EXPECT_TRUE(read(true).kind == pollen_gauge::g_pollen && read(true).fill == 1.0);
    F->drain(0.75 * F->max_pollen);
    F->update(0.01);
    F->active_flag = true; // under the hand, not yet pressed
    EXPECT_NEAR(read(false).fill, 0.25, 1e-12);
    F->drain(F->pollen);
    F->update(0.01);
    EXPECT_TRUE(read(true).kind == pollen_gauge::g_wilted && read(false).fill == 0.0);
    for (int f = 0; f < 750; f++) F->update(0.01);
    EXPECT_NEAR(read(false).fill, 0.5, 1e-9);
}

TEST(ResultsButtons, NoLevelNameRunsIntoAnotherButtonOrOffTheCard)
{
    font Letters;
    for (int Next = -1; Next < count_levels(); Next++)
    {
        button_place Back, Watch, NextLevel;
        results_buttons(Letters, texts::TO_ROW, Next < 0 ? "" : texts::fill(texts::NEXT, {texts::level_label(Next)}), Back, Watch, NextLevel);
        const double Gap = 0.1;
        EXPECT_GE(Back.center[0] - Back.radius[0], 0.9) << Next;
        EXPECT_LE(Back.center[0] + Back.radius[0] + Gap, Watch.center[0] - Watch.radius[0]) << Next;
        if (Next >= 0)
        {
            EXPECT_LE(Watch.center[0] + Watch.radius[0] + Gap, NextLevel.center[0] - NextLevel.radius[0]) << Next;
            EXPECT_LE(NextLevel.center[0] + NextLevel.radius[0], 11.95 + 1e-9) << Next;
        }
    }
}

// The help card as a player with keys, a player on the web page (which cannot quit) and one with a finger
// reads it: all of it within the card, and no key or way out that the player does not have.
TEST(HelpCard, FitsTheCardAndNamesOnlyWhatThePlayerHas)
{
    font Letters;
    for (int Case = 0; Case < 3; Case++)
    {
        const bool Touch = Case == 2, Quits = Case == 0;
        const help_layout L = lay_out_help(Letters, Touch, Quits);
        EXPECT_TRUE(L.size >= (Touch ? 0.3 : 0.26) - 1e-9 && L.bottom <= 8.5) << Case << ": lines " << L.size << " high, down to " << L.bottom;
        for (size_t r = 0; r < L.rows.size(); r++)
        {
            EXPECT_GE(L.key_edge(r) - Letters.width(L.rows[r]->keys_text(), L.size), 1.0) << L.rows[r]->keys_text();
            const double ColumnEnd = L.columns == 1 || L.key_edge(r) > PICTURE_MIDDLE ? 12.3 : PICTURE_MIDDLE;
            for (const std::string& Part : L.does[r]) EXPECT_LE(L.key_edge(r) + 0.25 + Letters.width(Part, L.size), ColumnEnd) << Part;
            const std::string Keys = L.rows[r]->keys_text(), Does = L.rows[r]->does;
            EXPECT_FALSE(Touch && (Keys.find("F1") != std::string::npos || Keys.find("Esc") != std::string::npos)) << Keys;
            EXPECT_FALSE(!Quits && (Does.find("quit") != std::string::npos || Keys == "F12")) << Keys << ": " << Does;
        }
        EXPECT_EQ(L.rows.empty() ? "" : L.rows[0]->keys_text(), Touch ? "Touch and drag" : "Press and drag");
    }
}

// The paused card hides the hive least, and offers only what works: no start again in a replay.
TEST_F(PlayScreen, ThePausedCardStandsClearOfTheHiveAndOffersWhatWorks)
{
    const std::pair<double, double> Places[] = {{-3, 5.0}, {12, 5.0}, {1.0, 5.0}, {8.5, 5.0}, {5.0, 7.4}, {6.0, 3.0}, {4.0, 7.4}};
    for (auto [HiveY, CardY] : Places) EXPECT_EQ(paused_card_y(mkrpos(6, HiveY, 0)), CardY) << HiveY;
    EXPECT_EQ(paused_card_y(mkrpos(-2, 5, 0)), 5.0) << "a hive out of view, left";
    EXPECT_EQ(Play.paused_keys(), std::string(texts::PAUSED_KEYS.c_str()));
    replay Watched;
    Play.watch(Watched, false);
    EXPECT_EQ(Play.paused_keys().find("R:"), std::string::npos) << Play.paused_keys();
}

TEST(HiveArrow, PointsFromTheEdgeTowardAHiveOutOfView)
{
    const struct
    {
        rpos hive; // on the picture
        bool shown;
        double x, y, degrees;
    } Cases[] = {
        {mkrpos(5, 5, 0), false, 0, 0, 0},        {mkrpos(-4, 5.65, 0), true, 0.5, 5.65, 180},
        {mkrpos(20, 5.65, 0), true, 12.83, 5.65, 0}, {mkrpos(6.667, 30, 0), true, 6.667, 9.5, 90},
        {mkrpos(6.667, -3, 0), true, 6.667, 1.8, -90},
    };
    for (const auto& C : Cases)
    {
        rpos At;
        double Angle = 0;
        ASSERT_EQ(hive_arrow(C.hive, At, Angle), C.shown) << C.hive[0] << "," << C.hive[1];
        if (!C.shown) continue;
        EXPECT_NEAR(At[0], C.x, 0.01);
        EXPECT_NEAR(At[1], C.y, 0.01);
        EXPECT_NEAR(Angle * 180 / PI, C.degrees, 0.01);
    }
    rpos At;
    double Angle;
    hive_arrow(mkrpos(30, 40, 0), At, Angle); // far down and right: on the bottom edge, pointing that way
    EXPECT_TRUE(At[1] == 9.5 && At[0] > 6.667 && At[0] < 12.83 && Angle > 0 && Angle < PI / 2) << At[0] << " " << Angle;
}

TEST_F(PlayScreen, LevelEndsWhenEveryBeeIsAccountedForOrOnEscape)
{
    H.W->total_bees = 3, H.W->rescued_bees = 2;
    Play.update(0.01);
    EXPECT_FALSE(Play.quit_flag);
    H.W->killed_bees = 1;
    Play.update(0.01);
    EXPECT_TRUE(Play.quit_flag);
    Play.mode = play::m_drag_pollen;
    Play.R.set_view(mkrpos(5, 5, 0));
    Play.init_level(H.W); // a new level: no drag, view at the origin, going on
    EXPECT_TRUE(!Play.quit_flag && Play.mode == play::m_none && Play.R.view_center == mkrpos(0, 0, 0));
    notice(SDL_KEYDOWN, SDLK_SPACE);
    EXPECT_FALSE(Play.quit_flag);
    EXPECT_TRUE(Play.hurry_flag && !Play.fast_flag) << "Space held hurries a play; a replay's pace is its own";
    notice(SDL_KEYUP, SDLK_SPACE);
    EXPECT_FALSE(Play.hurry_flag);
    notice(SDL_KEYDOWN, SDLK_ESCAPE);
    EXPECT_TRUE(Play.quit_flag);
    replay Watched;
    Play.watch(Watched, false);
    notice(SDL_KEYDOWN, SDLK_SPACE);
    SDL_Event Held = event(SDL_KEYDOWN, SDLK_SPACE);
    Held.key.repeat = 1;
    Play.notice(Held);
    notice(SDL_KEYDOWN, SDLK_p);
    EXPECT_TRUE(Play.fast_flag) << "a held Space, or another key, leaves the pace as it is";
    Watched.frames.assign(5, replay_frame{0.01, mkrloc(0.6, 0.5), 0, {}});
    notice(SDL_KEYDOWN, SDLK_p); // the p above paused it
    Play.play_watched();
    EXPECT_EQ(Play.watched_frames, 2u) << "a hurried replay plays two frames an update";
    notice(SDL_KEYDOWN, SDLK_SPACE);
    Play.play_watched();
    EXPECT_EQ(Play.watched_frames, 3u) << "and one at its own pace";
    hand_world Small(10, 8); // a map smaller than the picture pins the view at the origin
    Play.init_level(Small.W);
    mouseloc = mkrloc(1.3333333333333333, 1.0);
    Play.update(0.1);
    EXPECT_EQ(Play.R.view_center, mkrpos(0, 0, 0));
}

namespace {

struct TitleScreen : ::testing::Test
{
    static std::unique_ptr<game_dir> dir;
    title Title;

    static void SetUpTestSuite()
    {
        dir.reset(new game_dir);
        scan_all_levels();
    }
    static void TearDownTestSuite() { dir.reset(); }
    void SetUp() override
    {
        // The suite shares one directory: each test starts with no progress and no kept plays.
        fs::remove("savegame.dat");
        fs::remove_all("replays");
        medals({});
        point_at(0.5, 0.5); // over nothing
        Title.init();
    }
    void medals(std::initializer_list<int> Medals)
    {
        fresh_level_table();
        int a = 0;
        for (int M : Medals) all_levels[a++].medals = M;
        check_open_levels();
    }
    void until_not(title::modes Mode)
    {
        for (int f = 0; f < 20 && Title.mode == Mode; f++) Title.update(0.1);
    }
    void notice(Uint32 Type, SDL_Keycode Key = 0)
    {
        SDL_Event E = event(Type, Key);
        Title.notice(E);
    }
    void click_at(double X, double Y)
    {
        point_at(X, Y);
        Title.update(0.01);
        notice(SDL_MOUSEBUTTONDOWN);
    }
    // A level left with Escape, its rescued count set by hand, and its results scored.
    void finished(int Level, int Rescued)
    {
        Title.go_level = Level;
        Title.play_world = mkref(new world);
        Title.play_world->init(all_levels[Level], 1);
        Title.play_mode->init_level(Title.play_world);
        Title.mode = title::m_play;
        Title.play_world->rescued_bees = Rescued;
        notice(SDL_KEYDOWN, SDLK_ESCAPE);
        Title.update(0.01);
        Title.update(0.01);
    }
};

std::unique_ptr<game_dir> TitleScreen::dir;

} // namespace

TEST_F(TitleScreen, HoverSelectAndGo)
{
    until_not(title::m_slide_in);
    const double Cases[][4] = {{6.666, 7.5, 0, 0},   {9.666, 7.5, 1, 0},  {3.0, 7.5, 0, 0},     {1.0, 7.5, -1, 0},
                               {6.666, 6.5, -1, 0},  {6.666, 8.5, -1, 0}, {6.666, 8.49, 0, 0},  {6.666, 5.05, -1, 1},
                               {7.27, 5.05, -1, 0},  {6.07, 4.46, -1, 1}, {6.666, 5.65, -1, 0}};
    for (const auto& C : Cases) // x, y, the tile hovered, the go button hovered
    {
        point_at(C[0], C[1]);
        Title.update(0.01);
        EXPECT_EQ(Title.hover_level, C[2]) << C[0] << ", " << C[1];
        EXPECT_EQ(Title.go_hover_flag, C[3] == 1) << C[0] << ", " << C[1];
    }
    click_at(6.666 + 3.0 * 3, 7.5); // a closed tile can be selected
    EXPECT_EQ(Title.cur_level, 3);
    click_at(6.666, 5.05); // but not started
    EXPECT_EQ(Title.mode, title::m_title);
    Title.cur_level = 0;
    notice(SDL_MOUSEBUTTONDOWN);
    EXPECT_TRUE(Title.mode == title::m_slide_out && Title.go_level == 0 && !Title.slide_out_quit);
    until_not(title::m_slide_out);
    ASSERT_EQ(Title.mode, title::m_play);
    EXPECT_EQ(Title.play_mode->link_world.ptr(), Title.play_world.ptr());
    EXPECT_EQ(Title.play_world->total_bees, all_levels[0].num_bees);
    Title.play_world->rescued_bees = 3, Title.play_world->killed_bees = 2; // every bee accounted for
    Title.update(0.01);
    EXPECT_TRUE(Title.mode == title::m_scores_in && Title.slide_in_alpha == 0.0);
}

// A quick move and a click come in one batch: the press acts on what lies under the pointer as it is
// pressed, not on what the last update saw there.
TEST_F(TitleScreen, APressActsOnWhatLiesUnderItNotOnWhatWasHovered)
{
    until_not(title::m_slide_in);
    point_at(6.666, 5.05); // on the go button...
    Title.update(0.01);
    point_at(12.42, 5.95); // ...then on ? and pressed before another update
    notice(SDL_MOUSEBUTTONDOWN);
    EXPECT_TRUE(Title.mode == title::m_title && Title.top()) << "help, not the level";
    notice(SDL_MOUSEBUTTONDOWN);
    Title.update(0.01);
    finished(0, 5);
    until_not(title::m_scores_in);
    point_at(6.666, 5.05);
    Title.update(0.01);
    point_at(1, 1); // off every button of the results
    notice(SDL_MOUSEBUTTONDOWN);
    EXPECT_EQ(Title.mode, title::m_scores);
}

TEST_F(TitleScreen, ScoresAtTheThresholdsKeepsTheBestAndSavesItAtOnce)
{
    const int Rescued[] = {29, 30, 39, 40, 54, 55}, Medals[] = {0, 1, 1, 2, 2, 3}; // level 7: 30, 40, 55
    for (int c = 0; c < 6; c++)
    {
        medals({});
        finished(6, Rescued[c]);
        EXPECT_EQ(Title.score_medals, Medals[c]) << Rescued[c];
        EXPECT_EQ(all_levels[6].medals, Medals[c]) << Rescued[c];
    }
    fs::remove("savegame.dat");
    finished(6, 40);
    EXPECT_EQ(all_levels[6].medals, 3) << "a worse result keeps the record";
    EXPECT_FALSE(fs::exists("savegame.dat")) << "nothing new to store";
    medals({});
    finished(4, 20); // level 5: 15, 20
    EXPECT_EQ(read_file("savegame.dat").substr(4 + 8 * 4, 8), le_words({5, 2})) << "stored before the program ends";
}

TEST_F(TitleScreen, ResultsLeaveOnGoOrEscapeAndEscapeOnTheRowQuits)
{
    finished(0, 5);
    until_not(title::m_scores_in);
    click_at(1, 1);
    EXPECT_EQ(Title.mode, title::m_scores) << "a click away from the go button";
    click_at(6.666, 5.05);
    EXPECT_EQ(Title.mode, title::m_scores_out);
    until_not(title::m_scores_out);
    EXPECT_TRUE(Title.mode == title::m_slide_in && Title.slide_in_alpha == 0.0);
    finished(0, 5);
    until_not(title::m_scores_in);
    notice(SDL_KEYDOWN, SDLK_ESCAPE);
    until_not(title::m_scores_out);
    until_not(title::m_slide_in);
    notice(SDL_KEYDOWN, SDLK_ESCAPE);
    EXPECT_TRUE(Title.mode == title::m_slide_out && Title.slide_out_quit);
    Title.update(0.3);
    EXPECT_FALSE(Title.quit_flag);
    Title.update(0.3);
    EXPECT_TRUE(Title.quit_flag);
}

TEST_F(TitleScreen, RestartPlaysTheLevelAfreshAndScoresNothing)
{
    medals({2});
    Title.go_level = 0, Title.mode = title::m_play;
    Title.start_level();
    const world* Before = Title.play_world.ptr();
    Title.play_world->rescued_bees = 5; // enough for a medal, were it scored
    notice(SDL_KEYDOWN, SDLK_r);
    Title.update(0.01);
    EXPECT_TRUE(Title.mode == title::m_play && Title.play_world.ptr() != Before && !Title.play_mode->restart_flag);
    EXPECT_EQ(Title.play_mode->link_world.ptr(), Title.play_world.ptr());
    EXPECT_EQ(all_levels[0].medals, 2);
    EXPECT_FALSE(fs::exists("savegame.dat"));
}

TEST_F(TitleScreen, TheKeyboardPicksStartsAndGoesOnAndAClosedLevelShakesItsHead)
{
    medals({1});
    until_not(title::m_slide_in);
    for (SDL_Keycode Key : {SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_LEFT}) notice(SDL_KEYDOWN, Key);
    EXPECT_EQ(Title.cur_level, 2);
    notice(SDL_KEYDOWN, SDLK_RETURN); // closed: a knock, a shake, no start
    EXPECT_TRUE(Title.mode == title::m_title && Title.refused.count == 1 && Title.refused.shake_counter > 0);
    notice(SDL_KEYDOWN, SDLK_F1);
    notice(SDL_KEYDOWN, SDLK_LEFT); // puts the help card away, and nothing else
    Title.update(0.01);
    EXPECT_TRUE(!Title.top() && Title.cur_level == 2);
    notice(SDL_KEYDOWN, SDLK_LEFT);
    notice(SDL_KEYDOWN, SDLK_RETURN);
    EXPECT_TRUE(Title.mode == title::m_slide_out && Title.go_level == 1);
    until_not(title::m_slide_out);
    EXPECT_EQ(Title.window_title(), "Quorvel Bees — 2 · The Ravine");
    Title.play_world->rescued_bees = Title.play_world->total_bees; // a first medal opens level 3
    Title.update(0.01);
    until_not(title::m_scores_in);
    EXPECT_EQ(Title.next_level(), 2);
    notice(SDL_KEYDOWN, SDLK_RETURN);
    until_not(title::m_scores_out);
    EXPECT_TRUE(Title.mode == title::m_play && Title.go_level == 2 && Title.cur_level == 2);
    EXPECT_EQ(Title.window_title(), "Quorvel Bees — 3 · Tongue of Land");
}

TEST_F(TitleScreen, EveryLevelWonStartsPastTheLastTile)
{
    medals({1, 2, 3, 1, 2, 3, 1, 2, 3, 1});
    Title.init();
    until_not(title::m_slide_in);
    click_at(6.666, 5.05);
    EXPECT_DOUBLE_EQ(Title.cur_scroll, 3.0);
    EXPECT_EQ(Title.mode, title::m_title) << "the terminator record is no level";
    for (int f = 0; f < 400; f++) Title.update(0.01);
    click_at(3.666, 7.5); // the last tile, one step left of the middle
    EXPECT_EQ(Title.cur_level, 9);
    click_at(9.666, 7.5); // past it: nothing
    EXPECT_EQ(Title.cur_level, 9);
}

TEST_F(TitleScreen, SoundsFollowWhatTheScreensAskFor)
{
    std::vector<int> Heard;
    sound S;
    S.heard = &Heard;
    auto listen = [&](double T) {
        cues Asked;
        Title.hear(Asked);
        S.follow(Asked, T);
    };
    until_not(title::m_slide_in);
    listen(0.01); // the level row: silence
    click_at(6.666 + 3.0, 7.5); // a tile picked
    listen(0.01);
    click_at(6.666 + 3.0, 7.5); // the same tile again: nothing new
    notice(SDL_KEYDOWN, SDLK_LEFT);
    listen(0.01);
    click_at(6.666, 5.05); // go
    listen(0.01);

    hand_world H; // a level of seven bees in view and a flower
    std::vector<bee*> Bees;
    for (int a = 0; a < 7; a++) Bees.push_back(H.add_bee(mkrpos(2 + a, 3, 0.5)));
    flower* F = H.place<flower>(mkrpos(5, 5, 0));
    H.W->medal_bees[0] = 1, H.W->medal_bees[1] = 6, H.W->medal_bees[2] = 7;
    Title.play_world = H.W;
    Title.play_mode->init_level(H.W);
    Title.mode = title::m_play;
    listen(0.01); // the swarm's buzz
    Bees[0]->rescue();
    Bees[1]->kill();
    listen(0.01);
    for (int a = 2; a < 7; a++) Bees[a]->rescue(); // a crowd home at once rings three chimes, spaced
    for (int f = 0, Last = 0; f < 50; f++)
    {
        size_t Before = Heard.size();
        listen(0.01);
        if (Heard.size() == Before) continue;
        EXPECT_GE(f - Last, 11) << "chimes at most one a tenth of a second";
        Last = f;
    }
    F->drain(F->pollen);
    F->update(0.01);
    Title.play_mode->mode = play::m_drag_pollen;
    listen(0.01);
    S.toggle(); // M: everything stops, nothing new is heard
    listen(0.01);
    S.toggle();
    listen(0.01);
    Title.update(0.01); // every bee home or lost: the end, and two medals of three rung one after another
    listen(0.01);
    for (int f = 0; f < 4; f++) Title.update(0.5), listen(0.5);
    EXPECT_EQ(Heard, (std::vector<int>{snd_pick, snd_pick, snd_go, snd_buzz, snd_sting, snd_home, snd_home, snd_home, snd_home,
                                       snd_wilt, snd_drag, snd_rustle, snd_buzz, snd_rustle, snd_end, snd_medal1, snd_medal2}));
}

namespace {
// A short play of the level at Index, as made by the game: its record, a few frames.
replay sample_replay_of(int Index)
{
    replay R;
    R.level_id = all_levels[Index].level_id;
    std::string Problem;
    level_hash(all_levels[Index], R.level_hash, Problem);
    R.frames.assign(3, replay_frame{0.01, mkrloc(0.5, 0.5), 600, {}});
    return R;
}

} // namespace

TEST_F(TitleScreen, OnTheRowHShowsAnOpenLevelsDemonstrationAndWItsBestPlay)
{
    until_not(title::m_slide_in);
    Title.cur_level = 1; // closed
    notice(SDL_KEYDOWN, SDLK_h);
    EXPECT_EQ(Title.refused.why, texts::fill(texts::OPENS_AFTER, {"1"}));
    Title.cur_level = 0;
    notice(SDL_KEYDOWN, SDLK_w);
    EXPECT_TRUE(Title.mode == title::m_title && Title.refused.count == 2 && Title.refused.why == texts::NO_REPLAY.c_str());
    keep_replay(sample_replay_of(0));
    for (SDL_Keycode Key : {SDLK_h, SDLK_w})
    {
        notice(SDL_KEYDOWN, Key);
        const replay_view* Shown = dynamic_cast<const replay_view*>(Title.top());
        ASSERT_TRUE(Shown) << (char)Key;
        EXPECT_TRUE(Shown->player->watching && Shown->player->demo_flag == (Key == SDLK_h) && Shown->level_index == 0);
        EXPECT_EQ(Title.window_title(), "Quorvel Bees — 1 · First Flight");
        notice(SDL_KEYDOWN, SDLK_ESCAPE);
        Title.update(0.01);
        EXPECT_TRUE(!Title.top() && Title.mode == title::m_title) << "back on the row";
    }
}

// A replay watched in the window, drawn frame by frame as the frame loop draws it, plays as it does without
// a window: the horseflies' wings draw as they did in the play it was made in.
TEST_F(TitleScreen, AWatchedReplayPlaysAsItDoesWithoutAWindow)
{
    replay R;
    std::string Problem;
    ASSERT_TRUE(load_replay("data/demos/level6.qbr", R, Problem)) << Problem; // a lone bee among 34 horseflies
    R.frames.resize(500);
    until_not(title::m_slide_in);
    Title.watch(R, true);
    ASSERT_TRUE(Title.top());
    ref<world> Watched = dynamic_cast<replay_view*>(Title.top())->watch_world; // outlives the screen
    for (int f = 0; f < 1000 && Title.top(); f++) Title.update(0.01), Title.render();
    EXPECT_EQ(world_digest(*Watched.ptr()), world_digest(*play_through(R, 5).ptr()));
}

// Until the first press on level 1, the ghost hand presses on a full flower in view and drags toward the
// hive; then it is gone, and it never shows on another level or in a replay of level 1.
TEST_F(TitleScreen, TheGhostHandTeachesLevelOneUntilTheFirstPressOnly)
{
    Title.go_level = 0, Title.mode = title::m_play;
    Title.level_seed = [] { return 7u; };
    Title.start_level();
    play& Play = *Title.play_mode.ptr();
    point_at(6.6, 5.0);
    for (int f = 0; f < 100; f++) Title.update(0.01);
    ASSERT_TRUE(Play.teaching() && Play.ghost.from);
    const flower& From = *Play.ghost.from;
    const rpos Hive = Play.link_world->sprites[0]->position;
    EXPECT_TRUE(!From.wilted_flag && From.position[0] > 0 && From.position[0] < 13.333 && From.position[1] < 10);
    std::vector<rpos> Pressed; // where the hand is while its button is down, over one round of the gesture
    for (double Time = 0; Time < 6; Time += 0.01)
    {
        rpos At;
        bool Down = false;
        double Along;
        if (Play.ghost.pose(Time, At, Down, Along) && Down) Pressed.push_back(At);
    }
    ASSERT_GT(Pressed.size(), 100u);
    EXPECT_LT(length(Pressed.front() - From.position), 0.5 * From.radius) << "the press lands on the flower";
    EXPECT_LT(length(Pressed.back() - Hive), length(From.position - Hive) - 1.0) << "and drags toward the hive";
    notice(SDL_MOUSEBUTTONDOWN);
    Title.update(0.01);
    EXPECT_FALSE(Play.teaching()) << "gone at the first press";
    Title.go_level = 1;
    Title.start_level();
    EXPECT_FALSE(Play.teaching()) << "level 1 only";
    Title.watch(sample_replay_of(0), true);
    const replay_view* Shown = dynamic_cast<const replay_view*>(Title.top());
    ASSERT_TRUE(Shown);
    EXPECT_TRUE(Shown->player->watching && Shown->player->level_index == 0 && !Shown->player->teaching()) << "never in a replay";
}

// The fourth level, horseflies and all, played by a scripted hand through the title screen, in whole pixels
// as a window gives them: drags from the flowers toward the hive, a while at double speed, a pause with frames drawn, Escape.
// The play is kept, and its replay plays it again without a window to the very same world.
TEST_F(TitleScreen, APlayIsKeptAndItsReplayEndsInTheSameWorld)
{
    Title.go_level = 3, Title.mode = title::m_play;
    Title.level_seed = [] { return 7u; }; // not the clock: one in a few dozen opens on a single flower
    Title.start_level();
    Title.render(); // as the game does, before the first update
    world& W = *Title.play_world.ptr();
    play& Play = *Title.play_mode.ptr();
    // Each drag goes from the fullest flower in the opening view toward the hive.
    std::vector<flower*> Flowers;
    const rpos Hive = W.sprites[0]->position, Opening = Play.R.view_center;
    auto in_view = [&](const rpos& P) {
        return P[0] > Opening[0] + 0.5 && P[0] < Opening[0] + 12.8 && P[1] > Opening[1] + 0.5 && P[1] < Opening[1] + 9.5;
    };
    for (ref<sprite>& S : W.sprites)
        if (S->sprite_type == sprite::st_flower && in_view(S->position)) Flowers.push_back(static_cast<flower*>(S.ptr()));
    ASSERT_TRUE(!Flowers.empty() && in_view(Hive)) << "the level opens on its hive and a flower";
    std::vector<int> Dragged; // the recorded frames in which a drag went on, after the pause
    rpos From;
    for (int f = 0; f < 700; f++)
    {
        int Phase = f % 175;
        if (Phase == 0)
            From = (*std::max_element(Flowers.begin(), Flowers.end(), [](flower* A, flower* B) {
                       return (A->wilted_flag ? -1 : A->pollen) < (B->wilted_flag ? -1 : B->pollen);
                   }))->position;
        rpos At = From + (Hive - From) * (std::max(0, Phase - 25) / 150.0);
        // Where the view is now (the world is seeded from the clock, so it may lie anywhere), in whole
        // pixels of a picture 600 high.
        const rpos& View = Play.R.view_center;
        mouseloc = mkrloc(std::round((At[0] - View[0]) * 60) / 600.0, std::round((At[1] - View[1]) * 60) / 600.0);
        if (Phase == 25 || Phase == 170) notice(Phase == 25 ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP);
        if (f >= 450 && f < 690 && Play.mode == play::m_drag_pollen) Dragged.push_back(f - 50 + 200);
        if (f == 400 || f == 450) notice(SDL_KEYDOWN, SDLK_p); // in the middle of a drag
        if (f == 100 || f == 300) notice(f == 100 ? SDL_KEYDOWN : SDL_KEYUP, SDLK_SPACE); // over drags and between
        Title.update(0.01 + 0.001 * (f % 4));
        Title.render();
    }
    ASSERT_GE(Dragged.size(), 10u) << "the presses missed the flowers";
    notice(SDL_KEYDOWN, SDLK_ESCAPE);
    Title.update(0.01);
    ASSERT_EQ(Title.mode, title::m_scores_in);
    replay R;
    std::string Problem;
    ASSERT_TRUE(load_replay(replay_path(4, "last"), R, Problem)) << Problem;
    EXPECT_EQ(R.frames.size(), 701u - 50 + 200) << "frames while paused are not kept, hurried ones twice";
    EXPECT_LT(write_replay(R).size(), 5u * R.frames.size()) << "five minutes of play in under 150 kB";
    ref<world> Again = play_through(R, 3);
    EXPECT_EQ(world_digest(*Again.ptr()), world_digest(W));
    EXPECT_TRUE(Again->rescued_bees == R.rescued_bees && Again->animation_counter == R.time);

    // Checked from the file: as recorded; with the pointer half a unit off for the last ten frames of a
    // drag, not (the scent lands on other cells, too late to fade before the end); a damaged file, or
    // one made on another map, unreadable.
    write_file("copy.qbr", write_replay(R));
    replay Changed = R;
    for (size_t f = Dragged.size() - 10; f < Dragged.size(); f++) Changed.frames[Dragged[f]].mouse[0] += 30 / 600.0;
    write_file("changed.qbr", write_replay(Changed));
    write_file("damaged.qbr", read_file("copy.qbr").substr(0, 100));
    R.level_hash ^= 1;
    write_file("other_map.qbr", write_replay(R));
    const std::pair<const char*, int> Checks[] = {
        {"copy.qbr", 0}, {"changed.qbr", 1}, {"damaged.qbr", 2}, {"other_map.qbr", 2}};
    for (const auto& C : Checks)
    {
        int Status = -1;
        std::vector<std::string> Said = split_lines(printed_by([&] { Status = check_replay(C.first); }));
        EXPECT_EQ(Status, C.second) << C.first << ": " << Said.back();
    }
}

TEST_F(TitleScreen, TheBestReplayIsTheMostMedalsThenBeesThenSoonest)
{
    replay R = sample_replay_of(0);
    const std::tuple<int, double, bool> Plays[] = {{3, 20, true}, {2, 10, false}, {3, 15, true}, {5, 60, true}, {4, 5, false}, {5, 61, false}};
    for (auto [Home, Time, IsBest] : Plays) // bees home, seconds, and whether that play is now the best
    {
        R.rescued_bees = Home, R.time = Time;
        keep_replay(R);
        replay Best, Last;
        std::string Problem;
        ASSERT_TRUE(load_replay(replay_path(1, "best"), Best, Problem) && load_replay(replay_path(1, "last"), Last, Problem));
        EXPECT_EQ(Last.time, Time);
        EXPECT_EQ(Best.time == Time, IsBest) << Home << " home in " << Time;
    }
}
