// The level editor, a screen of its own (E or the Level editor button on the title; New level and Edit a
// copy on Your levels). The level's map is drawn as the game draws it and scrolls as a level in play does;
// the tools lie in a bar below it, the level's name, counts and medals in a panel at its right, each
// problem that would make the level unplayable said in red where it is. Test plays the level at once and
// comes back; Verdict has our careful player play it on a few seeds, a slice each frame; Save puts it among
// the player's levels. The level being made (level_edit.h) is kept in editor_work.qbl beside the save
// whenever the editor is left, the game stops, the window loses the focus, and a few seconds after a
// change, and the editor opens on it next time.
#pragma once

#include "button.h"
#include "hive.h"
#include "level_edit.h"
#include "rstate.h"
#include "screen.h"
#include "text.h"
#include "verdict.h"
#include "world.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

class texture;

// The work in the editor, beside the save.
const char* const EDITOR_WORK_FILE = "editor_work.qbl";
// The map fills the picture left of the panel and above the bar.
const double EDITOR_PANEL_LEFT = 9.4, EDITOR_BAR_TOP = 9.1;
// The smallest a field's label is drawn before it is cut: a medal's long name in some languages.
const double EDITOR_LEAST_FIELD = 0.18;

class editor : public screen
{
public:
    enum tools
    {
        t_paint,
        t_fill,
        t_hive
    };
    enum buttons
    {
        b_none,
        // The bar, left to right.
        b_grass,
        b_water,
        b_rock,
        b_brush1,
        b_brush3,
        b_brush5,
        b_fill,
        b_hive,
        b_undo,
        b_redo,
        b_help,
        b_back,
        // The panel.
        b_name,
        b_new,
        b_test,
        b_verdict,
        b_save,
        b_code,
        b_less,                                // + a count's or a medal's field
        b_more = b_less + level_edit::f_name,  // + the field
        b_value = b_more + level_edit::f_name, // + the field: typed into
        B_SIZE = b_value + level_edit::f_name
    };

    level_edit edit;
    tools tool;
    world::tile_types kind; // painted and filled
    int brush;              // tiles across
    rpos view;              // the map's point at the top-left corner of the picture
    bool tools_hidden;      // Tab: the level as a player sees it
    std::unique_ptr<verdict> judging; // playing, or played on the level of judged_key
    uint64_t judged_key;
    bool verdict_shown;
    int typing;             // the field typed into (level_edit::fields), -1 for none
    std::string typed;
    bool typed_whole;       // what is there is chosen whole: the first letter typed replaces it
    std::string note;
    bool note_bad;
    double note_counter;
    button_place places[B_SIZE];

    // Needs a GL context. Opens on the work kept from last time, or on a new level with the start card
    // over it when there is none.
    editor();
    ~editor() override;

    // A copy of L becomes the level made; what was there stays one undo away.
    void begin_with(const level_data& L, const std::string& SavedFile = "");
    // The start card: a new level of a size, or a copy of an open level.
    void ask_start();
    // The view puts the hive in the middle of the map's part, as far as the map allows.
    void look_at_hive();
    void press(buttons B);
    void test();
    void judge();
    void save();
    void copy_code();
    void undo();
    void redo();
    // Writes the work to EDITOR_WORK_FILE; a warning when it cannot.
    void keep_work();
    // The work kept from last time, into Edit; false when there is none, or it cannot be read (it is then
    // moved aside, with a warning, so that nothing is written over it).
    static bool load_work(level_edit& Edit);
    // The corner of tiles nearest the picture point At, where the hive would go.
    void hive_corner(const rloc& At, int& X, int& Y) const;
    // The map's point under the picture point At.
    rloc map_point(const rloc& At) const;
    // The part of the picture the map shows: right of it the panel, below it the bar, unless they are hidden.
    rpos map_area() const;
    void clamp_view();
    // Where a level would be said to have a problem at P's place: on the map, in the panel.
    buttons find_hover(const rloc& At) const;
    // The lettering of the bar's and the panel's buttons, the smaller: as large as lets every label fit.
    double label_size() const { return std::min(bar_size, panel_size); }

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
    void keep() override;

private:
    font letters;
    texture* medal_textures[3];
    world view_world; // the terrain as the game draws it, following edit.revision
    hive view_hive;
    int drawn_revision;
    // Of the level as drawn: its problems and whether it can be played, its grass, its key.
    std::vector<level_edit::problem> problems_now;
    bool playable_now, hive_on_grass_now;
    int grass_now;
    uint64_t key_now;
    int kept_revision;
    double unkept_counter; // seconds since a change not yet kept
    bool done_flag;
    screen* to_open;
    std::vector<int> asked;
    bool stroking;         // the button is down on the map with a tool
    bool grabbing;         // the map is dragged with the right or middle button
    rloc grab_at;
    rpos grab_view;
    buttons hovered;
    buttons held;          // a − or + held down repeats
    double held_counter;
    double edge_counter;   // how long the pointer has rested in a scrolling band
    int scroll_keys;
    double bar_size, panel_size; // the labels' heights, as large as fits

    void say(const std::string& What, bool Bad);
    void lay_out();
    void use_tool(bool First);
    void start_typing(int Field);
    void end_typing(bool Keep);
    void scroll(double T);
    void sync_view();
    const char* label(buttons B) const;
    void render_map();
    void render_panel();
    void render_bar();
    void render_verdict();
    void render_problems();
    void draw_field(int Field, double Y);
};

// Whether the pointer at At (picture units) lies on the button at B.
bool on_button(const rloc& At, const button_place& B);
