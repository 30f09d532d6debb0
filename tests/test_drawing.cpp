// What the window shows, under SDL's offscreen driver: the 4:3 picture fitted into the window, the mouse
// mapped into it, the texture cache, and whole frames of the title, results and a level in play, compared
// with frames recorded from this game. The pictures are made here, so the shipped art can change freely.
#include "helpers.h"

#include "font_glyphs.h"
#include "hive.h"
#include "horsefly.h"
#include "play.h"
#include "sound.h"
#include "text.h"
#include "texture.h"
#include "title.h"

#include <GL/gl.h>
#include <algorithm>
#include <array>
#include <memory>

namespace {

// An 8 x 8 picture shading from its colour to dark, transparent in its first stored pixel.
std::string picture(int R, int G, int B)
{
    std::vector<unsigned char> P;
    for (int a = 0; a < 64; a++)
    {
        double Shade = 1.0 - a / 80.0;
        P.insert(P.end(), {(unsigned char)(B * Shade), (unsigned char)(G * Shade), (unsigned char)(R * Shade),
                           (unsigned char)(a == 0 ? 0 : 255)});
    }
    return tga(8, 8, P);
}

class drawing_game : public ::testing::Environment
{
public:
    std::unique_ptr<game_dir> dir;

    void SetUp() override
    {
        dir.reset(new game_dir(false));
        fs::create_directories("data/gfx");
        fs::create_directories("data/maps");
        const char* Names[] = {"title2", "rules1", "go1", "closed1", "lose1", "won_daisy1", "won_violet1", "won_tulip1",
                               "daisy1", "violet1", "tulip1"};
        for (int a = 0; a < 11; a++)
            write_file(std::string("data/gfx/") + Names[a] + ".tga", picture(60 + 17 * a, 250 - 20 * a, 40 + 19 * a));
        for (int a = 0; a < 10; a++) write_file(all_levels[a].map_texture_file, picture(250 - 9 * a, 80 + 16 * a, 200));
        fs::copy_file(fs::path(QUORVEL_SOURCE_DIR) / "data/gfx/font1.tga", "data/gfx/font1.tga");
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        printed_by([] { ASSERT_EQ(screen_open(800, 600, false, false), 0); });
        printed_by(scan_all_levels);
    }
    void TearDown() override
    {
        screen_close();
        SDL_Quit();
        dir.reset();
    }
};

::testing::Environment* const Game = ::testing::AddGlobalTestEnvironment(new drawing_game);

// A hash of the back buffer's colours; with QUORVEL_FRAMES set, the frame is also written there.
uint64_t frame(const char* Name)
{
    std::vector<unsigned char> Px(800 * 600 * 4);
    glReadPixels(0, 0, 800, 600, GL_RGBA, GL_UNSIGNED_BYTE, Px.data());
    fnv1a H;
    for (size_t a = 0; a < Px.size(); a++)
        if (a % 4 != 3) H.add(&Px[a], 1);
    if (const char* Dir = getenv("QUORVEL_FRAMES")) // bottom row first, as GL reads it and TGA's default
        write_file(std::string(Dir) + "/" + Name + ".tga", tga(800, 600, Px, 0x08));
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    return H.value;
}

// Pixels of about colour C in the middle fifth of the back buffer's width, between heights Top and Bottom
// of the picture (world units down from its top, 60 pixels each).
int pixels_like(const fcolor& C, double Top, double Bottom)
{
    const int X0 = 320, W = 160, Y0 = 600 - (int)(Bottom * 60), H = (int)((Bottom - Top) * 60);
    std::vector<unsigned char> Px(W * H * 4);
    glReadPixels(X0, Y0, W, H, GL_RGBA, GL_UNSIGNED_BYTE, Px.data());
    int N = 0;
    for (size_t a = 0; a < Px.size(); a += 4)
        N += std::abs(Px[a] - C[0] * 255) < 30 && std::abs(Px[a + 1] - C[1] * 255) < 30 && std::abs(Px[a + 2] - C[2] * 255) < 30;
    return N;
}

// One pixel of the back buffer, counted from the picture's top left.
std::array<unsigned char, 4> pixel(int X, int YFromTop)
{
    std::array<unsigned char, 4> Px;
    glReadPixels(X, 599 - YFromTop, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, Px.data());
    return Px;
}

bool red(const std::array<unsigned char, 4>& Px) { return Px[0] > 150 && Px[1] < 90 && Px[2] < 90; }

} // namespace

TEST(Screen, TheWholePictureInAnyWindowAndTheMouseOverIt)
{
    const int Shapes[][2] = {{800, 600}, {1280, 1024}, {1680, 1050}, {1920, 1080}, {1920, 1200}, {2560, 1080}, {600, 800}, {801, 600}};
    for (const auto& S : Shapes)
    {
        const int W = S[0], H = S[1];
        viewport V = fit_picture(W, H);
        SCOPED_TRACE(::testing::Message() << W << "x" << H << ": " << V.w << "x" << V.h << " at " << V.x << "," << V.y);
        EXPECT_TRUE(V.x >= 0 && V.y >= 0 && V.x + V.w <= W && V.y + V.h <= H) << "inside the window";
        EXPECT_TRUE((V.w == W || V.h == H) && std::abs(3 * V.w - 4 * V.h) < 4) << "4:3, as large as it fits";
        EXPECT_LE(std::abs(W - V.w - 2 * V.x) + std::abs(H - V.h - 2 * V.y), 2) << "centred";
        for (rloc P : {mkrloc(0, 0), mkrloc(4.0 / 3, 1), mkrloc(0.6666, 0.5), mkrloc(0.3, 0.9)})
        {
            rloc Back = window_to_picture(V.x + (int)(P[0] * V.h), H - V.y - V.h + (int)(P[1] * V.h), V, H);
            EXPECT_TRUE(std::abs(Back[0] - P[0]) <= 1.0 / V.h && std::abs(Back[1] - P[1]) <= 1.0 / V.h) << P[0] << "," << P[1];
        }
        EXPECT_EQ(window_to_picture(-50, -50, V, H), mkrloc(0, 0));
        EXPECT_EQ(window_to_picture(W + 50, H + 50, V, H), mkrloc(4.0 / 3, 1));
    }
    // What was right before stays bit for bit: 800 by 600 whole, 16:9 with bars at the sides.
    viewport A = fit_picture(800, 600), B = fit_picture(1920, 1080);
    EXPECT_EQ(std::vector<int>({A.x, A.y, A.w, A.h, B.x, B.y, B.w, B.h}), std::vector<int>({0, 0, 800, 600, 240, 0, 1440, 1080}));
    EXPECT_EQ(window_to_picture(400, 300, A, 600), mkrloc(0.6666666666666666, 0.5));
}

TEST(Screen, ANewWindowSizeFitsThePictureAgainAndScalesItsPoints)
{
    SDL_SetWindowSize(screen_window, 1680, 1050);
    SDL_Event E = event(SDL_WINDOWEVENT);
    E.window.event = SDL_WINDOWEVENT_SIZE_CHANGED, E.window.data1 = 1680, E.window.data2 = 1050;
    game_loop Loop;
    Loop.screen = mkref(new title);
    EXPECT_EQ(printed_by([&] { dispatch_event(Loop, E); }), "- refresh screen viewport: now 1680x1050, viewport 1400x1050\n");
    EXPECT_EQ(picture_pixels(12), 21.0f);
    EXPECT_EQ(printed_by([&] { dispatch_event(Loop, E); }), "") << "the same size again";
    SDL_SetWindowSize(screen_window, 800, 600);
    printed_by(refresh_gl_viewport_from_window_size);
    EXPECT_EQ(picture_pixels(0.3 * 50 + 2), 0.3f * 50 + 2);
}

TEST(Screen, TheWindowIconIsShownOrOneWarningSaysWhyNot)
{
    fs::create_directories("data/gfx");
    for (const std::string& Bytes : {std::string(), tga(2, 2, {1, 2}), tga(2, 1, {1, 2, 3, 255, 4, 5, 6, 255})})
    {
        if (!Bytes.empty()) write_file("data/gfx/icon.tga", Bytes);
        std::vector<std::string> Said = split_lines(printed_by(set_window_icon));
        ASSERT_EQ(Said.size(), Bytes.size() > 20 ? 0u : 1u); // missing, cut short, whole
        for (const std::string& L : Said) EXPECT_EQ(L.rfind("! screen open: no window icon from data/gfx/icon.tga: ", 0), 0u) << L;
    }
}

TEST(Texture, OneUploadPerNameOfTheStoredPixels)
{
    // Only the last of six pixels is transparent; alpha 1 still counts as visible.
    write_file("mask.tga", tga(3, 2, {1, 2, 3, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 0}));
    texture* T = nullptr;
    EXPECT_EQ(printed_by([&] { T = texture_load("mask.tga", true); }), "- texture load: loading tga mask.tga\n");
    EXPECT_EQ(printed_by([&] { EXPECT_EQ(texture_load("mask.tga", false), T); }), "");
    std::vector<unsigned char> Texels(24);
    glBindTexture(GL_TEXTURE_2D, (GLuint)T->id);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, Texels.data());
    EXPECT_EQ(Texels, (std::vector<unsigned char>{3, 2, 1, 1, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15, 18, 17, 16, 19, 22, 21, 20, 0}));
    for (int Y = -1; Y <= 2; Y++)
        for (int X = -1; X <= 3; X++) EXPECT_EQ(T->check_mask(X, Y), X >= 0 && X < 3 && Y >= 0 && Y < 2 && !(X == 2 && Y == 1));
}

// Recorded from this game; with QUORVEL_FRAMES=DIR the frames are written to DIR to be looked at.
TEST(Frames, TitleResultsAndALevelInPlayLookAsRecorded)
{
    const uint64_t Recorded[6] = {7692697108864367299ull, 9491070638404459670ull, 3954441418534005539ull,
                                  8607412319232395742ull, 11468344243695876007ull, 15823102254826831507ull};
    uint64_t Seen[6];
    fresh_level_table();
    all_levels[0].medals = 3, all_levels[1].medals = 2, all_levels[2].medals = 1;
    check_open_levels();
    title Title;
    Title.init();
    frame("cleared"); // as the frame loop leaves the buffers after each frame
    point_at(0.5, 0.5);
    Title.update(0.25); // halfway in from off screen
    Title.render();
    Seen[0] = frame("title_sliding");
    Title.cur_level = 2;
    for (int f = 0; f < 100; f++) Title.update(0.01);
    point_at(6.666 + 3.0 - Title.cur_scroll, 7.5); // hovering the second tile, the third selected, the fifth closed
    Title.update(0.013);
    Title.render();
    Seen[1] = frame("title_row");
    Title.show_help();
    Title.render();
    Seen[5] = frame("help");
    Title.shown.clear();

    // A level: scent laid from a flower, bees rescued and killed, a horsefly attacking; its name and goal
    // still up, and out at sea the arrow to the hive.
    std::vector<unsigned char> Map;
    for (int a = 0; a < 30 * 20; a++) Map.insert(Map.end(), a < 30 * 12 ? std::initializer_list<unsigned char>{40, 150, 40, 255} : std::initializer_list<unsigned char>{170, 60, 30, 255});
    write_file("level.tga", tga(30, 20, Map)); // meadow above, sea below
    level L = all_levels[4];
    L.map_file = "level.tga";
    L.hive_pos = mkrpos(6, 6, 0);
    ref<world> W = mkref(new world);
    printed_by([&] { W->init(L, 77); });
    play& P = *Title.play_mode.ptr();
    P.init_level(W);
    P.level_index = 4;
    const rpos From = W->sprites[1]->position, Hive = W->sprites[0]->position;
    for (int Frame = 0; Frame < 300; Frame++)
    {
        rpos At = From + (Hive - From) * (Frame / 300.0) - P.R.view_center; // a drag from a flower home
        point_at(At[0], At[1]);
        if (Frame == 5)
        {
            SDL_Event Down = event(SDL_MOUSEBUTTONDOWN);
            P.notice(Down);
        }
        P.update(0.01);
    }
    W->rescued_bees += 3, W->killed_bees += 2;
    static_cast<horsefly*>(W->sprites[L.num_flowers + 1].ptr())->state = horsefly::s_attacking;
    for (double Y : {0.0, 10.0})
    {
        P.R.set_view(mkrpos(0, Y, 0));
        P.render();
        Seen[Y == 0 ? 3 : 4] = frame(Y == 0 ? "play" : "play_sea");
    }

    // Its results: the counts, what each medal needed, the verdict, the way on.
    point_at(6.666, 5.05);
    Title.update(0.1); // the go button tilts the other way
    Title.play_world = W, Title.go_level = 4, Title.results.best_before = 1;
    Title.mode = title::m_scores;
    Seen[2] = 0;
    for (Title.score_medals = 0; Title.score_medals < 4; Title.score_medals++)
    {
        Title.render();
        Seen[2] = Seen[2] * 31 + frame(("results" + std::to_string(Title.score_medals)).c_str());
    }
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "drawing leaves blending off";
    for (int a = 0; a < 6; a++) EXPECT_EQ(Seen[a], Recorded[a]) << "frame " << a;

    // A bee just lost out at sea, below the banner: a red cross, both its strokes, and nothing between its arms.
    const rpos Lost = mkrpos(6.667, 17, 0);
    P.marks.assign(1, {Lost, W->animation_counter, true});
    P.R.set_view(mkrpos(0, 10, 0));
    P.render();
    auto red_at = [](const rpos& At) { return red(pixel((int)(At[0] * 60), (int)((At[1] - 10) * 60))); };
    for (double DX : {-0.12, 0.12})
        for (double DY : {-0.12, 0.12}) EXPECT_TRUE(red_at(Lost + mkrpos(DX, DY, 0))) << DX << "," << DY;
    for (const rpos& Off : {mkrpos(0.15, 0, 0), mkrpos(-0.15, 0, 0), mkrpos(0, 0.15, 0), mkrpos(0, -0.15, 0)})
        EXPECT_FALSE(red_at(Lost + Off)) << Off[0] << "," << Off[1];
}

// What the play screen draws besides the rules' own drawing, the trail, the marks, the gauges, the ghost
// hand and the double speed's mark, reads the world and draws no number from any of its generators: the
// same play with and without them leaves every generator where the other leaves it, and only the picture
// differs.
TEST(Hints, DrawNoNumberFromAnyGenerator)
{
    std::vector<unsigned char> Map;
    for (int a = 0; a < 30 * 20; a++) Map.insert(Map.end(), a < 30 * 12 ? std::initializer_list<unsigned char>{40, 150, 40, 255} : std::initializer_list<unsigned char>{170, 60, 30, 255});
    write_file("hints.tga", tga(30, 20, Map)); // meadow above, sea below: horseflies in reach of the bees
    level L = all_levels[4];
    L.map_file = "hints.tga";
    L.hive_pos = mkrpos(6, 6, 0);
    ref<world> Worlds[2];
    std::unique_ptr<play> Plays[2];
    uint64_t Pictures[2];
    for (int Hints = 0; Hints < 2; Hints++)
    {
        Worlds[Hints] = mkref(new world);
        ref<world>& W = Worlds[Hints];
        printed_by([&] { W->init(L, 31); });
        play& P = *(Plays[Hints] = std::make_unique<play>());
        P.letters.load();
        P.init_level(W);
        P.level_index = 0; // the ghost hand's level
        P.hints_flag = Hints;
        const rpos From = W->sprites[1]->position, Hive = W->sprites[0]->position;
        for (int Frame = 0; Frame < 250; Frame++)
        {
            rpos At = From + (Hive - From) * (std::max(0, Frame - 100) / 150.0) - P.R.view_center;
            point_at(At[0], At[1]);
            SDL_Event E = event(Frame == 100 ? SDL_MOUSEBUTTONDOWN : Frame == 180 ? SDL_KEYDOWN : SDL_KEYUP, SDLK_SPACE);
            if (Frame == 100 || Frame == 180 || Frame == 230) P.notice(E);
            if (Frame == 200) static_cast<bee*>(W->sprites.back().ptr())->rescue(); // a bee home, by hand
            P.update(0.01);
            if (Frame % 4 == 0) P.render(); // every frame would take seconds on a software renderer
        }
        Pictures[Hints] = frame(Hints ? "hints" : "no_hints");
    }
    EXPECT_FALSE(Plays[1]->drag_trail.puffs.empty() || Plays[1]->bee_signs.homecomings.empty());
    EXPECT_NE(Pictures[0], Pictures[1]);
    EXPECT_EQ(world_digest(*Worlds[0].ptr()), world_digest(*Worlds[1].ptr()));
    auto same = [](const rngen& A, const rngen& B) { return advanced_by(A, B, 0); };
    EXPECT_TRUE(same(Worlds[0]->RN, Worlds[1]->RN));
    for (int g = 0; g < SMELL_SIZE; g++) EXPECT_TRUE(same(Worlds[0]->smells[g]->RN, Worlds[1]->smells[g]->RN)) << "grid " << g;
    ASSERT_EQ(Worlds[0]->sprites.size(), Worlds[1]->sprites.size());
    auto generator = [](sprite* S) -> const rngen* { // flowers have none of their own
        switch (S->sprite_type)
        {
        case sprite::st_bee: return &static_cast<bee*>(S)->RN;
        case sprite::st_hive: return &static_cast<hive*>(S)->RN;
        case sprite::st_horsefly: return &static_cast<horsefly*>(S)->RN;
        default: return nullptr;
        }
    };
    for (size_t a = 0; a < Worlds[0]->sprites.size(); a++)
    {
        const rngen *A = generator(Worlds[0]->sprites[a].ptr()), *B = generator(Worlds[1]->sprites[a].ptr());
        EXPECT_TRUE(!A || same(*A, *B)) << "sprite " << a;
    }
}

// A bee's mark rings the bee, its rim turning from cream to pink while pollen scent pulls the bee.
TEST(Hints, ABeesRimTurnsPinkInPollenScent)
{
    hand_world H;
    bee* B = H.add_bee(mkrpos(5, 5, 0.5));
    play P;
    P.init_level(H.W);
    P.R.set_view(mkrpos(0, 0, 0));
    std::array<unsigned char, 4> Rims[2];
    for (int Led = 0; Led < 2; Led++)
    {
        if (Led) H.pollen().scent(B->position + mkrpos(1, 0, 0), 2.0, 10.0);
        P.bee_signs.update(*H.W.ptr(), P.R.view_center);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        P.bee_signs.render_under(P.R.view_center);
        Rims[Led] = pixel(300 + 11, 303); // the rim, 0.18 from the bee's middle
    }
    EXPECT_TRUE(Rims[0][0] > 230 && Rims[0][1] > 200 && Rims[0][2] > 150) << "cream";
    EXPECT_TRUE(Rims[1][0] > 230 && Rims[1][1] < 120 && Rims[1][2] > 180) << "pink";
}

namespace {
Uint32 now_ms = 1000; // the loop's clock in the test below
}

// A level with horseflies run by the frame loop itself: the clock leaping an hour (a game stopped and
// continued) passes the world one short step; a pause, by P or by a lost focus, holds the picture and
// every generator still, frame after frame.
TEST(Loop, AStallCostsNothingAndAPauseHoldsThePictureStill)
{
    write_file("sea.tga", tga(30, 20, std::vector<unsigned char>(30 * 20 * 4, 200))); // grey rock...
    std::string Map = read_file("sea.tga");
    for (size_t a = 18; a < Map.size(); a += 4) Map[a] = (char)(a % 3 ? 40 : 200), Map[a + 1] = (char)(a % 3 ? 160 : 40), Map[a + 2] = 30;
    write_file("sea.tga", Map); // ...turned into meadow and water in stripes
    level L = all_levels[4];
    L.map_file = "sea.tga";
    L.hive_pos = mkrpos(6, 6, 0);
    game_loop Loop;
    Loop.clock = [] { return now_ms; };
    Loop.prev_ticks = now_ms;
    Loop.screen = mkref(new title);
    title& Title = *Loop.screen.ptr();
    printed_by([&] { Title.init(); });
    Title.play_world = mkref(new world);
    printed_by([&] { Title.play_world->init(L, 5); });
    Title.play_mode->init_level(Title.play_world);
    Title.mode = title::m_play;
    world& W = *Title.play_world.ptr();
    auto frames = [&](int N, Uint32 Ms) {
        for (int f = 0; f < N; f++) now_ms += Ms, frame(Loop);
    };
    // The pointer (the offscreen window has none) lies at the picture's top left, where it scrolls up and
    // left; gone out of the window, it scrolls nothing.
    Title.play_mode->R.set_view(mkrpos(10, 5, 0));
    SDL_Event Away = event(SDL_WINDOWEVENT), Back = Away;
    Away.window.event = SDL_WINDOWEVENT_LEAVE, Back.window.event = SDL_WINDOWEVENT_ENTER;
    SDL_PushEvent(&Away);
    frames(1, 10); // the frame that hears of it began with the pointer in
    const rpos Left = Title.play_mode->R.view_center;
    frames(10, 10);
    EXPECT_EQ(Title.play_mode->R.view_center, Left);
    SDL_PushEvent(&Back);
    frames(39, 10);
    EXPECT_TRUE(Title.play_mode->R.view_center[0] < Left[0] - 1 && Title.play_mode->R.view_center[1] < Left[1] - 1);
    EXPECT_NEAR(W.animation_counter, 0.5, 1e-9);
    frames(1, 3600 * 1000);
    EXPECT_NEAR(W.animation_counter, 0.6, 1e-9) << "an hour's stall is a tenth of a second";

    SDL_Event P = event(SDL_KEYDOWN, SDLK_p);
    SDL_PushEvent(&P);
    frames(1, 10);
    ASSERT_TRUE(Title.play_mode->paused_flag);
    const double Counter = W.animation_counter;
    const rngen Wings = static_cast<horsefly*>(W.sprites[L.num_flowers + 1].ptr())->RN;
    Title.render();
    // The card's word, and under it the keys that go on, both in the picture and clear of the hive.
    const rpos Hive = W.sprites[0]->position - Title.play_mode->R.view_center;
    const double Y = paused_card_y(Hive);
    EXPECT_GT(std::abs(Hive[1] - Y), 1.3) << Hive[1];
    EXPECT_GT(pixels_like(mkfcolor(1, 0.85f, 0.3f, 1), Y - 1.4, Y - 0.5), 100);
    EXPECT_GT(pixels_like(mkfcolor(1, 0.97f, 0.85f, 1), Y + 0.05, Y + 0.45), 40);
    EXPECT_EQ(pixels_like(mkfcolor(1, 0.97f, 0.85f, 1), Y - 1.4, Y - 0.5), 0);
    uint64_t Still = frame("paused");
    frames(20, 10);
    Title.render();
    EXPECT_EQ(frame("paused_later"), Still);
    EXPECT_EQ(W.animation_counter, Counter);
    EXPECT_TRUE(advanced_by(Wings, static_cast<horsefly*>(W.sprites[L.num_flowers + 1].ptr())->RN, 0));
    SDL_PushEvent(&P);
    frames(1, 10);
    EXPECT_FALSE(Title.play_mode->paused_flag);

    SDL_Event Lost = event(SDL_WINDOWEVENT);
    Lost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    Loop.toggled_at = now_ms - 500; // the game's own fullscreen toggle took the focus
    dispatch_event(Loop, Lost);
    EXPECT_FALSE(Title.play_mode->paused_flag);
    now_ms += 600;
    dispatch_event(Loop, Lost);
    EXPECT_TRUE(Title.play_mode->paused_flag);

    // A press is taken where it happens, whatever the frame began with.
    SDL_Event Press = event(SDL_MOUSEBUTTONDOWN);
    Press.button.x = 400, Press.button.y = 150;
    dispatch_event(Loop, Press);
    EXPECT_EQ(mouseloc, mkrloc(400 / 600.0, 0.25));
}

// A scent grid draws its own cells and no more, however much of the picture its map leaves empty: a cell
// past a row's end would be the next row's first, shown at the map's right edge.
TEST(Scent, DrawsEachRowOfCellsOnceAndNothingPastTheMapsEdge)
{
    smellgrid G;
    rngen RN = seeded(1);
    G.init(mkrpos(10, 8, 0), mkfcolor(1, 1, 1, 1), false, RN); // 50 by 40 cells, in a picture 13.3 by 10
    G.grid_data[21 * 50] = 10.0;                                // the first cell of row 21, y = 4.2
    rstate R;
    R.set_view(mkrpos(0, 0, 0));
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    G.render(R);
    auto lit = [](int X, int YFromTop) { return pixel(X, YFromTop)[0] > 128; };
    EXPECT_TRUE(lit(2, 252)) << "the cell at the map's left edge";
    EXPECT_FALSE(lit(600, 240)) << "nothing at the right edge, a row above";
    EXPECT_FALSE(lit(600, 252));
}

// An even cloud is even at every size of the picture: on a phone's 520 by 390, cells 7.8 pixels apart
// neither overlap nor part, which would draw lines through it.
TEST(Scent, AnEvenCloudDrawsEvenlyOnASmallPicture)
{
    smellgrid G;
    rngen RN = seeded(1);
    G.init(mkrpos(20, 15, 0), mkfcolor(1, 0.4f, 0.7f, 0.5f), false, RN);
    for (double& Cell : G.grid_data) Cell = 0.8;
    const viewport Was = picture_viewport;
    picture_viewport = {0, 0, 520, 390};
    glViewport(0, 0, 520, 390);
    rstate R;
    R.set_view(mkrpos(0.37, 0.11, 0)); // a view scrolled by no whole number of pixels
    glClearColor(0.1f, 0.5f, 0.1f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    G.render(R);
    std::vector<unsigned char> Row(520 * 4), Column(390 * 4);
    glReadPixels(0, 200, 520, 1, GL_RGBA, GL_UNSIGNED_BYTE, Row.data());
    glReadPixels(260, 0, 1, 390, GL_RGBA, GL_UNSIGNED_BYTE, Column.data());
    for (const std::vector<unsigned char>* Line : {&Row, &Column})
        for (size_t a = 0; a < Line->size(); a += 4)
            EXPECT_TRUE(std::equal(Line->begin() + a, Line->begin() + a + 3, Line->begin())) << (Line == &Row ? "x " : "y ") << a / 4;
    picture_viewport = Was;
    glViewport(0, 0, Was.w, Was.h);
    glClearColor(0, 0, 0, 1);
}

TEST(Sound, OffShowsALoudspeakerCrossedOutInTheCornerAndOnShowsNothing)
{
    sound S;
    const double X = PICTURE_W - 0.55, Y = PICTURE_H - 0.45; // the mark's middle
    auto at = [&](double DX, double DY) { return pixel((int)((X + DX) * 60), (int)((Y + DY) * 60)); };
    auto white = [&](double DX, double DY) { auto Px = at(DX, DY); return std::min({Px[0], Px[1], Px[2]}) > 180; };
    auto red_near = [&](double DX, double DY) { // a line two or three pixels wide: look one pixel round
        bool Red = false;
        for (int a = 0; a < 9; a++) Red = Red || red(at(DX + (a % 3 - 1) / 60.0, DY + (a / 3 - 1) / 60.0));
        return Red;
    };
    glClearColor(0.4f, 0.4f, 0.4f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    S.on_flag = true;
    S.render();
    EXPECT_EQ(at(0, 0), (std::array<unsigned char, 4>{102, 102, 102, 255})) << "sound on: the corner is clear";

    S.on_flag = false;
    S.render();
    // The box's body, in each corner, and its cone, wide at the front; around them the dark backing.
    for (double DX : {-0.24, -0.16})
        for (double DY : {-0.05, 0.05}) EXPECT_TRUE(white(DX, DY)) << "box " << DX << "," << DY;
    for (double DY : {-0.15, 0.0, 0.15}) EXPECT_TRUE(white(0.0, DY)) << "cone's front " << DY;
    for (double DY : {-0.05, 0.0, 0.05}) EXPECT_FALSE(white(0.05, DY)) << "before the cross " << DY;
    EXPECT_TRUE(white(-0.11, 0.0)) << "cone's back";
    for (double DY : {-0.16, 0.16}) EXPECT_FALSE(white(-0.1, DY)) << "beside the cone's back " << DY;
    for (double DY : {-0.11, 0.11}) EXPECT_FALSE(white(-0.2, DY)) << "above and below the box " << DY;
    EXPECT_LT(at(-0.33, 0)[0], 102) << "the backing darkens what is under it";
    // The cross: its middle and both strokes at each end, and nothing between its arms.
    for (const auto& P : {std::pair{0.18, 0.0}, {0.1, -0.104}, {0.26, 0.104}, {0.1, 0.104}, {0.26, -0.104}})
        EXPECT_TRUE(red_near(P.first, P.second)) << "cross at " << P.first << "," << P.second;
    for (const auto& P : {std::pair{0.18, -0.11}, {0.18, 0.11}, {0.09, 0.0}, {0.27, 0.0}})
        EXPECT_FALSE(red_near(P.first, P.second)) << "between the arms at " << P.first << "," << P.second;
    GLfloat Width;
    glGetFloatv(GL_LINE_WIDTH, &Width);
    EXPECT_TRUE(!glIsEnabled(GL_BLEND) && Width == 1.0f) << "blending and lines left as found";
    glClearColor(0, 0, 0, 1);
}

TEST(Text, DrawnWhereMeasuredUnderWhatIsDrawnLaterAndGLLeftAsFound)
{
    font Font;
    Font.load();
    const std::string Line = "Größe ¿Æ? \xE2\x82\xAC";
    const double Right = 10.0, Top = 2.0, Size = 0.5, Width = Font.width(Line, Size); // 60 pixels a unit
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_BLEND);
    Font.draw_outlined(Line, mkrpos(Right, Top, 0), Size, font::right, mkfcolor(1, 1, 1, 1), mkfcolor(0, 0, 1, 1));
    std::vector<GLint> State;
    for (GLenum Name : {GL_DEPTH_FUNC, GL_ALPHA_TEST_FUNC, GL_BLEND_SRC_RGB, GL_BLEND_DST_RGB}) glGetIntegerv(Name, &State.emplace_back());
    EXPECT_EQ(State, std::vector<GLint>({GL_LEQUAL, GL_GREATER, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}));
    EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_TEXTURE_2D));
    glColor4f(0, 1, 0, 1);
    draw_centered_quad(mkrpos(Right - Width / 2, Top + Size / 2, 0), mkrpos(0.5, Size, 0), 0); // 60 by 60 pixels

    std::vector<unsigned char> Px(800 * 600 * 4);
    glReadPixels(0, 0, 800, 600, GL_RGBA, GL_UNSIGNED_BYTE, Px.data());
    int Box[4] = {800, 600, -1, -1}, White = 0, Rim = 0, Green = 0, Ink = 0; // the ink's left, top, right, bottom
    for (int Y = 0; Y < 600; Y++)
        for (int X = 0; X < 800; X++)
        {
            const unsigned char* P = &Px[4 * ((599 - Y) * 800 + X)];
            int Colour = P[0] << 16 | P[1] << 8 | P[2];
            Green += Colour == 0x00FF00, White += Colour == 0xFFFFFF, Rim += Colour == 0x0000FF;
            if (Colour && Colour != 0x00FF00 && ++Ink)
                Box[0] = std::min(Box[0], X), Box[1] = std::min(Box[1], Y), Box[2] = std::max(Box[2], X), Box[3] = std::max(Box[3], Y);
        }
    EXPECT_EQ(Green, 60 * 60) << "a quad drawn later covers the letters";
    EXPECT_TRUE(White > 50 && Rim > 50 && Ink - White - Rim > 50) << White << " white, " << Rim << " rim, " << Ink << " in all: smooth edges";
    // Where it was measured, side bearings and rim aside, and inside the line's box.
    EXPECT_TRUE(std::abs(Box[0] - (Right - Width) * 60) < 4 && std::abs(Box[2] - Right * 60) < 4) << Box[0] << " to " << Box[2];
    EXPECT_TRUE(Box[1] >= Top * 60 - 2 && Box[3] <= (Top + Size) * 60 + 2) << Box[1] << " to " << Box[3];
}

// Letters past Latin-1 at a texel a pixel, each from a whole pixel, as the shipped atlas has them: inked
// where its field lies past the second of the four cuts round the outline, 0.4875.
TEST(Text, EachLetterIsDrawnFromItsOwnPlaceInTheAtlas)
{
    font Font;
    Font.load();
    const std::string Atlas = read_file("data/gfx/font1.tga");
    const int Base = (int)std::round(60 + font_glyphs::ASCENT); // the baseline of a line whose top is at 1
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const char* Letters[] = {"ą", "ł", "Ř", "ů", "Ж", "й", "Ё", "Ґ", "ї", "є", "№", "„"};
    for (int a = 0; a < 12; a++) Font.draw(Letters[a], mkrpos(0.5 + a, 1, 0), font_glyphs::LINE_HEIGHT / 60, font::left, mkfcolor(1, 1, 1, 1));
    std::vector<unsigned char> Px(800 * 600 * 4);
    glReadPixels(0, 0, 800, 600, GL_RGBA, GL_UNSIGNED_BYTE, Px.data());
    for (int a = 0; a < 12; a++)
    {
        const int Code = font::codes(Letters[a])[0];
        const font_glyphs::glyph& G = *std::find_if(std::begin(font_glyphs::GLYPHS), std::end(font_glyphs::GLYPHS),
                                                    [&](const font_glyphs::glyph& G) { return G.code == Code; });
        int Inked = 0, Wrong = 0;
        for (int j = 0; j < G.h; j++)
            for (int i = 0; i < G.w; i++)
            {
                bool Field = (unsigned char)Atlas[18 + 4 * ((G.y + j) * font_glyphs::ATLAS_W + G.x + i) + 3] >= 125;
                bool Drawn = Px[4 * ((599 - Base - G.top - j) * 800 + 30 + 60 * a + G.left + i)] > 96;
                Inked += Field, Wrong += Field != Drawn;
            }
        EXPECT_TRUE(Inked > 40 && Wrong <= Inked / 100) << Letters[a] << ": " << Wrong << " of " << Inked << " wrong";
    }
}
