#include "editor_start.h"

#include "level.h"
#include "level_edit.h"
#include "level_file.h"
#include "picture.h"
#include "player_levels.h"
#include "quorvel.h"
#include "rstate.h"
#include "texts.h"
#include "texture.h"

#include <GL/gl.h>
#include <algorithm>

namespace {
const fcolor GOLD = mkfcolor(0.95f, 0.78f, 0.2f, 1.0f);
const fcolor LIGHT = mkfcolor(1, 0.97f, 0.85f, 1);
const fcolor WRONG = mkfcolor(1.0f, 0.5f, 0.4f, 1);
const int SIZES = (int)std::size(NEW_LEVEL_SIZES);
const int COPY = 100, MORE_UP = 200, MORE_DOWN = 201, BACK = 300;
const double TILE_HALF = 0.78;
const button_place UP = {mkrpos(12.35, 2.0, 0), mkrpos(0.3, 0.25, 0)}, DOWN = {mkrpos(12.35, 7.3, 0), mkrpos(0.3, 0.25, 0)};

rloc cursor()
{
    return mkrloc(PICTURE_H * mouseloc[0], PICTURE_H * mouseloc[1]);
}

void draw_more(const button_place& B, int Way, bool Hover)
{
    glColor4f(Hover ? 1.0f : 0.95f, Hover ? 0.5f : 0.78f, Hover ? 0.85f : 0.2f, 1);
    glBegin(GL_TRIANGLES);
    glVertex3f((float)(B.center[0] - 0.25), (float)(B.center[1] - 0.15 * Way), 0);
    glVertex3f((float)(B.center[0] + 0.25), (float)(B.center[1] - 0.15 * Way), 0);
    glVertex3f((float)B.center[0], (float)(B.center[1] + 0.2 * Way), 0);
    glEnd();
}
} // namespace

editor_start::editor_start(std::function<void(const level_data&)> Begin)
    : first_row(0), begin(std::move(Begin)), done_flag(false), hovered(-1)
{
    letters.load();
    for (int i = 0; i < num_levels; i++)
        if (all_levels[i].is_open) copies.push_back({texts::level_label(i), i, level_data(), all_levels[i].map_texture});
    player_levels Shelf;
    Shelf.scan();
    for (const player_level& P : Shelf.levels) copies.push_back({P.data.name, -1, P.data, level_preview(P.data)});
}

button_place editor_start::size_button(int Size) const
{
    return {mkrpos(2.45, 2.35 + 0.85 * Size, 0), mkrpos(1.45, 0.33, 0)};
}

button_place editor_start::copy_tile(int Column, int Row) const
{
    return {mkrpos(5.45 + 2.15 * Column, 3.05 + 2.85 * Row, 0), mkrpos(TILE_HALF, TILE_HALF, 0)};
}

int editor_start::rows() const
{
    return ((int)copies.size() + COLUMNS - 1) / COLUMNS;
}

int editor_start::hover_at(const rloc& At) const
{
    for (int s = 0; s < SIZES; s++)
        if (inside_box(At, size_button(s).center, size_button(s).radius)) return s;
    for (int r = 0; r < ROWS; r++)
        for (int c = 0; c < COLUMNS; c++)
        {
            const int Index = (first_row + r) * COLUMNS + c;
            const button_place T = copy_tile(c, r);
            if (Index < (int)copies.size() && inside_box(At, T.center, T.radius + mkrpos(0.1, 0.35, 0))) return COPY + Index;
        }
    if (first_row > 0 && inside_box(At, UP.center, UP.radius)) return MORE_UP;
    if (first_row + ROWS < rows() && inside_box(At, DOWN.center, DOWN.radius)) return MORE_DOWN;
    const button_place Back = {mkrpos(11.3, 8.95, 0), button_radius(letters, texts::BACK)};
    if (inside_box(At, Back.center, Back.radius)) return BACK;
    return -1;
}

void editor_start::choose_size(int Size)
{
    begin(level_edit::blank(NEW_LEVEL_SIZES[Size][0], NEW_LEVEL_SIZES[Size][1]));
    done_flag = true;
}

void editor_start::choose_copy(int Index)
{
    const choice& C = copies[Index];
    if (C.table_index < 0)
    {
        begin(C.data);
        done_flag = true;
        return;
    }
    level_data L;
    if (!table_level_data(C.table_index, L, problem)) return;
    L.name = texts::message{all_levels[C.table_index].name}; // the copy is named as the player reads it
    begin(L);
    done_flag = true;
}

void editor_start::update(double)
{
    hovered = hover_at(cursor());
}

void editor_start::notice(SDL_Event& E)
{
    if (E.type == SDL_MOUSEWHEEL)
    {
        first_row = std::max(0, std::min(first_row - E.wheel.y, rows() - ROWS));
        return;
    }
    if (E.type == SDL_KEYDOWN && E.key.keysym.sym == SDLK_ESCAPE) done_flag = true;
    if (E.type == SDL_KEYDOWN && (E.key.keysym.sym == SDLK_UP || E.key.keysym.sym == SDLK_DOWN))
        first_row = std::max(0, std::min(first_row + (E.key.keysym.sym == SDLK_UP ? -1 : 1), rows() - ROWS));
    if (E.type != SDL_MOUSEBUTTONDOWN) return;
    hovered = hover_at(cursor());
    if (hovered >= 0 && hovered < SIZES)
        choose_size(hovered);
    else if (hovered >= COPY && hovered < MORE_UP)
        choose_copy(hovered - COPY);
    else if (hovered == MORE_UP || hovered == MORE_DOWN)
        first_row = std::max(0, std::min(first_row + (hovered == MORE_UP ? -1 : 1), rows() - ROWS));
    else if (hovered == BACK)
        done_flag = true;
}

void editor_start::render()
{
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    glColor4f(0.0f, 0.0f, 0.0f, 0.4f); // the editor dimmed behind the card
    draw_centered_quad(mkrpos(PICTURE_W / 2, PICTURE_H / 2, 0), mkrpos(PICTURE_W / 2, PICTURE_H / 2, 0), 0);
    glColor4f(0.85f, 0.7f, 0.25f, 0.97f);
    draw_centered_quad(mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(6.2, 4.7, 0), 0);
    glColor4f(0.14f, 0.3f, 0.12f, 0.97f);
    draw_centered_quad(mkrpos(PICTURE_MIDDLE, 5.0, 0), mkrpos(6.12, 4.62, 0), 0);
    letters.draw(texts::START_TITLE, mkrpos(PICTURE_MIDDLE, 0.55, 0), 0.6, font::centre, GOLD);

    letters.draw(texts::START_NEW, mkrpos(1.0, 1.45, 0), 0.3, font::left, LIGHT);
    for (int s = 0; s < SIZES; s++)
        draw_button(letters, size_button(s), texts::fill(texts::START_SIZE, {std::to_string(NEW_LEVEL_SIZES[s][0]), std::to_string(NEW_LEVEL_SIZES[s][1])}),
                    hovered == s, 1.0);

    letters.draw(texts::START_COPY, mkrpos(4.6, 1.45, 0), 0.3, font::left, LIGHT);
    for (int r = 0; r < ROWS; r++)
        for (int c = 0; c < COLUMNS; c++)
        {
            const int Index = (first_row + r) * COLUMNS + c;
            if (Index >= (int)copies.size()) continue;
            const button_place T = copy_tile(c, r);
            if (hovered == COPY + Index)
            {
                glColor4f(1.0f, 0.13f, 0.82f, 0.75f);
                draw_centered_quad(T.center, T.radius + mkrpos(0.1, 0.1, 0), 0);
            }
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, copies[Index].preview->id);
            glColor4f(1, 1, 1, 1);
            draw_centered_quad(T.center, T.radius, 0);
            glDisable(GL_TEXTURE_2D);
            letters.draw(letters.fitted(copies[Index].name, 0.26, 2.05), T.center + mkrpos(0, TILE_HALF + 0.08, 0), 0.26, font::centre, LIGHT);
        }
    if (first_row > 0) draw_more(UP, -1, hovered == MORE_UP);
    if (first_row + ROWS < rows()) draw_more(DOWN, +1, hovered == MORE_DOWN);
    if (!problem.empty()) letters.draw(letters.fitted(problem, 0.28, 11.5), mkrpos(PICTURE_MIDDLE, 8.05, 0), 0.28, font::centre, WRONG);
    draw_button(letters, {mkrpos(11.3, 8.95, 0), button_radius(letters, texts::BACK)}, texts::BACK, hovered == BACK, 1.0);
    glDisable(GL_BLEND);
    glPopMatrix();
}

bool editor_start::done() const
{
    return done_flag;
}

bool editor_start::whole_picture() const
{
    return false;
}

bool editor_start::offers(SDL_Keycode Key) const
{
    return Key == SDLK_ESCAPE;
}
