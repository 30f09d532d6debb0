#include "picture.h"

#include "clamp.h"

viewport picture_viewport = {0, 0, 800, REFERENCE_HEIGHT};

viewport fit_picture(int WindowW, int WindowH)
{
    viewport V;
    // Products, not a truncated quotient: a window only a little wider than 4:3 is wider all the same.
    if (3 * WindowW > 4 * WindowH)
    {
        V.h = WindowH;
        V.w = 4 * WindowH / 3;
        V.x = (WindowW - V.w) / 2;
        V.y = 0;
    }
    else
    {
        V.w = WindowW;
        V.h = 3 * WindowW / 4;
        V.x = 0;
        V.y = (WindowH - V.h) / 2;
    }
    return V;
}

rloc window_to_picture(int MouseX, int MouseY, const viewport& View, int WindowH)
{
    // Window rows count from the top, GL's from the bottom: the top bar is what the lower one leaves.
    int Top = WindowH - View.h - View.y;
    double H = View.h > 0 ? (double)View.h : 1.0;
    return mkrloc(clamp((MouseX - View.x) / H, 0.0, PICTURE_ASPECT), clamp((MouseY - Top) / H, 0.0, 1.0));
}

float picture_pixels(double Pixels)
{
    // A scale of exactly 1 at the reference height keeps the 800 by 600 picture as it always was.
    return (float)(Pixels * (picture_viewport.h / (double)REFERENCE_HEIGHT));
}

rpos slide_position(const rpos& Center, const rpos& Radius, double Slide)
{
    rpos Off;
    Off[0] = Center[0] >= PICTURE_MIDDLE ? Radius[0] + VIEW_W : -Radius[0];
    Off[1] = Center[1] >= PICTURE_H / 2 ? Radius[1] + PICTURE_H : -Radius[1];
    Off[2] = 0.0;
    double A = Slide * Slide;
    return Center * A + Off * (1.0 - A);
}

bool inside_box(const rloc& Point, const rpos& Center, const rpos& Size)
{
    return Center[0] - Size[0] < Point[0] && Point[0] < Center[0] + Size[0] && Center[1] - Size[1] < Point[1] &&
           Point[1] < Center[1] + Size[1];
}
