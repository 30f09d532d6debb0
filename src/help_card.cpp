#include "help_card.h"

#include "picture.h"
#include "rstate.h"
#include "texts.h"
#include "texture.h"
#include "world.h"

#include <GL/gl.h>

namespace {
const fcolor GOLD = mkfcolor(0.95f, 0.78f, 0.2f, 1.0f);
const fcolor LIGHT = mkfcolor(1, 0.97f, 0.85f, 1);
} // namespace

help_card::help_card() : medal_textures{nullptr, nullptr, nullptr}, closed_flag(false) {}

void help_card::init()
{
    letters.load();
    load_medal_textures(medal_textures);
}

void help_card::update(double) {}

void help_card::notice(SDL_Event& E)
{
    if (E.type == SDL_KEYDOWN || E.type == SDL_MOUSEBUTTONDOWN) closed_flag = true;
}

bool help_card::done() const
{
    return closed_flag;
}

bool help_card::whole_picture() const
{
    return false;
}

void help_card::render()
{
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    glColor4f(0.85f, 0.7f, 0.25f, 0.97f);
    draw_centered_quad(mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(5.75, 4.55, 0), 0);
    glColor4f(0.14f, 0.3f, 0.12f, 0.97f);
    draw_centered_quad(mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(5.67, 4.47, 0), 0);
    letters.draw(texts::HELP_TITLE, mkrpos(PICTURE_MIDDLE, 0.75, 0), 0.7, font::centre, GOLD);

    // The bee bar as a level shows it, small: two home, two out, one lost, and the first medal's marker.
    const float Shades[5][3] = {{1, 1, 0.5f}, {1, 1, 0.5f}, {0.8f, 0.8f, 0.2f}, {0.8f, 0.8f, 0.2f}, {0.2f, 0.2f, 0.1f}};
    glPointSize(picture_pixels(16));
    glBegin(GL_POINTS);
    for (int i = 0; i < 5; i++)
    {
        glColor4f(Shades[i][0], Shades[i][1], Shades[i][2], 0.9f);
        glVertex3f((float)(1.6 + 0.5 * i), 2.0f, 0.0f);
    }
    glEnd();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, medal_textures[0]->id);
    glColor4f(1, 1, 1, 1);
    draw_centered_quad(mkrpos(1.6 + 0.5 * 3, 2.5, 0), mkrpos(0.2, 0.2, 0), 0);
    glDisable(GL_TEXTURE_2D);
    std::vector<std::string> Bar = letters.wrap(texts::HELP_BAR, 0.36, 7.7);
    for (size_t l = 0; l < Bar.size(); l++) letters.draw(Bar[l], mkrpos(4.3, 1.6 + 0.4 * l, 0), 0.36, font::left, LIGHT);

    double Y = 3.45;
    for (int k = 0; texts::HELP_KEYS[k][0]; k++, Y += 0.47)
    {
        letters.draw(texts::HELP_KEYS[k][0], mkrpos(4.45, Y, 0), 0.34, font::right, GOLD);
        letters.draw(texts::HELP_KEYS[k][1], mkrpos(4.7, Y, 0), 0.34, font::left, LIGHT);
    }
    letters.draw(texts::HELP_CLOSE, mkrpos(PICTURE_MIDDLE, 8.85, 0), 0.32, font::centre, mkfcolor(1, 0.97f, 0.85f, 0.6f));
    glDisable(GL_BLEND);
    glPopMatrix();
}
