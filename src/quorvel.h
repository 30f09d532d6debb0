// Program entry, the window with its GL context, and the frame loop. The window shows the picture of
// picture.h, fitted to its size whenever that changes; mouseloc measures the picture in its heights.
#pragma once

#include "picture.h"
#include "ref.h"
#include "settings.h"
#include "sound.h"
#include "vecco.h"

#include <SDL2/SDL.h>
#include <ostream>
#include <string>

class title;

extern rloc mouseloc;

extern SDL_Window* screen_window;
extern int screen_w, screen_h; // the window's size as last fitted
extern bool is_fullscreen;

int screen_open(int ScreenW, int ScreenH, bool IsFullscreen, bool IsResizable);
// Lets the GL driver finish its work, then ends the context and the window; safe to call twice.
void screen_close();
void toggle_fullscreen();
// The game's icon (data/gfx/icon.tga) on the window; a warning and no icon where it cannot be read.
void set_window_icon();
void refresh_gl_viewport_from_window_size();

// What the frame loop carries from one frame to the next.
struct game_loop
{
    ref<title> screen;
    sound sounds;
    settings kept;         // as the player last set them: rewritten when F11 or M changes one
    Uint32 (*clock)() = SDL_GetTicks; // milliseconds; tests make it leap
    Uint32 prev_ticks = 0; // the clock at the previous frame
    Uint32 toggled_at = 0; // when F11 last toggled fullscreen, which may take the focus for a moment
    bool pointer_away = false; // the pointer has left the window
    std::string spoken;        // the language in use when the settings were last kept
    std::string window_title; // as last set
};

// The longest step a frame hands to the screens: a stall (a machine swapping, a game stopped and
// continued) costs nothing instead of passing its whole length to the world at once.
const Sint32 LONGEST_STEP_MS = 100;

// One event of the frame loop: quit, fullscreen, a new window size, sound on or off, a lost focus that
// pauses a level, or handed to the title screen.
void dispatch_event(game_loop& Loop, SDL_Event& E);

// The whole program; main only forwards to it. The command line (command_line.h) may ask for a command
// that needs no window instead.
int run_game(int ArgC, char** ArgV);
// One pass of the frame loop: mouse, events, pacing, update, render, present. The desktop loop and the
// browser's frame callback both call it.
void frame(game_loop& Loop);
// After the last frame: progress saved, the window and SDL closed, the screens released.
void stop_game(game_loop& Loop);
