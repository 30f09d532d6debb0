// Headless tools find the maps and pictures relative to the working directory, as the game does; run
// from elsewhere, they fall back on the source tree they were built from.
#pragma once

#include <fstream>
#include <unistd.h>

inline bool enter_data_dir()
{
    return std::ifstream("data/gfx/daisy1.tga").good() || chdir(QUORVEL_SOURCE_DIR) == 0;
}
