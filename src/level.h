// The ten levels of the game, as a fixed table, with the player's progress kept beside each record,
// and the save file that carries that progress between runs.
#pragma once

#include "vecco.h"

#include <istream>
#include <map>
#include <ostream>
#include <string>

class texture;

class level
{
public:
    int level_id;                 // key in the save file; 0 only in the terminator
    const char* map_texture_file; // preview picture; null marks the end of the table
    const char* map_file;         // terrain by hue
    int seed;                     // unused: worlds seed from the clock
    rpos hive_pos;
    int num_flowers;
    int num_flies;
    int num_bees;
    int medal_bees[3]; // rescued bees needed for one, two and three medals
    texture* map_texture;
    int medals; // best result so far, 0 to 3
    bool is_open;
    const char* name; // as the row, the level and its results call it; null only in the terminator
};

extern level all_levels[11];
extern int num_levels;
extern int last_open_level;

// The levels of the table: the records before the terminator, counted without touching textures,
// progress or the save file. Nothing else walks the table to its end.
int count_levels();

// Medals earned by rescuing RescuedBees against three thresholds; the best threshold met wins.
int medals_for(int RescuedBees, const int MedalBees[3]);

// Start-up: loads the previews (needs a GL context), counts the table, reads "savegame.dat".
void scan_all_levels();
// Reads "savegame.dat" in the working directory into the table; a missing file changes nothing.
void load_all_levels();
// Writes the table's progress to "savegame.dat" without ever leaving a half-written file in its place,
// and never over a save file that was there at start but could not be read.
void save_all_levels();
// Opens every level up to and including the first one without a medal.
void check_open_levels();

// The save file is a count, then pairs of (level id, medals), each a 32-bit little-endian integer.
// Reads every complete record the stream holds, up to the count; a later record for an id replaces an
// earlier one. A stream cut short ends the reading: a value that was not read is never used.
std::map<int, int> read_save_records(std::istream& In);
// Applies a save file's records to the table by level id, medals kept within 0 to 3, then reopens levels.
void load_levels_from(std::istream& In);
void save_levels_to(std::ostream& Out);
// Writes the progress to Path through a temporary file beside it; false, after a warning, on failure.
bool save_levels_file(const std::string& Path);
