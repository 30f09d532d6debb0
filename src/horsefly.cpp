#include "horsefly.h"

#include "bee.h"
#include "clamp.h"
#include "picture.h"
#include "smellgrid.h"
#include "world.h"

#include <GL/gl.h>

horsefly::horsefly()
    : state(s_waiting), waiting_counter(0.0), waiting_tracking(), waiting_frames(0), flying_source(), flying_dest(),
      flying_alpha(0.0), attacking_counter(0.0), attacking_position(), wing_heights{0.0, 0.0}, wing_shades{0.75f, 0.75f}
{
    sprite_type = st_horsefly;
}

horsefly::~horsefly() {}

void horsefly::init(const rpos& Position, rngen& RN1)
{
    position = Position;
    radius = 0.15;
    state = s_waiting;
    waiting_frames = 0;
    waiting_counter = 4.0 * RN1.get();
    RN.seed(RN1.get_seed());
}

void horsefly::update(double T)
{
    smellgrid* BeeGrid = cur_world->smells[smell_bee].ptr();
    smellgrid* PollenGrid = cur_world->smells[smell_pollen].ptr();

    if (state == s_waiting)
    {
        double B1 = RN.balance();
        double B2 = RN.balance();
        position += mkrpos(B2, B1, 0.0) * 0.25 * T;
        waiting_tracking += smell_tracking(BeeGrid, 25, 5.0, RN) * 0.75;
        waiting_tracking -= smell_tracking(PollenGrid, 10, 3.0, RN) * 0.25;
        waiting_frames += 1;
        waiting_counter -= T;
        if (waiting_counter <= 0.0)
        {
            waiting_tracking /= (double)waiting_frames;
            flying_source = position;
            flying_dest = position + waiting_tracking;
            state = s_flying;
            flying_alpha = 0.0;
        }
        else if (PollenGrid->sniff(position) < 0.5)
        {
            int NumChecks = checks_this_frame(T);
            for (int a = 0; a < NumChecks; a++)
            {
                bee* B = bee_in_reach(RN);
                // A bee another horsefly killed this frame is still listed until the next sweep.
                if (!B || B->dead) continue;
                B->kill();
                state = s_attacking;
                attacking_counter = 0.25;
                attacking_position = B->position;
                break;
            }
        }
    }
    else if (state == s_flying)
    {
        flying_alpha += 2.0 * T;
        if (flying_alpha >= 1.0)
        {
            position = flying_dest;
            state = s_waiting;
            waiting_counter = 3.0 * RN.get() + 1.0;
            waiting_tracking = rpos();
            waiting_frames = 0;
        }
        else
        {
            // Starts slowly and speeds up.
            double A2 = flying_alpha * flying_alpha;
            position = flying_source * (1.0 - A2) + flying_dest * A2;
        }
    }
    else if (state == s_attacking)
    {
        position = position * 0.5 + attacking_position * 0.5;
        attacking_counter -= T;
        if (attacking_counter < 0.0)
        {
            state = s_waiting;
            waiting_counter = RN.get() + 3.0;
            waiting_tracking = rpos();
            waiting_frames = 0;
        }
    }

    rpos PollenTracking = smell_tracking(PollenGrid, 10, 0.5, RN);
    position -= PollenTracking * 2.5 * T;
    position[0] = clamp(position[0], 0.0, cur_world->size[0]);
    position[1] = clamp(position[1], 0.0, cur_world->size[1]);
}

void horsefly::spend_draws()
{
    // The wings flicker from the horsefly's own generator: the one draw a render may make.
    wing_heights[0] = 0.075 * RN.get();
    wing_heights[1] = 0.075 * RN.get();
    wing_shades[0] = (float)(0.5 * RN.get() + 0.5);
    wing_shades[1] = (float)(0.5 * RN.get() + 0.5);
    for (int a = 0; a < 5 && state == s_attacking; a++)
    {
        double B1 = RN.balance();
        double B2 = RN.balance();
        cloud[a] = mkrpos(B2, B1, 0.0) * 0.2;
    }
}

void horsefly::render(rstate& R)
{
    if (!R.still_flag) spend_draws();
    glPointSize(picture_pixels(15));
    glEnable(GL_BLEND);
    glBegin(GL_POINTS);
    glColor4f(0.2f, 0.2f, 0.4f, 0.8f);
    glVertex3dv(position);
    glColor4f(0.5f, 0.5f, wing_shades[0], 0.6f);
    glVertex3dv(position + mkrpos(0.15, wing_heights[0], 0.0));
    glColor4f(0.5f, 0.5f, wing_shades[1], 0.6f);
    glVertex3dv(position + mkrpos(-0.15, wing_heights[1], 0.0));
    if (state == s_attacking)
    {
        glColor4f(0.7f, 0.7f, 0.7f, 0.4f);
        for (int a = 0; a < 5; a++) glVertex3dv(position + cloud[a]);
    }
    glEnd();
    glDisable(GL_BLEND);
}
