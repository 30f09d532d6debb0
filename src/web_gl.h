// The web page's drawing layer, force-included into every file of the web build only (tools/web): it
// lets the game's fixed-function drawing run unchanged on emscripten's emulation of it over WebGL.
// - A glBegin batch becomes one vertex buffer laid out by the attributes of its vertices, so every vertex
//   must carry every attribute the batch uses: the current colour, and the texture coordinate once the
//   batch has set one (our batches set it before their first vertex), are re-stated before each vertex.
// - There are no double-precision vertices; GL draws in floats anyway.
// - The browser shows the drawing buffer as it stands when the frame's callback returns, and the loop
//   clears right after presenting; that clear waits for the next frame's first drawing.
// - WebGL has no GL_GENERATE_MIPMAP: the mipmaps are built after the upload that asked for them.
// - Lighting is never on, so the light model has no effect (the emulation lacks the call), and the
//   emulation always shades smoothly, as the game asks (it would only warn about the call).
#pragma once

#include <GL/gl.h>
#include <SDL2/SDL.h>

extern "C" void glGenerateMipmap(GLenum Target);

namespace web_gl {
inline GLfloat color[4] = {1, 1, 1, 1};
inline GLfloat tex_coord[2] = {0, 0};
inline bool in_batch = false, batch_tex = false;
inline bool presented = false, mipmaps = false;
inline GLbitfield pending_clear = 0;

inline void begin(GLenum Mode)
{
    if (pending_clear) ::glClear(pending_clear);
    pending_clear = 0;
    presented = false;
    in_batch = true;
    batch_tex = false;
    ::glBegin(Mode);
}

inline void end()
{
    in_batch = false;
    ::glEnd();
}

inline void color4f(GLfloat R, GLfloat G, GLfloat B, GLfloat A)
{
    color[0] = R, color[1] = G, color[2] = B, color[3] = A;
    if (!in_batch) ::glColor4f(R, G, B, A);
}

inline void color4fv(const GLfloat* C)
{
    color4f(C[0], C[1], C[2], C[3]);
}

inline void tex_coord2f(GLfloat S, GLfloat T)
{
    tex_coord[0] = S, tex_coord[1] = T;
    batch_tex = batch_tex || in_batch;
}

inline void vertex3f(GLfloat X, GLfloat Y, GLfloat Z)
{
    ::glColor4f(color[0], color[1], color[2], color[3]);
    if (batch_tex) ::glTexCoord2f(tex_coord[0], tex_coord[1]);
    ::glVertex3f(X, Y, Z);
}

inline void vertex3d(GLdouble X, GLdouble Y, GLdouble Z)
{
    vertex3f((GLfloat)X, (GLfloat)Y, (GLfloat)Z);
}

inline void vertex3dv(const GLdouble* V)
{
    vertex3d(V[0], V[1], V[2]);
}

inline void clear(GLbitfield Mask)
{
    if (presented)
        pending_clear |= Mask;
    else
        ::glClear(Mask);
}

inline void swap_window(SDL_Window* Window)
{
    ::SDL_GL_SwapWindow(Window);
    presented = true;
}

inline void tex_parameteri(GLenum Target, GLenum Name, GLint Value)
{
    if (Name == GL_GENERATE_MIPMAP)
        mipmaps = Value != 0;
    else
        ::glTexParameteri(Target, Name, Value);
}

inline void tex_image2d(GLenum Target, GLint Level, GLint Inner, GLsizei W, GLsizei H, GLint Border, GLenum Format,
                        GLenum Type, const void* Pixels)
{
    ::glTexImage2D(Target, Level, Inner, W, H, Border, Format, Type, Pixels);
    if (mipmaps) glGenerateMipmap(Target);
    mipmaps = false;
}

inline void light_modeli(GLenum, GLint) {}
inline void shade_model(GLenum) {}
} // namespace web_gl

#define glBegin web_gl::begin
#define glEnd web_gl::end
#define glColor4f web_gl::color4f
#define glColor4fv web_gl::color4fv
#define glTexCoord2f web_gl::tex_coord2f
#define glVertex3f web_gl::vertex3f
#define glVertex3d web_gl::vertex3d
#define glVertex3dv web_gl::vertex3dv
#define glClear web_gl::clear
#define SDL_GL_SwapWindow web_gl::swap_window
#define glTexParameteri web_gl::tex_parameteri
#define glTexImage2D web_gl::tex_image2d
#define glLightModeli web_gl::light_modeli
#define glShadeModel web_gl::shade_model
