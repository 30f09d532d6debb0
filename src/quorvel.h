// Program entry, the window with its GL context, and the frame loop. The window shows the picture of
// picture.h, fitted to its size whenever that changes; mouseloc measures the picture in its heights.
#pragma once

#include "picture.h"
#include "ref.h"
#include "sound.h"
#include "vecco.h"

#include <SDL2/SDL.h>

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

// One event of the frame loop: quit, fullscreen, a new window size, sound on or off, or handed to the
// title screen.
void dispatch_event(title& Title, sound& Sound, SDL_Event& E);

// What the frame loop carries from one frame to the next.
struct game_loop
{
    ref<title> screen;
    sound sounds;
    Uint32 prev_ticks = 0; // SDL_GetTicks at the previous frame
};

// The whole program; main only forwards to it.
int run_game(int ArgC, char** ArgV);
// One pass of the frame loop: mouse, events, pacing, update, render, present. The desktop loop and the
// browser's frame callback both call it.
void frame(game_loop& Loop);
// After the last frame: progress saved, the window and SDL closed, the screens released.
void stop_game(game_loop& Loop);
