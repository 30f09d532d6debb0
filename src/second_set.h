// The second set of ten levels, a screen of tiles: each level's preview, number, name and best medals,
// the closed ones under a lock. Enter or a click on the chosen open tile plays it, H (or Watch how) shows
// our player's demonstration of it, Escape goes back to the title.
#pragma once

#include "button.h"
#include "level_set.h"
#include "screen.h"
#include "text.h"

#include <string>

class texture;

class second_set : public screen
{
public:
    level_set set;
    int gate;     // the medals of the table's last level: none keeps the set closed
    int selected; // index in set.levels
    int hovered;  // the tile under the pointer, -1 for none
    std::string note; // a refusal, for a while
    double note_counter;

    // Reads the set; needs a GL context for the lettering and the previews. Gate as above.
    explicit second_set(int Gate, const std::string& Folder = "data/levels/set2");

    // The level at Index as the player sees it: its number after the table's, its name and opening line
    // in the language in use.
    level_data shown(int Index) const;
    bool is_open(int Index) const;
    void play_selected();
    void show_how();

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
    texture* closed_texture;
    bool done_flag;
    screen* to_open;
    std::vector<int> asked;
    int pressed_button;

    void refuse(const std::string& Why);
    void select(int Index);
    void find_hover();
};

// Where the screen's tiles and buttons are.
struct second_set_layout
{
    static const int COLUMNS = 5;
    static const double TILE_HALF;
    // How wide a tile's name and the chosen level's lines may be, within the panel.
    static const double TILE_NAME_WIDE, LINE_WIDE;
    static rpos tile(int Index);
    // Places[1..3]: Back, Play, Watch how along the bottom; [0] is unused.
    static const int BUTTONS = 4;
    static void buttons(const font& Letters, button_place Places[BUTTONS]);
};

// A second set's level's demonstration: the level file's name as a replay's, in data/demos/set2/.
std::string set_demo_name(const std::string& LevelFile);
std::string set_demo_path(const std::string& LevelFile);
