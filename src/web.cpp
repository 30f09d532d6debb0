// The browser's side of platform.h, built into the web page only: the browser runs the frame loop, the
// canvas follows the page's size, and the kept files live in the browser's own store.
#include "platform.h"

#include "quorvel.h"
#include "title.h"

#include <emscripten.h>
#include <emscripten/html5.h>
#include <sys/stat.h>

namespace {
game_loop running; // the browser's frames outlive run_game's stack
bool kept_unstored = false; // a kept file the browser's store has not been handed yet

// Hands the progress directory to the browser's store; at the end the page learns when it is kept.
void store(bool Ending)
{
    EM_ASM({
        FS.syncfs(false, function(Err) {
            if (Err) err('! save all levels: the browser did not keep the save file: ' + Err);
            if ($0 && Module.stopped) Module.stopped();
        });
    }, Ending);
}

// The page sizes the canvas with CSS; the window, and so the picture's fit, follows it in device
// pixels. SDL reports the new size as a window event, which the frame's event loop refits on.
void follow_canvas()
{
    double CssW = 0, CssH = 0;
    emscripten_get_element_css_size("#canvas", &CssW, &CssH);
    double Ratio = emscripten_get_device_pixel_ratio();
    int W = (int)(CssW * Ratio + 0.5), H = (int)(CssH * Ratio + 0.5);
    int NowW, NowH;
    SDL_GetWindowSize(screen_window, &NowW, &NowH);
    if (W > 0 && H > 0 && (W != NowW || H != NowH)) SDL_SetWindowSize(screen_window, W, H);
}

// The browser runs no frames while the page is hidden: a level pauses, and the first frame back must not
// pass the whole absence to the screens as one step.
EM_BOOL on_visibility(int, const EmscriptenVisibilityChangeEvent* E, void*)
{
    if (E->hidden)
        running.screen->pause_level();
    else
        running.prev_ticks = running.clock();
    return EM_FALSE;
}

void browser_frame()
{
    if (running.screen->quit_flag)
    {
        emscripten_cancel_main_loop();
        stop_game(running);
        store(true);
        return;
    }
    follow_canvas();
    frame(running);
    if (kept_unstored) store(false);
    kept_unstored = false;
}
} // namespace

std::string kept_path(const std::string& Name)
{
    return "/progress/" + Name; // filled from the store by tools/web/pre.js
}

void kept_file_written()
{
    kept_unstored = true;
}

void run_frames(game_loop& Loop)
{
    // emscripten starts with every permission bit masked, so a save made with the umask applied would be
    // unreadable when the store gives it back on the next visit.
    ::umask(022);
    running.screen = Loop.screen; // the web page is silent: the loop's sounds stay behind
    running.prev_ticks = Loop.prev_ticks;
    running.kept = Loop.kept;
    running.sounds.on_flag = Loop.sounds.on_flag;
    Loop.screen.clear();
    emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, on_visibility);
    // Once per display refresh, as a desktop whose buffer swap waits for the refresh runs the loop.
    emscripten_set_main_loop(browser_frame, 0, 1);
}
