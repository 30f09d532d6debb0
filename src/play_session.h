// A headless player's seat at a level: the level's world built from a seed and played through the real
// play screen, frame by frame, the way a person plays it: the mouse moved at a hand's pace, its button
// pressed and let go. The balance report, the demonstrations and the editor's verdict all play through it.
// Needs the medal pictures under data/ in the working directory; without a GL context texture uploads are
// no-ops, so the world loads as in the game. A frame sets mouseloc and cur_world, as the game's own frame
// does: a caller inside the running game puts its own back afterwards.
#pragma once

#include "level.h"
#include "level_data.h"
#include "play.h"
#include "ref.h"
#include "world.h"

#include <cmath>

namespace player {

const double STEP = 0.01;          // the game's frame at its pace of 100 frames a second
const double TIME_LIMIT = 600.0;   // ten minutes of play
const double MOUSE_SPEED = 3.0;    // picture heights a second: 30 world units, a quick hand
// A careful hand, nearer most people's: one picture height a second (600 pixels at 800x600), and a
// moment's rest on the spot before each press.
const double CAREFUL_SPEED = 1.0;
const double CAREFUL_PAUSE = 0.3;
// A new player's hand: the careful hand at half its pace, and a longer look before each press, to find
// the flower among the others and make sure the pointer sits on it before trusting the button.
const double NEW_SPEED = 0.5;
const double NEW_PAUSE = 0.8;
const double MOUSE_W = 4.0 / 3.0; // mouseloc's range across

struct result
{
    int total_bees = 0;
    int rescued_bees = 0;
    int killed_bees = 0;
    int medals = 0;
    double end_time = -1.0; // seconds until every bee was home or dead; -1 if the time ran out
    int killed_near_hive = 0; // of killed_bees, those caught within HIVE_REACH of the hive
    int killed_early = 0;     // of killed_bees, those caught in the first EARLY seconds
    int killed_settling = 0;  // of killed_bees, those caught in the first SETTLE seconds
    int left = 0;             // bees neither home nor dead at the end
    int left_by_flower = 0;   // of those, the ones within FLOWER_REACH of a flower
};

// How the player's hand moves the mouse and presses its button.
struct hand
{
    double speed = MOUSE_SPEED; // picture heights a second
    double press_pause = 0.0;   // seconds of rest before each new press
    // As the game sees a real mouse: the pointer on whole pixels of a picture this high (0: anywhere),
    // the hand's own place kept finer, so that it still creeps at a bee's pace; and every frame drawn,
    // as the game draws it, which the horseflies' wings draw random numbers for.
    int pixels = 0;
    bool drawn = false;
};

hand careful_hand();
hand new_hand();

inline double dist2d(const rpos& A, const rpos& B) { return std::hypot(A[0] - B[0], A[1] - B[1]); }

// One level in play, driven frame by frame like the game's own loop: mouse, events, update.
class session
{
public:
    ref<world> W;
    play P;
    rloc mouse;
    bool button_down = false;
    double clock = 0.0;
    hand H;
    double rested = 0.0; // seconds the hand has waited to press

    session(int LevelIndex, unsigned long Seed, const hand& Hand = hand());
    // A level that need not be in the game's table.
    session(level& Level, unsigned long Seed, const hand& Hand = hand());
    // A level from a file or the editor, checked sound (level_sound): the same world as from the table.
    session(const level_data& Level, unsigned long Seed, const hand& Hand = hand());

    world& wld() { return *W.ptr(); }
    bool over() const { return P.quit_flag; }

    // Where the hand means to point: the world's cursor, and what lies between the pixels besides.
    rpos cursor() const;
    // One frame: the mouse moves toward the picture point that shows Goal (at most the hand's speed,
    // and never off the picture, which makes the game scroll when Goal is out of view), the button
    // goes down (once the hand has rested) or up as asked, then the play screen updates.
    void frame(const rpos& Goal, bool WantDown);
    // Bees killed in the last frame: the world sweeps the dead at the start of its next update, so
    // each is listed for exactly one frame.
    int fresh_kills_near(const rpos& Where, double Reach);
    result outcome() const;

private:
    void open();
};

} // namespace player
