#include "texts.h"

#include "catalog.h"
#include "level.h"
#include "safe_file.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace texts {

namespace {
// The catalogue in use: empty, English, until a language is chosen.
catalog speaking;

// Where the compiled catalogues are: beside the installed game as its launcher says, or the build's own.
std::string locale_dir()
{
    const char* Dir = std::getenv("QUORVEL_LOCALEDIR");
    return Dir && *Dir ? Dir : QUORVEL_LOCALE_DIR;
}
} // namespace

const char* message::c_str() const
{
    return english ? speaking.text(english) : nullptr;
}

const char* counted::operator()(long N) const
{
    return speaking.plural(one, many, (unsigned long)(N < 0 ? -N : N));
}

const language_name LANGUAGES[] = {{"cs", "Čeština"},  {"de", "Deutsch"},    {"es", "Español"},
                                   {"fr", "Français"}, {"it", "Italiano"},   {"nl", "Nederlands"},
                                   {"pl", "Polski"},   {"pt_BR", "Português (Brasil)"}, {"ru", "Русский"},
                                   {"uk", "Українська"}};
const size_t LANGUAGE_COUNT = sizeof LANGUAGES / sizeof LANGUAGES[0];

bool use_language(const std::string& Code)
{
    catalog Read;
    std::ifstream In;
    std::string Problem;
    const std::string Path = locale_dir() + "/" + Code + "/LC_MESSAGES/quorvel-bees.mo";
    bool Found = false;
    for (size_t a = 0; a < LANGUAGE_COUNT; a++) Found = Found || Code == LANGUAGES[a].code;
    if (Found && open_plain_file(Path, In, Problem) == or_open)
    {
        std::string Bytes((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
        if (Read.read(Bytes, Problem))
        {
            Read.language = Code;
            speaking = Read;
            return true;
        }
    }
    speaking = catalog(); // English
    return Code.empty() || Code == "en";
}

void speak_next_language()
{
    // English, then each language the game speaks, in turn; one whose catalogue cannot be read is passed.
    size_t Next = 0;
    for (size_t a = 0; a < LANGUAGE_COUNT; a++)
        if (speaking.language == LANGUAGES[a].code) Next = a + 1;
    for (; Next < LANGUAGE_COUNT; Next++)
        if (use_language(LANGUAGES[Next].code)) return;
    use_language("");
}

const std::string& language()
{
    return speaking.language;
}

std::string language_for(const std::vector<std::string>& Asked)
{
    for (const std::string& Code : Asked)
        for (size_t a = 0; a < LANGUAGE_COUNT; a++)
            if (Code == LANGUAGES[a].code) return Code;
    return "";
}

const char* const GAME = "Quorvel Bees";
const message WINDOW_IN_PLAY = {N_("{1} — {2}")};
const message LEVEL = {N_("{1} · {2}")};
const counted GOAL = NP_("Bring {1} bee home for a daisy", "Bring {1} bees home for a daisy");
const message GOAL_ONE = {N_("Bring the bee home for a daisy")};
const message LOCKED = {N_("{1}  (locked)")};
const message OPENS_AFTER = {N_("Win a medal on level {1} to open this one")};
const message NO_REPLAY = {N_("No play of this level kept yet")};
const message NO_DEMO = {N_("No demonstration: {1}")};
const message WATCH = {N_("Watch again (W)")};
const message REPLAY_MARK = {N_("Replay")};
const message DEMO_MARK = {N_("Demonstration")};
const message REPLAY_KEYS = {N_("Space: faster  ·  P: pause  ·  Esc: leave")};
const message REPLAY_KEYS_TOUCH = {N_("Pause: pause  ·  Back: leave")};
const message REPLAY_MARK_FAST = {N_("Replay  ×2")};
const message DEMO_MARK_FAST = {N_("Demonstration  ×2")};
const message PAUSED = {N_("Paused")};
const message PAUSED_KEYS = {N_("P: go on  ·  R: start again  ·  Esc: end the level")};
const message PAUSED_REPLAY_KEYS = {N_("P: go on  ·  Esc: leave the replay")};
const message PAUSED_TOUCH = {N_("Pause: go on  ·  Again: start again  ·  Back: end the level")};
const message PAUSED_REPLAY_TOUCH = {N_("Pause: go on  ·  Back: leave the replay")};
const counted HOME_OF = NP_("{2} of {1} bee home", "{2} of {1} bees home");
const counted LOST = NP_("{1} lost", "{1} lost");
const counted STILL_OUT = NP_("{1} still out", "{1} still out");
const message TIME = {N_("in {1}")};
const message MEDAL_NAMES[3] = {{N_("Daisy")}, {N_("Violet")}, {N_("Tulip")}};
const counted MEDAL_NEEDS = NP_("{2}: {1} bee", "{2}: {1} bees");
const counted MEDAL_ONLY = NP_("{2}: {1} bee, the only medal here", "{2}: {1} bees, the only medal here");
const counted MEDAL_BEST = NP_("{2}: {1} bee, the best medal here", "{2}: {1} bees, the best medal here");
const message BETTER = {N_("More medals than before!")};
const message BEST_SO_FAR[4] = {{N_("No medal here yet")}, {N_("Your best here stays at one medal")},
                                {N_("Your best here stays at two medals")}, {N_("Your best here stays at three medals")}};
const message NEXT = {N_("Next: {1}  »")};
const message TO_ROW = {N_("«  Levels")};
const message PLAY_AGAIN = {N_("Play again  »")};
const message TO_OWN_LEVELS = {N_("«  Your levels")};
const message OWN_LEVELS = {N_("Your levels")};
const message OWN_LEVELS_BUTTON = {N_("Your levels")};
const message NO_OWN_LEVELS = {N_("No levels of your own yet. Paste a level's code here (Ctrl+V), open a level file with the "
                                  "game, or make a level in the editor.")};
const message MAP_SIZE = {N_("{1} × {2} tiles")};
const counted FLOWERS = NP_("{1} flower", "{1} flowers");
const counted HORSEFLIES = NP_("{1} horsefly", "{1} horseflies");
const counted BEES = NP_("{1} bee", "{1} bees");
const message BACK = {N_("«  Back")};
const message PLAY = {N_("Play")};
const message COPY_CODE = {N_("Copy its code")};
const message PASTE_CODE = {N_("Paste a code")};
const message OWN_LEVELS_KEYS = {N_("Enter: play  ·  Ctrl+C: copy the level's code  ·  Ctrl+V: paste a level's code")};
const message COPIED = {N_("The code of {1} is copied: paste it to a friend")};
const message ADDED = {N_("Added to your levels: {1}")};
const message ALREADY_THERE = {N_("Already among your levels: {1}")};
const message NOT_A_LEVEL = {N_("No level: {1}")};
const message NOT_KEPT = {N_("Not kept: {1}")};
// The words of the rules' and the results' pictures, drawn over pictures without words in any language but
// English, whose pictures carry them.
const message RULES[6] = {{N_("Press on a flower and drag: lay a trail of pollen scent")},
                          {N_("A flower runs dry after a few seconds of dragging")},
                          {N_("Bees follow pollen scent home to the hive")},
                          {N_("Horseflies over water kill bees, but not in pollen scent")},
                          {N_("Push the cursor against an edge to scroll")},
                          {N_("The level ends when every bee is home or lost; Escape ends it at once")}};
const message RESULT_HEADINGS[4] = {{N_("No medal")}, {N_("Daisy medal!")}, {N_("Violet medal!")}, {N_("Tulip medal!")}};
const message RESULT_LINES[4][2] = {{{N_("Too few bees came home.")}, {N_("Try again!")}},
                                    {{N_("Enough bees came home.")}, {N_("The daisy is yours.")}},
                                    {{N_("Many bees came home.")}, {N_("Daisy and violet are yours.")}},
                                    {{N_("Nearly every bee is home.")}, {N_("All three medals are yours!")}}};
// The web page's own words, which it asks the game for (its buttons are named in the help card too).
const message PAGE_WORDS[] = {{N_("Full screen")}, {N_("Sound on")}, {N_("Sound off")}, {N_("Pause")}, {N_("Again")},
                              {N_("Back")}, {N_("Next")}, {N_("Watch")}, {N_("Demo")}, {N_("Add")}, {N_("Download level")},
                              {N_("Open a level file")}, {N_("Paste a level's code or link")},
                              {N_("Turn your phone sideways to play Quorvel Bees.")}, {nullptr}};
const message HELP_BUTTON = {N_("?")};
// TRANSLATORS: the name of your language in your language, on the button that changes the language.
const message LANGUAGE_NAME = {N_("English")};
const message HELP_TITLE = {N_("How to play")};
const message HELP_BAR = {N_("The squares along the top are your bees: pale ones are home, olive ones still out, "
                             "dark ones lost. The flowers below them mark how many bees each medal needs.")};
const message HELP_ARROW = {N_("When the hive is out of view, an arrow at the edge of the picture points the way to it.")};
const message HELP_SCENT = {N_("Flowers and the hive breathe pink clouds of pollen scent of their own. A drag from a flower "
                               "lays a trail of it that the bees follow, and that keeps horseflies away.")};
const help_row HELP_ROWS[] = {
    {{N_("Press and drag")}, {N_("from a flower: a trail of scent for the bees to follow")}, hw_keys},
    {{N_("Edges, arrow keys")}, {N_("scroll the map")}, hw_keys},
    {{N_("Space")}, {N_("held, a level runs at double speed; in a replay, faster and back")}, hw_keys},
    {{N_("Left, Right, Enter")}, {N_("pick and start a level; Enter after one: the next")}, hw_keys},
    {{N_("P, Pause")}, {N_("pause (also when the window loses the focus)")}, hw_keys},
    {{N_("R")}, {N_("start the level again")}, hw_keys},
    {{N_("Esc")}, {N_("end a level, leave the results, quit from the levels")}, hw_keys | hw_quits},
    {{N_("Esc")}, {N_("end a level or a replay, leave the results")}, hw_keys | hw_stays},
    {{N_("W, H")}, {N_("watch your best play of a level, or how it is done")}, hw_keys},
    {{N_("L, Ctrl+V")}, {N_("your own levels; a level's code pasted on the levels joins them")}, hw_keys},
    {{N_("F1")}, {N_("this card")}, hw_keys},
    {{N_("M")}, {N_("sound off and on")}, hw_keys},
    {{N_("F11")}, {N_("fullscreen")}, hw_keys},
    {{N_("F12")}, {N_("quit")}, hw_keys | hw_quits},
    {{N_("Touch and drag")}, {N_("from a flower: a trail of scent for the bees to follow")}, hw_touch},
    {{N_("A finger at an edge")}, {N_("scrolls the map")}, hw_touch},
    {{N_("Tap a level, then Go")}, {N_("starts it")}, hw_touch},
    {{N_("Pause")}, {N_("pause, and go on")}, hw_touch},
    {{N_("Again")}, {N_("start the level again")}, hw_touch},
    {{N_("Back")}, {N_("end a level or a replay, leave the results")}, hw_touch},
    {{N_("Next")}, {N_("on the results: the next level")}, hw_touch},
    {{N_("Watch")}, {N_("your best play of a level, or the last play again")}, hw_touch},
    {{N_("Demo")}, {N_("how a level is done")}, hw_touch},
    {{N_("Sound")}, {N_("sound off and on")}, hw_touch},
    {{N_("Full screen")}, {N_("the game fills the screen")}, hw_touch},
    {{nullptr}, {nullptr}, 0},
};
const message HELP_CLOSE = {N_("Any key or click to close")};
const message HELP_CLOSE_TOUCH = {N_("Tap to close")};

std::string fill(const std::string& Pattern, const std::vector<std::string>& Values)
{
    std::string Out;
    for (size_t a = 0; a < Pattern.size(); a++)
    {
        size_t Close = Pattern.find('}', a);
        if (Pattern[a] == '{' && Close != std::string::npos && Close > a + 1 && Close < a + 4)
        {
            size_t Index = 0;
            bool Digits = true;
            for (size_t b = a + 1; b < Close; b++)
                Digits = Digits && Pattern[b] >= '0' && Pattern[b] <= '9', Index = Index * 10 + (Pattern[b] - '0');
            if (Digits && Index >= 1 && Index <= Values.size())
            {
                Out += Values[Index - 1];
                a = Close;
                continue;
            }
        }
        Out += Pattern[a];
    }
    return Out;
}

std::string count(const counted& Text, long N, const std::vector<std::string>& Values)
{
    std::vector<std::string> All = {std::to_string(N)};
    All.insert(All.end(), Values.begin(), Values.end());
    return fill(Text(N), All);
}

std::string level_label(int Index)
{
    return fill(LEVEL, {std::to_string(Index + 1), message{all_levels[Index].name}});
}

std::string clock_time(double Seconds)
{
    int Whole = Seconds > 0 ? (int)(Seconds + 0.5) : 0;
    char Text[32];
    std::snprintf(Text, sizeof Text, "%d:%02d", Whole / 60, Whole % 60);
    return Text;
}

} // namespace texts

namespace texts {
const message LESSON = {N_("Press on a flower and drag toward the hive")};
const message LESSON_TOUCH = {N_("Touch a flower and drag toward the hive")};
} // namespace texts
