// The desktop program's side of platform.h: files in the working directory, a loop of our own.
#include "platform.h"

#include "quorvel.h"
#include "settings.h"
#include "title.h"

#include <SDL2/SDL.h>

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

void copy_text(const std::string& Text)
{
    SDL_SetClipboardText(Text.c_str());
}

std::string pasted_text()
{
    char* Text = SDL_GetClipboardText();
    std::string Out = Text ? Text : "";
    SDL_free(Text);
    return Out;
}

bool clipboard_readable()
{
    return true;
}

bool ask_text(const std::string&, std::string&)
{
    return false; // a keyboard types into the game
}

std::string page_address()
{
    return load_settings().page; // given by hand in settings.txt, if at all
}

void run_frames(game_loop& Loop)
{
    while (!Loop.screen->quit_flag) frame(Loop);
    stop_game(Loop);
}
