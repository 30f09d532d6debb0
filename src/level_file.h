// One level as a file a person can read and a program checks strictly: its name and opening line, every
// tile's colour (which decides its kind by hue, as in the table's maps), the hive's place, the numbers of
// flowers, horseflies and bees, and the bees each medal needs. The player's own levels are such files, and
// any level of the table can be written as one; a level from a file plays as the same level from the table
// does, draw for draw. The format is written down in docs/level_files.md.
#pragma once

#include "level_data.h"

#include <cstdint>
#include <string>
#include <vector>

// What decides a play on the level (the map, the hive, the counts, the thresholds) and nothing else: a
// renamed level keeps its key, an edited one gets another. Progress and replays are kept by it.
uint64_t level_key(const level_data& L);
// The key as sixteen hexadecimal digits, for file names.
std::string key_text(uint64_t Key);

// Whether the world can be built from L: sizes, counts and thresholds within bounds, a name, the hive on
// the map, a grass tile for flowers and bees and a water tile for horseflies. False with Problem.
bool level_sound(const level_data& L, std::string& Problem);

std::string write_level_file(const level_data& L);
// The whole file or nothing: anything out of its place, out of bounds or unknown gives false and Problem,
// and Out is left as it was.
bool read_level_file(const std::string& Bytes, level_data& Out, std::string& Problem);
// A level being made: the same format, read as strictly, but a world need not be buildable from it yet
// (no grass, horseflies without water, no name); level_sound says whether it is.
bool read_level_draft(const std::string& Bytes, level_data& Out, std::string& Problem);
// Reads a level file; false with Problem (one line's worth) when it cannot.
bool load_level_file(const std::string& Path, level_data& Out, std::string& Problem);

// The level at Index in the table, its map read from its picture; false with Problem when it cannot be read.
bool table_level_data(int Index, level_data& Out, std::string& Problem);
// The same for a record like the table's, wherever it comes from.
class level;
bool record_level_data(const level& T, level_data& Out, std::string& Problem);
