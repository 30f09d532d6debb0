#include "bee.h"

#include "clamp.h"
#include "picture.h"
#include "smellgrid.h"
#include "world.h"

#include <GL/gl.h>

bee::bee() : velocity(), flap_flag(false), flap_counter(0.0), rescued_flag(false)
{
    sprite_type = st_bee;
}

bee::~bee() {}

void bee::init(const rpos& Position, const rpos& Velocity, rngen& RN1)
{
    position = Position;
    radius = 0.1;
    velocity = Velocity;
    flap_flag = (RN1.get() > 0.5);
    flap_counter = RN1.get() * 0.01 + 0.02;
    RN.seed(RN1.get_seed());
}

void bee::update(double T)
{
    // Held for the whole step so the grid outlives any change to the world's handles.
    ref<smellgrid> BeeGrid = cur_world->smells[smell_bee];
    smellgrid* PollenGrid = cur_world->smells[smell_pollen].ptr();
    const rpos& Size = cur_world->size;

    position += velocity * T;

    for (int a = 0; a < 2; a++)
    {
        if (position[a] < 0.0)
        {
            velocity[a] = -velocity[a];
            position[a] = 0.0;
        }
        if (position[a] > Size[a])
        {
            velocity[a] = -velocity[a];
            position[a] = Size[a];
        }
    }

    velocity[0] += RN.balance() * T;
    velocity[1] += RN.balance() * T;

    rpos BeeTracking = smell_tracking(BeeGrid.ptr(), 5, 0.25, RN);
    velocity += BeeTracking * 10.0 * T;
    rpos PollenTracking = smell_tracking(PollenGrid, 10, 0.5, RN);
    velocity += PollenTracking * 100.0 * T;

    velocity[0] = clamp(velocity[0], -0.5, 0.5);
    velocity[1] = clamp(velocity[1], -0.5, 0.5);

    if (!rescued_flag) BeeGrid->scent(position, 2.0 * radius, T * 25.0);

    flap_counter -= T;
    if (flap_counter < 0.0)
    {
        flap_counter = RN.get() * 0.1 + 0.1;
        flap_flag = !flap_flag;
    }
}

void bee::render(rstate&)
{
    double FlapY = flap_flag ? 0.05 : 0.0;
    glPointSize(picture_pixels(5));
    glEnable(GL_BLEND);
    glBegin(GL_POINTS);
    glColor4f(1.0f, 1.0f, 1.0f, 0.9f);
    glVertex3dv(position + mkrpos(-0.1, FlapY, 0.0));
    glVertex3dv(position + mkrpos(0.1, FlapY, 0.0));
    glColor4f(1.0f, 1.0f, 0.0f, 0.75f);
    glVertex3dv(position);
    glColor4f(0.5f, 0.5f, 0.0f, 0.8f);
    glVertex3dv(position + mkrpos(0.0, 0.05, 0.0));
    glColor4f(1.0f, 1.0f, 0.0f, 0.85f);
    glVertex3dv(position + mkrpos(0.0, 0.1, 0.0));
    glEnd();
    glDisable(GL_BLEND);
}

void bee::rescue()
{
    rescued_flag = true;
    cur_world->rescued_bees++;
}

void bee::kill()
{
    // A bee reached by two horseflies in one frame dies once; counting it twice would push
    // rescued + killed past the total and the level would never end.
    if (dead) return;
    dead = true;
    cur_world->killed_bees++;
}
