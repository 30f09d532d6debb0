#include "button.h"

#include "picture.h"
#include "rstate.h"
#include "text.h"

#include <GL/gl.h>

namespace {
const double LABEL = 0.36; // the label's line height
}

rpos button_radius(const font& Letters, const std::string& Label)
{
    return mkrpos(Letters.width(Label, LABEL) / 2 + 0.3, 0.36, 0);
}

void draw_button(const font& Letters, const button_place& B, const std::string& Label, bool Hover, double Slide)
{
    auto quad = [&](const rpos& Radius) { draw_centered_quad(slide_position(B.center, Radius, Slide), Radius, 0); };
    if (Hover)
    {
        glColor4f(1.0f, 0.13f, 0.82f, 0.75f);
        quad(B.radius + mkrpos(0.06, 0.06, 0));
    }
    glColor4f(0.85f, 0.7f, 0.25f, 1.0f);
    quad(B.radius);
    glColor4f(0.2f, 0.42f, 0.16f, 1.0f);
    quad(B.radius - mkrpos(0.05, 0.05, 0));
    rpos At = slide_position(B.center, B.radius, Slide);
    Letters.draw(Label, At - mkrpos(0, LABEL / 2, 0), LABEL, font::centre, mkfcolor(1, 0.97f, 0.85f, 1));
}
