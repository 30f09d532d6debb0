// A screen the title screen hands the frame to: a card over the level row (the help card) or a picture
// of its own (a replay being watched, the player's levels). The frame loop knows the title screen alone;
// the title shows screens one over another and gives the frame to the top one until it is done. What
// the window's title says, which of the page's buttons work and what is heard all follow the screen
// shown, never another screen's fields.
#pragma once

#include <SDL2/SDL.h>
#include <string>
#include <vector>

class play;

// What a screen asks the player to hear: sounds once each (sound_ids), asked since the last frame, and
// the level in play whose creatures, flowers and drag are heard.
struct cues
{
    std::vector<int> sounds;
    const play* level = nullptr;
};

class screen
{
public:
    virtual ~screen() {}

    virtual void update(double T) = 0;
    virtual void notice(SDL_Event& E) = 0;
    virtual void render() = 0;
    // The title takes the frame back, and lets the screen go.
    virtual bool done() const = 0;
    // A screen this one opens over itself (a level started from a list), handed over once: the title shows
    // it until it is done, then this one again.
    virtual screen* opened() { return nullptr; }
    // False for a card drawn over the title's picture, which then goes on under it.
    virtual bool whole_picture() const { return true; }
    // Empty: the title's own.
    virtual std::string window_title() const { return ""; }
    // Whether Key does something here now: the page lights only the buttons that stand in for such keys.
    virtual bool offers(SDL_Keycode) const { return false; }
    // Moves what it asked to be heard since the last frame into Out.
    virtual void hear(cues&) {}
    // A level in play, where a pointer at the picture's edge scrolls the map.
    virtual bool pointer_scrolls() const { return false; }
    // The window lost the focus: a level in play waits, work in the editor is kept.
    virtual void pause() {}
    // The game stops: whatever the screen holds that the player would miss is written now.
    virtual void keep() {}
};
