#include "help_card.h"

#include "button.h"
#include "picture.h"
#include "quorvel.h"
#include "platform.h"
#include "rstate.h"
#include "texts.h"
#include "texture.h"
#include "world.h"

#include <GL/gl.h>
#include <algorithm>

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

button_place help_card::language_button() const
{
    button_place B;
    B.radius = button_radius(letters, texts::LANGUAGE_NAME);
    B.center = mkrpos(12.2 - B.radius[0], 0.9, 0);
    return B;
}

void help_card::notice(SDL_Event& E)
{
    const button_place Language = language_button();
    if (E.type == SDL_MOUSEBUTTONDOWN && inside_box(mkrloc(PICTURE_H * mouseloc[0], PICTURE_H * mouseloc[1]), Language.center, Language.radius))
        texts::speak_next_language(); // the card stays, in the language chosen
    else if (E.type == SDL_KEYDOWN || E.type == SDL_MOUSEBUTTONDOWN)
        closed_flag = true;
}

bool help_card::done() const
{
    return closed_flag;
}

bool help_card::whole_picture() const
{
    return false;
}

namespace {
// The card's inside, in picture units: what the rows may fill.
const double LEFT = 1.1, RIGHT = 12.2, TOP = 1.35, BOTTOM = 8.45;
const double PICTURES = 3.0; // the drawings' column, left of the explanations

// The rows of the card as the player plays: with a finger or with keys, quitting or not.
std::vector<const texts::help_row*> rows_for(bool Touch, bool Quits)
{
    std::vector<const texts::help_row*> Rows;
    for (const texts::help_row* R = texts::HELP_ROWS; R->does.english; R++)
        if ((R->where & (Touch ? texts::hw_touch : texts::hw_keys)) && !(R->where & (Quits ? texts::hw_stays : texts::hw_quits)))
            Rows.push_back(R);
    return Rows;
}
} // namespace

namespace {
// The card laid out with its rows in Columns side by side, at the largest size at which it all fits.
help_layout lay_out(const font& Letters, const std::vector<const texts::help_row*>& Rows, int Columns)
{
    help_layout L;
    L.rows = Rows;
    L.columns = Columns;
    const size_t PerColumn = (Rows.size() + Columns - 1) / Columns;
    const double Width = (RIGHT - LEFT) / Columns;
    for (L.size = 0.34;; L.size -= 0.01)
    {
        const double Line = 1.15 * L.size, Gap = 0.55 * L.size;
        L.explained.clear();
        double Y = TOP;
        for (const texts::message& Text : {texts::HELP_BAR, texts::HELP_ARROW, texts::HELP_SCENT})
        {
            L.explained.push_back(Letters.wrap(Text, L.size, RIGHT - LEFT - PICTURES));
            Y += std::max(2.0, (double)L.explained.back().size()) * Line + Gap;
        }
        L.keys_right.assign(Columns, 0.0);
        for (size_t r = 0; r < Rows.size(); r++)
            L.keys_right[r / PerColumn] = std::max(L.keys_right[r / PerColumn], Letters.width(Rows[r]->keys_text(), L.size));
        L.does.clear();
        double Deepest = Y;
        for (int c = 0; c < Columns; c++)
        {
            double Down = Y;
            for (size_t r = c * PerColumn; r < Rows.size() && r < (c + 1) * PerColumn; r++)
            {
                L.does.push_back(Letters.wrap(Rows[r]->does, L.size, Width - L.keys_right[c] - 0.45));
                Down += L.does.back().size() * Line;
            }
            Deepest = std::max(Deepest, Down);
        }
        L.bottom = Deepest;
        if (Deepest <= BOTTOM || L.size < 0.2) break;
    }
    return L;
}
} // namespace

help_layout lay_out_help(const font& Letters, bool Touch, bool Quits)
{
    // Two columns of rows where that lets the words be larger: short rows of buttons, as on a phone.
    const std::vector<const texts::help_row*> Rows = rows_for(Touch, Quits);
    help_layout One = lay_out(Letters, Rows, 1), Two = lay_out(Letters, Rows, 2);
    return Two.size > One.size + 0.005 ? Two : One;
}

double help_layout::key_edge(size_t Row) const
{
    const size_t PerColumn = (rows.size() + columns - 1) / columns;
    return LEFT + (RIGHT - LEFT) / columns * (double)(Row / PerColumn) + keys_right[Row / PerColumn];
}

void help_card::render()
{
    const bool Touch = touch_screen();
    const help_layout L = lay_out_help(letters, Touch, can_quit());
    const double Line = 1.15 * L.size, Gap = 0.55 * L.size;
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    glColor4f(0.85f, 0.7f, 0.25f, 0.97f);
    draw_centered_quad(mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(5.75, 4.55, 0), 0);
    glColor4f(0.14f, 0.3f, 0.12f, 0.97f);
    draw_centered_quad(mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(5.67, 4.47, 0), 0);
    letters.draw(texts::HELP_TITLE, mkrpos(PICTURE_MIDDLE, 0.55, 0), 0.6, font::centre, GOLD);
    const button_place Language = language_button();
    draw_button(letters, Language, texts::LANGUAGE_NAME,
                inside_box(mkrloc(PICTURE_H * mouseloc[0], PICTURE_H * mouseloc[1]), Language.center, Language.radius), 1.0);

    // Beside each explanation, what it explains, small: the bee bar (two home, two out, one lost, the
    // first medal's marker), the arrow home, a pink cloud round a flower.
    double Y = TOP;
    std::vector<double> Tops;
    for (const std::vector<std::string>& Lines : L.explained)
    {
        Tops.push_back(Y);
        for (size_t l = 0; l < Lines.size(); l++)
            letters.draw(Lines[l], mkrpos(LEFT + PICTURES, Y + Line * l, 0), L.size, font::left, LIGHT);
        Y += std::max(2.0, (double)Lines.size()) * Line + Gap;
    }
    const float Shades[5][3] = {{1, 1, 0.5f}, {1, 1, 0.5f}, {0.8f, 0.8f, 0.2f}, {0.8f, 0.8f, 0.2f}, {0.2f, 0.2f, 0.1f}};
    glPointSize(picture_pixels(14));
    glBegin(GL_POINTS);
    for (int i = 0; i < 5; i++)
    {
        glColor4f(Shades[i][0], Shades[i][1], Shades[i][2], 0.9f);
        glVertex3f((float)(LEFT + 0.25 + 0.45 * i), (float)(Tops[0] + 0.3), 0.0f);
    }
    glEnd();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, medal_textures[0]->id);
    glColor4f(1, 1, 1, 1);
    draw_centered_quad(mkrpos(LEFT + 0.25 + 0.45 * 3, Tops[0] + 0.72, 0), mkrpos(0.18, 0.18, 0), 0);
    glDisable(GL_TEXTURE_2D);
    draw_home_arrow(mkrpos(LEFT + 1.1, Tops[1] + 0.45, 0), 0.0);
    glColor4f(1.0f, 0.4f, 0.7f, 0.3f);
    const double Puffs[][3] = {{0, 0, 0.3}, {-0.3, 0.1, 0.22}, {0.32, -0.05, 0.24}, {0.05, -0.28, 0.2}, {-0.1, 0.3, 0.18}};
    for (const auto& P : Puffs) draw_centered_quad(mkrpos(LEFT + 1.1 + P[0], Tops[2] + 0.45 + P[1], 0), mkrpos(P[2], P[2], 0), 0);
    glPointSize(picture_pixels(9));
    glColor4f(1.0f, 0.2f, 0.2f, 1.0f);
    glBegin(GL_POINTS);
    glVertex3f((float)(LEFT + 1.1), (float)(Tops[2] + 0.45), 0.0f);
    glEnd();

    const double RowsTop = Y;
    const size_t PerColumn = (L.rows.size() + L.columns - 1) / L.columns;
    for (size_t r = 0; r < L.rows.size(); r++)
    {
        if (r % PerColumn == 0) Y = RowsTop; // a new column
        const double Edge = L.key_edge(r);
        letters.draw(L.rows[r]->keys_text(), mkrpos(Edge, Y, 0), L.size, font::right, GOLD);
        for (const std::string& Part : L.does[r])
        {
            letters.draw(Part, mkrpos(Edge + 0.25, Y, 0), L.size, font::left, LIGHT);
            Y += Line;
        }
    }
    letters.draw(Touch ? texts::HELP_CLOSE_TOUCH : texts::HELP_CLOSE, mkrpos(PICTURE_MIDDLE, 8.85, 0), 0.32, font::centre,
                 mkfcolor(1, 0.97f, 0.85f, 0.6f));
    glDisable(GL_BLEND);
    glPopMatrix();
}
