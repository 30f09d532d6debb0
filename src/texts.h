// Every word the game shows, in one place, so that it can be translated: the lettering of the screens.
// The levels' names stand beside their records in the level table. A text with blanks to fill has them
// numbered, {1} {2}..., filled by fill(), so a translation may put them in another order. Each is a
// message, its English the key to its translation in the language in use (a gettext catalogue, po/); a
// text that counts something has a form for each number, as the language's plural rule picks it.
#pragma once

#include "bindings.h"

#include <string>
#include <vector>

// Marks a message for the translators' template (xgettext's keywords N_ and NP_) without translating it.
constexpr const char* N_(const char* English)
{
    return English;
}
// The same for words that read alike in English but not in every language, such as a key's name and a
// button's (xgettext's keyword C_): the context before the English, which is what English shows.
#define C_(Context, English) Context "\004" English

namespace texts {

struct message
{
    const char* english;
    // The translation in the language in use; English where there is none.
    const char* c_str() const;
    operator std::string() const { return c_str(); }
};

inline bool operator==(const std::string& Text, const message& M)
{
    return Text == M.c_str();
}
inline bool operator==(const message& M, const std::string& Text)
{
    return Text == M.c_str();
}
// The same message: the same English, whatever the language.
inline bool operator==(const message& A, const message& B)
{
    return std::string(A.english) == B.english;
}

struct counted
{
    const char* one;
    const char* many;
    // The form for N in the language in use.
    const char* operator()(long N) const;
};

constexpr counted NP_(const char* One, const char* Many)
{
    return {One, Many};
}

// The languages the game speaks besides English, as po/LINGUAS lists them: code and own name.
struct language_name
{
    const char* code;
    const char* name;
};
extern const language_name LANGUAGES[];
extern const size_t LANGUAGE_COUNT;

// Speaks Code ("de", "pt_BR"; "" or "en" for English) from its catalogue; false, speaking English, when
// there is none to read. Says nothing either way: trace lines stay English and silent about it.
bool use_language(const std::string& Code);
// The next language after the one in use, English after the last, spoken at once.
void speak_next_language();
// The language in use: "" for English.
const std::string& language();
// The first of Asked (languages_asked) that the game speaks; "" for none.
std::string language_for(const std::vector<std::string>& Asked);

extern const char* const GAME;           // the window's title
extern const message WINDOW_IN_PLAY; // "{1} — {2}": the game, and the level in play
extern const message LEVEL;          // "{1} · {2}": a level's number and name
extern const counted GOAL;           // "Bring {1} bees home for a daisy"
extern const message GOAL_ONE;       // the same for a single bee
extern const message LOCKED;         // "{1} (locked)": the row's label of a closed level
extern const message OPENS_AFTER;    // "Win a medal on level {1} to open this one"
extern const message NO_REPLAY;      // W on the row before a play of the level was kept
extern const message NO_DEMO;        // "No demonstration: {1}"
extern const message WATCH;          // the results' button
extern const message REPLAY_MARK;    // in the corner while a replay plays
extern const message DEMO_MARK;
extern const message REPLAY_KEYS;
extern const message REPLAY_KEYS_TOUCH;
extern const message REPLAY_MARK_FAST; // the same, hurried to double speed
extern const message DEMO_MARK_FAST;
extern const message PAUSED;
extern const message PAUSED_KEYS;
extern const message PAUSED_REPLAY_KEYS;  // a replay paused: there is nothing to start again
extern const message PAUSED_TOUCH;        // the page's buttons, for a finger
extern const message PAUSED_REPLAY_TOUCH;
// The results' counts, each said on its own and shown side by side.
extern const counted HOME_OF;        // "{2} of {1} bees home": {1} the level's bees
extern const counted LOST;           // "{1} lost"
extern const counted STILL_OUT;      // "{1} still out": bees neither home nor lost when the level was left
extern const message TIME;           // "in {1}"
extern const message MEDAL_NAMES[3];
extern const counted MEDAL_NEEDS;    // "{2}: {1} bees": a medal, and the bees it needs
extern const counted MEDAL_ONLY;     // the same for a level that awards that medal alone
extern const counted MEDAL_BEST;     // the same for the last of two medals a level can award
extern const message BETTER;         // "More medals than before!"
extern const message BEST_SO_FAR[4]; // by the medals stored for the level
extern const message NEXT;           // "Next: {1}"
extern const message TO_ROW;
extern const message PLAY_AGAIN;     // the results of a player's level: the level afresh
// The player's own levels.
extern const message TO_OWN_LEVELS;
extern const message OWN_LEVELS;
extern const message OWN_LEVELS_BUTTON; // on the title screen
extern const message NO_OWN_LEVELS;
extern const message MAP_SIZE;          // "{1} × {2} tiles"
extern const counted FLOWERS;           // a level's facts, side by side
extern const counted HORSEFLIES;
extern const counted BEES;
extern const message SECOND_SET_BUTTON; // the title screen's way to the second set
extern const message SECOND_SET;
extern const message TO_SECOND_SET;
extern const message SECOND_SET_CLOSED;
extern const message SECOND_SET_KEYS;
extern const message SHOW_HOW;          // the second set's button to a level's demonstration
extern const message BACK;
extern const message PLAY;
extern const message COPY_CODE;
extern const message PASTE_CODE;
extern const message OWN_LEVELS_KEYS;
extern const message COPIED;            // "{1}": the level's name
extern const message ADDED;
extern const message ALREADY_THERE;
extern const message NOT_A_LEVEL;       // "{1}": why the text holds no level
extern const message NOT_KEPT;          // "{1}": why the level could not be written
extern const message EDIT_COPY;         // Your levels: the chosen level into the editor
extern const message NEW_LEVEL;         // Your levels: a new level in the editor
// The level editor.
extern const message EDITOR_BUTTON;     // on the title screen
extern const message EDITING;           // "Editing {1}": the window's title, with the level's name
extern const message TO_EDITOR;         // the results of a level tried in the editor: back to it
extern const message NEW_LEVEL_NAME;
extern const message GRASS;
extern const message WATER;
extern const message ROCK;
extern const message FILL;
extern const message HIVE;
extern const message UNDO;
extern const message REDO;
extern const message NEW;
extern const message TEST;
extern const message VERDICT;
extern const message SAVE;
extern const message NAME;
extern const message FLOWERS_LABEL;
extern const message HORSEFLIES_LABEL;
extern const message BEES_LABEL;
extern const counted MAP_FACTS;         // "{2} by {3} tiles, {1} of grass": {1} the grass tiles
// What each button of the editor does, with its key: the bar's and the panel's in the editor's order of
// buttons (editor.h), then a number's less, more and typed in.
extern const message TOOL_HINTS[];
extern const message SAVED;             // "Saved as {1}": the file, in the panel
extern const message SAVED_AMONG;       // the same said as it is saved
extern const message NOT_SAVED_YET;     // the work is kept, but not among the player's levels
extern const message MEND_FIRST;
extern const message PLAY_BLOCKED;
extern const message WORK_BACK;         // the editor opens on the work left there last time
extern const message ALREADY_SAVED;     // "{1}": the file of a level the same as this one
// The problems that make a level unplayable, said where they are.
extern const message NEEDS_NAME;
extern const message HIVE_OFF_GRASS;
extern const counted TOO_LITTLE_GRASS;  // "{1} grass tiles: the flowers and the bees need {2}"
extern const message NO_WATER_FOR_FLIES;
extern const message MEDALS_OUT_OF_ORDER;
extern const counted DAISY_OUT_OF_REACH; // "The daisy needs {1} bees, more than the {2} there are"
extern const message TOO_MANY_COLOURS;
// Our player's verdict on a level.
extern const message VERDICT_TITLE;
extern const message VERDICT_PLAYING;   // "Playing seed {1} of {2}…"
extern const counted VERDICT_MEDAL;     // "{2}: {3} of {1} seeds": a medal, the seeds that earned it of all
extern const message VERDICT_LOST;      // "Lost to horseflies: {1} a game, {2} in all"
extern const message VERDICT_NONE_LOST;
extern const message VERDICT_TIME;      // "Time: {1} a game, the longest {2}": the median and the longest
extern const counted VERDICT_TIME_OUT;  // "Time: over ten minutes in {1} of {2} seeds"
extern const message VERDICT_UNPROVEN;
extern const message VERDICT_STOPPED;
// Starting a level in the editor.
extern const message START_TITLE;
extern const message START_NEW;
extern const message START_SIZE;        // "{1} by {2}"
extern const message START_COPY;
extern const message EDITOR_HELP_TITLE;
extern const message RULES[6];            // the rules picture's rows
extern const message RESULT_HEADINGS[4];  // the results picture's, by medals won
extern const message RESULT_LINES[4][2];
extern const message PAGE_WORDS[]; // ends with a null message
extern const message HELP_BUTTON;
extern const message LANGUAGE_NAME; // the language spoken, by its own name
extern const message HELP_TITLE;
extern const message HELP_BAR;       // the bee bar explained
extern const message HELP_ARROW;     // the arrow to the hive
extern const message HELP_SCENT;     // the pink clouds, and what a drag does
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
    // The gesture or the page's button; with keys bound, a pattern with {1} for their names, or null for
    // their names alone.
    message keys;
    message does;
    int where;
    actions bound[4] = {}; // from the table of bindings the screens act on
    // The row's first column as the card shows it.
    std::string keys_text() const;
};
extern const help_row HELP_ROWS[]; // ends with a row of nulls
// Keys' names: those printed alike on every keyboard (letters, F1) are not translated.
extern const message KEY_SPACE, KEY_ENTER, KEY_LEFT, KEY_RIGHT, KEY_ESC, KEY_PAUSE;
extern const message KEY_CTRL;   // "Ctrl+{1}"
extern const message KEY_ARROWS; // the four arrow keys together
extern const message KEY_LIST;   // "{1}, {2}": a list of keys and the next
// A key's name as its keyboard and the language spoken call it: "P", "F1", "Space", "Ctrl+V".
std::string key_name(SDL_Keycode Key, bool Ctrl);
// The names of the keys bound to Actions (up to the first ac_none), in their order, each once, as a list:
// "Left, Right, Enter"; the four arrow keys together are named as such.
std::string key_names(const actions* Actions, size_t Count);
extern const help_row EDITOR_HELP_ROWS[]; // the editor's card: every key and button
extern const message HELP_CLOSE;
extern const message HELP_CLOSE_TOUCH;

// Pattern with {1}, {2}... replaced by Values in their order.
std::string fill(const std::string& Pattern, const std::vector<std::string>& Values);
// A counted text's form for N, its blanks filled: {1} is N, then Values.
std::string count(const counted& Text, long N, const std::vector<std::string>& Values = {});
// A level's number and name by its index in the table, "3 · Tongue of Land".
std::string level_label(int Index);
// Seconds as minutes and seconds, "1:05".
std::string clock_time(double Seconds);

} // namespace texts

namespace texts {
extern const message LESSON; // under level 1's ghost hand, until the first press
extern const message LESSON_TOUCH;
} // namespace texts
