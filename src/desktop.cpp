// The desktop program's side of platform.h: files in the working directory, a loop of our own.
#include "platform.h"

#include "quorvel.h"
#include "title.h"

std::string kept_path(const std::string& Name)
{
    return Name;
}

void kept_file_written() {}

bool can_quit()
{
    return true;
}

bool touch_screen()
{
    return false;
}

void run_frames(game_loop& Loop)
{
    while (!Loop.screen->quit_flag) frame(Loop);
    stop_game(Loop);
}
