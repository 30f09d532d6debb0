#include "flower.h"

#include "picture.h"
#include "smellgrid.h"
#include "world.h"

#include <GL/gl.h>
#include <cmath>

namespace {
const double REGROWTH = 0.1; // pollen per second
} // namespace

flower::flower()
    : pollen(0.0), max_pollen(0.0), next_drain(0.0), wilted_flag(false), wilted_counter(0.0), active_flag(false),
      smell_counter(0.0)
{
    for (int a = 0; a < 3; a++)
    {
        smell_phases[a] = 0.0;
        smell_freqs[a] = 0.0;
    }
    sprite_type = st_flower;
}

flower::~flower() {}

void flower::init(const rpos& FlowerP, rngen& RN)
{
    position = FlowerP;
    radius = 0.5 * RN.get() + 0.25;
    max_pollen = 2.0 * radius;
    pollen = max_pollen;
    next_drain = 0.0;
    int NumPetals = RN.get_index(3) + 5;
    for (int a = 0; a < NumPetals; a++)
    {
        double PetalAngle = 2.0 * PI * RN.get();
        double PetalRadius = 0.5 * radius + 0.1 * RN.balance();
        petals.push_back(mkrpos(std::sin(PetalAngle), std::cos(PetalAngle), 0.0) * PetalRadius);
    }
    for (int a = 0; a < 3; a++)
    {
        smell_phases[a] = 2.0 * PI * RN.get();
        smell_freqs[a] = 2.0 * RN.get() + 1.0;
    }
    wilted_flag = false;
    active_flag = false;
}

void flower::update(double T)
{
    if (wilted_flag)
    {
        // Drains asked for meanwhile wait in next_drain for the first update after the wilting.
        wilted_counter -= T;
        if (wilted_counter < 0.0) wilted_flag = false;
    }
    else if (next_drain > 0.0)
    {
        pollen -= next_drain;
        if (pollen <= 0.0)
        {
            pollen = 0.0;
            wilted_flag = true;
            wilted_counter = WILT_SECONDS;
        }
        next_drain = 0.0;
    }
    else
    {
        pollen += REGROWTH * T;
        if (pollen > max_pollen) pollen = max_pollen;
    }

    smell_counter += T;
    double SmellPower = 0.0;
    for (int a = 0; a < 3; a++) SmellPower += std::sin(smell_counter * smell_freqs[a] + smell_phases[a]) + 1.0;
    SmellPower /= 3.0;
    cur_world->smells[smell_pollen]->scent(position, 2.0, pollen * (0.25 * SmellPower + 0.5) * 50.0 * T);

    double Distance = length(cur_world->cursor - position);
    active_flag = (1.5 * radius > Distance);
    if (active_flag) cur_world->active_flowers.push_back(this);
}

void flower::render(rstate&)
{
    int ActiveAdd;
    fcolor MiddleColor, PetalColor;
    if (wilted_flag)
    {
        ActiveAdd = -1;
        MiddleColor = mkfcolor(0.4f, 0.1f, 0.1f, 1.0f);
        PetalColor = mkfcolor(0.2f, 0.0f, 0.0f, 0.6f);
    }
    else if (active_flag)
    {
        // The normal look plus 0.1 everywhere; GL clamps what passes 1.
        ActiveAdd = 2;
        MiddleColor = mkfcolor(1.1f, 0.3f, 0.3f, 1.1f);
        PetalColor = mkfcolor(0.9f, 0.2f, 0.2f, 0.7f);
    }
    else
    {
        ActiveAdd = 0;
        MiddleColor = mkfcolor(1.0f, 0.2f, 0.2f, 1.0f);
        PetalColor = mkfcolor(0.8f, 0.1f, 0.1f, 0.6f);
    }

    glPointSize(picture_pixels(50.0 * radius + ActiveAdd));
    glColor4fv(MiddleColor);
    glBegin(GL_POINTS);
    glVertex3dv(position);
    glEnd();

    glPointSize(picture_pixels(30.0 * radius + ActiveAdd));
    glColor4fv(PetalColor);
    glEnable(GL_BLEND);
    glBegin(GL_POINTS);
    for (const rpos& Petal : petals) glVertex3dv(position + Petal);
    glEnd();
    glDisable(GL_BLEND);
}

void flower::drain(double Amount)
{
    next_drain += Amount;
}
