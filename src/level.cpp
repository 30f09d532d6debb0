#include "level.h"

#include "clamp.h"
#include "die.h"
#include "platform.h"
#include "safe_file.h"
#include "texture.h"

#include <cstdint>
#include <fstream>
#include <sstream>

namespace {
level mklevel(int Id, const char* Name, const char* Preview, const char* Map, double HiveX, double HiveY, int Flowers, int Flies,
              int Bees, int Medal1, int Medal2, int Medal3)
{
    level L;
    L.level_id = Id;
    L.map_texture_file = Preview;
    L.map_file = Map;
    L.seed = Id ? 2 : 0; // the terminator is zero throughout
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
} // namespace

// Some thresholds exceed the level's bees on purpose: the early levels award only the first medal.
level all_levels[11] = {
    mklevel(1, "First Flight", "data/maps/tutorial1_preview.tga", "data/maps/tutorial1.tga", 6, 9, 4, 0, 5, 5, 20, 100),
    mklevel(2, "The Ravine", "data/maps/ravine1_preview.tga", "data/maps/ravine1.tga", 14, 14, 6, 0, 8, 8, 20, 100),
    mklevel(3, "Tongue of Land", "data/maps/tongue1_preview.tga", "data/maps/tongue1.tga", 13, 11, 10, 0, 14, 14, 20, 100),
    mklevel(4, "The Coast", "data/maps/coast1_preview.tga", "data/maps/coast1.tga", 4, 8, 12, 4, 20, 15, 20, 100),
    mklevel(5, "The Island", "data/maps/island1_preview.tga", "data/maps/island1.tga", 13, 11, 20, 26, 25, 15, 20, 100),
    mklevel(6, "One Bee, Many Flies", "data/maps/cliff1_preview.tga", "data/maps/cliff1.tga", 20, 21, 6, 34, 1, 1, 10, 10),
    mklevel(7, "Streams", "data/maps/streams1_preview.tga", "data/maps/streams1.tga", 1, 21, 30, 30, 60, 30, 40, 55),
    mklevel(8, "Horsefly Meadows", "data/maps/map1_preview.tga", "data/maps/map1.tga", 13, 6, 15, 20, 100, 60, 80, 95),
    mklevel(9, "The Ponds", "data/maps/ponds1_preview.tga", "data/maps/ponds1.tga", 24, 36, 50, 35, 150, 100, 120, 140),
    mklevel(10, "The Great Swarm", "data/maps/final1_preview.tga", "data/maps/final1.tga", 15, 2, 40, 50, 300, 200, 250, 275),
    mklevel(0, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0),
};

int num_levels = 0;
int last_open_level = 0;

int count_levels()
{
    int Count = 0;
    while (all_levels[Count].map_texture_file) Count++;
    return Count;
}

int medals_for(int RescuedBees, const int MedalBees[3])
{
    if (RescuedBees >= MedalBees[2]) return 3;
    if (RescuedBees >= MedalBees[1]) return 2;
    if (RescuedBees >= MedalBees[0]) return 1;
    return 0;
}

void scan_all_levels()
{
    const int Count = count_levels();
    for (int a = 0; a < Count; a++)
    {
        level& L = all_levels[a];
        L.map_texture = texture_load(L.map_texture_file, true);
        L.medals = 0;
        L.is_open = false;
    }
    num_levels = Count;
    load_all_levels();
}

namespace {

// Set when a save file is there but could not be read: writing this run's progress over it would
// throw away medals the player may still have in it.
bool keep_unreadable_save = false;

bool read_int32(std::istream& In, int& Value)
{
    unsigned char B[4];
    if (!In.read(reinterpret_cast<char*>(B), 4)) return false;
    uint32_t U = (uint32_t)B[0] | ((uint32_t)B[1] << 8) | ((uint32_t)B[2] << 16) | ((uint32_t)B[3] << 24);
    Value = (int32_t)U;
    return true;
}

void write_int32(std::ostream& Out, int Value)
{
    uint32_t U = (uint32_t)Value;
    char B[4] = {(char)(U & 0xff), (char)((U >> 8) & 0xff), (char)((U >> 16) & 0xff), (char)((U >> 24) & 0xff)};
    Out.write(B, 4);
}
} // namespace

std::map<int, int> read_save_records(std::istream& In)
{
    std::map<int, int> Records;
    int Count;
    if (!read_int32(In, Count)) return Records;
    // The count is only an upper bound: a hostile one must not outlast the bytes that are there.
    for (int i = 0; i < Count; i++)
    {
        int Id, Medals;
        if (!read_int32(In, Id) || !read_int32(In, Medals)) break;
        Records[Id] = Medals;
    }
    return Records;
}

void load_levels_from(std::istream& In)
{
    std::map<int, int> Records = read_save_records(In);
    for (int a = 0; a < num_levels; a++)
    {
        std::map<int, int>::const_iterator Found = Records.find(all_levels[a].level_id);
        // The title draws one of three icons per medal, so nothing outside 0 to 3 may reach the table.
        if (Found != Records.end()) all_levels[a].medals = clamp(Found->second, 0, 3);
    }
    check_open_levels();
}

void load_all_levels()
{
    keep_unreadable_save = false;
    const std::string Path = kept_path("savegame.dat");
    std::ifstream File;
    std::string Problem;
    switch (open_plain_file(Path, File, Problem))
    {
    case or_missing: // no save yet
        break;
    case or_refused:
        keep_unreadable_save = true;
        trace('!', "load all levels: can't read ", Path, ": ", Problem, "; this run's progress will not be saved over it");
        break;
    case or_open:
        load_levels_from(File);
        break;
    }
}

void save_levels_to(std::ostream& Out)
{
    write_int32(Out, num_levels);
    for (int a = 0; a < num_levels; a++)
    {
        write_int32(Out, all_levels[a].level_id);
        write_int32(Out, all_levels[a].medals);
    }
}

bool save_levels_file(const std::string& Path)
{
    std::ostringstream Bytes;
    save_levels_to(Bytes);
    // The old file stays until the new one is complete on disk: a crash or a full disk in the middle of
    // a save never costs the player the progress already stored.
    std::string Problem;
    if (replace_file(Path, Bytes.str(), Problem)) return true;
    trace('!', "save all levels: can't write ", Problem);
    return false;
}

void save_all_levels()
{
    if (keep_unreadable_save) return; // said once, when it could not be read
    save_levels_file(kept_path("savegame.dat"));
}

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
