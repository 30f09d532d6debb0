// The screen of a level in play: turns the mouse into pollen drags and edge scrolling, keeps the view on
// the map, and raises quit_flag when every bee is home or dead, or on Escape. The title screen links a
// world with init_level before anything else is called.
#pragma once

#include "flower.h"
#include "ref.h"
#include "rstate.h"
#include "world.h"

#include <SDL2/SDL.h>
#include <vector>

class play
{
public:
    enum modes
    {
        m_none,
        m_drag_pollen
    };

    bool quit_flag;
    rstate R;
    ref<world> link_world; // shared with the title screen
    modes mode;
    std::vector<flower*> drag_pollen_flowers; // borrowed: the world keeps its flowers for its whole life

    play();
    virtual ~play();

    void init_level(ref<world> LinkWorld);
    void update(double T);
    void notice(SDL_Event& E);
    void render();
    void clamp_view_center();
};
