// A level of the player's own, played from its data: the level, then its results, then back to the screen
// it was started from (the player's levels, the editor). Its medals are kept by the level's key and its
// plays as its replays; the table's levels and the save file are not touched. P, R and Escape work as in a
// level of the table; on the results, Enter plays it again and W watches the play.
#pragma once

#include "level_data.h"
#include "play.h"
#include "ref.h"
#include "results_card.h"
#include "screen.h"
#include "text.h"
#include "world.h"

#include <ctime>
#include <string>
#include <vector>

class medal_keeper;
class texture;

class level_run : public screen
{
public:
    level_data level;
    uint64_t key;
    medal_keeper* shelf; // where the medals are kept; null keeps nothing (a level tried in the editor)
    ref<world> run_world;
    ref<play> player;
    bool results_flag; // the level is over and its results shown
    int score_medals;
    int best_before;
    results_card results;
    // Where each play's seed comes from: the clock, as every level start; a test may fix it.
    uint32_t (*level_seed)() = [] { return (uint32_t)time(nullptr); };

    // Needs a GL context for the lettering and pictures. Shelf may be null; BackLabel names where Escape
    // on the results leads.
    level_run(const level_data& L, medal_keeper* Shelf, const texts::message& BackLabel);

    // A new world from a new seed, recorded from its first frame.
    void start();
    void update(double T) override;
    void notice(SDL_Event& E) override;
    void render() override;
    bool done() const override;
    screen* opened() override;
    std::string window_title() const override;
    bool offers(SDL_Keycode Key) const override;
    void hear(cues& Out) override;
    bool pointer_scrolls() const override;
    void pause() override;

private:
    font letters;
    texture* winning_textures[4];
    texture* medal_textures[3];
    bool done_flag;
    screen* to_open;
    std::vector<int> asked;

    void finish();
};
