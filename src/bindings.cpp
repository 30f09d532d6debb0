#include "bindings.h"


const binding BINDINGS[] = {
    {ac_scroll_left, SDLK_LEFT, false}, {ac_scroll_right, SDLK_RIGHT, false}, {ac_scroll_up, SDLK_UP, false},
    {ac_scroll_down, SDLK_DOWN, false}, {ac_faster, SDLK_SPACE, false},       {ac_pick_left, SDLK_LEFT, false},
    {ac_pick_right, SDLK_RIGHT, false}, {ac_start, SDLK_RETURN, false},       {ac_start, SDLK_KP_ENTER, false},
    {ac_pause, SDLK_p, false},          {ac_pause, SDLK_PAUSE, false},        {ac_restart, SDLK_r, false},
    {ac_back, SDLK_ESCAPE, false},      {ac_watch, SDLK_w, false},            {ac_demo, SDLK_h, false},
    {ac_own_levels, SDLK_l, false},     {ac_editor, SDLK_e, false},           {ac_paste, SDLK_v, true},
    {ac_second_set, SDLK_t, false},     {ac_help, SDLK_F1, false},            {ac_sound, SDLK_m, false},
    {ac_fullscreen, SDLK_F11, false},   {ac_quit, SDLK_F12, false},
};
const size_t BINDING_COUNT = sizeof BINDINGS / sizeof BINDINGS[0];

bool acts(SDL_Keycode Key, Uint16 Mod, actions Action)
{
    for (const binding& B : BINDINGS)
        if (B.action == Action && B.key == Key && (!B.ctrl || (Mod & KMOD_CTRL))) return true;
    return false;
}

bool acts(const SDL_Event& E, actions Action)
{
    return E.type == SDL_KEYDOWN && acts(E.key.keysym.sym, E.key.keysym.mod, Action);
}
