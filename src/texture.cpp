#include "texture.h"

#include "die.h"
#include "loadtga.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL2/SDL.h>
#include <map>
#include <memory>

namespace {
// Owns every record for the whole run; they are freed only with the map itself at exit.
std::map<std::string, std::unique_ptr<texture>> loaded;

// Loaded pictures are mipmapped and repeat; made ones are drawn at their own size, neither, which also lets
// a browser's WebGL take them at any size.
void upload(texture* Tex, GLenum Format, const std::vector<unsigned char>& Data, bool NoInterp, bool Made = false)
{
    GLuint Id = (GLuint)-1;
    glGenTextures(1, &Id);
    glBindTexture(GL_TEXTURE_2D, Id);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, NoInterp ? GL_NEAREST : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, NoInterp ? GL_NEAREST : Made ? GL_LINEAR : GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, Made ? GL_CLAMP_TO_EDGE : GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, Made ? GL_CLAMP_TO_EDGE : GL_REPEAT);
    // Set before the upload so the upload builds the mipmaps too.
    glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, Made ? GL_FALSE : GL_TRUE);
    glTexImage2D(GL_TEXTURE_2D, 0, Format, Tex->w, Tex->h, 0, Format, GL_UNSIGNED_BYTE, Data.empty() ? nullptr : Data.data());
    Tex->id = (int)Id;
}
} // namespace

bool texture::check_mask(int X, int Y)
{
    if (X < 0 || X >= w || Y < 0 || Y >= h) return false;
    return mask[(size_t)Y * w + X];
}


texture* texture_load(const std::string& Name, bool NoInterp)
{
    std::map<std::string, std::unique_ptr<texture>>::iterator Found = loaded.find(Name);
    if (Found != loaded.end()) return Found->second.get();

    trace('-', "texture load: loading tga ", Name);
    SDL_Surface* Surface = load_tga(Name);
    if (!Surface) die_exit(); // the reader has said why

    texture* Tex = new texture;
    int NumPixels = Surface->w * Surface->h;
    Tex->mask.assign(NumPixels, false);
    Tex->w = Surface->w;
    Tex->h = Surface->h;

    int BytesPerPixel = Surface->format->BitsPerPixel / 8;
    GLenum Format;
    std::vector<unsigned char> Data;
    if (Surface->format->BitsPerPixel == 32)
    {
        Format = GL_RGBA;
        Data.resize((size_t)NumPixels * 4);
        for (int a = 0; a < NumPixels; a++)
        {
            const unsigned char* P = (const unsigned char*)Surface->pixels + (size_t)a * 4;
            for (int c = 0; c < 4; c++) Data[(size_t)a * 4 + c] = P[c];
            Tex->mask[a] = (P[3] != 0);
        }
    }
    else if (Surface->format->BitsPerPixel == 24 || Surface->format->BitsPerPixel == 8)
    {
        // Other depths never come from our reader; uploaded as they are, with an all-clear mask.
        Format = BytesPerPixel == 3 ? GL_RGB : GL_ALPHA;
        Data.resize((size_t)NumPixels * BytesPerPixel);
        for (int y = 0; y < Tex->h; y++)
        {
            const unsigned char* Row = (const unsigned char*)Surface->pixels + (size_t)y * Surface->pitch;
            std::copy(Row, Row + (size_t)Tex->w * BytesPerPixel, Data.begin() + (size_t)y * Tex->w * BytesPerPixel);
        }
    }
    else
    {
        trace('!', "texture load: unsupported bpp ", (int)Surface->format->BitsPerPixel);
        SDL_FreeSurface(Surface);
        delete Tex;
        die_exit();
    }
    SDL_FreeSurface(Surface);
    upload(Tex, Format, Data, NoInterp);
    loaded[Name].reset(Tex);
    return Tex;
}

texture* texture_make(const std::string& Name, int W, int H, const std::vector<unsigned char>& Rgba)
{
    std::map<std::string, std::unique_ptr<texture>>::iterator Found = loaded.find(Name);
    if (Found != loaded.end()) return Found->second.get();
    texture* Tex = new texture;
    Tex->w = W;
    Tex->h = H;
    Tex->mask.assign((size_t)W * H, false);
    for (size_t a = 0; a < Tex->mask.size(); a++) Tex->mask[a] = Rgba[a * 4 + 3] != 0;
    upload(Tex, GL_RGBA, Rgba, true, true);
    loaded[Name].reset(Tex);
    return Tex;
}
