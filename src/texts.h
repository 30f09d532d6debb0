// Every word the game shows, in one place, so that it can be translated: the levels' names and the
// lettering of the screens. A text with blanks to fill has them numbered, {1} {2}..., filled by fill(),
// so a translation may put them in another order.
#pragma once

#include <string>
#include <vector>

namespace texts {

// By the index of the level in the table.
extern const char* const LEVEL_NAMES[10];

extern const char* const GAME;           // the window's title
extern const char* const WINDOW_IN_PLAY; // "{1} — {2}": the game, and the level in play
extern const char* const LEVEL;          // "{1} · {2}": a level's number and name
extern const char* const GOAL;           // "Bring {1} bees home for a daisy"
extern const char* const GOAL_ONE;       // the same for a single bee
extern const char* const LOCKED;         // "{1} (locked)": the row's label of a closed level
extern const char* const OPENS_AFTER;    // "Win a medal on level {1} to open this one"
extern const char* const NO_REPLAY;      // W on the row before a play of the level was kept
extern const char* const NO_DEMO;        // "No demonstration: {1}"
extern const char* const WATCH;          // the results' button
extern const char* const REPLAY_MARK;    // in the corner while a replay plays
extern const char* const DEMO_MARK;
extern const char* const REPLAY_KEYS;
extern const char* const FAST;
extern const char* const PAUSED;
extern const char* const PAUSED_KEYS;
extern const char* const HOME_OF;        // "{1} of {2} bees home"
extern const char* const LOST;           // "{1} lost"
extern const char* const TIME;           // "in {1}"
extern const char* const MEDAL_NAMES[3];
extern const char* const MEDAL_NEEDS;    // "{1}: {2} bees"
extern const char* const NO_MORE;        // after the last medal a level can award, when that is not the third
extern const char* const BETTER;         // "More medals than before!"
extern const char* const BEST_SO_FAR[4]; // by the medals stored for the level
extern const char* const NEXT;           // "Next: {1}"
extern const char* const TO_ROW;
extern const char* const HELP_BUTTON;
extern const char* const HELP_TITLE;
extern const char* const HELP_BAR;       // the bee bar explained
extern const char* const HELP_KEYS[][2]; // key, what it does; ends with {nullptr, nullptr}
extern const char* const HELP_CLOSE;

// Pattern with {1}, {2}... replaced by Values in their order.
std::string fill(const std::string& Pattern, const std::vector<std::string>& Values);
// A level's number and name by its index in the table, "3 · Tongue of Land".
std::string level_label(int Index);
// Seconds as minutes and seconds, "1:05".
std::string clock_time(double Seconds);

} // namespace texts

namespace texts {
extern const char* const LESSON; // under level 1's ghost hand, until the first press
} // namespace texts
