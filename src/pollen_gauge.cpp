#include "pollen_gauge.h"

#include "clamp.h"
#include "flower.h"
#include "world.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace {
const double LOW = 0.25; // below this share the ring turns from gold to red: the flower is about to wilt
const double WIDTH = 0.09;
const int SIDES = 18;

// A band from Inner to Outer, from the top clockwise (y runs down) for Fill of a turn.
void band(const rpos& At, double Inner, double Outer, double Fill)
{
    const int Steps = std::max(1, (int)std::ceil(SIDES * Fill));
    glBegin(GL_TRIANGLE_STRIP);
    for (int s = 0; s <= Steps; s++)
    {
        double A = -PI / 2 + 2 * PI * Fill * s / Steps;
        glVertex3d(At[0] + Inner * std::cos(A), At[1] + Inner * std::sin(A), 0);
        glVertex3d(At[0] + Outer * std::cos(A), At[1] + Outer * std::sin(A), 0);
    }
    glEnd();
}
} // namespace

pollen_gauge::reading pollen_gauge::read(const flower& F, bool Held)
{
    if (F.wilted_flag) return {g_wilted, clamp(1.0 - F.wilted_counter / flower::WILT_SECONDS, 0.0, 1.0)};
    if (Held || F.active_flag) return {g_pollen, F.max_pollen > 0 ? clamp(F.pollen / F.max_pollen, 0.0, 1.0) : 0.0};
    return {g_none, 0.0};
}

void pollen_gauge::render(world& W, const std::vector<flower*>& Held) const
{
    for (ref<sprite>& S : W.sprites)
    {
        if (S->sprite_type != sprite::st_flower) continue;
        const flower& F = *static_cast<const flower*>(S.ptr());
        reading R = read(F, std::find(Held.begin(), Held.end(), &F) != Held.end());
        if (R.kind == g_none) continue;
        // Outside the petals, which reach about three quarters of the radius and a tenth of a unit more.
        double Inner = 0.75 * F.radius + 0.15;
        glColor4f(0.05f, 0.04f, 0.0f, 0.5f);
        band(F.position, Inner - 0.025, Inner + WIDTH + 0.025, 1.0);
        if (R.kind == g_wilted)
            glColor4f(0.65f, 0.9f, 0.7f, 0.9f);
        else if (R.fill < LOW)
            glColor4f(1.0f, 0.25f, 0.1f, 0.95f);
        else
            glColor4f(1.0f, 0.85f, 0.25f, 0.95f);
        if (R.fill > 0) band(F.position, Inner, Inner + WIDTH, R.fill);
    }
}
