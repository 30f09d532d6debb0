// libFuzzer target: any save file must load into a table whose medals stay within 0 to 3 and whose
// open levels follow the unlocking rule, without reading past what the file holds.
#include "level.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    num_levels = count_levels();
    for (int a = 0; a < num_levels; a++)
    {
        all_levels[a].medals = 0;
        all_levels[a].is_open = false;
    }

    std::istringstream In(std::string((const char*)Data, Size), std::ios::in | std::ios::binary);
    load_levels_from(In);

    for (int a = 0; a < num_levels; a++)
        if (all_levels[a].medals < 0 || all_levels[a].medals > 3) std::abort();
    if (last_open_level < 0 || last_open_level > num_levels) std::abort();
    for (int a = 0; a < last_open_level; a++)
        if (all_levels[a].medals == 0 || !all_levels[a].is_open) std::abort();
    return 0;
}
