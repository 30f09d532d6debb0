#include "die.h"

#include "quorvel.h"

#include <SDL2/SDL.h>
#include <cstdlib>

std::ofstream TRACE_FILE;

void die_init(const std::string& TraceFile)
{
    if (TRACE_FILE.is_open()) TRACE_FILE.close();
    TRACE_FILE.open(TraceFile.c_str(), std::ios::out | std::ios::trunc);
    if (TRACE_FILE.is_open())
        TRACE_FILE.clear();
    else
        TRACE_FILE.setstate(std::ios::failbit);
}

void die_exit()
{
    std::cout.flush();
    TRACE_FILE.flush();
    screen_close(); // a fatal line must not be followed by a hang in the GL driver
    SDL_Quit();
    std::exit(1);
}
