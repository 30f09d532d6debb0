// A bee the player must bring home: drifts with a random jitter, weakly toward bee scent and
// strongly toward pollen scent, and lays bee scent until rescued. Reaches its world through cur_world.
#pragma once

#include "sprite.h"

class bee : public sprite
{
public:
    rpos velocity;
    rngen RN;
    bool flap_flag;
    double flap_counter;
    bool rescued_flag;

    bee();
    ~bee() override;

    void init(const rpos& Position, const rpos& Velocity, rngen& RN1);
    void render(rstate& R) override;
    void update(double T) override;

    // Counts the bee in cur_world's rescued_bees; callers check rescued_flag first.
    void rescue();
    // Counts the bee in cur_world's killed_bees; callers check dead first.
    void kill();
};
