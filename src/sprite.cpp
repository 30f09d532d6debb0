#include "sprite.h"

#include "bee.h"
#include "smellgrid.h"
#include "world.h"

sprite::sprite() : dead(false), radius(1.0), position(), sprite_type(st_none) {}

sprite::~sprite() {}

void sprite::render(rstate&) {}

void sprite::update(double) {}

rpos sprite::smell_tracking(smellgrid* Smells, int CheckPoints, double CheckRadius, rngen& RN)
{
    rpos Tracking;
    double TrackingSum = 0.0;
    if (CheckPoints < 1) return Tracking;
    for (int a = 0; a < CheckPoints; a++)
    {
        double SmellRadius = (0.5 * RN.get() + 0.5) * CheckRadius;
        rpos SmellOffset;
        RN.mkrpos2d(SmellOffset, SmellRadius);
        double Sniff = Smells->sniff(position + SmellOffset);
        Tracking += SmellOffset * Sniff;
        TrackingSum += Sniff;
    }
    if (TrackingSum > 0.0) Tracking /= TrackingSum;
    return Tracking;
}

int sprite::checks_this_frame(double T)
{
    int NumChecks = (int)(cur_world->sprites.size() * 0.5 * T);
    return NumChecks < 1 ? 1 : NumChecks;
}

bee* sprite::bee_in_reach(rngen& RN)
{
    std::vector<ref<sprite>>& Sprites = cur_world->sprites;
    sprite* S = Sprites[RN.get_index((int)Sprites.size())].ptr();
    if (S->sprite_type != st_bee) return nullptr;
    bee* B = static_cast<bee*>(S);
    // Bees fly at height 0.5, above a hive at 0: the height counts.
    return length(B->position - position) < 1.0 && !B->rescued_flag ? B : nullptr;
}
