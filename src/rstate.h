// Render state a screen hands to every render call: where the view looks in the world. The world point
// view_center is drawn at the picture's top-left corner.
#pragma once

#include "vecco.h"

class rstate
{
public:
    rpos view_center;
    rpos view_corners[2]; // culling box: view_center -/+ the view size
    // A still picture (a paused level): what animates from a generator is drawn as it was last drawn,
    // drawing nothing new from it, so that pausing leaves the game's random draws as they were.
    bool still_flag = false;

    rstate() {}
    virtual ~rstate() {}

    // Replaces (never accumulates onto) the modelview matrix.
    void set_view(const rpos& Center);
};

// A quad of half-extent Radius turned by Angle degrees about At, texture coordinates 0 to 1 from its
// top-left corner; the caller sets colour, texture and blending.
void draw_centered_quad(const rpos& At, const rpos& Radius, double Angle);

// The honey-coloured arrowhead with a dark edge that points a level's way home, At its middle, pointing
// Angle radians from the x axis (y down); blending must be on.
void draw_home_arrow(const rpos& At, double Angle);
