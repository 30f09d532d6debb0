// The keys the game acts on, in one table: the screens ask it whether a key does an action, and the help
// card names each action's keys from it, in the language spoken (texts::key_names).
#pragma once

#include <SDL2/SDL.h>
#include <cstddef>

enum actions
{
    ac_none, // no action: a row of the help card that names no key
    ac_scroll_left,
    ac_scroll_right,
    ac_scroll_up,
    ac_scroll_down,
    ac_faster,     // held in a level; a replay's double speed
    ac_pick_left,  // on the row
    ac_pick_right,
    ac_start,      // the picked level; on the results, the next
    ac_pause,
    ac_restart,
    ac_back,       // ends a level, leaves a screen, quits from the row
    ac_watch,      // the best play kept, or the last one
    ac_demo,
    ac_own_levels,
    ac_editor,
    ac_paste,
    ac_second_set,
    ac_help,
    ac_sound,
    ac_fullscreen,
    ac_quit,
    AC_SIZE
};

struct binding
{
    actions action;
    SDL_Keycode key;
    bool ctrl; // with Ctrl held
};

extern const binding BINDINGS[];
extern const size_t BINDING_COUNT;

// Whether Key, pressed with Mod, does Action.
bool acts(SDL_Keycode Key, Uint16 Mod, actions Action);
// Whether E is a key pressed that does Action.
bool acts(const SDL_Event& E, actions Action);
