#include "title.h"

#include <GL/gl.h>

void title::init()
{
    quit_flag = false;
    animation_counter = 0.0;
    R.set_view(mkrpos(0, 0, 0));
}

void title::update(double T)
{
    animation_counter += T;
}

void title::notice(SDL_Event& E)
{
    if (E.type == SDL_KEYDOWN && E.key.keysym.sym == SDLK_ESCAPE) quit_flag = true;
}

void title::render()
{
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    glBegin(GL_QUADS);
    glColor4f(0.2f, 0.6f, 0.2f, 0.8f);
    glVertex2f(0, 0); glVertex2f(13.333f, 0); glVertex2f(13.333f, 10); glVertex2f(0, 10);
    glColor4f(0.4f, 1.0f, 0.4f, 0.8f);
    glVertex2f(0.75f, 1.25f); glVertex2f(12.08f, 1.25f); glVertex2f(12.08f, 9.25f); glVertex2f(0.75f, 9.25f);
    glEnd();
    glDisable(GL_BLEND);
    glPopMatrix();
}
