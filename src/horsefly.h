// The bees' enemy: waits over water drifting and hunting, then flies to where bee scent pulls it and
// pollen scent pushes it, and swoops onto each bee it kills. Its wings draw from its own generator.
#pragma once

#include "sprite.h"

class horsefly : public sprite
{
public:
    enum states
    {
        s_waiting = 0,
        s_flying = 1,
        s_attacking = 2,
        S_SIZE = 3
    };

    rngen RN;
    states state;
    double waiting_counter;
    rpos waiting_tracking; // pull summed over the frames of this wait
    int waiting_frames;
    rpos flying_source;
    rpos flying_dest;
    double flying_alpha;
    double attacking_counter;
    rpos attacking_position;
    // The wings and the attack's cloud as last drawn, for a still picture.
    double wing_heights[2];
    float wing_shades[2];
    rpos cloud[5];

    horsefly();
    ~horsefly() override;

    void init(const rpos& Position, rngen& RN1);
    void render(rstate& R) override;
    // What a render draws from the generator (the wings, the attack's cloud), kept for drawing.
    void spend_draws();
    void update(double T) override;
};
