// libFuzzer target: any bytes for a settings file are read or refused with a reason, and what is read
// writes back to a file that reads as the same settings.
#include "settings.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    settings S, Again;
    std::string Problem;
    if (!parse_settings(std::string((const char*)Data, Size), S, Problem))
    {
        if (Problem.empty()) std::abort();
        return 0;
    }
    if (!parse_settings(format_settings(S), Again, Problem) || Again.fullscreen != S.fullscreen || Again.sound != S.sound)
        std::abort();
    return 0;
}
