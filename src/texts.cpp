#include "texts.h"

#include <cstdio>

namespace texts {

const char* const LEVEL_NAMES[10] = {"First Flight", "The Ravine",  "Tongue of Land", "The Coast", "The Island",
                                     "One Bee, Many Flies", "Streams", "Horsefly Meadows", "The Ponds",
                                     "The Great Swarm"};

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
const char* const HOME_OF = "{1} of {2} bees home";
const char* const LOST = "{1} lost";
const char* const TIME = "in {1}";
const char* const MEDAL_NAMES[3] = {"Daisy", "Violet", "Tulip"};
const char* const MEDAL_NEEDS = "{1}: {2} bees";
const char* const NO_MORE = "  (this level awards no more)";
const char* const BETTER = "More medals than before!";
const char* const BEST_SO_FAR[4] = {"No medal here yet", "Your best here stays at one medal",
                                    "Your best here stays at two medals", "Your best here stays at three medals"};
const char* const NEXT = "Next: {1}  »";
const char* const TO_ROW = "«  Levels";
const char* const HELP_BUTTON = "?";
const char* const HELP_TITLE = "How to play";
const char* const HELP_BAR = "The squares along the top are your bees: pale ones are home, olive ones still out, "
                             "dark ones lost. The flowers below them mark how many bees each medal needs.";
const char* const HELP_KEYS[][2] = {
    {"Press and drag", "from a flower: a trail of pollen scent the bees follow"},
    {"Edges, arrow keys", "scroll the map"},
    {"Left, Right, Enter", "pick and start a level; Enter after one: the next"},
    {"P, Pause", "pause (also when the window loses the focus)"},
    {"R", "start the level again"},
    {"Esc", "end a level, leave the results, quit from the levels"},
    {"W, H", "watch your best play of a level, or how it is done"},
    {"F1", "this card"},
    {"M", "sound off and on"},
    {"F11", "fullscreen"},
    {"F12", "quit"},
    {nullptr, nullptr},
};
const char* const HELP_CLOSE = "Any key or click to close";

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
    return fill(LEVEL, {std::to_string(Index + 1), LEVEL_NAMES[Index]});
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
} // namespace texts
