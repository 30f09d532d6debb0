#include "texts.h"

#include "level.h"

#include <cstdio>

namespace texts {

const char* const GAME = "Quorvel Bees";
const char* const WINDOW_IN_PLAY = "{1} — {2}";
const char* const LEVEL = "{1} · {2}";
const char* const GOAL = "Bring {1} bees home for a daisy";
const char* const GOAL_ONE = "Bring the bee home for a daisy";
const char* const LOCKED = "{1}  (locked)";
const char* const OPENS_AFTER = "Win a medal on level {1} to open this one";
const char* const NO_REPLAY = "No play of this level kept yet";
const char* const NO_DEMO = "No demonstration: {1}";
const char* const WATCH = "Watch again (W)";
const char* const REPLAY_MARK = "Replay";
const char* const DEMO_MARK = "Demonstration";
const char* const REPLAY_KEYS = "Space: faster  ·  P: pause  ·  Esc: leave";
const char* const FAST = "×2";
const char* const PAUSED = "Paused";
const char* const PAUSED_KEYS = "P: go on  ·  R: start again  ·  Esc: end the level";
const char* const PAUSED_REPLAY_KEYS = "P: go on  ·  Esc: leave the replay";
const char* const PAUSED_TOUCH = "Pause: go on  ·  Again: start again  ·  Back: end the level";
const char* const PAUSED_REPLAY_TOUCH = "Pause: go on  ·  Back: leave the replay";
const char* const HOME_OF = "{1} of {2} bees home";
const char* const LOST = "{1} lost";
const char* const STILL_OUT = "{1} still out";
const char* const TIME = "in {1}";
const char* const MEDAL_NAMES[3] = {"Daisy", "Violet", "Tulip"};
const char* const MEDAL_NEEDS = "{1}: {2} bees";
const char* const MEDAL_ONLY = "{1}: {2} bees, the only medal here";
const char* const MEDAL_BEST = "{1}: {2} bees, the best medal here";
const char* const BETTER = "More medals than before!";
const char* const BEST_SO_FAR[4] = {"No medal here yet", "Your best here stays at one medal",
                                    "Your best here stays at two medals", "Your best here stays at three medals"};
const char* const NEXT = "Next: {1}  »";
const char* const TO_ROW = "«  Levels";
const char* const PLAY_AGAIN = "Play again  »";
const char* const TO_OWN_LEVELS = "«  Your levels";
const char* const OWN_LEVELS = "Your levels";
const char* const OWN_LEVELS_BUTTON = "Your levels";
const char* const NO_OWN_LEVELS = "No levels of your own yet. Paste a level's code here (Ctrl+V), open a level file with the "
                                  "game, or make a level in the editor.";
const char* const LEVEL_FACTS = "{1} by {2} tiles, {3} flowers, {4} horseflies, {5} bees";
const char* const BACK = "«  Back";
const char* const PLAY = "Play";
const char* const COPY_CODE = "Copy its code";
const char* const PASTE_CODE = "Paste a code";
const char* const OWN_LEVELS_KEYS = "Enter: play  ·  Ctrl+C: copy the level's code  ·  Ctrl+V: paste a level's code";
const char* const COPIED = "The code of {1} is copied: paste it to a friend";
const char* const ADDED = "Added to your levels: {1}";
const char* const ALREADY_THERE = "Already among your levels: {1}";
const char* const NOT_A_LEVEL = "No level: {1}";
const char* const NOT_KEPT = "Not kept: {1}";
const char* const EDIT_COPY = "Edit a copy";
const char* const NEW_LEVEL = "New level";
const char* const EDITOR_BUTTON = "Level editor";
const char* const EDITING = "Editing {1}";
const char* const TO_EDITOR = "«  Editor";
const char* const NEW_LEVEL_NAME = "New level";
const char* const GRASS = "Grass";
const char* const WATER = "Water";
const char* const ROCK = "Rock";
const char* const FILL = "Fill";
const char* const HIVE = "Hive";
const char* const UNDO = "Undo";
const char* const REDO = "Redo";
const char* const NEW = "New";
const char* const TEST = "Test";
const char* const VERDICT = "Verdict";
const char* const SAVE = "Save";
const char* const NAME = "Name";
const char* const FLOWERS = "Flowers";
const char* const HORSEFLIES = "Horseflies";
const char* const BEES = "Bees";
const char* const MAP_FACTS = "{1} by {2} tiles, {3} of grass";
const char* const TOOL_HINTS[] = {
    "Paint grass (G)",
    "Paint water (W)",
    "Paint rock (R)",
    "A brush one tile across (1)",
    "A brush three tiles across (2)",
    "A brush five tiles across (3)",
    "Fill an area of one kind with another (F)",
    "Place the hive where four tiles of grass meet (H)",
    "Undo (Ctrl+Z)",
    "Redo (Ctrl+Shift+Z or Ctrl+Y)",
    "Every key and button (F1)",
    "Back; your work stays here for next time (Esc)",
    "Click to type the level's name",
    "A new level, or a copy of another (N)",
    "Play the level now; Esc on its results comes back (T)",
    "Our careful player plays the level on {1} seeds (V)",
    "Put the level among your levels (Ctrl+S)",
    "Copy the level's code, to share it (Ctrl+C)",
    "One less (or the wheel)",
    "One more (or the wheel)",
    "Click to type a number",
};
const char* const SAVED = "Saved as {1}";
const char* const SAVED_AMONG = "Saved among your levels as {1}";
const char* const NOT_SAVED_YET = "Not among your levels yet";
const char* const MEND_FIRST = "Mend what is said in red first";
const char* const PLAY_BLOCKED = "Mend what is said in red before the level can be played";
const char* const WORK_BACK = "Your work from last time";
const char* const ALREADY_SAVED = "Already among your levels as {1}";
const char* const NEEDS_NAME = "Give the level a name";
const char* const HIVE_OFF_GRASS = "The hive must stand on grass, all four tiles round it";
const char* const TOO_LITTLE_GRASS = "{1} grass tiles: {2} flowers and {3} bees need {4}";
const char* const NO_WATER_FOR_FLIES = "Horseflies need water: paint some, or have none";
const char* const MEDALS_OUT_OF_ORDER = "Each medal needs at least the bees of the one before";
const char* const DAISY_OUT_OF_REACH = "The daisy needs {1} bees, more than the {2} there are";
const char* const TOO_MANY_COLOURS = "Not painted: the map holds all the 62 colours a level can have";
const char* const VERDICT_TITLE = "Our player's verdict";
const char* const VERDICT_ASK = "Verdict: our careful player plays the level on {1} seeds and says how it went";
const char* const VERDICT_PLAYING = "Playing seed {1} of {2}…";
const char* const VERDICT_MEDAL = "{1}: {2} of {3} seeds";
const char* const VERDICT_LOST = "Lost to horseflies: {1} a game, {2} in all";
const char* const VERDICT_NONE_LOST = "Lost to horseflies: none";
const char* const VERDICT_TIME = "Time: {1} a game, the longest {2}";
const char* const VERDICT_TIME_OUT = "Time: over ten minutes in {1} of {2} seeds";
const char* const VERDICT_UNPROVEN = "Unproven: our player never earned the daisy";
const char* const VERDICT_STOPPED = "The level changed, so the verdict stopped";
const char* const START_TITLE = "Start a level";
const char* const START_NEW = "A new meadow, in tiles:";
const char* const START_SIZE = "{1} by {2}";
const char* const START_COPY = "Or a copy of a level:";
const char* const EDITOR_HELP_TITLE = "The level editor";
const char* const HELP_BUTTON = "?";
const char* const HELP_TITLE = "How to play";
const char* const HELP_BAR = "The squares along the top are your bees: pale ones are home, olive ones still out, "
                             "dark ones lost. The flowers below them mark how many bees each medal needs.";
const char* const HELP_ARROW = "When the hive is out of view, an arrow at the edge of the picture points the way to it.";
const char* const HELP_SCENT = "Flowers and the hive breathe pink clouds of pollen scent of their own. A drag from a flower "
                               "lays a trail of it that the bees follow, and that keeps horseflies away.";
const help_row HELP_ROWS[] = {
    {"Press and drag", "from a flower: a trail of scent for the bees to follow", hw_keys},
    {"Edges, arrow keys", "scroll the map", hw_keys},
    {"Space", "held, a level runs at double speed; in a replay, faster and back", hw_keys},
    {"Left, Right, Enter", "pick and start a level; Enter after one: the next", hw_keys},
    {"P, Pause", "pause (also when the window loses the focus)", hw_keys},
    {"R", "start the level again", hw_keys},
    {"Esc", "end a level, leave the results, quit from the levels", hw_keys | hw_quits},
    {"Esc", "end a level or a replay, leave the results", hw_keys | hw_stays},
    {"W, H", "watch your best play of a level, or how it is done", hw_keys},
    {"L, E, Ctrl+V", "your own levels; the level editor; a level's code pasted joins your levels", hw_keys},
    {"F1", "this card", hw_keys},
    {"M", "sound off and on", hw_keys},
    {"F11", "fullscreen", hw_keys},
    {"F12", "quit", hw_keys | hw_quits},
    {"Touch and drag", "from a flower: a trail of scent for the bees to follow", hw_touch},
    {"A finger at an edge", "scrolls the map", hw_touch},
    {"Tap a level, then Go", "starts it", hw_touch},
    {"Pause", "pause, and go on", hw_touch},
    {"Again", "start the level again", hw_touch},
    {"Back", "end a level or a replay, leave the results", hw_touch},
    {"Next", "on the results: the next level", hw_touch},
    {"Watch", "your best play of a level, or the last play again", hw_touch},
    {"Demo", "how a level is done", hw_touch},
    {"Sound", "sound off and on", hw_touch},
    {"Full screen", "the game fills the screen", hw_touch},
    {nullptr, nullptr, 0},
};
const help_row EDITOR_HELP_ROWS[] = {
    {"Press and drag", "paint with the brush, fill an area, or place the hive", hw_keys},
    {"Grass, Water, Rock: G, W, R", "what to paint", hw_keys},
    {"The three dots: 1, 2, 3", "a brush one, three or five tiles across", hw_keys},
    {"Fill, F", "an area of one kind joined side by side becomes another", hw_keys},
    {"Hive, H", "place the hive where four tiles of grass meet", hw_keys},
    {"Undo, Ctrl+Z", "a step back", hw_keys},
    {"Redo, Ctrl+Shift+Z, Ctrl+Y", "and forward again", hw_keys},
    {"Edges, arrow keys, right drag", "move the map", hw_keys},
    {"Tab", "hide the tools, to see the level as a player will", hw_keys},
    {"A name or number", "click, type it, Enter; Esc puts it back", hw_keys},
    {"–, +, the wheel", "a number one less or more", hw_keys},
    {"Test, T", "play the level; Esc on its results comes back", hw_keys},
    {"Verdict, V", "the careful player of the game's balance report plays it", hw_keys},
    {"Save, Ctrl+S", "keep it among your levels", hw_keys},
    {"Copy its code, Ctrl+C", "share it", hw_keys},
    {"New, N", "a new level, or a copy of another", hw_keys},
    {"?, F1", "this card", hw_keys},
    {"Back, Esc", "your work stays here for next time", hw_keys},
    {"Touch and drag", "paint, fill an area, or place the hive", hw_touch},
    {"Grass, Water, Rock", "what to paint", hw_touch},
    {"The three dots", "a brush one, three or five tiles across", hw_touch},
    {"Fill, Hive", "fill an area; place the hive", hw_touch},
    {"A finger at an edge", "moves the map", hw_touch},
    {"Undo, Redo", "a step back, and forward again", hw_touch},
    {"Tap a name or number", "type it", hw_touch},
    {"–, +", "a number one less or more", hw_touch},
    {"Test", "play the level; Back on its results comes back", hw_touch},
    {"Verdict", "the careful player of the game's balance report plays it", hw_touch},
    {"Save, Copy its code", "keep it among your levels; share it", hw_touch},
    {"New", "a new level, or a copy of another", hw_touch},
    {"Back", "your work stays here for next time", hw_touch},
    {nullptr, nullptr, 0},
};
const char* const HELP_CLOSE = "Any key or click to close";
const char* const HELP_CLOSE_TOUCH = "Tap to close";

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

std::string level_label(int Index)
{
    return fill(LEVEL, {std::to_string(Index + 1), all_levels[Index].name});
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
const char* const LESSON = "Press on a flower and drag toward the hive";
const char* const LESSON_TOUCH = "Touch a flower and drag toward the hive";
} // namespace texts
