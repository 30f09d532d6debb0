#include "ghost_hand.h"

#include "bee.h"
#include "flower.h"
#include "picture.h"
#include "platform.h"
#include "text.h"
#include "texts.h"
#include "trail.h"
#include "world.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// The gesture's times, in seconds from the start of each round: in from aside, a rest on the flower as
// the demonstration's careful hand takes, the drag, a moment after letting go, a pause.
const double START = 0.5, ROUND = 5.0, GLIDE = 0.9, PRESS = 1.3, LET_GO = 3.7, GONE = 4.4;
const double REACH = 4.0;  // the longest drag shown: a few seconds at the pace bees follow
const double SHORT = 0.8;  // it stops this short of the hive, whose own scent brings the bees in
const double MARGIN = 0.5; // a flower this far inside the view's edges, and below the bee bar and the words
const double TOP = 2.2;

bool in_view(const rpos& P, const rpos& View)
{
    return P[0] > View[0] + MARGIN && P[0] < View[0] + PICTURE_W - MARGIN && P[1] > View[1] + TOP &&
           P[1] < View[1] + PICTURE_H - MARGIN;
}

double eased(double T)
{
    return T * T * (3 - 2 * T);
}
} // namespace

ghost_hand::ghost_hand() : gone_flag(false), from(nullptr), hive() {}

void ghost_hand::clear()
{
    gone_flag = false;
    from = nullptr;
}

void ghost_hand::press()
{
    gone_flag = true;
}

void ghost_hand::update(world& W, const rpos& ViewCenter)
{
    if (W.sprites.empty()) return;
    hive = W.sprites[0]->position;
    if (from && !from->wilted_flag && in_view(from->position, ViewCenter)) return;
    rpos Bees = mkrpos(0, 0, 0);
    int Count = 0;
    for (ref<sprite>& S : W.sprites)
        if (S->sprite_type == sprite::st_bee && !static_cast<bee*>(S.ptr())->rescued_flag) Bees += S->position, Count++;
    if (Count > 0) Bees /= (double)Count;
    from = nullptr;
    double Best = 1e9;
    for (ref<sprite>& S : W.sprites)
    {
        if (S->sprite_type != sprite::st_flower) continue;
        const flower* F = static_cast<flower*>(S.ptr());
        double D = std::hypot(F->position[0] - Bees[0], F->position[1] - Bees[1]);
        if (!F->wilted_flag && F->pollen > 0.5 * F->max_pollen && in_view(F->position, ViewCenter) && D < Best)
            Best = D, from = F;
    }
}

bool ghost_hand::pose(double Time, rpos& At, bool& Down, double& Along) const
{
    if (!from || Time < START) return false;
    double T = std::fmod(Time - START, ROUND);
    if (T > GONE) return false;
    const rpos Flower = mkrpos(from->position[0], from->position[1], 0);
    rpos Way = mkrpos(hive[0] - Flower[0], hive[1] - Flower[1], 0);
    double Length = length(Way);
    rpos To = Length > SHORT ? Flower + Way * (std::min(REACH, Length - SHORT) / Length) : Flower;
    Down = T >= PRESS && T < LET_GO;
    Along = T < PRESS ? 0.0 : eased(std::min(1.0, (T - PRESS) / (LET_GO - PRESS)));
    if (T < GLIDE)
        At = Flower + mkrpos(1.5, 1.2, 0) * (1 - eased(T / GLIDE)); // in from below and right, the way a hand comes
    else
        At = Flower + (To - Flower) * Along;
    return true;
}

void ghost_hand::render(double Time) const
{
    rpos At;
    bool Down;
    double Along;
    if (!pose(Time, At, Down, Along)) return;
    double T = std::fmod(Time - START, ROUND);
    float Fade = (float)std::min({1.0, T / 0.3, (GONE - T) / 0.4});
    if (Along > 0)
    {
        // The trail such a drag lays, pale: the real one is bright.
        const rpos Flower = mkrpos(from->position[0], from->position[1], 0);
        std::vector<rpos> Points;
        std::vector<float> Alphas;
        for (int s = 0; s <= 12; s++) Points.push_back(Flower + (At - Flower) * (s / 12.0)), Alphas.push_back(0.45f * Fade * (float)(0.4 + 0.6 * s / 12.0));
        trail::draw_ribbon(Points, Alphas, 0.22, mkfcolor(1.0f, 0.85f, 0.95f, 1.0f), mkfcolor(1.0f, 0.6f, 0.85f, 0.8f), 0.0);
    }
    if (Down)
    {
        glColor4f(1.0f, 1.0f, 1.0f, 0.8f * Fade);
        glLineWidth(picture_pixels(2.5));
        glBegin(GL_LINE_LOOP);
        for (int s = 0; s < 20; s++) glVertex3d(At[0] + 0.3 * std::cos(s * PI / 10), At[1] + 0.3 * std::sin(s * PI / 10), 0);
        glEnd();
        glLineWidth(1.0f);
    }
    // An arrow like the pointer's, white and see-through on a dark edge: a hand that is not the player's.
    const rpos Tip[3] = {mkrpos(0, 0, 0), mkrpos(0.13, 0.55, 0), mkrpos(0.42, 0.39, 0)};
    const rpos Middle = (Tip[0] + Tip[1] + Tip[2]) / 3.0;
    for (int Pass = 0; Pass < 2; Pass++)
    {
        if (Pass) glColor4f(1, 1, 1, 0.85f * Fade);
        else glColor4f(0.1f, 0.1f, 0.2f, 0.55f * Fade);
        glBegin(GL_TRIANGLES);
        for (const rpos& V : Tip)
        {
            rpos P = At + Middle + (V - Middle) * (Pass ? 1.0 : 1.3);
            glVertex3d(P[0], P[1], 0);
        }
        glEnd();
    }
}

void ghost_hand::render_words(const font& Letters) const
{
    Letters.draw_outlined(touch_screen() ? texts::LESSON_TOUCH : texts::LESSON, mkrpos(PICTURE_W / 2, 1.6, 0), 0.5, font::centre, mkfcolor(1, 0.98f, 0.9f, 1),
                          mkfcolor(0.1f, 0.08f, 0.02f, 1));
}
