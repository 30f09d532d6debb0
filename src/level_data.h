// One level as it is played, whatever it came from (the table, a file, a code, the editor): its name and
// opening line, every tile's colour, the hive's place, the numbers of flowers, horseflies and bees, and the
// bees each medal needs; and the bounds a level keeps to.
#pragma once

#include "vecco.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Maps from 10 by 8 to 64 by 64 tiles.
const int LEVEL_LEAST_W = 10, LEVEL_LEAST_H = 8, LEVEL_MOST_W = 64, LEVEL_MOST_H = 64;
const int LEVEL_MOST_COLOURS = 62;    // one letter or digit each in a file
const int LEVEL_MOST_FLOWERS = 100, LEVEL_MOST_FLIES = 100, LEVEL_MOST_BEES = 500;
const size_t LEVEL_LONGEST_NAME = 40; // in characters
const size_t LEVEL_LONGEST_LINE = 100;

struct level_data
{
    std::string name;
    std::string line; // said as the level opens, under its name; may be empty
    int w = 0, h = 0;
    std::vector<uint8_t> rgb; // w × h tiles, row by row from the top, red, green and blue each
    rpos hive_pos;
    int num_flowers = 0, num_flies = 0, num_bees = 0;
    int medal_bees[3] = {0, 0, 0};
};

