#include "hive.h"

#include "bee.h"
#include "picture.h"
#include "smellgrid.h"
#include "world.h"

#include <GL/gl.h>
#include <cmath>

hive::hive() : smell_counter(0.0)
{
    for (int a = 0; a < 2; a++)
        for (int b = 0; b < 3; b++)
        {
            smell_freqs[a][b] = 0.0;
            smell_phases[a][b] = 0.0;
        }
    sprite_type = st_hive;
}

hive::~hive() {}

void hive::init(const rpos& Position, rngen& RN1)
{
    position = Position;
    RN.seed(RN1.get_seed());
    radius = 0.5;
    const rpos Template[7] = {mkrpos(0, 0, 0),        mkrpos(0.1, 0, 0),      mkrpos(0.05, -0.07, 0),
                              mkrpos(-0.05, -0.07, 0), mkrpos(-0.1, 0, 0),     mkrpos(-0.05, 0.07, 0),
                              mkrpos(0.05, 0.07, 0)};
    for (int c = 0; c < 7; c++)
    {
        double U1 = RN.balance(); // jitters y
        double U2 = RN.balance(); // jitters x
        hivecorners[c] = Template[c] * 3.0 + position + mkrpos(0.02 * U2, 0.02 * U1, 0.0);
    }
    for (int a = 0; a < 2; a++)
        for (int b = 0; b < 3; b++)
        {
            smell_freqs[a][b] = RN.get() * 2.5 + 0.5;
            smell_phases[a][b] = RN.get() * PI * 2;
        }
}

void hive::update(double T)
{
    smell_counter += T;
    double SmellPowers[2];
    for (int a = 0; a < 2; a++)
    {
        SmellPowers[a] = 0.0;
        for (int b = 0; b < 3; b++) SmellPowers[a] += std::sin(smell_counter * smell_freqs[a][b] + smell_phases[a][b]) + 1.0;
    }
    cur_world->smells[smell_bee]->scent(position, 3.0 * radius, (SmellPowers[0] * 0.1 + 0.2) * 50.0 * T);
    cur_world->smells[smell_pollen]->scent(position, 5.0 * radius, (0.2 + SmellPowers[1] * 0.3) * 50.0 * T);

    int NumChecks = checks_this_frame(T);
    for (int a = 0; a < NumChecks; a++)
        if (bee* B = bee_in_reach(RN)) B->rescue();
}

void hive::render(rstate&)
{
    glEnable(GL_BLEND);
    glPointSize(picture_pixels(20));
    glColor4f(1.0f, 1.0f, 0.0f, 0.6f);
    glBegin(GL_POINTS);
    for (int c = 0; c < 7; c++) glVertex3dv(hivecorners[c]);
    glEnd();
    glPointSize(picture_pixels(10));
    glColor4f(0.0f, 0.0f, 0.0f, 0.3f);
    glBegin(GL_POINTS);
    for (int c = 0; c < 7; c++) glVertex3dv(hivecorners[c]);
    glEnd();
    glDisable(GL_BLEND);
}
