// A level as a short text that travels in a message or a link: "qb1." and letters, digits, '-' and '_'.
// It carries the whole level (name, opening line, every tile's colour, the hive, the counts, the medals),
// its version in the prefix and a checksum at its end, so a code cut short, mistyped or of another version
// is refused whole. Tiles are coded by how they differ from their neighbours, so even the table's largest
// map fits in a few hundred characters.
#pragma once

#include "level_data.h"

#include <string>

std::string level_code(const level_data& L);
// Takes a code alone or with text round it (a link to the web page, a line of a message); false with
// Problem when the text holds no code that reads whole, and Out is left as it was.
bool read_level_code(const std::string& Text, level_data& Out, std::string& Problem);
// A link to the web page at PageAddress that opens the level there.
std::string level_link(const std::string& PageAddress, const level_data& L);
