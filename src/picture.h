// The picture every screen draws: 13.333... by 10 GL units, y down, a 4:3 area fitted as large as the
// window allows, with bars at the sides or at top and bottom. The window code fits it, the screens
// lay themselves out in it, and the drawing sizes its points by it.
#pragma once

#include "vecco.h"

// The projection: 40/3 by 10 units.
const double PICTURE_W = 13.333333333333334;
const double PICTURE_H = 10.0;
// The picture's width in units of its height, the range of mouseloc across.
const double PICTURE_ASPECT = 1.3333333333333333;
// The width the view is culled and clamped with, a hair under 40/3: the view may show that sliver
// past the map's right edge.
const double VIEW_W = 13.333;
// The middle of the picture across, where the title centres its row of levels and its go button.
const double PICTURE_MIDDLE = 6.666;
// Point sizes in the drawing are pixels of a picture this high.
const int REFERENCE_HEIGHT = 600;

// A rectangle of window pixels; x and y are its lower-left corner, as GL counts.
struct viewport
{
    int x, y, w, h;
};

// The largest centred 4:3 viewport in a window. Wider than 4:3 (3 × width > 4 × height) puts bars
// left and right, anything else puts them above and below; the picture is never cut.
viewport fit_picture(int WindowW, int WindowH);
// A window pixel (from its top-left corner) in picture heights from the picture's top-left corner,
// clamped to the picture: 0 to 4/3 across, 0 to 1 down.
rloc window_to_picture(int MouseX, int MouseY, const viewport& View, int WindowH);

// The viewport in use, fitted by the window code.
extern viewport picture_viewport;
// A size given in pixels of the reference picture, in pixels of the picture in use.
float picture_pixels(double Pixels);

// Whether Point lies strictly inside the box Center ± Size (first two components only).
bool inside_box(const rloc& Point, const rpos& Center, const rpos& Size);

// Where the title's slide puts a quad centred at Center with half-extent Radius: at Slide 0 just beyond
// the picture's nearer horizontal and nearer vertical edge, at 1 in place, eased by Slide squared.
rpos slide_position(const rpos& Center, const rpos& Radius, double Slide);
