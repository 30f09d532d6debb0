// The bees' home, one per world, first in its sprite list: pulses scent into both grids and brings
// home the unrescued bees it finds within one unit among a few randomly sampled sprites each frame.
#pragma once

#include "sprite.h"

class hive : public sprite
{
public:
    rpos hivecorners[7]; // centre and six corners of the drawn hexagon
    rngen RN;
    double smell_freqs[2][3];  // row 0 drives the bee grid, row 1 the pollen grid
    double smell_phases[2][3];
    double smell_counter;

    hive();
    ~hive() override;

    void init(const rpos& Position, rngen& RN1);
    void render(rstate& R) override;
    void update(double T) override;
};
