// The player's own levels, a screen of tiles: each level's preview, name and best medals. Every one is
// open. Enter or a click on the chosen tile plays it; Ctrl+C copies its code (a link on the web page);
// Ctrl+V adds the level a pasted code carries; Edit a copy and New level open the editor; Escape goes
// back to the title.
#pragma once

#include "button.h"
#include "player_levels.h"
#include "screen.h"
#include "text.h"

#include <string>

class texture;

class own_levels : public screen
{
public:
    player_levels shelf;
    int selected;   // index in shelf.levels, -1 while there is none
    int first_row;  // the top row in view
    int hovered;    // the tile under the pointer, -1 for none
    std::string note; // what the last copy, paste or play said, for a while
    bool note_bad;    // a refusal, shown in red
    double note_counter;

    // Reads the player's levels; needs a GL context for the lettering and the previews.
    own_levels();

    // A level code, a link or a level file's text, added to the player's levels and chosen; with Play, it
    // is started at once. False, with the reason shown, when the text holds no level.
    bool take(const std::string& Text, bool Play);
    // A level file given to the game: added and started at once; false, with the reason shown, when it
    // cannot be read.
    bool take_file(const std::string& Path);
    void play_selected();
    void copy_selected();
    // The chosen level, copied into the editor; a new level in the editor, from the start card.
    void edit_selected();
    void new_level();

    void update(double T) override;
    void notice(SDL_Event& E) override;
    void render() override;
    bool done() const override;
    screen* opened() override;
    bool offers(SDL_Keycode Key) const override;
    void hear(cues& Out) override;

private:
    font letters;
    texture* medal_textures[3];
    bool done_flag;
    screen* to_open;
    std::vector<int> asked;
    int pressed_button; // under the pointer: 0 none, then back, play, copy, paste, edit, new
    bool away;          // a screen it opened is shown; its levels are read again when it is back

    void say(const std::string& What, bool Bad);
    void select(int Index);
    void find_hover();
};

// Where the screen's tiles and buttons are, for drawing, hovering and tests.
struct own_levels_layout
{
    static const int COLUMNS = 4, ROWS = 2;
    // The middle of the tile at Column, Row of the view.
    static rpos tile(int Column, int Row);
    static const double TILE_HALF; // the preview's half-side
    // Places[1..] are Back, Play, Copy, Paste along the bottom, then the editor's two at the top; [0] is unused.
    static const int BUTTONS = 7;
    static void buttons(const font& Letters, button_place Places[BUTTONS]);
};
