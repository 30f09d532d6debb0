// The editor's start card, over the editor: a new meadow of one of a few sizes, or a copy of any open level,
// the table's (those the player has opened) and the player's own. A choice starts it in the editor, with
// what was there one undo away; Back or Escape leaves the editor as it was.
#pragma once

#include "button.h"
#include "level_data.h"
#include "screen.h"
#include "text.h"

#include <functional>
#include <string>
#include <vector>

class texture;

class editor_start : public screen
{
public:
    struct choice
    {
        std::string name;
        int table_index;  // the table's level, or -1 for the player's own
        level_data data;  // the player's own level
        texture* preview; // needs a GL context
    };
    static const int COLUMNS = 4, ROWS = 2;

    std::vector<choice> copies;
    int first_row;
    std::string problem; // why the last choice could not be read

    // Lists the open levels; Target must outlive the card, as the screen under it does.
    // Begin is handed the level chosen, to start in the editor.
    explicit editor_start(std::function<void(const level_data&)> Begin);

    // The place of each button: the sizes, the copies in view, more up and down, back.
    button_place size_button(int Size) const;
    button_place copy_tile(int Column, int Row) const;
    void choose_size(int Size);
    void choose_copy(int Index);

    void update(double T) override;
    void notice(SDL_Event& E) override;
    void render() override;
    bool done() const override;
    bool whole_picture() const override;
    bool offers(SDL_Keycode Key) const override;

private:
    std::function<void(const level_data&)> begin;
    font letters;
    bool done_flag;
    int hovered; // a size 0.., a copy 100.., more up 200, down 201, back 300; -1 for none

    int hover_at(const rloc& At) const;
    int rows() const;
};
