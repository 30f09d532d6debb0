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

void draw_centered_quad(const rpos& At, const rpos& Radius, double Angle)
{
    glPushMatrix();
    glTranslated(At[0], At[1], At[2]);
    glRotated(Angle, 0.0, 0.0, 1.0);
    float R0 = (float)Radius[0], R1 = (float)Radius[1];
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-R0, -R1, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(R0, -R1, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(R0, R1, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-R0, R1, 0.0f);
    glEnd();
    glPopMatrix();
}
