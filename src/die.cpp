#include "die.h"

#include <cstdlib>

std::ofstream TRACE_FILE;

namespace {
void (*exit_hook)() = nullptr;
}

void die_init(const std::string& TraceFile)
{
    if (TRACE_FILE.is_open()) TRACE_FILE.close();
    TRACE_FILE.open(TraceFile.c_str(), std::ios::out | std::ios::trunc);
    if (TRACE_FILE.is_open())
        TRACE_FILE.clear();
    else
        TRACE_FILE.setstate(std::ios::failbit);
}

void die_on_exit(void (*Hook)())
{
    exit_hook = Hook;
}

void die_exit()
{
    std::cout.flush();
    TRACE_FILE.flush();
    if (exit_hook) exit_hook();
    std::exit(1);
}
