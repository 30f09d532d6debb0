// The player's own levels: every level file in levels/ beside the save, each with its best medals, which
// are kept by the level's key in level_medals.txt beside the save (a renamed file keeps them, an edited
// level starts afresh), and the replays of its plays in replays/ under the same key. A file that cannot
// be read is passed over with one warning; nothing here can cost the player a file.
#pragma once

#include "level_data.h"
#include "medal_keeper.h"
#include "replay.h"

#include <map>
#include <string>
#include <vector>

class texture;

struct player_level
{
    std::string file; // the name in levels/
    level_data data;
    uint64_t key;
};

class player_levels : public medal_keeper
{
public:
    std::vector<player_level> levels; // by file name
    std::map<uint64_t, int> medals;   // by key: the best medals won

    // Reads levels/ and the medals kept; levels that cannot be read are said once each and left out.
    void scan();
    // Keeps L among the player's levels as a file of its own, named after it, unless a level with the same
    // key is there already; the index of the level either way, or -1 with Problem when it cannot be written.
    int add(const level_data& L, std::string& Problem);
    // Keeps L as the file File in levels/, written over it, when File is one of them; else as add does.
    int keep(const level_data& L, const std::string& File, std::string& Problem);
    int medals_of(uint64_t Key) const override;
    void record(uint64_t Key, int Medals) override;
    int find(uint64_t Key) const;
};

// The level's preview, its map at one texel a tile in a square picture with the hive marked; needs a GL
// context, and is uploaded once per key.
texture* level_preview(const level_data& L);

// A player's level's replays, "last" and "best", in replays/ beside the save.
std::string level_replay_path(uint64_t Key, const char* Which);
// A replay of the level L as the game records its plays: its id 0 and its hash the level's key.
bool replay_of(const replay& R, const level_data& L);
// Keeps R, a play of L, as its last replay, and as its best when better; a warning when it cannot.
void keep_level_replay(const replay& R, const level_data& L);
