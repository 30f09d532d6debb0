// The top-level screen, the only one the frame loop knows: title and rules pictures, the scrolling row
// of level tiles, the go button, the results picture, and the program's quit request. It owns the play
// screen and the world of the current or last level.
#pragma once

#include "play.h"
#include "ref.h"
#include "replay.h"
#include "rstate.h"
#include "text.h"
#include "vecco.h"
#include "world.h"

#include <SDL2/SDL.h>

class texture;

class title
{
public:
    enum modes
    {
        m_slide_in,
        m_title,
        m_slide_out,
        m_scores_in,
        m_scores,
        m_scores_out,
        m_play
    };

    bool quit_flag;
    int hover_level; // -1 for none; may lie past the table
    int cur_level;
    double cur_scroll;
    double slide_in_alpha; // 0: every quad waits off screen, 1: every quad in place
    bool slide_out_quit;
    bool go_hover_flag;
    int go_level;
    int score_medals;
    double animation_counter;
    rstate R;
    modes mode;
    ref<play> play_mode;
    ref<world> play_world; // shared with the play screen; lives on until the next level starts
    texture* title_texture;
    texture* rules_texture;
    texture* go_texture;
    texture* closed_texture;
    texture* winning_textures[4]; // by medals scored
    texture* medal_textures[3];
    font letters; // loaded with the pictures, for the lettering of the screens
    // Beside the rules: what the screens say and offer besides, none of which the rules hear of.
    int best_before;      // go_level's stored medals when its play ended
    double shake_counter; // seconds the go button still shakes after a press on a closed level
    double refused_counter; // seconds the reason still shows
    int refusals;         // such presses so far, each heard as a knock
    bool help_flag;       // the help card is up over the row
    bool help_hover_flag;
    bool next_hover_flag;
    bool back_hover_flag;
    bool go_next;         // the results slide out into the next level instead of the row
    std::string refusal;  // why the go button shook (or W or H found nothing to show), for a while after
    bool watch_hover_flag;
    // Replays: the last play as recorded, one being watched in a world of its own (play_world stays the
    // last real play, for its results), and the screen to go back to afterwards.
    replay last_play;
    replay watched;
    ref<world> watch_world;
    modes watch_return;

    title();
    ~title();

    // Needs a GL context and the level table counted (scan_all_levels).
    void init();
    void update(double T);
    // Moves slide_in_alpha in (Way +1) or out (-1) by T's share; true once it has arrived at 1 or 0.
    bool slide(double T, int Way);
    // A new world for go_level, linked to the play screen; the one before is released.
    void start_level();
    // A level in play pauses, as when the window loses the focus; elsewhere nothing happens.
    void pause_level();
    void notice(SDL_Event& E);
    void render();
    void draw_quad(const rpos& Center, const rpos& Radius, double Angle);
    void draw_background();

    // The go button, or Enter, on the row: the selected level starts if it is open, else the button shakes.
    void press_go();
    // The go button shakes its head, and Why shows under it for a while.
    void refuse(const std::string& Why);
    // Plays a replay of a level of this game (replay_level checked) in a world of its own; afterwards the
    // screen shown now comes back. Watching changes no medal and no kept replay.
    void watch(const replay& R, bool Demo);
    // The row's W and H: the selected level's best replay, or its demonstration.
    void watch_kept(bool Demo);
    void end_watching();
    // The play just ended, or left: kept as the level's last replay, and best if it is.
    void keep_play();
    // The level after go_level when it is open, else -1.
    int next_level() const;
    // "Quorvel Bees", and in play the level's number and name besides.
    std::string window_title() const;
    // Where draw_quad puts a quad centred at Center at the slide's present point.
    rpos slid(const rpos& Center, const rpos& Radius) const;
    void render_row_label();
    void render_results_card();
    void render_help_card();
    // A plain button: a frame, a fill, a label, and the pink halo while hovered.
    void draw_button(const rpos& Center, const rpos& Radius, const std::string& Label, bool Hover);
};

// Whether the cursor (10 × mouseloc) lies strictly inside Center ± Size.
bool mouse_cursor_box(const rpos& Center, const rpos& Size);
