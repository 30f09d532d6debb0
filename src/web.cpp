// The browser's side of platform.h, built into the web page only: the browser runs the frame loop, the
// canvas follows the page's size, the kept files live in the browser's own store, a finger plays as the
// mouse does, and the page's buttons (tools/web/index.html) press the game's keys.
#include "platform.h"

#include "own_levels.h"
#include "quorvel.h"
#include "texts.h"
#include "title.h"

#include <emscripten.h>
#include <emscripten/html5.h>
#include <cstring>
#include <sys/stat.h>
#include <string>
#include <vector>

// SDL's own entry for a pointer that moved: the browser lets no page move the pointer, so SDL's warp does
// nothing here. SDL is linked in whole from tools/web/sdl.sh, its internal functions with it.
extern "C" int SDL_SendMouseMotion(SDL_Window* Window, Uint32 Mouse, int Relative, int X, int Y);

namespace {
// The loop on run_game's stack: a main loop that simulates an infinite loop leaves that stack in place.
game_loop* running = nullptr;
bool kept_unstored = false; // a kept file the browser's store has not been handed yet

// A finger has no hover: its place and its press reach SDL together, yet the screens pick what lay under
// the pointer at their last update. Its press, and all that came after it, waits for the next frame.
std::vector<SDL_Event> held;
int seen_x = -1, seen_y = -1; // the pointer the screens were last updated with, in window pixels
bool finger_pointer = false, finger_down = false;

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

bool from_finger(const SDL_Event& E)
{
    return (E.type == SDL_MOUSEMOTION && E.motion.which == SDL_TOUCH_MOUSEID) ||
           ((E.type == SDL_MOUSEBUTTONDOWN || E.type == SDL_MOUSEBUTTONUP) && E.button.which == SDL_TOUCH_MOUSEID);
}

// Queues this frame's events: all up to a finger's press that lands where the screens have not looked yet;
// that press and the rest wait. The pointer is put where the events this frame hands on leave it. A lifted
// finger leaves the pointer in the middle of a level, where it scrolls nothing.
void pace_fingers()
{
    SDL_PumpEvents();
    std::vector<SDL_Event> Queue;
    Queue.swap(held);
    bool Waited = !Queue.empty(); // the press that waited goes on now, wherever the pointer has been since
    SDL_Event E;
    while (SDL_PeepEvents(&E, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) Queue.push_back(E);
    int X, Y;
    SDL_GetMouseState(&X, &Y);
    bool Moved = false;
    size_t Cut = 0;
    for (; Cut < Queue.size(); Cut++)
    {
        const SDL_Event& Q = Queue[Cut];
        bool Finger = from_finger(Q);
        if (Q.type == SDL_MOUSEBUTTONDOWN && Finger && !(Waited && Cut == 0) && (Q.button.x != seen_x || Q.button.y != seen_y))
            break;
        if (Q.type == SDL_MOUSEMOTION) X = Q.motion.x, Y = Q.motion.y, Moved = true;
        if (Q.type == SDL_MOUSEMOTION || Q.type == SDL_MOUSEBUTTONDOWN || Q.type == SDL_MOUSEBUTTONUP)
            finger_pointer = Finger;
        if (Finger && Q.type != SDL_MOUSEMOTION) finger_down = Q.type == SDL_MOUSEBUTTONDOWN;
    }
    for (size_t a = 0; a < Cut; a++) SDL_PeepEvents(&Queue[a], 1, SDL_ADDEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
    held.assign(Queue.begin() + Cut, Queue.end());
    if (Cut < Queue.size()) X = Queue[Cut].button.x, Y = Queue[Cut].button.y, Moved = true;

    if (Cut == Queue.size() && finger_pointer && !finger_down && running->screen->pointer_scrolls())
    {
        const viewport& V = picture_viewport;
        X = V.x + V.w / 2, Y = screen_h - (V.y + V.h / 2), Moved = true;
    }
    int NowX, NowY;
    SDL_GetMouseState(&NowX, &NowY);
    if (Moved && (X != NowX || Y != NowY)) SDL_SendMouseMotion(screen_window, 0, 0, X, Y);
    seen_x = X, seen_y = Y;
}

// The browser runs no frames while the page is hidden: a level pauses, and the first frame back must not
// pass the whole absence to the screens as one step.
EM_BOOL on_visibility(int, const EmscriptenVisibilityChangeEvent* E, void*)
{
    if (E->hidden)
    {
        // The page may never be shown again: what pausing kept (the editor's work) goes to the store now.
        running->screen->pause_level();
        if (kept_unstored) store(false);
        kept_unstored = false;
    }
    else
        running->prev_ticks = running->clock();
    return EM_FALSE;
}

void browser_frame()
{
    if (running->screen->quit_flag)
    {
        emscripten_cancel_main_loop();
        stop_game(*running);
        store(true);
        return;
    }
    follow_canvas();
    pace_fingers();
    frame(*running);
    if (kept_unstored) store(false);
    kept_unstored = false;
}
} // namespace

// The page's buttons, for a phone without keys: a key pressed and let go.
extern "C" EMSCRIPTEN_KEEPALIVE void quorvel_key(int Key)
{
    SDL_Event E;
    SDL_zero(E);
    E.key.keysym.sym = Key;
    E.key.keysym.scancode = SDL_GetScancodeFromKey(Key);
    E.key.windowID = SDL_GetWindowID(screen_window);
    E.type = SDL_KEYDOWN, E.key.state = SDL_PRESSED;
    SDL_PushEvent(&E);
    E.type = SDL_KEYUP, E.key.state = SDL_RELEASED;
    SDL_PushEvent(&E);
}

// Whether the key a button of the page stands in for does something now: the page dims the others. M,
// sound off and on, works everywhere.
extern "C" EMSCRIPTEN_KEEPALIVE int quorvel_offers(int Key)
{
    if (!running || !running->screen.ptr()) return 0;
    return Key == SDLK_m || running->screen->offers(Key);
}

// Whether sound is on, for the page's Sound button to say.
extern "C" EMSCRIPTEN_KEEPALIVE int quorvel_sound_on()
{
    return running && running->sounds.on_flag;
}

// A level code, a link or a level file's text, pasted into the page or opened from a link or a file: the
// level joins the player's levels, and with Play starts.
// 1: taken; 0: refused, the reason shown; -1: not now, the game is busy or not yet up.
extern "C" EMSCRIPTEN_KEEPALIVE int quorvel_take(const char* Text, int Play)
{
    return running && running->screen.ptr() ? running->screen->take_level(Text, Play != 0) : -1;
}

// The level file chosen on the player's levels, for the page to offer as a download; empty elsewhere.
extern "C" EMSCRIPTEN_KEEPALIVE const char* quorvel_chosen_level()
{
    static std::string Path;
    own_levels* Levels = running && running->screen.ptr() ? dynamic_cast<own_levels*>(running->screen->top()) : nullptr;
    Path = Levels && Levels->selected >= 0 ? kept_path("levels/" + Levels->shelf.levels[Levels->selected].file) : "";
    return Path.c_str();
}

// Whether the player's levels are shown, for the page to show its buttons for level files.
extern "C" EMSCRIPTEN_KEEPALIVE int quorvel_levels_shown()
{
    return running && running->screen.ptr() && dynamic_cast<own_levels*>(running->screen->top()) != nullptr;
}

// The page's own words in the language spoken: the English of one of texts::PAGE_WORDS, translated.
extern "C" EMSCRIPTEN_KEEPALIVE const char* quorvel_text(const char* English)
{
    for (const texts::message* M = texts::PAGE_WORDS; M->english; M++)
        if (std::strcmp(M->english, English) == 0) return M->c_str();
    return English;
}

// The language spoken ("" for English), so the page knows when to name its buttons anew.
extern "C" EMSCRIPTEN_KEEPALIVE const char* quorvel_language()
{
    return texts::language().c_str();
}

// The page asks the player to turn the phone: the level waits meanwhile.
extern "C" EMSCRIPTEN_KEEPALIVE void quorvel_pause()
{
    if (running && running->screen.ptr()) running->screen->pause_level();
}

std::string kept_path(const std::string& Name)
{
    return "/progress/" + Name; // filled from the store by tools/web/pre.js
}

void kept_file_written()
{
    kept_unstored = true;
}

bool can_quit()
{
    return false; // a page that ended the game would leave only a reload
}

void copy_text(const std::string& Text)
{
    // A key press or a click is going on, which browsers ask of a page that writes to the clipboard.
    EM_ASM({ if (navigator.clipboard) navigator.clipboard.writeText(UTF8ToString($0)).catch(function () {}); }, Text.c_str());
}

std::string pasted_text()
{
    return "";
}

bool clipboard_readable()
{
    return false; // the page hands over what is pasted (quorvel_take)
}

bool ask_text(const std::string& Question, std::string& Text)
{
    if (!touch_screen()) return false; // a keyboard types into the game
    char* Answer = (char*)EM_ASM_INT({
        var Said = prompt(UTF8ToString($0), UTF8ToString($1));
        if (Said === null) return 0;
        var Size = lengthBytesUTF8(Said) + 1;
        var At = _malloc(Size);
        stringToUTF8(Said, At, Size);
        return At;
    }, Question.c_str(), Text.c_str());
    if (Answer) Text = Answer;
    free(Answer);
    return true;
}

std::string page_address()
{
    char* Address = (char*)EM_ASM_INT({
        var Text = location.origin + location.pathname;
        var Size = lengthBytesUTF8(Text) + 1;
        var At = _malloc(Size);
        stringToUTF8(Text, At, Size);
        return At;
    });
    std::string Out = Address;
    free(Address);
    return Out;
}

bool touch_screen()
{
    // The page marks itself when the device has a finger for a pointer (tools/web/index.html).
    return EM_ASM_INT({ return document.documentElement.classList.contains('touch') ? 1 : 0; });
}

void run_frames(game_loop& Loop)
{
    // emscripten starts with every permission bit masked, so a save made with the umask applied would be
    // unreadable when the store gives it back on the next visit.
    ::umask(022);
    running = &Loop;
    emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, on_visibility);
    // Once per display refresh, as a desktop whose buffer swap waits for the refresh runs the loop.
    emscripten_set_main_loop(browser_frame, 0, 1);
}
