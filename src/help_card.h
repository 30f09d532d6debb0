// The help card (F1, or the ? button on the level row), over the row: the bee bar explained and what
// every key does. Any key or click puts it away and does nothing else.
#pragma once

#include "screen.h"
#include "text.h"

class texture;

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
