#include "trail.h"

#include "clamp.h"
#include "smellgrid.h"

#include <GL/gl.h>
#include <cmath>

namespace {
// A frame's drag at full flow at the game's hundred frames a second: 400 scent for 0.25 × 0.01 pollen.
const double FULL_SCENT = 1.0;
// Updates of the grid's fade after which scent is no longer drawn: a second and a half at that pace.
const int SHOWN_UPDATES = 150;
// A puff laid this near the last one adds to it, as scent laid on scent does in the grid: a quick hand
// draws no more of the path than a slow one.
const double MERGE = 0.15;
// Over the ground, its scent and the flowers (all at height 0), under the bees (at 0.5).
const double Z = 0.02;
const fcolor GLOW = mkfcolor(1.0f, 0.3f, 0.7f, 0.85f);
const fcolor CORE = mkfcolor(1.0f, 0.95f, 0.98f, 1.0f);
} // namespace

trail::trail() : held_flag(false) {}

void trail::clear()
{
    puffs.clear();
    held_flag = false;
}

void trail::lift()
{
    held_flag = false;
}

void trail::update(double Scent, const rpos& LaidAt, const rpos& From, bool Held, const rpos& Hand)
{
    for (puff& P : puffs) P.scent *= smellgrid::FADE;
    size_t Gone = 0;
    while (Gone < puffs.size() && shown(puffs[Gone].scent) <= 0.0) Gone++;
    puffs.erase(puffs.begin(), puffs.begin() + Gone);
    if (!puffs.empty()) puffs.front().start_flag = true;

    if (Scent > 0.0)
    {
        if (!held_flag) puffs.push_back({From, Scent, true}); // the path comes out of the flower
        puff& Last = puffs.back();
        if (length(LaidAt - Last.at) < MERGE)
            Last.scent += Scent;
        else
            puffs.push_back({LaidAt, Scent, false});
    }
    held_flag = Held && !puffs.empty();
    hand = Hand;
}

void trail::render() const
{
    if (puffs.empty()) return;
    glEnable(GL_BLEND);
    std::vector<rpos> Points;
    std::vector<float> Alphas;
    for (size_t a = 0; a <= puffs.size(); a++)
    {
        if (a == puffs.size() || puffs[a].start_flag)
        {
            // The scent lands where the hand was a frame ago; the trail reaches the hand itself.
            if (a == puffs.size() && held_flag && !Points.empty()) Points.push_back(hand), Alphas.push_back(Alphas.back());
            draw_ribbon(Points, Alphas, 0.3, CORE, GLOW, Z);
            Points.clear();
            Alphas.clear();
            if (a == puffs.size()) break;
        }
        Points.push_back(puffs[a].at);
        Alphas.push_back((float)shown(puffs[a].scent));
    }
    glDisable(GL_BLEND);
}

double trail::shown(double Scent)
{
    if (!(Scent > 0.0)) return 0.0;
    return clamp(1.0 + std::log(Scent / FULL_SCENT) / (SHOWN_UPDATES * -std::log(smellgrid::FADE)), 0.0, 1.0);
}

double trail::faintest()
{
    return FULL_SCENT * std::pow(smellgrid::FADE, SHOWN_UPDATES);
}

void trail::draw_ribbon(const std::vector<rpos>& Points, const std::vector<float>& Alphas, double HalfWidth,
                        const fcolor& Middle, const fcolor& Edge, double Z)
{
    const int N = (int)Points.size();
    if (N < 2) return;
    // Across the ribbon: Middle on its line, Edge a third of the way out, fading to nothing at its edges.
    const double Across[3] = {0.0, 0.35, 1.0};
    const fcolor Colours[3] = {Middle, Edge, mkfcolor(Edge[0], Edge[1], Edge[2], 0.0f)};
    for (int Side = -1; Side <= 1; Side += 2)
        for (int Band = 0; Band < 2; Band++)
        {
            rpos Normal = mkrpos(0, 0, 0);
            glBegin(GL_TRIANGLE_STRIP);
            for (int a = 0; a < N; a++)
            {
                // Across the path at each point, from its neighbours; a point on top of both keeps the last.
                rpos Along = Points[a + 1 < N ? a + 1 : a] - Points[a > 0 ? a - 1 : a];
                double L = std::hypot(Along[0], Along[1]);
                if (L > 1e-9) Normal = mkrpos(-Along[1] / L, Along[0] / L, 0) * (Side * HalfWidth);
                for (int Edge = Band; Edge <= Band + 1; Edge++)
                {
                    const fcolor& C = Colours[Edge];
                    glColor4f(C[0], C[1], C[2], C[3] * Alphas[a]);
                    glVertex3d(Points[a][0] + Normal[0] * Across[Edge], Points[a][1] + Normal[1] * Across[Edge], Z);
                }
            }
            glEnd();
        }
}
