// What the command line asks of the game. Most commands run without a window and end with a status, as a
// script expects: --help, --version, --level-table, --check-replay FILE, --export-level N FILE,
// --check-level FILE, --level-code FILE and --import-code CODE. Otherwise the game starts, with a replay
// to watch (--replay FILE) or a level file to open (a FILE alone). With no arguments the game starts as it
// always did.
#pragma once

#include <iosfwd>
#include <string>

struct command_line
{
    bool start_game = true;
    int status = 0; // when the game does not start
    std::string replay;     // to watch once the game is up
    std::string level_file; // to open once the game is up, and keep among the player's levels
};

// Runs a windowless command at once; the game's start is left to the caller.
command_line run_command_line(int ArgC, char** ArgV);

// Plays a replay without a window, as fast as it goes, and says whether it ends as recorded (status 0),
// not (1), or cannot be read (2).
int check_replay(const std::string& Path);
// A line a level, in table order, its fields apart by tabs: id, name, map, preview, the hive's x and y,
// flowers, horseflies, bees and the three medals' thresholds.
void print_level_table(std::ostream& Out);
