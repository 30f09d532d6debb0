// The screen of a level in play: turns the mouse into pollen drags and edge scrolling, keeps the view on
// the map, and raises quit_flag when every bee is home or dead, or on Escape. P pauses it: the world
// stands still, drawn as it was, under a card; R asks the title screen for the level afresh
// (restart_flag); Space held plays it at double speed. The title screen links a world with init_level
// before anything else is called.
#pragma once

#include "bee_marks.h"
#include "flower.h"
#include "ghost_hand.h"
#include "pollen_gauge.h"
#include "ref.h"
#include "replay.h"
#include "rstate.h"
#include "text.h"
#include "trail.h"
#include "world.h"

#include <SDL2/SDL.h>
#include <vector>

// The level's banner keeps this far in from the picture's sides: its name shrinks to fit, its line wraps.
const double BANNER_MARGIN = 0.6;

class play
{
public:
    enum modes
    {
        m_none,
        m_drag_pollen
    };

    bool quit_flag;
    bool paused_flag;
    bool restart_flag;
    rstate R;
    ref<world> link_world; // shared with the title screen
    modes mode;
    std::vector<flower*> drag_pollen_flowers; // borrowed: the world keeps its flowers for its whole life

    // Beside the rules: what the screen says and shows besides, drawn over the world, drawing nothing
    // from any generator.
    struct mark
    {
        rpos at;     // in the world
        double born; // world time
        bool kill;   // a bee lost here, or a press that caught no flower
    };
    font letters;         // loaded by the title screen
    int level_index;      // for the level's name and goal; -1 for a world made by hand or a player's level
    std::string banner_name, banner_line; // a player's level's name and opening line, shown as it opens
    int misses;           // presses that caught no flower, or only wilted ones, each heard and marked
    int scroll_keys;      // the arrow keys held, a bit each: they scroll as the picture's edges do
    std::vector<mark> marks;
    // What the world does, shown as it happens: the drag's trail, a mark on every bee, the pollen of the
    // flowers in hand, and on level 1 the ghost hand. Off, the screen draws what the rules alone draw.
    bool hints_flag;
    trail drag_trail;
    bee_marks bee_signs;
    pollen_gauge gauges;
    ghost_hand ghost;
    // Space held in a play: two steps a frame, each recorded as a frame of its own.
    bool hurry_flag;

    // Every play is recorded as it goes; the title screen keeps the recording when the play ends.
    replay recording;
    std::vector<replay_event> taken; // since the last frame recorded
    // A replay played instead of the player's hand: its frames, its pointer; the player's mouse does
    // nothing, Space plays two frames a frame, P pauses and Escape leaves.
    const replay* watching;
    size_t watched_frames;
    bool fast_flag;
    bool demo_flag;       // a demonstration, not a play of the player's own
    bool pointer_down;    // the watched pointer's button

    play();
    virtual ~play();

    void init_level(ref<world> LinkWorld);
    // After init_level: the level is a new play, recorded from its first frame on.
    void record(int LevelId, uint32_t Seed, uint64_t LevelHash);
    // After init_level with a player's level: its name and opening line are shown as it opens.
    void name_level(const level_data& L);
    // After init_level with the world the replay was made in: plays it instead of the player.
    void watch(const replay& R, bool Demo);
    // One frame of the replay (two when fast): its events, pointer and step.
    void play_watched();
    bool watched_out() const;
    // Pausing ends any drag; the world is neither updated nor drawn anew until the pause ends.
    void set_paused(bool Paused);
    void update(double T);
    // What a frame does to the world, recorded or replayed.
    void step(double T);
    // What an event does to the world, recorded or replayed.
    void take(SDL_Event& E);
    void notice(SDL_Event& E);
    void render();
    void render_paused_card();
    // What the paused card offers: keys, or with a finger the page's buttons; in a replay, no start again.
    std::string paused_keys() const;
    void render_hud();
    void render_hurry_mark();
    // Level 1's ghost hand shows, until the player's first press there.
    bool teaching() const;
    void clamp_view_center();
};

// A replay played through from its seed without a window, as fast as it goes: the world it ends in.
ref<world> play_through(const replay& R, int LevelIndex);
ref<world> play_through(const replay& R, const level_data& L);

// Where on the picture the arrow to the hive stands, and which way it points (radians, y down), when the
// hive's picture position lies outside the picture; false when the hive is in view.
bool hive_arrow(const rpos& HiveOnPicture, rpos& At, double& Angle);
// Where the paused card stands up and down the picture: across the middle, unless the hive (its position on
// the picture) is there; then above or below it, whichever is farther from the hive.
double paused_card_y(const rpos& HiveOnPicture);
