#include "button.h"

#include "picture.h"
#include "rstate.h"
#include "text.h"
#include "texture.h"

#include <GL/gl.h>
#include <algorithm>

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

void draw_panels(double Slide)
{
    const float Colours[3][3] = {{0.2f, 0.6f, 0.2f}, {0.3f, 0.8f, 0.3f}, {0.4f, 1.0f, 0.4f}};
    const rpos Centres[3] = {mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(6.166, 4.5, 0), mkrpos(6.416, 5.25, 0)};
    const rpos Radii[3] = {mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(6.166, 4.5, 0), mkrpos(5.666, 4.0, 0)};
    for (int p = 0; p < 3; p++)
    {
        glColor4f(Colours[p][0], Colours[p][1], Colours[p][2], 0.8f);
        draw_centered_quad(slide_position(Centres[p], Radii[p], Slide), Radii[p], 0);
    }
}

void draw_side_by_side(const font& Letters, const std::vector<std::string>& Items, const rpos& Centre, double Size,
                       double MostWide, const fcolor& Colour)
{
    double Across = Letters.width("  ·  ", 1.0) * (Items.size() - 1);
    for (const std::string& I : Items) Across += Letters.width(I, 1.0);
    const double S = std::min(Size, MostWide / Across), Apart = Letters.width("  ·  ", S);
    rpos Pen = Centre - mkrpos(Across * S / 2, 0, 0);
    for (size_t i = 0; i < Items.size(); i++)
    {
        if (i > 0) Letters.draw("·", Pen + mkrpos(Apart / 2, 0, 0), S, font::centre, Colour), Pen[0] += Apart;
        Letters.draw(Items[i], Pen, S, font::left, Colour);
        Pen[0] += Letters.width(Items[i], S);
    }
}

void draw_level_tile(texture* Preview, const rpos& At, double Half, float Alpha, bool Hovered, bool Chosen,
                     texture* const Medals[3], int Won, double Below)
{
    if (Hovered || Chosen)
    {
        if (Hovered)
            glColor4f(1.0f, 0.13f, 0.82f, 0.75f);
        else
            glColor4f(0.95f, 0.78f, 0.2f, 1.0f);
        draw_centered_quad(At, mkrpos(Half + 0.1, Half + 0.1, 0), 0);
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, Preview->id);
    glColor4f(1, 1, 1, Alpha);
    draw_centered_quad(At, mkrpos(Half, Half, 0), 0);
    glColor4f(1, 1, 1, 1);
    for (int m = 0; m < Won; m++)
    {
        glBindTexture(GL_TEXTURE_2D, Medals[m]->id);
        draw_centered_quad(At + mkrpos(-0.2 * (Won - 1) + 0.4 * m, Below, 0), mkrpos(0.17, 0.17, 0), 0);
    }
    glDisable(GL_TEXTURE_2D);
}
