// The editor's help card (F1 or ? in the editor), over it: every key and button, or on a phone every
// button and gesture. Any key or click puts it away and does nothing else.
#pragma once

#include "screen.h"
#include "text.h"
#include "texts.h"

#include <string>
#include <vector>

class editor_help : public screen
{
public:
    // Needs a GL context for the lettering.
    editor_help();

    void update(double T) override;
    void notice(SDL_Event& E) override;
    void render() override;
    bool done() const override;
    bool whole_picture() const override;

private:
    font letters;
    bool closed_flag;
};

// The card's rows at the largest size at which they fit it.
struct editor_help_layout
{
    double size;                                  // the lines' height
    std::vector<const texts::help_row*> rows;     // the keys, or the buttons and gestures
    std::vector<std::vector<std::string>> does;   // what each row does, wrapped
    double keys_right;                            // where the keys end and what they do begins
    double bottom;                                // below the last line
};
editor_help_layout lay_out_editor_help(const font& Letters, bool Touch);
