// libFuzzer target: any byte string through the picture reader must come back as a surface or a
// refusal, never as a read or write outside a buffer.
#include "loadtga.h"

#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    std::istringstream Source(std::string((const char*)Data, Size), std::ios::in | std::ios::binary);
    std::string Problem;
    SDL_Surface* Surface = read_tga(Source, Problem);
    if (Surface)
    {
        // Touch every pixel so a surface smaller than its header claims would be caught.
        const unsigned char* Pixels = (const unsigned char*)Surface->pixels;
        unsigned Sum = 0;
        for (long long a = 0; a < (long long)Surface->pitch * Surface->h; a++) Sum += Pixels[a];
        (void)Sum;
        SDL_FreeSurface(Surface);
    }
    return 0;
}
