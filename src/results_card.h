// What the results say under the results picture: the counts, what each medal the level can award
// needed, whether this play did better than before, and the buttons on (back to the row, watch the play
// again, the next level). It rings the medals earned one after another. The title shows it in its
// results modes and keeps their rules: Escape and the go button still leave as they always did.
#pragma once

#include "button.h"
#include "replay.h"
#include "texts.h"

#include <SDL2/SDL.h>
#include <string>
#include <vector>

class font;
class texture;
class world;

class results_card
{
public:
    enum choices
    {
        c_none,
        c_back,
        c_watch,
        c_next
    };

    int best_before; // the level's stored medals when its play ended
    replay played;   // the play the results are about, to watch again
    texts::message back_label; // the way back, to the row or wherever the level was started from, in the language spoken when drawn
    std::string next_label; // the way on, to the next level or the level again; empty for none
    bool back_hover_flag;
    bool watch_hover_flag;
    bool next_hover_flag;

    results_card();

    // A play ended: the card starts over, its medals not rung yet.
    void start(const replay& Played, int BestBefore);
    // The buttons under Cursor (picture units).
    void hover(const rloc& Cursor, const font& Letters);
    // Score medals rung one after another, asked for in Sounds.
    void chime(double T, int Score, std::vector<int>& Sounds);
    // What a key or a click on the card chooses.
    choices choice(const SDL_Event& E) const;
    // Stored is the level's best medals; Slide the title's slide.
    void render(const font& Letters, texture* const Medals[3], const world& W, int Score, int Stored, double Slide) const;

private:
    int medals_rung;
    double medal_counter;
};

// The buttons, left to right: back, watch again, and on (NextLabel empty: none). Watch sits in the middle
// of what the other two leave, so a long level name never runs into it.
void results_buttons(const font& Letters, const std::string& BackLabel, const std::string& NextLabel, button_place& Back,
                     button_place& Watch, button_place& NextLevel);
