#include "play_session.h"

#include "quorvel.h"

#include <SDL2/SDL.h>
#include <algorithm>
#include <cmath>

namespace player {

hand careful_hand()
{
    hand H;
    H.speed = CAREFUL_SPEED;
    H.press_pause = CAREFUL_PAUSE;
    return H;
}

hand new_hand()
{
    hand H;
    H.speed = NEW_SPEED;
    H.press_pause = NEW_PAUSE;
    return H;
}

session::session(int LevelIndex, unsigned long Seed, const hand& Hand) : session(all_levels[LevelIndex], Seed, Hand) {}

session::session(level& Level, unsigned long Seed, const hand& Hand) : H(Hand)
{
    W = mkref(new world);
    W->init(Level, Seed);
    open();
}

session::session(const level_data& Level, unsigned long Seed, const hand& Hand) : H(Hand)
{
    W = mkref(new world);
    W->init(Level, Seed);
    open();
}

void session::open()
{
    P.hints_flag = false; // it reads the world itself, and thousands of plays go faster without
    P.init_level(W);
    mouse = mkrloc(MOUSE_W / 2, 0.5); // where the pointer rests when the level opens
}

rpos session::cursor() const
{
    const rpos& C = W.ptr()->cursor;
    if (H.pixels == 0) return mkrpos(C[0], C[1], 0.0);
    return mkrpos(C[0] + 10.0 * (mouse[0] - mouseloc[0]), C[1] + 10.0 * (mouse[1] - mouseloc[1]), 0.0);
}

void session::frame(const rpos& Goal, bool WantDown)
{
    const rpos& View = P.R.view_center;
    double GoalX = std::clamp((Goal[0] - View[0]) / 10.0, 0.0, MOUSE_W);
    double GoalY = std::clamp((Goal[1] - View[1]) / 10.0, 0.0, 1.0);
    double DX = GoalX - mouse[0], DY = GoalY - mouse[1];
    double D = std::hypot(DX, DY);
    double Max = H.speed * STEP;
    if (D > Max)
    {
        DX *= Max / D;
        DY *= Max / D;
    }
    mouse[0] = std::clamp(mouse[0] + DX, 0.0, MOUSE_W);
    mouse[1] = std::clamp(mouse[1] + DY, 0.0, 1.0);
    mouseloc = mouse;
    if (H.pixels > 0)
        mouseloc = mkrloc(std::round(mouse[0] * H.pixels) / H.pixels, std::round(mouse[1] * H.pixels) / H.pixels);

    if (!WantDown || button_down)
        rested = 0.0;
    else if (rested < H.press_pause - 1e-9)
    {
        rested += STEP;
        WantDown = false;
    }
    if (WantDown != button_down)
    {
        SDL_Event E;
        SDL_zero(E);
        E.type = WantDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        E.button.button = SDL_BUTTON_LEFT;
        E.button.state = WantDown ? SDL_PRESSED : SDL_RELEASED;
        P.notice(E);
        button_down = WantDown;
    }
    P.update(STEP);
    if (H.drawn) W->spend_draws();
    clock += STEP;
}

int session::fresh_kills_near(const rpos& Where, double Reach)
{
    int N = 0;
    for (ref<sprite>& S : W->sprites)
        if (S->sprite_type == sprite::st_bee && S->dead && dist2d(S->position, Where) < Reach) N++;
    return N;
}

result session::outcome() const
{
    result R;
    world& V = *W.ptr();
    R.total_bees = V.total_bees;
    R.rescued_bees = V.rescued_bees;
    R.killed_bees = V.killed_bees;
    R.medals = medals_for(V.rescued_bees, V.medal_bees);
    if (P.quit_flag) R.end_time = clock;
    return R;
}

} // namespace player
