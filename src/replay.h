// A play kept as its input: the level, the world's seed and, frame by frame, the time step, the pointer
// and the button and key events the play screen took; from them the play screen plays it again draw for
// draw. Kept small in a versioned little-endian file (write_replay), read back only whole and only for
// the level and map it was made on.
#pragma once

#include "vecco.h"

#include <SDL2/SDL.h>
#include <cstdint>
#include <string>
#include <vector>

class level;

// Two hours at a hundred frames a second: a play kept longer would not be watched, and a file claiming
// more is not believed.
const uint32_t REPLAY_MOST_FRAMES = 720000;

struct replay_event
{
    enum kinds
    {
        button_down = 1,
        button_up,
        key_down,
        key_up
    };
    uint8_t kind;
    int32_t code; // the button, or the key's sym
};

struct replay_frame
{
    double step;
    rloc mouse;   // mouseloc as the play screen read it
    int scale;    // the picture's height in pixels that mouse was measured in, or 0 when not whole pixels
    std::vector<replay_event> events; // taken before the frame's update
};

class replay
{
public:
    enum ends
    {
        e_left = 0, // Escape, or the level started afresh
        e_over = 1  // every bee home or lost
    };

    int level_id;
    uint32_t seed;
    uint64_t level_hash;
    std::vector<replay_frame> frames;
    // How it ended, as recorded.
    int rescued_bees, killed_bees;
    double time; // the world's clock
    ends end;
    uint64_t end_digest; // of the world as it ended (world_digest): any change to the play shows in it

    replay();
    // The play it keeps is better than Other's: more medals, else more bees home, else sooner.
    bool better_than(const replay& Other, const int MedalBees[3]) const;
};

class world;
// A digest of everything a play decides in a world: the counters, the creatures, the scent.
uint64_t world_digest(const world& W);

// The events of the play screen a replay keeps: mouse buttons, and the arrow keys and Escape.
bool recorded_event(const SDL_Event& E, replay_event& Out);
SDL_Event replayed_event(const replay_event& E);

std::string write_replay(const replay& R);
// Every byte checked: a file cut short, of another version or out of bounds anywhere gives false and
// Problem, and Out is left as it was.
bool read_replay(const std::string& Bytes, replay& Out, std::string& Problem);

// A digest of the level's record and of its map file's bytes; false when the map cannot be read.
bool level_hash(const level& L, uint64_t& Hash, std::string& Problem);
// The index of the level a replay was made on, after checking its record and map are the same as then;
// -1 with Problem when not.
int replay_level(const replay& R, std::string& Problem);

// The kept replays of a level, "last" and "best", in replays/ beside the save.
std::string replay_path(int LevelId, const char* Which);
// Reads a replay file, of any level; false with Problem (one line's worth) when it cannot.
bool read_replay_file(const std::string& Path, replay& Out, std::string& Problem);
// The same for a level of this game's table only.
bool load_replay(const std::string& Path, replay& Out, std::string& Problem);
// Keeps R as the replay at Last, and at Best when better than the one there (by MedalBees).
void keep_replay_at(const replay& R, const std::string& Last, const std::string& Best, const int MedalBees[3]);
// Keeps R as its level's last replay, and as its best when better than the best kept; a warning where
// a file cannot be written.
void keep_replay(const replay& R);
