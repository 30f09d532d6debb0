// The second set of ten levels: level files shipped with the game in data/levels/set2/, in the order of
// their names, numbered on from the table's levels. The first opens once the table's last level has a
// medal, each other once the one before it has one. Their medals are kept by file name in
// second_set.txt beside the save; the save file and the table's levels are not touched.
#pragma once

#include "level_data.h"
#include "medal_keeper.h"

#include <string>
#include <vector>

struct set_level
{
    std::string file; // the name in the set's folder
    level_data data;
    uint64_t key;
    int medals;
};

class level_set : public medal_keeper
{
public:
    std::vector<set_level> levels;
    std::string folder;

    // Reads the set's files from Folder and the medals kept; a file that cannot be read is said once and
    // left out.
    void load(const std::string& Folder = "data/levels/set2");
    // How many of the set are open, when the table's last level has Gate medals.
    int open_count(int Gate) const;
    int find(uint64_t Key) const;
    int medals_of(uint64_t Key) const override;
    void record(uint64_t Key, int Medals) override;
};

// The level with Key among the set's files in Folder, for a replay that names it by its key alone; false
// when there is none.
bool find_set_level(uint64_t Key, level_data& Out, const std::string& Folder = "data/levels/set2");
