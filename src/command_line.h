// What the command line asks of the game. Most commands run without a window and end with a status, as a
// script expects: --help, --version, --level-table, --check-replay FILE, --export-level N FILE,
// --check-level FILE, --level-code FILE and --import-code CODE. Otherwise the game starts, with a replay
// to watch (--replay FILE) or a level file to open (a FILE alone). With no arguments the game starts as it
// always did.
#pragma once

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
