#include "editor_help.h"

#include "picture.h"
#include "platform.h"
#include "rstate.h"
#include "texts.h"

#include <GL/gl.h>
#include <algorithm>
#include <vector>

namespace {
const fcolor GOLD = mkfcolor(0.95f, 0.78f, 0.2f, 1.0f);
const fcolor LIGHT = mkfcolor(1, 0.97f, 0.85f, 1);
const double LEFT = 1.1, RIGHT = 12.2, TOP = 1.3, BOTTOM = 8.5;
} // namespace

editor_help::editor_help() : closed_flag(false)
{
    letters.load();
}

void editor_help::update(double) {}

void editor_help::notice(SDL_Event& E)
{
    if (E.type == SDL_KEYDOWN || E.type == SDL_MOUSEBUTTONDOWN) closed_flag = true;
}

bool editor_help::done() const
{
    return closed_flag;
}

bool editor_help::whole_picture() const
{
    return false;
}

editor_help_layout lay_out_editor_help(const font& Letters, bool Touch)
{
    editor_help_layout L;
    for (const texts::help_row* R = texts::EDITOR_HELP_ROWS; R->does.english; R++)
        if (R->where & (Touch ? texts::hw_touch : texts::hw_keys)) L.rows.push_back(R);
    // The largest size at which every row fits the card, whatever the language.
    for (L.size = 0.34;; L.size -= 0.01)
    {
        L.keys_right = LEFT;
        for (const texts::help_row* R : L.rows) L.keys_right = std::max(L.keys_right, LEFT + Letters.width(R->keys_text(), L.size));
        L.does.clear();
        L.bottom = TOP;
        for (const texts::help_row* R : L.rows)
        {
            L.does.push_back(Letters.wrap(R->does, L.size, RIGHT - L.keys_right - 0.25));
            L.bottom += L.does.back().size() * 1.15 * L.size;
        }
        if (L.bottom <= BOTTOM || L.size < 0.2) return L;
    }
}

void editor_help::render()
{
    const bool Touch = touch_screen();
    const editor_help_layout L = lay_out_editor_help(letters, Touch);
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    glColor4f(0.85f, 0.7f, 0.25f, 0.97f);
    draw_centered_quad(mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(5.75, 4.55, 0), 0);
    glColor4f(0.14f, 0.3f, 0.12f, 0.97f);
    draw_centered_quad(mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(5.67, 4.47, 0), 0);
    letters.draw(texts::EDITOR_HELP_TITLE, mkrpos(PICTURE_MIDDLE, 0.55, 0), 0.6, font::centre, GOLD);
    double Y = TOP;
    for (size_t r = 0; r < L.rows.size(); r++)
    {
        letters.draw(L.rows[r]->keys_text(), mkrpos(L.keys_right, Y, 0), L.size, font::right, GOLD);
        for (const std::string& Part : L.does[r])
        {
            letters.draw(Part, mkrpos(L.keys_right + 0.25, Y, 0), L.size, font::left, LIGHT);
            Y += 1.15 * L.size;
        }
    }
    letters.draw(Touch ? texts::HELP_CLOSE_TOUCH : texts::HELP_CLOSE, mkrpos(PICTURE_MIDDLE, 8.85, 0), 0.32, font::centre,
                 mkfcolor(1, 0.97f, 0.85f, 0.6f));
    glDisable(GL_BLEND);
    glPopMatrix();
}
