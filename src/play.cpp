#include "play.h"

#include "clamp.h"
#include "picture.h"
#include "quorvel.h"
#include "smellgrid.h"

#include <GL/gl.h>
#include <algorithm>

namespace {
const double DRAIN_PER_SECOND = 0.25;
const double SCENT_PER_POLLEN = 400.0;
const double SCENT_RADIUS = 2.0;
const double SCROLL_SPEED = 7.0; // world units per second for each unit the cursor is inside an edge band
} // namespace

play::play() : quit_flag(false), paused_flag(false), restart_flag(false), mode(m_none) {}

play::~play() {}

void play::init_level(ref<world> LinkWorld)
{
    mode = m_none;
    R.set_view(mkrpos(0, 0, 0));
    link_world = LinkWorld;
    quit_flag = false;
    set_paused(false);
    restart_flag = false;
}

void play::set_paused(bool Paused)
{
    paused_flag = Paused;
    R.still_flag = Paused;
    if (Paused) mode = m_none;
}

void play::notice(SDL_Event& E)
{
    if (E.type == SDL_KEYDOWN)
    {
        SDL_Keycode Key = E.key.keysym.sym;
        if (Key == SDLK_ESCAPE) quit_flag = true;
        if ((Key == SDLK_p || Key == SDLK_PAUSE) && !E.key.repeat) set_paused(!paused_flag);
        if (Key == SDLK_r && !E.key.repeat) restart_flag = true;
    }
    else if (paused_flag) // the world is not there to point at
        return;
    else if (E.type == SDL_MOUSEBUTTONDOWN)
    {
        // The flowers under the cursor at the last world update are the ones picked.
        if (!link_world->active_flowers.empty())
        {
            mode = m_drag_pollen;
            drag_pollen_flowers = link_world->active_flowers;
        }
    }
    else if (E.type == SDL_MOUSEBUTTONUP)
        mode = m_none;
}

void play::update(double T)
{
    if (paused_flag) return;
    world& W = *link_world.ptr();

    if (W.total_bees == W.rescued_bees + W.killed_bees) quit_flag = true;

    if (mode == m_drag_pollen)
    {
        double Pollen = 0.0;
        for (flower* F : drag_pollen_flowers) Pollen += F->pollen;
        double Amount = std::min(DRAIN_PER_SECOND * T, Pollen);
        if (Amount == 0.0)
            mode = m_none;
        else
        {
            // Equal shares whatever each holds: a nearly empty flower wilts first.
            double Share = Amount / drag_pollen_flowers.size();
            for (flower* F : drag_pollen_flowers) F->drain(Share);
            // Still last frame's cursor: the scent trails the mouse by one frame.
            W.smells[smell_pollen]->scent(W.cursor, SCENT_RADIUS, SCENT_PER_POLLEN * Amount);
        }
    }

    clamp_view_center();

    rloc Cursor;
    Cursor[0] = R.view_center[0] + PICTURE_H * mouseloc[0];
    Cursor[1] = R.view_center[1] + PICTURE_H * mouseloc[1];
    W.set_cursor(Cursor);

    rpos D = W.cursor - R.view_center;
    rpos Center = R.view_center;
    if (D[0] > 11.0)
        Center[0] += (D[0] - 11.0) * SCROLL_SPEED * T;
    else if (D[0] < 2.0)
        Center[0] -= (2.0 - D[0]) * SCROLL_SPEED * T;
    if (D[1] > 8.0)
        Center[1] += (D[1] - 8.0) * SCROLL_SPEED * T;
    else if (D[1] < 2.0)
        Center[1] -= (2.0 - D[1]) * SCROLL_SPEED * T;
    R.set_view(Center);

    clamp_view_center();

    W.update(T);
}

void play::clamp_view_center()
{
    rpos Center = R.view_center;
    // The upper bound goes first, so a map smaller than the picture pins the view at 0.
    Center[0] = clamp(Center[0], 0.0, link_world->size[0] - VIEW_W);
    Center[1] = clamp(Center[1], 0.0, link_world->size[1] - PICTURE_H);
    R.set_view(Center);
}

void play::render()
{
    link_world->render(R);
    if (paused_flag) render_paused_card();
}

void play::render_paused_card()
{
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    glColor4f(0.0f, 0.0f, 0.0f, 0.45f); // the level dimmed behind the card
    draw_centered_quad(mkrpos(PICTURE_W / 2, PICTURE_H / 2, 0), mkrpos(PICTURE_W / 2, PICTURE_H / 2, 0), 0);
    glColor4f(0.85f, 0.75f, 0.3f, 0.95f);
    draw_centered_quad(mkrpos(PICTURE_W / 2, PICTURE_H / 2, 0), mkrpos(3.3, 1.3, 0), 0);
    glColor4f(0.18f, 0.32f, 0.14f, 0.95f);
    draw_centered_quad(mkrpos(PICTURE_W / 2, PICTURE_H / 2, 0), mkrpos(3.22, 1.22, 0), 0);
    glDisable(GL_BLEND);
    glPopMatrix();
}
