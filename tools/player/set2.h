// The second set of ten levels in draft, each a record like the game's own table, on the maps that
// tools/art/maps2.py draws into tools/art/set2/; tools/set2_files makes them the level files the game
// ships, data/levels/set2/*.qbl, which the game and the balance report read. The art generator reads
// the drafts (play_report --set 2 --level-table) to build each map around its hive and check it.
// The name is the record's; the opening line, the sentence shown as the level opens, is beside it.
#pragma once

#include "level.h"

namespace player {

inline level set2_level(int Id, const char* Name, const char* Map, double HiveX, double HiveY, int Flowers,
                        int Flies, int Bees, int Medal1, int Medal2, int Medal3)
{
    level L;
    L.level_id = Id;
    L.map_texture_file = nullptr; // set below: the preview lies beside the map
    L.map_file = Map;
    L.seed = 2;
    L.hive_pos = mkrpos(HiveX, HiveY, 0.0);
    L.num_flowers = Flowers;
    L.num_flies = Flies;
    L.num_bees = Bees;
    L.medal_bees[0] = Medal1;
    L.medal_bees[1] = Medal2;
    L.medal_bees[2] = Medal3;
    L.map_texture = nullptr;
    L.medals = 0;
    L.is_open = false;
    L.name = Name;
    return L;
}

struct set2_record
{
    level record;
    const char* preview;
    const char* opening; // one short sentence: what the level asks
};

#define SET2_MAP(name) "tools/art/set2/" name ".tga", "tools/art/set2/" name "_preview.tga"

inline set2_record set2_make(int Id, const char* Name, const char* Map, const char* Preview, const char* Opening,
                             double HiveX, double HiveY, int Flowers, int Flies, int Bees, int Medal1, int Medal2,
                             int Medal3)
{
    set2_record R{set2_level(Id, Name, Map, HiveX, HiveY, Flowers, Flies, Bees, Medal1, Medal2, Medal3), Preview,
                  Opening};
    R.record.map_texture_file = Preview;
    return R;
}

// In the order they open. Ids follow the first set's.
inline set2_record* set2_table()
{
    static set2_record Table[] = {
        set2_make(11, "Three Meadows", SET2_MAP("meadows"),
                  "The bees are in three meadows far apart: fetch each group home.",
                  13, 11, 12, 0, 12, 8, 10, 12),
        set2_make(12, "Behind the Ring", SET2_MAP("ring"),
                  "The meadow lies inside a ring of horsefly water: bring the bees across it.",
                  18, 15, 12, 6, 24, 14, 19, 22),
        set2_make(13, "Every Drag Counts", SET2_MAP("scarce"),
                  "Only four flowers grow here: make every drag count.",
                  16, 11, 4, 0, 14, 9, 12, 14),
        set2_make(14, "The Long Shore", SET2_MAP("shore"),
                  "The hive is at the far end of the shore: lead the bees the long way home.",
                  25, 4, 10, 5, 20, 10, 15, 17),
        set2_make(15, "The Archipelago", SET2_MAP("islands"),
                  "Bees on islands all round the hive: cross the water again and again.",
                  17, 14, 18, 10, 50, 38, 44, 48),
        set2_make(16, "The Marsh", SET2_MAP("marsh"),
                  "The bees start among the horseflies' pools: get them out first.",
                  12, 15, 10, 3, 24, 10, 15, 17),
        set2_make(17, "The Narrows", SET2_MAP("narrows"),
                  "The only way home runs between two lakes of horseflies.",
                  23, 17, 14, 16, 32, 18, 25, 29),
        set2_make(18, "Far and Few", SET2_MAP("farfew"),
                  "Seven flowers and a far hive: plan each drag.",
                  24, 18, 7, 8, 30, 13, 18, 22),
        set2_make(19, "Four Corners", SET2_MAP("last"),
                  "Bees in four far corners and horseflies between: leave no group behind.",
                  15, 13, 14, 14, 16, 6, 10, 12),
        set2_make(20, "The Hive Island", SET2_MAP("isle"),
                  "The hive stands on an island: walk the bees over the water.",
                  17, 12, 14, 8, 36, 10, 20, 25),
    };
    return Table;
}

const int SET2_SIZE = 10;

} // namespace player
