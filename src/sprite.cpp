#include "sprite.h"

#include "smellgrid.h"

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
