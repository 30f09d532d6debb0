// libFuzzer target: any bytes for a replay are read whole or refused with a reason, never half; what is
// read writes back to the same bytes.
#include "replay.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const std::string Bytes((const char*)Data, Size);
    replay R;
    std::string Problem;
    if (!read_replay(Bytes, R, Problem))
    {
        if (Problem.empty() || !R.frames.empty()) std::abort();
        return 0;
    }
    replay Again;
    if (!read_replay(write_replay(R), Again, Problem) || Again.frames.size() != R.frames.size()) std::abort();
    for (size_t f = 0; f < R.frames.size(); f++)
        if (Again.frames[f].step != R.frames[f].step || !(Again.frames[f].mouse == R.frames[f].mouse) ||
            Again.frames[f].events.size() != R.frames[f].events.size())
            std::abort();
    return 0;
}
