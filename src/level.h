// The ten levels of the game, as a fixed table, with the player's progress kept beside each record,
// and the save file that carries that progress between runs.
#pragma once

#include "vecco.h"

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
};

extern level all_levels[11];
extern int num_levels;
extern int last_open_level;

// Medals earned by rescuing RescuedBees against three thresholds; the best threshold met wins.
int medals_for(int RescuedBees, const int MedalBees[3]);

void scan_all_levels();
void load_all_levels();
void save_all_levels();
void check_open_levels();
