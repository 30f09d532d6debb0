// The editor's help card (F1 or ? in the editor), over it: every key and button, or on a phone every
// button and gesture. Any key or click puts it away and does nothing else.
#pragma once

#include "screen.h"
#include "text.h"

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
