#include "bindings.h"

#include "texts.h"

#include <algorithm>
#include <cctype>
#include <vector>

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

std::string key_name(SDL_Keycode Key, bool Ctrl)
{
    std::string Name;
    switch (Key)
    {
    case SDLK_SPACE: Name = texts::KEY_SPACE; break;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: Name = texts::KEY_ENTER; break;
    case SDLK_LEFT: Name = texts::KEY_LEFT; break;
    case SDLK_RIGHT: Name = texts::KEY_RIGHT; break;
    case SDLK_ESCAPE: Name = texts::KEY_ESC; break;
    case SDLK_PAUSE: Name = texts::KEY_PAUSE; break;
    default:
        // Letters and function keys are printed on every keyboard alike.
        if (Key >= SDLK_a && Key <= SDLK_z)
            Name = std::string(1, (char)std::toupper((int)Key));
        else if (Key >= SDLK_F1 && Key <= SDLK_F12)
            Name = "F" + std::to_string(Key - SDLK_F1 + 1);
        else
            Name = SDL_GetKeyName(Key);
    }
    return Ctrl ? texts::fill(texts::KEY_CTRL, {Name}) : Name;
}

std::string key_names(const actions* Actions, size_t Count)
{
    std::vector<const binding*> Bound;
    for (size_t a = 0; a < Count && Actions[a] != ac_none; a++)
        for (const binding& B : BINDINGS)
            if (B.action == Actions[a]) Bound.push_back(&B);
    std::vector<std::string> Names;
    auto arrow = [](const binding* B) { return !B->ctrl && (B->key == SDLK_LEFT || B->key == SDLK_RIGHT || B->key == SDLK_UP || B->key == SDLK_DOWN); };
    if (Bound.size() == 4 && std::all_of(Bound.begin(), Bound.end(), arrow))
        Names.push_back(texts::KEY_ARROWS);
    else
        for (const binding* B : Bound)
        {
            const std::string Name = key_name(B->key, B->ctrl);
            if (std::find(Names.begin(), Names.end(), Name) == Names.end()) Names.push_back(Name);
        }
    std::string List;
    for (const std::string& N : Names) List = List.empty() ? N : texts::fill(texts::KEY_LIST, {List, N});
    return List;
}
