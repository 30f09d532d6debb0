// A replay played again in a world of its own, its hand shown: a play the player kept, or a level's
// demonstration. Watching changes no medal and no kept replay; the screen shown before comes back when
// the replay has played out or the player leaves it (Escape).
#pragma once

#include "play.h"
#include "ref.h"
#include "replay.h"
#include "screen.h"
#include "world.h"

#include <string>

class replay_view : public screen
{
public:
    replay watched;
    int level_index; // in the table, or -1 for a player's level
    std::string label; // the level's number and name, or a player's level's name
    ref<world> watch_world;
    ref<play> player; // plays the replay's frames instead of the player's hand

    // R must have been made on the level at LevelIndex (replay_level). Needs a GL context for the lettering.
    replay_view(const replay& R, int LevelIndex, bool Demo);
    // R must have been made on L (replay_of); a Demo is the game's own, shown as a demonstration.
    replay_view(const replay& R, const level_data& L, bool Demo = false);
    void start(bool Demo);

    void update(double T) override;
    void notice(SDL_Event& E) override;
    void render() override;
    bool done() const override;
    std::string window_title() const override;
    bool offers(SDL_Keycode Key) const override;
    void hear(cues& Out) override;
    bool pointer_scrolls() const override;
    void pause() override;
};
