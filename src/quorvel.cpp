#include "quorvel.h"

#include "bindings.h"
#include "catalog.h"
#include "command_line.h"
#include "die.h"
#include "level.h"
#include "loadtga.h"
#include "own_levels.h"
#include "platform.h"
#include "play.h"
#include "ref.h"
#include "replay.h"
#include "safe_file.h"
#include "screen.h"
#include "sound.h"
#include "texts.h"
#include "title.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <cassert>
#include <clocale>
#include <csignal>
#include <cstring>
#include <langinfo.h>

rloc mouseloc;

namespace {
volatile std::sig_atomic_t hung_up = 0;

void on_hangup(int)
{
    hung_up = 1;
}

// A fatal line must not be followed by a hang in the GL driver, nor leave SDL's video set up.
void close_for_fatal_exit()
{
    screen_close();
    SDL_Quit();
}
} // namespace

SDL_Window* screen_window = nullptr;
int screen_w = 0, screen_h = 0;
bool is_fullscreen = false;
SDL_GLContext gl_context = nullptr;

int screen_open(int ScreenW, int ScreenH, bool IsFullscreen, bool IsResizable)
{
    assert(0 == screen_window);

    trace('-', "screen open: want BPP is ", 32);
    trace('-', "screen open: setting GL color sizes attributes");
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);

    trace('-', "screen open: setting video mode");
    Uint32 Flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN;
    if (IsResizable) Flags |= SDL_WINDOW_RESIZABLE;

    int W = ScreenW, H = ScreenH;
    int Pos;
    if (IsFullscreen)
    {
        Pos = SDL_WINDOWPOS_UNDEFINED;
        if (W == 0 || H == 0)
        {
            trace('-', "screen open: setting to fullscreen desktop resolution");
            Flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
            W = 800;
            H = 600;
        }
        else
        {
            trace('-', "screen open: setting to fullscreen ", W, "x", H);
            Flags |= SDL_WINDOW_FULLSCREEN;
        }
    }
    else
    {
        Pos = SDL_WINDOWPOS_CENTERED;
        if (W == 0 || H == 0)
        {
            trace('-', "screen open: 0 for screen w or h, setting to default windowed resolution ", 800, "x", 600);
            W = 800;
            H = 600;
        }
        else
            trace('-', "screen open: setting to windowed ", W, "x", H);
    }

    screen_window = SDL_CreateWindow("Loading...", Pos, Pos, W, H, Flags);
    if (!screen_window)
    {
        trace('*', "screen open: couldn't set GL mode; ", SDL_GetError());
        return -1;
    }
    is_fullscreen = IsFullscreen;
    gl_context = SDL_GL_CreateContext(screen_window);
    die_on_exit(close_for_fatal_exit);

    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(-400, 400, -300, 300);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glShadeModel(GL_SMOOTH);
    // Fully transparent texels must not write depth, or they would hide what is drawn after them.
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0);

    refresh_gl_viewport_from_window_size();
    return 0;
}

void screen_close()
{
    if (!screen_window) return;
    // Mesa's llvmpipe can deadlock at exit when its context is torn down with a frame still being
    // rasterized (it happened about one quit in thirty under load), so drain it and end it ourselves.
    glFinish();
    SDL_GL_MakeCurrent(screen_window, nullptr);
    if (gl_context) SDL_GL_DeleteContext(gl_context);
    gl_context = nullptr;
    SDL_DestroyWindow(screen_window);
    screen_window = nullptr;
}

void refresh_gl_viewport_from_window_size()
{
    SDL_GetWindowSize(screen_window, &screen_w, &screen_h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, PICTURE_W, PICTURE_H, 0.0);
    glMatrixMode(GL_MODELVIEW);

    const viewport& V = picture_viewport = fit_picture(screen_w, screen_h);
    glViewport(V.x, V.y, V.w, V.h);
    // Points are not cut at the viewport's edge: the scissor keeps sprites by the picture's edge out of the bars.
    glScissor(V.x, V.y, V.w, V.h);
    trace('-', "refresh screen viewport: now ", screen_w, "x", screen_h, ", viewport ", V.w, "x", V.h);
}

void toggle_fullscreen()
{
    is_fullscreen = !is_fullscreen;
    SDL_SetWindowFullscreen(screen_window, is_fullscreen ? SDL_WINDOW_FULLSCREEN : 0);
    trace('-', "toggle fullscreen: now ", is_fullscreen ? "fullscreen" : "windowed");
    refresh_gl_viewport_from_window_size();
}

void dispatch_event(game_loop& Loop, SDL_Event& E)
{
    title& Title = *Loop.screen.ptr();
    if (E.type == SDL_QUIT)
        Title.quit_flag = true;
    else if (acts(E, ac_quit))
        Title.quit_flag = true;
    else if (acts(E, ac_fullscreen))
    {
        toggle_fullscreen();
        Loop.toggled_at = Loop.clock();
        Loop.kept.fullscreen = is_fullscreen;
        save_settings(Loop.kept);
    }
    else if (acts(E, ac_sound))
    {
        Loop.sounds.toggle();
        Loop.kept.sound = Loop.sounds.on_flag;
        save_settings(Loop.kept);
    }
    else if (E.type == SDL_WINDOWEVENT && E.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
    {
        // Under X11 the size read right after going fullscreen can still be the old one; this is
        // the real one. An unchanged size needs no second viewport line.
        if (E.window.data1 != screen_w || E.window.data2 != screen_h) refresh_gl_viewport_from_window_size();
    }
    else if (E.type == SDL_WINDOWEVENT && (E.window.event == SDL_WINDOWEVENT_LEAVE || E.window.event == SDL_WINDOWEVENT_ENTER))
        Loop.pointer_away = E.window.event == SDL_WINDOWEVENT_LEAVE;
    else if (E.type == SDL_WINDOWEVENT && (E.window.event == SDL_WINDOWEVENT_FOCUS_LOST || E.window.event == SDL_WINDOWEVENT_MINIMIZED))
    {
        // Going fullscreen or back can take the focus away for a moment: that is no reason to pause.
        if (Loop.toggled_at == 0 || Loop.clock() - Loop.toggled_at > 1000) Title.pause_level();
    }
    else
    {
        // The pointer where the press happens, not where the frame began: a quick move and a click come
        // in one batch of events.
        if (E.type == SDL_MOUSEBUTTONDOWN) mouseloc = window_to_picture(E.button.x, E.button.y, picture_viewport, screen_h);
        Title.notice(E);
    }
}

// The window's picture in docks and task bars; the game runs on without it.
void set_window_icon()
{
    const char* const Name = "data/gfx/icon.tga";
    std::ifstream In;
    std::string Problem = "no such file";
    SDL_Surface* Icon = open_plain_file(Name, In, Problem) == or_open ? read_tga(In, Problem) : nullptr;
    if (!Icon)
    {
        trace('!', "screen open: no window icon from ", Name, ": ", Problem);
        return;
    }
    SDL_SetWindowIcon(screen_window, Icon);
    SDL_FreeSurface(Icon);
}

// Whether the video driver SDL chose puts a window on a screen, or was asked for by name (SDL_VIDEODRIVER).
static bool shows_a_window(const char* Driver, const char* Asked)
{
    if (!Driver) return false;
    bool Invisible = std::strcmp(Driver, "offscreen") == 0 || std::strcmp(Driver, "dummy") == 0;
    // Asked for by name (tests and tools do), an invisible driver is what the caller wants.
    return !Invisible || (Asked && std::strstr(Asked, Driver));
}

int run_game(int ArgC, char** ArgV)
{
    const command_line Asked = run_command_line(ArgC, ArgV);
    if (!Asked.start_game) return Asked.status;
    // A closed terminal ends the game like a closed window, progress saved; SDL does the same for
    // SIGINT and SIGTERM. Standard output may be gone with it: a write then fails instead of killing us.
    std::signal(SIGHUP, on_hangup);
    std::signal(SIGPIPE, SIG_IGN);
    trace('-', "WELCOME TO QUORVEL BEES!!!");
    trace('-', "- quorvel bees can do anything");
    trace('-', "- they are awesome");
    trace('-', "- how are you today");
    trace('-', "main: initializing SDL");

    // The window's title is UTF-8 ("—", "·", a level's name). A program starts in the "C" locale, in which
    // Xlib mangles it; the player's own locale, or failing a UTF-8 one C.UTF-8, lets it through. Only the
    // character type changes: numbers are still written the one way.
    const char* Locale = std::setlocale(LC_CTYPE, "");
    if (!Locale || std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
    // Docks match the window to the menu entry quorvel-bees.desktop by its class (X11) or app id (Wayland).
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", "quorvel-bees", 0);
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", "quorvel-bees", 0);
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) < 0)
    {
        trace('*', "main fatal: can't initialize SDL: ", SDL_GetError());
        return -1;
    }
    if (!shows_a_window(SDL_GetCurrentVideoDriver(), SDL_getenv("SDL_VIDEODRIVER")))
    {
        // Without a display SDL quietly falls back to a driver that draws nowhere: the game would run
        // unseen, with no way out but a kill.
        trace('*', "main fatal: can't initialize SDL: no display to open a window on (video driver ",
              SDL_GetCurrentVideoDriver(), ")");
        SDL_Quit();
        return -1;
    }
    if (screen_open(800, 600, false, false) != 0)
    {
        trace('*', "main fatal: can't open screen!");
        return -1;
    }

    scan_all_levels();

    game_loop Loop;
    Loop.screen = mkref(new title);
    Loop.screen->init();
    SDL_SetWindowTitle(screen_window, texts::GAME);
    Loop.window_title = texts::GAME;
    set_window_icon();
    Loop.sounds.init();
    Loop.kept = load_settings();
    // The language chosen on the title screen, else the one the environment asks for (the browser's, in the
    // page), else English; silent either way.
    texts::use_language(!Loop.kept.language.empty() ? Loop.kept.language
                                                     : texts::language_for(languages_asked(SDL_getenv("LANGUAGE"), SDL_getenv("LC_ALL"),
                                                                                           SDL_getenv("LC_MESSAGES"), SDL_getenv("LANG"))));
    Loop.spoken = texts::language();
    if (Loop.kept.fullscreen) toggle_fullscreen(), Loop.toggled_at = Loop.clock();
    Loop.sounds.on_flag = Loop.kept.sound;
    if (!Asked.replay.empty())
    {
        replay R;
        std::string Problem;
        if (load_replay(Asked.replay, R, Problem))
            Loop.screen->watch(R, false);
        else
            trace('!', "replay: can't play ", Asked.replay, ": ", Problem);
    }
    if (!Asked.level_file.empty()) Loop.screen->open_levels()->take_file(Asked.level_file);

    Loop.prev_ticks = Loop.clock();
    run_frames(Loop);
    return 0;
}

void frame(game_loop& Loop)
{
    title& Title = *Loop.screen.ptr();
    int MouseX, MouseY;
    Uint32 Buttons = SDL_GetMouseState(&MouseX, &MouseY);
    mouseloc = window_to_picture(MouseX, MouseY, picture_viewport, screen_h);
    // A pointer gone out of the window rests, for a level, in the middle of the picture: left where it
    // crossed the edge it would scroll the map on its own. A button held keeps it at work, as in a drag
    // carried past the edge.
    if (Loop.pointer_away && !Buttons && Title.pointer_scrolls()) mouseloc = mkrloc(PICTURE_ASPECT / 2, 0.5);

    SDL_Event E;
    while (SDL_PollEvent(&E)) dispatch_event(Loop, E);
    if (hung_up) Title.quit_flag = true;

    Uint32 Now = Loop.clock();
    Sint32 Elapsed = (Sint32)(Now - Loop.prev_ticks);
    if (10 - Elapsed > 0) SDL_Delay(10 - Elapsed);

    // The delay just taken belongs to the next frame's step.
    double Step = std::min(Elapsed, LONGEST_STEP_MS) / 1000.0;
    Title.update(Step);
    if (texts::language() != Loop.spoken)
    {
        // The player chose another language (on the help card): kept for the next start.
        Loop.spoken = texts::language();
        Loop.kept.language = Loop.spoken.empty() ? "en" : Loop.spoken;
        save_settings(Loop.kept);
    }
    cues Heard;
    Title.hear(Heard);
    Loop.sounds.follow(Heard, Step);
    if (Title.window_title() != Loop.window_title)
    {
        Loop.window_title = Title.window_title();
        SDL_SetWindowTitle(screen_window, Loop.window_title.c_str());
    }
    glEnable(GL_SCISSOR_TEST);
    Title.render();
    Loop.sounds.render();
    glDisable(GL_SCISSOR_TEST);
    SDL_GL_SwapWindow(screen_window);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    Loop.prev_ticks = Now;
}

void stop_game(game_loop& Loop)
{
    Loop.screen->keep_screens();
    save_all_levels();
    Loop.sounds.close();
    screen_close();
    SDL_Quit();
    Loop.screen.clear();
}
