#include "loadtga.h"

#include "die.h"

#include <climits>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace {

const int HEADER_SIZE = 18;

int read_le16_signed(const unsigned char* Bytes)
{
    return (int)(short)(unsigned short)(Bytes[0] | (Bytes[1] << 8));
}

// Bytes left from the current position, or -1 when the stream cannot tell.
long long bytes_left(std::istream& Source)
{
    std::streampos Here = Source.tellg();
    if (Here == std::streampos(-1)) return -1;
    Source.seekg(0, std::ios::end);
    std::streampos End = Source.tellg();
    Source.seekg(Here);
    if (End == std::streampos(-1) || !Source) { Source.clear(); Source.seekg(Here); return -1; }
    return (long long)(End - Here);
}

} // namespace

SDL_Surface* read_tga(std::istream& Source, std::string& Problem)
{
    unsigned char Header[HEADER_SIZE];
    Source.read((char*)Header, HEADER_SIZE);
    if (Source.gcount() != HEADER_SIZE)
    {
        Problem = "truncated header";
        return nullptr;
    }

    int Width = read_le16_signed(Header + 12);
    int Height = read_le16_signed(Header + 14);
    if (Width < 0 || Height < 0)
    {
        Problem = "negative image size " + std::to_string(Width) + "x" + std::to_string(Height);
        return nullptr;
    }
    long long NumBytes = (long long)Width * Height * 4;
    if (NumBytes > INT_MAX)
    {
        Problem = "image too large " + std::to_string(Width) + "x" + std::to_string(Height);
        return nullptr;
    }

    // A short file is refused before its announced size is allocated, so a forged header costs nothing.
    long long Left = bytes_left(Source);
    if (Left >= 0 && Left < NumBytes)
    {
        Problem = "file ends early: " + std::to_string(Left) + " of " + std::to_string(NumBytes) + " pixel bytes";
        return nullptr;
    }

    SDL_Surface* Surface = SDL_CreateRGBSurface(0, Width, Height, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
    if (!Surface)
    {
        Problem = std::string("can't create surface: ") + SDL_GetError();
        return nullptr;
    }
    if (NumBytes == 0) return Surface;

    // 32-bit rows are never padded, so the pixel memory is one block of Width * Height * 4 bytes.
    unsigned char* Pixels = (unsigned char*)Surface->pixels;
    Source.read((char*)Pixels, (std::streamsize)NumBytes);
    if (Source.gcount() != NumBytes)
    {
        SDL_FreeSurface(Surface);
        Problem = "file ends early: " + std::to_string((long long)Source.gcount()) + " of " + std::to_string(NumBytes) + " pixel bytes";
        return nullptr;
    }

    for (long long a = 0; a < NumBytes; a += 4)
    {
        Uint32 B = Pixels[a], G = Pixels[a + 1], R = Pixels[a + 2], A = Pixels[a + 3];
        Uint32 Value = (A << 24) | (B << 16) | (G << 8) | R;
        std::memcpy(Pixels + a, &Value, 4);
    }
    return Surface;
}

SDL_Surface* load_tga(std::istream& Source)
{
    std::string Problem;
    SDL_Surface* Surface = read_tga(Source, Problem);
    if (!Surface) trace('*', "load tga fatal: ", Problem);
    return Surface;
}

SDL_Surface* load_tga(const std::string& Filename)
{
    // Only a plain file is a picture: a named pipe would wait for a writer for ever, a directory has no
    // bytes to give.
    struct stat Entry;
    std::ifstream Source;
    if (::stat(Filename.c_str(), &Entry) == 0 && S_ISREG(Entry.st_mode)) Source.open(Filename.c_str(), std::ios::in | std::ios::binary);
    if (!Source.is_open())
    {
        trace('*', "load tga fatal: can't open file ", Filename);
        return nullptr;
    }
    std::string Problem;
    SDL_Surface* Surface = read_tga(Source, Problem);
    if (!Surface) trace('*', "load tga fatal: ", Problem, " in file ", Filename);
    return Surface;
}
