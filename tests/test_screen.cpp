// The window code: fitting the 4:3 picture, mapping the mouse into it, the GL state every drawing
// routine relies on, and the view matrix. The GL cases run under SDL's offscreen driver.
#include "helpers.h"
#include "quorvel.h"
#include "rstate.h"
#include "title.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <cstring>

TEST(FitViewport, FourThreePictureInAnyWindow)
{
    struct
    {
        int window_w, window_h, w, h, x, y;
    } Cases[] = {
        {800, 600, 800, 600, 0, 0},      {1024, 768, 1024, 768, 0, 0},
        {1920, 1080, 1440, 1080, 240, 0}, // wide: bars left and right
        {1000, 600, 800, 600, 100, 0},   // exactly 5:3 is the first ratio counted as wide
        {800, 800, 800, 600, 0, 100},    {600, 1000, 600, 450, 0, 275}, // tall: bars above and below
        // Between 4:3 and 5:3, 3 * 900 / 600 truncates to 4: full width, the height overflows, centred.
        {900, 600, 900, 675, 0, -37},    {999, 600, 999, 749, 0, -74},
    };
    for (auto& C : Cases)
    {
        SCOPED_TRACE(std::to_string(C.window_w) + "x" + std::to_string(C.window_h));
        int W = -1, H = -1, X = -1, Y = -1;
        fit_viewport(C.window_w, C.window_h, W, H, X, Y);
        EXPECT_EQ(W, C.w);
        EXPECT_EQ(H, C.h);
        EXPECT_EQ(X, C.x);
        EXPECT_EQ(Y, C.y);
    }
}

TEST(MouseToPicture, BothAxesInWindowHeightsClampedToThePicture)
{
    const double RIGHT = 1.3333333333333333;
    struct
    {
        const char* what;
        int mx, my, x, y, h;
        double px, py;
    } Cases[] = {
        {"centre of 800x600", 400, 300, 0, 0, 600, 0.6666666666666666, 0.5},
        // 1920x1080: the picture starts 240 pixels in; its right edge is 4/3 heights from its left.
        {"inside 1920x1080", 240 + 540, 270, 240, 0, 1080, 0.5, 0.25},
        {"right edge of 1920x1080", 240 + 1440, 0, 240, 0, 1080, 1440.0 / 1080.0, 0.0},
        {"side bar", 100, 500, 240, 0, 1080, 0.0, 500.0 / 1080.0},
        {"left of and above the window", -50, -50, 0, 0, 600, 0.0, 0.0},
        {"right of and below the picture", 1900, 1500, 240, 0, 1080, RIGHT, 1.0},
        {"below the picture", 799, 650, 0, 0, 600, 799.0 / 600.0, 1.0},
        // A picture whose top is cut off: the window's top edge is inside the picture.
        {"top of a cut picture", 0, 0, 0, -37, 600, 0.0, 37.0 / 600.0},
        {"above a cut picture", 0, -40, 0, -37, 600, 0.0, 0.0},
    };
    for (auto& C : Cases)
    {
        SCOPED_TRACE(C.what);
        rloc L = mouse_to_picture(C.mx, C.my, C.x, C.y, C.h);
        EXPECT_NEAR(L[0], C.px, 1e-15);
        EXPECT_NEAR(L[1], C.py, 1e-15);
    }
}

class Screen : public ::testing::Test
{
protected:
    static std::vector<std::string> open_lines;
    static int open_result;

    static void SetUpTestSuite()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        testing::internal::CaptureStdout();
        open_result = screen_open(800, 600, false, false);
        open_lines = split_lines(testing::internal::GetCapturedStdout());
    }
    static void TearDownTestSuite() { SDL_Quit(); }
    void SetUp() override
    {
        if (open_result != 0) GTEST_SKIP() << "no window";
    }

    static GLint integer(GLenum Name)
    {
        GLint V = -12345;
        glGetIntegerv(Name, &V);
        return V;
    }
    static std::vector<double> matrix(GLenum Name)
    {
        std::vector<double> M(16, -12345.0);
        glGetDoublev(Name, M.data());
        return M;
    }
};

std::vector<std::string> Screen::open_lines;
int Screen::open_result = -1;

TEST_F(Screen, OpeningTracesFiveLinesInOrder)
{
    EXPECT_EQ(open_result, 0);
    EXPECT_EQ(open_lines, (std::vector<std::string>{
                              "- screen open: want BPP is 32",
                              "- screen open: setting GL color sizes attributes",
                              "- screen open: setting video mode",
                              "- screen open: setting to windowed 800x600",
                              "- refresh screen viewport: now 800x600, viewport 800x600",
                          }));
}

TEST_F(Screen, WindowAndRecordedSizes)
{
    ASSERT_NE(screen_window, nullptr);
    EXPECT_STREQ(SDL_GetWindowTitle(screen_window), "Loading...");
    int W = 0, H = 0;
    SDL_GetWindowSize(screen_window, &W, &H);
    EXPECT_EQ(W, 800);
    EXPECT_EQ(H, 600);
    Uint32 Flags = SDL_GetWindowFlags(screen_window);
    EXPECT_TRUE(Flags & SDL_WINDOW_OPENGL);
    EXPECT_FALSE(Flags & SDL_WINDOW_RESIZABLE);
    EXPECT_FALSE(Flags & SDL_WINDOW_FULLSCREEN);
    EXPECT_EQ(screen_w, 800);
    EXPECT_EQ(screen_h, 600);
    EXPECT_EQ(screen_offset_x, 0);
    EXPECT_EQ(screen_offset_y, 0);
    EXPECT_FALSE(is_fullscreen);
    GLint Viewport[4] = {-1, -1, -1, -1};
    glGetIntegerv(GL_VIEWPORT, Viewport);
    EXPECT_EQ(Viewport[0], 0);
    EXPECT_EQ(Viewport[1], 0);
    EXPECT_EQ(Viewport[2], 800);
    EXPECT_EQ(Viewport[3], 600);
}

TEST_F(Screen, GlStateEveryDrawingRoutineAssumes)
{
    EXPECT_EQ(integer(GL_BLEND_SRC), GL_SRC_ALPHA);
    EXPECT_EQ(integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(integer(GL_DEPTH_FUNC), GL_LEQUAL);
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_EQ(integer(GL_ALPHA_TEST_FUNC), GL_GREATER);
    GLfloat Ref = -1;
    glGetFloatv(GL_ALPHA_TEST_REF, &Ref);
    EXPECT_EQ(Ref, 0.0f);
    EXPECT_EQ(integer(GL_SHADE_MODEL), GL_SMOOTH);
    EXPECT_EQ(integer(GL_LIGHT_MODEL_LOCAL_VIEWER), 1);
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_GE(integer(GL_DEPTH_BITS), 16);
}

TEST_F(Screen, ProjectionIsThePictureWithYDown)
{
    // gluOrtho2D(0, 40/3, 10, 0): x scales by 2 / (40/3), y by 2 / (0 - 10), and the top-left corner
    // lands at (-1, 1).
    std::vector<double> P = matrix(GL_PROJECTION_MATRIX);
    std::vector<double> Expected = {0.15, 0, 0, 0, 0, -0.2, 0, 0, 0, 0, -1, 0, -1, 1, 0, 1};
    for (int a = 0; a < 16; a++) EXPECT_NEAR(P[a], Expected[a], 1e-6) << "element " << a;
}

TEST_F(Screen, SetViewReplacesTheModelviewMatrix)
{
    rstate R;
    EXPECT_EQ(R.view_center, mkrpos(0, 0, 0));
    R.set_view(mkrpos(0, 0, 0));
    std::vector<double> Identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), Identity);
    EXPECT_EQ(R.view_corners[0], mkrpos(-13.333, -10, 0));
    EXPECT_EQ(R.view_corners[1], mkrpos(13.333, 10, 0));

    R.set_view(mkrpos(100, 100, 0));
    R.set_view(mkrpos(5, 7, 2));
    // The second call replaced the first: a translation by (-5, -7, 0) only, z ignored.
    std::vector<double> Moved = Identity;
    Moved[12] = -5;
    Moved[13] = -7;
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), Moved);
    EXPECT_EQ(R.view_center, mkrpos(5, 7, 2));
    EXPECT_EQ(R.view_corners[0], mkrpos(5 - 13.333, 7 - 10.0, 2));
    EXPECT_EQ(R.view_corners[1], mkrpos(5 + 13.333, 17, 2));
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
}

TEST_F(Screen, TransparentFragmentsWriteNeitherColourNorDepth)
{
    rstate R;
    R.set_view(mkrpos(0, 0, 0));
    auto draw_square = [](float Alpha) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glColor4f(1, 1, 1, Alpha);
        glBegin(GL_QUADS);
        glVertex2f(0, 0);
        glVertex2f(13.34f, 0);
        glVertex2f(13.34f, 10);
        glVertex2f(0, 10);
        glEnd();
        glFinish();
    };
    GLubyte Pixel[4];
    GLfloat Depth = -1;

    draw_square(0.0f);
    glReadPixels(400, 300, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, Pixel);
    glReadPixels(400, 300, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &Depth);
    EXPECT_EQ(Pixel[0], 0);
    EXPECT_EQ(Depth, 1.0f);

    draw_square(1.0f / 255);
    glReadPixels(400, 300, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, Pixel);
    glReadPixels(400, 300, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &Depth);
    EXPECT_LE(Pixel[0], 2); // blended: one 255th of white over black
    EXPECT_NEAR(Depth, 0.5f, 0.01f);
}

TEST_F(Screen, ToggleFullscreenTwiceReturnsToWindowed)
{
    testing::internal::CaptureStdout();
    toggle_fullscreen();
    bool AfterFirst = is_fullscreen;
    toggle_fullscreen();
    std::vector<std::string> Lines = split_lines(testing::internal::GetCapturedStdout());
    EXPECT_TRUE(AfterFirst);
    EXPECT_FALSE(is_fullscreen);
    ASSERT_EQ(Lines.size(), 4u);
    EXPECT_EQ(Lines[0], "- toggle fullscreen: now fullscreen");
    EXPECT_EQ(Lines[1].rfind("- refresh screen viewport: now ", 0), 0u) << Lines[1];
    EXPECT_EQ(Lines[2], "- toggle fullscreen: now windowed");
    EXPECT_EQ(Lines[3].rfind("- refresh screen viewport: now ", 0), 0u) << Lines[3];
}

TEST_F(Screen, WindowCloseAndF12RaiseTheQuitFlagF11Toggles)
{
    title Title;
    SDL_Event E;
    std::memset(&E, 0, sizeof E);

    Title.quit_flag = false;
    E.type = SDL_QUIT;
    dispatch_event(Title, E);
    EXPECT_TRUE(Title.quit_flag);

    Title.quit_flag = false;
    E.type = SDL_KEYDOWN;
    E.key.keysym.sym = SDLK_F12;
    dispatch_event(Title, E);
    EXPECT_TRUE(Title.quit_flag);

    Title.quit_flag = false;
    bool Before = is_fullscreen;
    E.key.keysym.sym = SDLK_F11;
    testing::internal::CaptureStdout();
    dispatch_event(Title, E);
    dispatch_event(Title, E);
    std::string Out = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(Title.quit_flag);
    EXPECT_EQ(is_fullscreen, Before);
    EXPECT_NE(Out.find("- toggle fullscreen: now fullscreen\n"), std::string::npos) << Out;
}

TEST(ScreenClose, EndsContextAndWindowOnceAndTheScreenOpensAgain)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    testing::internal::CaptureStdout();
    int First = screen_open(800, 600, false, false);
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(First, 0);

    // Work left queued in the driver, as after the last frame of a session.
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    screen_close();
    EXPECT_EQ(screen_window, nullptr);
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
    screen_close(); // the fatal path may come after a normal close

    testing::internal::CaptureStdout();
    int Second = screen_open(800, 600, false, false);
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(Second, 0);
    EXPECT_NE(SDL_GL_GetCurrentContext(), nullptr);
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    GLubyte Pixel[4] = {0, 0, 0, 0};
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, Pixel);
    EXPECT_EQ(Pixel[2], 255);
    EXPECT_EQ(Pixel[0], 0);
    screen_close();
    SDL_Quit();
}
