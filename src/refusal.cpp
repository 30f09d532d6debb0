#include "refusal.h"

#include "picture.h"
#include "text.h"

#include <algorithm>
#include <cmath>

namespace {
const double SHAKE_SECONDS = 0.45;
const double SHOWN_SECONDS = 3.0;
} // namespace

refusal::refusal() : shake_counter(0.0), shown_counter(0.0), count(0) {}

void refusal::say(const std::string& Why)
{
    shake_counter = SHAKE_SECONDS;
    shown_counter = SHOWN_SECONDS;
    count++;
    why = Why;
}

void refusal::hush()
{
    shown_counter = 0.0;
}

void refusal::update(double T)
{
    shake_counter = std::max(0.0, shake_counter - T);
    shown_counter = std::max(0.0, shown_counter - T);
}

double refusal::shake() const
{
    return 0.14 * std::sin(shake_counter * 55.0) * shake_counter / SHAKE_SECONDS;
}

void refusal::render(const font& Letters) const
{
    if (shown_counter <= 0) return;
    float Fade = (float)std::min(1.0, shown_counter);
    Letters.draw_outlined(why, mkrpos(PICTURE_MIDDLE, 5.75, 0), 0.4, font::centre, mkfcolor(1, 0.97f, 0.85f, Fade),
                          mkfcolor(0.35f, 0.05f, 0.05f, Fade));
}
