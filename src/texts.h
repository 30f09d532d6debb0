// Every word the game shows, in one place, so that it can be translated: the lettering of the screens.
// The levels' names stand beside their records in the level table. A text with blanks to fill has them
// numbered, {1} {2}..., filled by fill(), so a translation may put them in another order. Each is a
// message, its English the key to its translation in the language in use (a gettext catalogue, po/); a
// text that counts something has a form for each number, as the language's plural rule picks it.
#pragma once

#include <string>
#include <vector>

// Marks a message for the translators' template (xgettext's keywords N_ and NP_) without translating it.
constexpr const char* N_(const char* English)
{
    return English;
}

namespace texts {

struct message
{
    const char* english;
    // The translation in the language in use; English where there is none.
    const char* c_str() const;
    operator std::string() const { return c_str(); }
};

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
    message keys; // the keys, or the page's button or the finger's gesture
    message does;
    int where;
};
extern const help_row HELP_ROWS[]; // ends with a row of nulls
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
