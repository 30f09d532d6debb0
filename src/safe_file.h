// Reading and replacing the files the game keeps between runs (the save, the settings, replays) so that
// no fault of the disk or of the directory can cost the player what is already stored: a file is replaced
// only by a complete new one, and nothing that is not a plain file is ever read or written through.
#pragma once

#include <fstream>
#include <string>

enum open_results
{
    or_missing, // nothing there: a first start
    or_open,
    or_refused  // there, but not a plain file or not readable; Problem says why
};

// Opens Path for binary reading. A named pipe would block for ever, so only plain files are opened.
open_results open_plain_file(const std::string& Path, std::ifstream& In, std::string& Problem);

// Writes Bytes to a fresh temporary file beside Path, on disk before it takes Path's place, then tells the
// platform (platform.h). On failure the old file is left as it was, no temporary file remains, and
// Problem names the file that failed and why.
bool replace_file(const std::string& Path, const std::string& Bytes, std::string& Problem);
