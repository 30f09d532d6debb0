#include "texts.h"

#include "catalog.h"
#include "level.h"
#include "safe_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
    if (!english) return nullptr;
    const char* Text = speaking.text(english);
    const char* Context = Text == english ? std::strchr(english, '\004') : nullptr;
    return Context ? Context + 1 : Text;
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
// TRANSLATORS: the title screen's button to the second set of ten levels, and that screen's heading.
const message SECOND_SET_BUTTON = {N_("Ten more levels")};
const message SECOND_SET = {N_("Ten more levels")};
const message TO_SECOND_SET = {N_("«  Ten more levels")};
const message SECOND_SET_CLOSED = {N_("A medal on level 10 opens the first of these, and each medal the next")};
const message SECOND_SET_KEYS = {N_("Enter: play  ·  H: watch how it is done  ·  Escape: back")};
const message SHOW_HOW = {N_("Watch how")};
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
const message EDIT_COPY = {N_("Edit a copy")};
const message NEW_LEVEL = {N_("New level")};
const message EDITOR_BUTTON = {N_("Level editor")};
const message EDITING = {N_("Editing {1}")};
const message TO_EDITOR = {N_("«  Editor")};
const message NEW_LEVEL_NAME = {N_("New level")};
const message GRASS = {N_("Grass")};
const message WATER = {N_("Water")};
const message ROCK = {N_("Rock")};
const message FILL = {N_("Fill")};
const message HIVE = {N_("Hive")};
const message UNDO = {N_("Undo")};
const message REDO = {N_("Redo")};
const message NEW = {N_("New")};
const message TEST = {N_("Test")};
const message VERDICT = {N_("Verdict")};
const message SAVE = {N_("Save")};
const message NAME = {N_("Name")};
const message FLOWERS_LABEL = {N_("Flowers")};
const message HORSEFLIES_LABEL = {N_("Horseflies")};
const message BEES_LABEL = {N_("Bees")};
const counted MAP_FACTS = NP_("{2} by {3} tiles, {1} of grass", "{2} by {3} tiles, {1} of grass");
const message TOOL_HINTS[] = {
    {N_("Paint grass (G)")},
    {N_("Paint water (W)")},
    {N_("Paint rock (R)")},
    {N_("A brush one tile across (1)")},
    {N_("A brush three tiles across (2)")},
    {N_("A brush five tiles across (3)")},
    {N_("Fill an area of one kind with another (F)")},
    {N_("Place the hive where four tiles of grass meet (H)")},
    {N_("Undo (Ctrl+Z)")},
    {N_("Redo (Ctrl+Shift+Z or Ctrl+Y)")},
    {N_("Every key and button (F1)")},
    {N_("Back; your work stays here for next time (Esc)")},
    {N_("Click to type the level's name")},
    {N_("A new level, or a copy of another (N)")},
    {N_("Play the level now; Esc on its results comes back (T)")},
    {N_("Our careful player plays the level on {1} seeds (V)")},
    {N_("Put the level among your levels (Ctrl+S)")},
    {N_("Copy the level's code, to share it (Ctrl+C)")},
    {N_("One less (or the wheel)")},
    {N_("One more (or the wheel)")},
    {N_("Click to type a number")},
};
const message SAVED = {N_("Saved as {1}")};
const message SAVED_AMONG = {N_("Saved among your levels as {1}")};
const message NOT_SAVED_YET = {N_("Not among your levels yet")};
const message MEND_FIRST = {N_("Mend what is said in red first")};
const message PLAY_BLOCKED = {N_("Mend what is said in red before the level can be played")};
const message WORK_BACK = {N_("Your work from last time")};
const message ALREADY_SAVED = {N_("Already among your levels as {1}")};
const message NEEDS_NAME = {N_("Give the level a name")};
const message HIVE_OFF_GRASS = {N_("The hive must stand on grass, all four tiles round it")};
const counted TOO_LITTLE_GRASS = NP_("{1} grass tile: the flowers and the bees need {2}", "{1} grass tiles: the flowers and the bees need {2}");
const message NO_WATER_FOR_FLIES = {N_("Horseflies need water: paint some, or have none")};
const message MEDALS_OUT_OF_ORDER = {N_("Each medal needs at least the bees of the one before")};
const counted DAISY_OUT_OF_REACH = NP_("The daisy needs {1} bee, more than the {2} there are", "The daisy needs {1} bees, more than the {2} there are");
const message TOO_MANY_COLOURS = {N_("Not painted: the map holds all the 62 colours a level can have")};
const message VERDICT_TITLE = {N_("Our player's verdict")};
const message VERDICT_PLAYING = {N_("Playing seed {1} of {2}…")};
const counted VERDICT_MEDAL = NP_("{2}: {3} of {1} seed", "{2}: {3} of {1} seeds");
const message VERDICT_LOST = {N_("Lost to horseflies: {1} a game, {2} in all")};
const message VERDICT_NONE_LOST = {N_("Lost to horseflies: none")};
const message VERDICT_TIME = {N_("Time: {1} a game, the longest {2}")};
const counted VERDICT_TIME_OUT = NP_("Time: over ten minutes in {2} of {1} seed", "Time: over ten minutes in {2} of {1} seeds");
const message VERDICT_UNPROVEN = {N_("Unproven: our player never earned the daisy")};
const message VERDICT_STOPPED = {N_("The level changed, so the verdict stopped")};
const message START_TITLE = {N_("Start a level")};
const message START_NEW = {N_("A new meadow, in tiles:")};
const message START_SIZE = {N_("{1} by {2}")};
const message START_COPY = {N_("Or a copy of a level:")};
const message EDITOR_HELP_TITLE = {N_("The level editor")};
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
    {{N_("Press and drag")}, {N_("from a flower: a trail of scent for the bees to follow")}, hw_keys, {}},
    // TRANSLATORS: the picture's edges, and then the keys that scroll the map.
    {{N_("Edges, {1}")}, {N_("scroll the map")}, hw_keys, {ac_scroll_left, ac_scroll_right, ac_scroll_up, ac_scroll_down}},
    {{nullptr}, {N_("held, a level runs at double speed; in a replay, faster and back")}, hw_keys, {ac_faster}},
    {{nullptr}, {N_("pick and start a level; Enter after one: the next")}, hw_keys, {ac_pick_left, ac_pick_right, ac_start}},
    {{nullptr}, {N_("pause (also when the window loses the focus)")}, hw_keys, {ac_pause}},
    {{nullptr}, {N_("start the level again")}, hw_keys, {ac_restart}},
    {{nullptr}, {N_("end a level, leave the results, quit from the levels")}, hw_keys | hw_quits, {ac_back}},
    {{nullptr}, {N_("end a level or a replay, leave the results")}, hw_keys | hw_stays, {ac_back}},
    {{nullptr}, {N_("watch your best play of a level, or how it is done")}, hw_keys, {ac_watch, ac_demo}},
    {{nullptr}, {N_("your own levels; the level editor; a level's code pasted joins your levels")}, hw_keys, {ac_own_levels, ac_editor, ac_paste}},
    {{nullptr}, {N_("ten more levels, once level 10 has a medal")}, hw_keys, {ac_second_set}},
    {{nullptr}, {N_("this card")}, hw_keys, {ac_help}},
    {{nullptr}, {N_("sound off and on")}, hw_keys, {ac_sound}},
    {{nullptr}, {N_("fullscreen")}, hw_keys, {ac_fullscreen}},
    {{nullptr}, {N_("quit")}, hw_keys | hw_quits, {ac_quit}},
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
// TRANSLATORS: keys' names as keyboards in your language print them.
const message KEY_SPACE = {C_("key", "Space")};
const message KEY_ENTER = {C_("key", "Enter")};
const message KEY_LEFT = {C_("key", "Left")};
const message KEY_RIGHT = {C_("key", "Right")};
const message KEY_ESC = {C_("key", "Esc")};
const message KEY_PAUSE = {C_("key", "Pause")};
const message KEY_CTRL = {C_("key", "Ctrl+{1}")};
const message KEY_ARROWS = {C_("key", "arrow keys")};
// TRANSLATORS: a list of keys, and the next key named in it.
const message KEY_LIST = {N_("{1}, {2}")};

std::string key_name(SDL_Keycode Key, bool Ctrl)
{
    std::string Name;
    switch (Key)
    {
    case SDLK_SPACE: Name = KEY_SPACE; break;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: Name = KEY_ENTER; break;
    case SDLK_LEFT: Name = KEY_LEFT; break;
    case SDLK_RIGHT: Name = KEY_RIGHT; break;
    case SDLK_ESCAPE: Name = KEY_ESC; break;
    case SDLK_PAUSE: Name = KEY_PAUSE; break;
    default:
        // Letters and function keys are printed on every keyboard alike.
        if (Key >= SDLK_a && Key <= SDLK_z)
            Name = std::string(1, (char)std::toupper((int)Key));
        else if (Key >= SDLK_F1 && Key <= SDLK_F12)
            Name = "F" + std::to_string(Key - SDLK_F1 + 1);
        else
            Name = SDL_GetKeyName(Key);
    }
    return Ctrl ? fill(KEY_CTRL, {Name}) : Name;
}

std::string key_names(const actions* Actions, size_t Count)
{
    std::vector<const binding*> Bound;
    for (size_t a = 0; a < Count && Actions[a] != ac_none; a++)
        for (size_t b = 0; b < BINDING_COUNT; b++)
            if (BINDINGS[b].action == Actions[a]) Bound.push_back(&BINDINGS[b]);
    std::vector<std::string> Names;
    auto arrow = [](const binding* B) { return !B->ctrl && (B->key == SDLK_LEFT || B->key == SDLK_RIGHT || B->key == SDLK_UP || B->key == SDLK_DOWN); };
    if (Bound.size() == 4 && std::all_of(Bound.begin(), Bound.end(), arrow))
        Names.push_back(KEY_ARROWS);
    else
        for (const binding* B : Bound)
        {
            const std::string Name = key_name(B->key, B->ctrl);
            if (std::find(Names.begin(), Names.end(), Name) == Names.end()) Names.push_back(Name);
        }
    std::string List;
    for (const std::string& N : Names) List = List.empty() ? N : fill(KEY_LIST, {List, N});
    return List;
}

std::string help_row::keys_text() const
{
    if (bound[0] == ac_none) return keys;
    const std::string Names = key_names(bound, std::size(bound));
    return keys.english ? fill(keys, {Names}) : Names;
}

const help_row EDITOR_HELP_ROWS[] = {
    {{N_("Press and drag")}, {N_("paint with the brush, fill an area, or place the hive")}, hw_keys},
    {{N_("Grass, Water, Rock: G, W, R")}, {N_("what to paint")}, hw_keys},
    {{N_("The three dots: 1, 2, 3")}, {N_("a brush one, three or five tiles across")}, hw_keys},
    {{N_("Fill, F")}, {N_("an area of one kind joined side by side becomes another")}, hw_keys},
    {{N_("Hive, H")}, {N_("place the hive where four tiles of grass meet")}, hw_keys},
    {{N_("Undo, Ctrl+Z")}, {N_("a step back")}, hw_keys},
    {{N_("Redo, Ctrl+Shift+Z, Ctrl+Y")}, {N_("and forward again")}, hw_keys},
    {{N_("Edges, arrow keys, right drag")}, {N_("move the map")}, hw_keys},
    {{N_("Tab")}, {N_("hide the tools, to see the level as a player will")}, hw_keys},
    {{N_("A name or number")}, {N_("click, type it, Enter; Esc puts it back")}, hw_keys},
    {{N_("–, +, the wheel")}, {N_("a number one less or more")}, hw_keys},
    {{N_("Test, T")}, {N_("play the level; Esc on its results comes back")}, hw_keys},
    {{N_("Verdict, V")}, {N_("the careful player of the game's balance report plays it")}, hw_keys},
    {{N_("Save, Ctrl+S")}, {N_("keep it among your levels")}, hw_keys},
    {{N_("Copy its code, Ctrl+C")}, {N_("share it")}, hw_keys},
    {{N_("New, N")}, {N_("a new level, or a copy of another")}, hw_keys},
    {{N_("?, F1")}, {N_("this card")}, hw_keys},
    {{N_("Back, Esc")}, {N_("your work stays here for next time")}, hw_keys},
    {{N_("Touch and drag")}, {N_("paint, fill an area, or place the hive")}, hw_touch},
    {{N_("Grass, Water, Rock")}, {N_("what to paint")}, hw_touch},
    {{N_("The three dots")}, {N_("a brush one, three or five tiles across")}, hw_touch},
    {{N_("Fill, Hive")}, {N_("fill an area; place the hive")}, hw_touch},
    {{N_("A finger at an edge")}, {N_("moves the map")}, hw_touch},
    {{N_("Undo, Redo")}, {N_("a step back, and forward again")}, hw_touch},
    {{N_("Tap a name or number")}, {N_("type it")}, hw_touch},
    {{N_("–, +")}, {N_("a number one less or more")}, hw_touch},
    {{N_("Test")}, {N_("play the level; Back on its results comes back")}, hw_touch},
    {{N_("Verdict")}, {N_("the careful player of the game's balance report plays it")}, hw_touch},
    {{N_("Save, Copy its code")}, {N_("keep it among your levels; share it")}, hw_touch},
    {{N_("New")}, {N_("a new level, or a copy of another")}, hw_touch},
    {{N_("Back")}, {N_("your work stays here for next time")}, hw_touch},
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
