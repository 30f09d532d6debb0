#include "rstate.h"

#include <GL/gl.h>

void rstate::set_view(const rpos& Center)
{
    view_center = Center;
    // 13.333, not 40/3: the culling box is this constant everywhere in the game.
    rpos ViewSize = mkrpos(13.333, 10.0, 0.0);
    view_corners[0] = Center - ViewSize;
    view_corners[1] = Center + ViewSize;
    glLoadIdentity();
    glTranslated(-Center[0], -Center[1], 0.0);
}
