// The top-level screen, the only one the frame loop knows: title and rules pictures, the scrolling row
// of level tiles, the go button, the results picture, and the program's quit request. It owns the play
// screen and the world of the current or last level. Beside them it may show one other screen (the help
// card, a replay being watched, ...), which then takes the events and, unless it is a card over the row,
// the picture; the window's title, the page's buttons and what is heard follow that screen.
#pragma once

#include "play.h"
#include "ref.h"
#include "refusal.h"
#include "results_card.h"
#include "rstate.h"
#include "screen.h"
#include "text.h"
#include "vecco.h"
#include "world.h"

#include <SDL2/SDL.h>
#include <ctime>
#include <vector>

class editor;
class own_levels;
class second_set;
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

    // Beside the rules: what the screens say and offer besides, none of which the rules hear of.
    font letters; // loaded with the pictures, for the lettering of the screens
    refusal refused; // the go button's "no", and why
    results_card results;
    bool help_hover_flag;
    bool levels_hover_flag; // the button to the player's own levels
    bool editor_hover_flag; // the level editor's
    bool set_hover_flag;    // the second set's
    bool go_next; // the results slide out into the next level instead of the row
    std::vector<ref<screen>> shown; // the other screens shown, each over the one before
    std::vector<int> asked; // sounds asked for since the frame loop last heard them

    title();
    ~title();

    // Needs a GL context and the level table counted (scan_all_levels).
    void init();
    void update(double T);
    // What the cursor is over on the row or the results: the tiles, the go button, the other buttons.
    void find_hover();
    void notice(SDL_Event& E);
    void render();
    void draw_quad(const rpos& Center, const rpos& Radius, double Angle);
    void draw_background();

    // Shows S (owned from now on) over whatever is shown until it is done; while a screen that fills the
    // picture is shown, the title's own modes wait.
    void show(screen* S);
    // The screen that takes the events, or null when the title takes them.
    screen* top() const;
    // Whether a screen shown fills the picture.
    bool covered() const;
    // Lets the screens that are done go, and shows what the top one opened.
    void tend_screens();
    // The game stops: every screen shown keeps what it holds (the editor's work).
    void keep_screens();
    // Moves slide_in_alpha in (Way +1) or out (-1) by T's share; true once it has arrived at 1 or 0.
    bool slide(double T, int Way);
    // A new world for go_level, linked to the play screen; the one before is released.
    void start_level();
    // Where a level's seed comes from: the clock, as every level start; a test may fix it.
    uint32_t (*level_seed)() = [] { return (uint32_t)time(nullptr); };
    // The go button, or Enter, on the row: the selected level starts if it is open, else the button shakes.
    void press_go();
    // The row's selection moves to Level, heard as a tick.
    void pick(int Level);
    // The go button shakes its head, heard as a knock, and Why shows under it for a while.
    void decline(const std::string& Why);
    void show_help();
    // Shows the player's own levels, and hands them over for a level to be added or started.
    own_levels* open_levels();
    // Shows the level editor, on the work left there last time.
    editor* open_editor();
    // The second set of levels, open as far as the table's last level's medals allow.
    second_set* open_second_set();
    // A level code, a link or a level file's text handed to the game from outside (the web page): added to
    // the player's levels, and with Play started (1); refused, with the reason shown (0); or, while a level
    // is played, not looked at (-1).
    int take_level(const std::string& Text, bool Play);
    // Watches a replay of a level of this game; a replay that cannot be played is refused with why.
    void watch(const replay& R, bool Demo);
    // The row's W and H: the selected level's best replay, or its demonstration.
    void watch_kept(bool Demo);
    // The play just ended, or left: kept as the level's last replay, and best if it is.
    void keep_play();
    // The level after go_level when it is open, else -1.
    int next_level() const;

    // What the frame loop asks of the screen shown, the title's own when none is.
    // "Quorvel Bees", and in play the level's number and name besides.
    std::string window_title() const;
    bool offers(SDL_Keycode Key) const;
    void hear(cues& Out);
    bool pointer_scrolls() const;
    // The window lost the focus: a level in play pauses, and every screen shown is told (the editor keeps
    // its work).
    void pause_level();

    // Where draw_quad puts a quad centred at Center at the slide's present point.
    rpos slid(const rpos& Center, const rpos& Radius) const;
    void render_row_label();
};

// Whether the cursor (10 × mouseloc) lies strictly inside Center ± Size.
bool mouse_cursor_box(const rpos& Center, const rpos& Size);
