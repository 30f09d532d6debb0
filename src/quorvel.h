// Program entry, the window with its GL context, and the frame loop. The picture is a 4:3 area of
// 13.333... by 10 GL units (y down) fitted into the window; mouseloc measures it in units of its height.
#pragma once

#include "vecco.h"

#include <SDL2/SDL.h>

class title;

extern rloc mouseloc;

extern SDL_Window* screen_window;
extern int screen_w, screen_h;
extern int screen_offset_x, screen_offset_y;
extern bool is_fullscreen;

int screen_open(int ScreenW, int ScreenH, bool IsFullscreen, bool IsResizable);
// Lets the GL driver finish its work, then ends the context and the window; safe to call twice.
void screen_close();
void toggle_fullscreen();
void refresh_gl_viewport_from_window_size();

// The largest centred 4:3 viewport for a window, in the integer arithmetic the game has always used.
void fit_viewport(int WindowW, int WindowH, int& ViewW, int& ViewH, int& OffsetX, int& OffsetY);
// A window pixel in picture units, clamped to the picture.
rloc mouse_to_picture(int MouseX, int MouseY, int OffsetX, int OffsetY, int WindowH);
// One event of the frame loop: quit, fullscreen, or handed to the title screen.
void dispatch_event(title& Title, SDL_Event& E);

// The whole program; main only forwards to it.
int run_game(int ArgC, char** ArgV);
