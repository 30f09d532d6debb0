// The player's settings, kept between runs in a small text file beside the save ("settings.txt"): whether
// the game is fullscreen and whether it plays sound, the language chosen, and where the web page is, if
// the player says so. The file is rewritten, as safely as the save, whenever
// one changes; one the game cannot make sense of gives the defaults and one warning, never a failure.
#pragma once

#include <string>

struct settings
{
    bool fullscreen = false;
    bool sound = true;
    std::string page; // the web page's address, for links to levels; set by hand, empty for none
    std::string language; // "de", "pt_BR", "en"...; empty to follow the environment (or the browser's)
};

// Lines "key = value", '#' starting a comment; unknown keys are passed over, so an older game reads a
// newer file. False, with Problem, for anything else: the caller then keeps the defaults.
bool parse_settings(const std::string& Text, settings& Out, std::string& Problem);
std::string format_settings(const settings& S);

// Reads the kept file; without one, the defaults without a word.
settings load_settings();
void save_settings(const settings& S);
