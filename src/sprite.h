// Base of everything that lives on the map (hive, flowers, horseflies, bees). The world owns sprites
// through ref<sprite> and tells the kinds apart by sprite_type; a sprite flagged dead leaves the
// world's list at the start of the next world update.
#pragma once

#include "rngen.h"
#include "rstate.h"
#include "vecco.h"

class bee;
class smellgrid;

class sprite
{
public:
    enum sprite_types
    {
        st_none = 0,
        st_bee = 1,
        st_flower = 2,
        st_horsefly = 3,
        st_hive = 4,
        SRITE_SIZE = 5
    };

    bool dead;
    double radius;
    rpos position;
    sprite_types sprite_type;

    sprite();
    virtual ~sprite();
    virtual void render(rstate& R);
    virtual void update(double T);

    // Scent-weighted mean of CheckPoints random offsets about position, each at most CheckRadius
    // long. Three draws of RN per sample, even where nothing smells.
    rpos smell_tracking(smellgrid* Smells, int CheckPoints, double CheckRadius, rngen& RN);

    // How the hive and the horseflies look for bees: half of cur_world's sprites a second, at least one a
    // frame, each drawn at random.
    static int checks_this_frame(double T);
    // One check, one draw of RN: the sprite drawn, if it is a bee not yet home within 1.0 of position
    // (over all three components), or null.
    bee* bee_in_reach(rngen& RN);
};
