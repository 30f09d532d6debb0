// What differs between the desktop program and the web page, one file for each that the build picks
// (desktop.cpp, web.cpp): where the files kept between runs live, what follows the writing of one, and
// who runs the frame loop.
#pragma once

#include <string>

struct game_loop;

// Where a file kept between runs (the save, the settings, replays) lives: the working directory on the
// desktop, a directory that the page fills from the browser's store before the program starts.
std::string kept_path(const std::string& Name);

// A kept file was written; the page hands it to the browser's store after the frame.
void kept_file_written();

// Whether the game may end itself (Escape on the level row): a page that ended it would leave the player
// nothing but a reload.
bool can_quit();

// Whether the player plays with a finger, on a phone or a tablet: the cards then name the page's buttons
// and the finger's gestures instead of keys.
bool touch_screen();

// Text for the player to paste elsewhere, and what the player pasted: through the system's clipboard on
// the desktop. The page cannot read the clipboard when asked: it hands pasted text to the game itself.
void copy_text(const std::string& Text);
std::string pasted_text();
bool clipboard_readable();
// Asks for a line of text (a level's name, a number) where the game cannot be typed into: on a phone's
// page, the browser asks. False where the player types into the game itself; true after asking, with Text
// the answer, or as it was when the player would not say.
bool ask_text(const std::string& Question, std::string& Text);
// The web page's address, where a level's link leads: the page's own, or on the desktop the one the player
// gave in settings.txt ("page = ..."); empty when there is none, and codes are shared alone.
std::string page_address();

// Runs frames until the title screen quits, then stops the game. The page hands the loop to the browser
// instead, which calls frame once per display refresh while the page is shown, and never returns.
void run_frames(game_loop& Loop);
