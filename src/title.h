// Top-level screen driven by the frame loop. Placeholder until the level row lands: draws the
// background and quits on Escape.
#pragma once

#include "rstate.h"

#include <SDL2/SDL.h>

class title
{
public:
    bool quit_flag;
    double animation_counter;
    rstate R;

    void init();
    void update(double T);
    void notice(SDL_Event& E);
    void render();
};
