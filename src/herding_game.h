// One game of the herder (herder.h) on one level from one seed, played a frame at a time to its end or a
// time limit, with what the balance report counts besides the outcome: kills by the hive, in the first
// seconds, while the bees settle, and where the bees still out were. The report plays a game through at
// once (play_level); the editor's verdict plays a slice of one each frame.
#pragma once

#include "herder.h"
#include "play_session.h"

namespace player {

class herding_game
{
public:
    session S;
    herder H;
    bool passive; // never presses and never moves the mouse
    long frames_left;

    herding_game(level& Level, unsigned long Seed, bool Passive, double Limit = TIME_LIMIT, const hand& Hand = hand());
    herding_game(const level_data& Level, unsigned long Seed, bool Passive, double Limit = TIME_LIMIT,
                 const hand& Hand = hand());

    // One frame: the player thinks, the hand moves and presses, the level updates. False once the game is
    // over (every bee home or dead) or out of time, when it does nothing.
    bool step();
    bool ended() const;
    result outcome();

private:
    rpos hive;
    int near_hive = 0, early = 0, settling = 0;

    void open(double Limit);
};

result play_level(level& Level, unsigned long Seed, bool Passive, double Limit = TIME_LIMIT, const hand& Hand = hand());
result play_level(const level_data& Level, unsigned long Seed, bool Passive, double Limit = TIME_LIMIT, const hand& Hand = hand());
result play_level(int LevelIndex, unsigned long Seed, bool Passive, double Limit = TIME_LIMIT, const hand& Hand = hand());

} // namespace player
