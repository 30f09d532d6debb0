// A stationary flower on grass: holds pollen, breathes it out as pollen scent, wilts for a while when
// the player drains it empty, and registers itself in cur_world->active_flowers while under the cursor.
#pragma once

#include "sprite.h"

#include <vector>

class flower : public sprite
{
public:
    static constexpr double WILT_SECONDS = 15.0; // a flower drained empty wilts this long

    std::vector<rpos> petals; // offsets from position
    double pollen;
    double max_pollen;
    double next_drain; // asked for since the last update; taken by the next update that is not wilted
    bool wilted_flag;
    double wilted_counter;
    bool active_flag;
    double smell_counter;
    double smell_phases[3];
    double smell_freqs[3];

    flower();
    ~flower() override;

    void init(const rpos& FlowerP, rngen& RN);
    void render(rstate& R) override;
    void update(double T) override;
    void drain(double Amount);
};
