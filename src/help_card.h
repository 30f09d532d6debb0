// The help card (F1, or the ? button on the level row), over the row: the bee bar explained and what
// every key does. Any key or click puts it away and does nothing else.
#pragma once

#include "screen.h"
#include "text.h"

#include "texts.h"

#include <string>
#include <vector>

class texture;

// Where the card's words go: wrapped to the card at the largest size at which they all fit.
struct help_layout
{
    double size;                                   // the lines' height
    std::vector<std::vector<std::string>> explained; // the bee bar, the arrow, the clouds, wrapped
    std::vector<const texts::help_row*> rows;      // the keys, or the buttons and gestures
    std::vector<std::vector<std::string>> does;    // what each row does, wrapped
    int columns;                                   // the rows in one column, or two side by side
    std::vector<double> keys_right;                // each column's keys' widest
    double bottom;                                 // below the last line
    // Where the keys of a row end and what it does begins, across the card.
    double key_edge(size_t Row) const;
};
help_layout lay_out_help(const font& Letters, bool Touch, bool Quits);

class help_card : public screen
{
public:
    help_card();

    // Needs a GL context for the lettering and the medal icon.
    void init();
    void update(double T) override;
    void notice(SDL_Event& E) override;
    void render() override;
    bool done() const override;
    bool whole_picture() const override;

private:
    font letters;
    texture* medal_textures[3];
    bool closed_flag;
};
