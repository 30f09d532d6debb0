// Every word the game shows, in one place, so that it can be translated: the lettering of the screens.
// The levels' names stand beside their records in the level table. A text with blanks to fill has them
// numbered, {1} {2}..., filled by fill(), so a translation may put them in another order.
#pragma once

#include <string>
#include <vector>

namespace texts {

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
extern const char* const PAUSED_REPLAY_KEYS;  // a replay paused: there is nothing to start again
extern const char* const PAUSED_TOUCH;        // the page's buttons, for a finger
extern const char* const PAUSED_REPLAY_TOUCH;
// The results' counts, each said on its own and shown side by side.
extern const char* const HOME_OF;        // "{1} of {2} bees home"
extern const char* const LOST;           // "{1} lost"
extern const char* const STILL_OUT;      // "{1} still out": bees neither home nor lost when the level was left
extern const char* const TIME;           // "in {1}"
extern const char* const MEDAL_NAMES[3];
extern const char* const MEDAL_NEEDS;    // "{1}: {2} bees": a medal, and the bees it needs
extern const char* const MEDAL_ONLY;     // the same for a level that awards that medal alone
extern const char* const MEDAL_BEST;     // the same for the last of two medals a level can award
extern const char* const BETTER;         // "More medals than before!"
extern const char* const BEST_SO_FAR[4]; // by the medals stored for the level
extern const char* const NEXT;           // "Next: {1}"
extern const char* const TO_ROW;
extern const char* const PLAY_AGAIN;     // the results of a player's level: the level afresh
// The player's own levels.
extern const char* const TO_OWN_LEVELS;
extern const char* const OWN_LEVELS;
extern const char* const OWN_LEVELS_BUTTON; // on the title screen
extern const char* const NO_OWN_LEVELS;
extern const char* const LEVEL_FACTS;       // "{1} by {2} tiles, {3} flowers, {4} horseflies, {5} bees"
extern const char* const BACK;
extern const char* const PLAY;
extern const char* const COPY_CODE;
extern const char* const PASTE_CODE;
extern const char* const OWN_LEVELS_KEYS;
extern const char* const COPIED;            // "{1}": the level's name
extern const char* const ADDED;
extern const char* const ALREADY_THERE;
extern const char* const NOT_A_LEVEL;       // "{1}": why the text holds no level
extern const char* const NOT_KEPT;          // "{1}": why the level could not be written
extern const char* const EDIT_COPY;         // Your levels: the chosen level into the editor
extern const char* const NEW_LEVEL;         // Your levels: a new level in the editor
// The level editor.
extern const char* const EDITOR_BUTTON;     // on the title screen
extern const char* const EDITING;           // "Editing {1}": the window's title, with the level's name
extern const char* const TO_EDITOR;         // the results of a level tried in the editor: back to it
extern const char* const NEW_LEVEL_NAME;
extern const char* const GRASS;
extern const char* const WATER;
extern const char* const ROCK;
extern const char* const FILL;
extern const char* const HIVE;
extern const char* const UNDO;
extern const char* const REDO;
extern const char* const NEW;
extern const char* const TEST;
extern const char* const VERDICT;
extern const char* const SAVE;
extern const char* const NAME;
extern const char* const FLOWERS;
extern const char* const HORSEFLIES;
extern const char* const BEES;
extern const char* const MAP_FACTS;         // "{1} by {2} tiles, {3} of grass"
// What each button of the editor does, with its key: the bar's and the panel's in the editor's order of
// buttons (editor.h), then a number's less, more and typed in.
extern const char* const TOOL_HINTS[];
extern const char* const SAVED;             // "Saved as {1}": the file, in the panel
extern const char* const SAVED_AMONG;       // the same said as it is saved
extern const char* const NOT_SAVED_YET;     // the work is kept, but not among the player's levels
extern const char* const MEND_FIRST;
extern const char* const PLAY_BLOCKED;
extern const char* const WORK_BACK;         // the editor opens on the work left there last time
extern const char* const ALREADY_SAVED;     // "{1}": the file of a level the same as this one
// The problems that make a level unplayable, said where they are.
extern const char* const NEEDS_NAME;
extern const char* const HIVE_OFF_GRASS;
extern const char* const TOO_LITTLE_GRASS;  // "{1} grass tiles: {2} flowers and {3} bees need {4}"
extern const char* const NO_WATER_FOR_FLIES;
extern const char* const MEDALS_OUT_OF_ORDER;
extern const char* const DAISY_OUT_OF_REACH; // "The daisy needs {1} bees, more than the {2} there are"
extern const char* const TOO_MANY_COLOURS;
// Our player's verdict on a level.
extern const char* const VERDICT_TITLE;
extern const char* const VERDICT_ASK;       // "{1}": the seeds it plays
extern const char* const VERDICT_PLAYING;   // "Playing seed {1} of {2}…"
extern const char* const VERDICT_MEDAL;     // "{1}: {2} of {3} seeds": a medal
extern const char* const VERDICT_LOST;      // "Lost to horseflies: {1} a game, {2} in all"
extern const char* const VERDICT_NONE_LOST;
extern const char* const VERDICT_TIME;      // "Time: {1} a game, the longest {2}": the median and the longest
extern const char* const VERDICT_TIME_OUT;  // "Time: over ten minutes in {1} of {2} seeds"
extern const char* const VERDICT_UNPROVEN;
extern const char* const VERDICT_STOPPED;
// Starting a level in the editor.
extern const char* const START_TITLE;
extern const char* const START_NEW;
extern const char* const START_SIZE;        // "{1} by {2}"
extern const char* const START_COPY;
extern const char* const EDITOR_HELP_TITLE;
extern const char* const HELP_BUTTON;
extern const char* const HELP_TITLE;
extern const char* const HELP_BAR;       // the bee bar explained
extern const char* const HELP_ARROW;     // the arrow to the hive
extern const char* const HELP_SCENT;     // the pink clouds, and what a drag does
// Where a row of the help card applies: with keys and a mouse, or a finger and the page's buttons; only
// where the game can quit itself, or only where it cannot (the web page).
enum help_where
{
    hw_keys = 1,
    hw_touch = 2,
    hw_quits = 4,
    hw_stays = 8
};
struct help_row
{
    const char* keys; // the keys, or the page's button or the finger's gesture
    const char* does;
    int where;
};
extern const help_row HELP_ROWS[]; // ends with a row of nulls
extern const help_row EDITOR_HELP_ROWS[]; // the editor's card: every key and button
extern const char* const HELP_CLOSE;
extern const char* const HELP_CLOSE_TOUCH;

// Pattern with {1}, {2}... replaced by Values in their order.
std::string fill(const std::string& Pattern, const std::vector<std::string>& Values);
// A level's number and name by its index in the table, "3 · Tongue of Land".
std::string level_label(int Index);
// Seconds as minutes and seconds, "1:05".
std::string clock_time(double Seconds);

} // namespace texts

namespace texts {
extern const char* const LESSON; // under level 1's ghost hand, until the first press
extern const char* const LESSON_TOUCH;
} // namespace texts
