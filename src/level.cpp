#include "level.h"

namespace {
level mklevel(int Id, const char* Preview, const char* Map, double HiveX, double HiveY, int Flowers, int Flies,
              int Bees, int Medal1, int Medal2, int Medal3)
{
    level L;
    L.level_id = Id;
    L.map_texture_file = Preview;
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
    return L;
}
} // namespace

// Some thresholds exceed the level's bees on purpose: the early levels award only the first medal.
level all_levels[11] = {
    mklevel(1, "data/maps/tutorial1_preview.tga", "data/maps/tutorial1.tga", 6, 9, 4, 0, 5, 5, 20, 100),
    mklevel(2, "data/maps/ravine1_preview.tga", "data/maps/ravine1.tga", 14, 14, 6, 0, 8, 8, 20, 100),
    mklevel(3, "data/maps/tongue1_preview.tga", "data/maps/tongue1.tga", 13, 11, 10, 0, 14, 14, 20, 100),
    mklevel(4, "data/maps/coast1_preview.tga", "data/maps/coast1.tga", 4, 8, 12, 4, 20, 15, 20, 100),
    mklevel(5, "data/maps/island1_preview.tga", "data/maps/island1.tga", 13, 11, 20, 26, 25, 15, 20, 100),
    mklevel(6, "data/maps/cliff1_preview.tga", "data/maps/cliff1.tga", 20, 21, 6, 34, 1, 1, 10, 10),
    mklevel(7, "data/maps/streams1_preview.tga", "data/maps/streams1.tga", 1, 21, 30, 30, 60, 30, 40, 55),
    mklevel(8, "data/maps/map1_preview.tga", "data/maps/map1.tga", 13, 6, 15, 20, 100, 60, 80, 95),
    mklevel(9, "data/maps/ponds1_preview.tga", "data/maps/ponds1.tga", 24, 36, 50, 35, 150, 100, 120, 140),
    mklevel(10, "data/maps/final1_preview.tga", "data/maps/final1.tga", 15, 2, 40, 50, 300, 200, 250, 275),
    mklevel(0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0),
};

int num_levels = 0;
int last_open_level = 0;

int medals_for(int RescuedBees, const int MedalBees[3])
{
    if (RescuedBees >= MedalBees[2]) return 3;
    if (RescuedBees >= MedalBees[1]) return 2;
    if (RescuedBees >= MedalBees[0]) return 1;
    return 0;
}

// Placeholders until progress is stored: count the table, keep nothing.
void scan_all_levels()
{
    int Count = 0;
    while (all_levels[Count].map_texture_file) Count++;
    num_levels = Count;
}

void load_all_levels() {}
void save_all_levels() {}

void check_open_levels()
{
    last_open_level = 0;
    for (int a = 0; a < num_levels; a++)
    {
        all_levels[a].is_open = true;
        if (all_levels[a].medals == 0) break;
        last_open_level = a + 1;
    }
}
