// The trace log: every line goes to TRACE_FILE (if die_init attached one) and then to standard output.
// A line is a prefix ('-' progress, '!' warning, '*' fatal), a blank, the text and its values.
#pragma once

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

extern std::ofstream TRACE_FILE;

void die_init(const std::string& TraceFile);

// What must happen before a fatal exit, such as closing the window; set by whoever opens one.
void die_on_exit(void (*Hook)());

// Ends the program after a fatal trace line, with a failure status and without a core dump.
[[noreturn]] void die_exit();

template <class... Args>
void trace(char Prefix, const Args&... Values)
{
    // Built once so the file and the console get the identical text.
    std::ostringstream Line;
    Line << Prefix << ' ';
    (Line << ... << Values);
    TRACE_FILE << Line.str() << std::endl;
    std::cout << Line.str() << std::endl;
}
