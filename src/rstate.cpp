#include "rstate.h"

#include "picture.h"

#include <GL/gl.h>

void rstate::set_view(const rpos& Center)
{
    view_center = Center;
    rpos ViewSize = mkrpos(VIEW_W, PICTURE_H, 0.0);
    view_corners[0] = Center - ViewSize;
    view_corners[1] = Center + ViewSize;
    glLoadIdentity();
    glTranslated(-Center[0], -Center[1], 0.0);
}
