// A "no" on the level row: the go button shakes its head and the reason shows under it for a while, as
// when a closed level is started or W or H finds nothing to show.
#pragma once

#include <string>

class font;

class refusal
{
public:
    double shake_counter; // seconds the go button still shakes
    double shown_counter; // seconds the reason still shows
    int count;            // refusals so far
    std::string why;

    refusal();

    void say(const std::string& Why);
    // The reason goes at once, as when another level is picked.
    void hush();
    void update(double T);
    // How far the go button stands off its place across.
    double shake() const;
    // The reason, under the go button, fading over its last second.
    void render(const font& Letters) const;
};
