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

void draw_home_arrow(const rpos& At, double Angle)
{
    glPushMatrix();
    glTranslated(At[0], At[1], 0);
    glRotated(Angle * 180 / PI, 0, 0, 1);
    for (int Pass = 0; Pass < 2; Pass++)
    {
        double S = Pass ? 1.0 : 1.3;
        if (Pass)
            glColor4f(1.0f, 0.82f, 0.2f, 0.95f);
        else
            glColor4f(0.2f, 0.12f, 0.02f, 0.9f);
        glBegin(GL_TRIANGLES);
        glVertex3f((float)(0.3 * S), 0, 0);
        glVertex3f((float)(-0.22 * S), (float)(-0.22 * S), 0);
        glVertex3f((float)(-0.22 * S), (float)(0.22 * S), 0);
        glEnd();
    }
    glPopMatrix();
}
