#include "bee_marks.h"

#include "bee.h"
#include "clamp.h"
#include "picture.h"
#include "smellgrid.h"
#include "texture.h"
#include "trail.h"
#include "world.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <string>

namespace {
const double HALO = 0.18;  // the rim's radius: the wings reach 0.14
const double SPAN = 0.225; // half the mark's square, rim and edge inside it
const double KNOT = 0.1; // bees nearer each other than this are one blot on the screen
const double MIDDLE = 0.05; // the bee's body runs from its position to 0.1 below it
const double UNDER = 0.05;  // how far below the bee its mark lies
// A horsefly kills within one unit, and hunts bees a few units off.
const double DANGER_REACH = 2.0;
// A pull this long is drawn fully pink: it turns the bee (100 times the pull per second) ten times harder
// than its jitter and the bee scent together can.
const double FULL_PULL = 0.06;
const double HOME_SECONDS = 1.2, FLY_IN = 0.45;
const double SNIFF = 0.375; // a bee sniffs a quarter to half a unit off
const double R2 = 0.7071067811865476;
const double DIRECTIONS[8][2] = {{1, 0}, {R2, R2}, {0, 1}, {-R2, R2}, {-1, 0}, {-R2, -R2}, {0, -1}, {R2, -R2}};
const int SIDES = 16;

// Within Reach in the plane; squared, since the last level asks it some ten thousand times a frame.
bool near(const rpos& A, const rpos& B, double Reach)
{
    const double X = A[0] - B[0], Y = A[1] - B[1];
    return X * X + Y * Y < Reach * Reach;
}

// Out of view a mark costs the drawing as much as one in view, and its look as much to work out: the last
// level has most of its bees there.
bool in_view(const rpos& At, const rpos& ViewCenter, double Margin = HALO)
{
    return At[0] > ViewCenter[0] - Margin && At[0] < ViewCenter[0] + PICTURE_W + Margin && At[1] > ViewCenter[1] - Margin &&
           At[1] < ViewCenter[1] + PICTURE_H + Margin;
}

// Unit steps round a circle, the first again at the end: worked out once a drawing, not once a bee.
struct circle
{
    double x[SIDES + 1], y[SIDES + 1];
    circle()
    {
        for (int s = 0; s <= SIDES; s++) x[s] = std::cos(2.0 * PI * s / SIDES), y[s] = std::sin(2.0 * PI * s / SIDES);
    }
    void disc(const rpos& At, double Radius, const fcolor& Middle, float EdgeAlpha) const
    {
        glBegin(GL_TRIANGLE_FAN);
        glColor4fv(Middle);
        glVertex3d(At[0], At[1], At[2]);
        glColor4f(Middle[0], Middle[1], Middle[2], EdgeAlpha);
        for (int s = 0; s <= SIDES; s++) glVertex3d(At[0] + Radius * x[s], At[1] + Radius * y[s], At[2]);
        glEnd();
    }
    // As lines, to go in a batch of GL_LINES.
    void ring(const rpos& At, double Radius) const
    {
        for (int s = 0; s < SIDES; s++)
        {
            glVertex3d(At[0] + Radius * x[s], At[1] + Radius * y[s], At[2]);
            glVertex3d(At[0] + Radius * x[s + 1], At[1] + Radius * y[s + 1], At[2]);
        }
    }
};
} // namespace

void bee_marks::clear()
{
    bees.clear();
    homecomings.clear();
    seen_home.clear();
}

rpos bee_marks::pull(smellgrid& Pollen, const rpos& At)
{
    rpos Sum = mkrpos(0, 0, 0);
    double Weight = 0.0;
    for (const auto& D : DIRECTIONS)
    {
        rpos Offset = mkrpos(D[0] * SNIFF, D[1] * SNIFF, 0);
        double Sniff = Pollen.sniff(At + Offset);
        Sum += Offset * Sniff;
        Weight += Sniff;
    }
    // Scent fainter than the trail shows, where a puff of it peaks, leads nothing a player could see.
    if (Weight / 8 < 0.25 * trail::faintest()) return mkrpos(0, 0, 0);
    return Sum / Weight;
}

float bee_marks::led(smellgrid& Pollen, const rpos& At)
{
    rpos P = pull(Pollen, At);
    return (float)clamp(std::hypot(P[0], P[1]) / FULL_PULL, 0.0, 1.0);
}

void bee_marks::update(world& W, const rpos& ViewCenter)
{
    smellgrid& Pollen = *W.smells[smell_pollen].ptr();
    std::vector<rpos> Flies;
    for (ref<sprite>& S : W.sprites)
        if (S->sprite_type == sprite::st_horsefly) Flies.push_back(S->position);
    bees.clear();
    for (ref<sprite>& S : W.sprites)
    {
        if (S->sprite_type != sprite::st_bee || S->dead) continue;
        const bee& B = *static_cast<const bee*>(S.ptr());
        bee_look Look = {B.position, 0.0f, false, B.rescued_flag};
        if (!Look.home && in_view(B.position, ViewCenter, 1.0))
        {
            Look.led = led(Pollen, B.position);
            for (size_t f = 0; f < Flies.size() && !Look.danger; f++) Look.danger = near(Flies[f], B.position, DANGER_REACH);
        }
        bees.push_back(Look);
        if (Look.home && (int)seen_home.size() < W.rescued_bees &&
            std::find(seen_home.begin(), seen_home.end(), S.ptr()) == seen_home.end())
        {
            seen_home.push_back(S.ptr());
            homecomings.push_back({B.position, W.animation_counter});
        }
    }
    homecomings.erase(std::remove_if(homecomings.begin(), homecomings.end(),
                                     [&](const homecoming& H) { return W.animation_counter - H.born > HOME_SECONDS; }),
                      homecomings.end());
}

std::vector<unsigned char> bee_marks::picture(int Pixels)
{
    // A white rim, 2.5 pixels of the reference picture wide, on a dark edge 5.5 wide, pixel for pixel as
    // drawn: the drawing colours the rim and cuts away the rest.
    const double PerUnit = Pixels / (2 * SPAN), Rim = HALO * PerUnit, Scale = PerUnit * PICTURE_H / REFERENCE_HEIGHT;
    std::vector<unsigned char> Rgba((size_t)Pixels * Pixels * 4, 0);
    for (int Y = 0; Y < Pixels; Y++)
        for (int X = 0; X < Pixels; X++)
        {
            double Off = std::abs(std::hypot(X + 0.5 - Pixels / 2.0, Y + 0.5 - Pixels / 2.0) - Rim);
            if (Off > 2.75 * Scale) continue;
            unsigned char* P = &Rgba[((size_t)Y * Pixels + X) * 4];
            const bool White = Off <= 1.25 * Scale;
            P[0] = White ? 255 : 25, P[1] = White ? 255 : 18, P[2] = White ? 255 : 0, P[3] = 255;
        }
    return Rgba;
}

void bee_marks::render_under(const rpos& ViewCenter)
{
    // One quad a bee, cut out, not blended: the last level's crowd must cost the drawing little more than
    // its bees do. The picture is made anew for each size of the picture on the screen.
    const int Pixels = (int)std::lround(picture_pixels(2 * SPAN * REFERENCE_HEIGHT / PICTURE_H));
    if (!mark || mark->w != Pixels) mark = texture_make("bee mark " + std::to_string(Pixels), Pixels, Pixels, picture(Pixels));
    glAlphaFunc(GL_GREATER, 0.5f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, (GLuint)mark->id);
    std::vector<rpos> Drawn;
    glBegin(GL_QUADS);
    for (const bee_look& L : bees)
    {
        // A bee home needs no finding; bees on top of one another share a mark, as one blot on the screen.
        bool Shown = !L.home && in_view(L.at, ViewCenter);
        for (size_t k = 0; Shown && k < Drawn.size(); k++) Shown = !near(Drawn[k], L.at, KNOT);
        if (!Shown) continue;
        Drawn.push_back(L.at);
        if (L.danger)
            glColor4f(1.0f, 0.15f, 0.05f, 1.0f);
        else // from cream to the trail's pink, clear of the danger's red
            glColor4f(1.0f, 0.95f - 0.6f * L.led, 0.75f + 0.15f * L.led, 1.0f);
        const double S = SPAN, X = L.at[0], Y = L.at[1] + MIDDLE, Z = L.at[2] - UNDER;
        glTexCoord2f(0, 0);
        glVertex3d(X - S, Y - S, Z);
        glTexCoord2f(1, 0);
        glVertex3d(X + S, Y - S, Z);
        glTexCoord2f(1, 1);
        glVertex3d(X + S, Y + S, Z);
        glTexCoord2f(0, 1);
        glVertex3d(X - S, Y + S, Z);
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glAlphaFunc(GL_GREATER, 0.0f);
}

void bee_marks::render_over(world& W) const
{
    if (homecomings.empty() || W.sprites.empty() || W.sprites[0]->sprite_type != sprite::st_hive) return;
    const rpos Hive = W.sprites[0]->position;
    const circle C;
    for (const homecoming& H : homecomings)
    {
        double Age = W.animation_counter - H.born;
        if (Age < FLY_IN)
        {
            // A spark from where the bee was found into the hive, slowing as it lands.
            double T = Age / FLY_IN, Eased = T * (2.0 - T);
            rpos At = H.from + mkrpos(0, MIDDLE, 0) + (Hive - H.from - mkrpos(0, MIDDLE, 0)) * Eased;
            At[2] = 0;
            C.disc(At, 0.25, mkfcolor(1.0f, 0.8f, 0.2f, 0.6f), 0.0f);
            C.disc(At, 0.08, mkfcolor(1.0f, 0.97f, 0.75f, 1.0f), 0.9f);
        }
        double Ring = (Age - 0.8 * FLY_IN) / (HOME_SECONDS - 0.8 * FLY_IN);
        if (Ring > 0 && Ring < 1)
        {
            glColor4f(1.0f, 0.82f, 0.25f, (float)(0.9 * (1 - Ring)));
            glLineWidth(picture_pixels(3));
            glBegin(GL_LINES);
            C.ring(mkrpos(Hive[0], Hive[1], 0), 0.4 + 0.6 * Ring);
            glEnd();
            glLineWidth(1.0f);
        }
    }
}
