// The shipped pictures and maps: every file the game names must be in the one TGA layout its reader
// understands, textures must have power-of-two sides, and each map must suit its level record.
#include "hsv.h"
#include "level.h"
#include "loadtga.h"
#include "vecco.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{

std::string source_path(const std::string& Relative)
{
    return std::string(QUORVEL_SOURCE_DIR) + "/" + Relative;
}

// Every picture the title screen and the world load by name (the previews and maps come from the table).
const char* const PICTURES[] = {
    "data/gfx/title2.tga",     "data/gfx/rules1.tga",      "data/gfx/go1.tga",
    "data/gfx/closed1.tga",    "data/gfx/lose1.tga",       "data/gfx/won_daisy1.tga",
    "data/gfx/won_violet1.tga", "data/gfx/won_tulip1.tga", "data/gfx/daisy1.tga",
    "data/gfx/violet1.tga",    "data/gfx/tulip1.tga",
};

const int TABLE_SIZE = 10;

struct expected_level
{
    int id;
    const char* name;
    double hive_x, hive_y;
    int flowers, flies, bees;
    int medal_bees[3];
};

const expected_level EXPECTED[TABLE_SIZE] = {
    {1, "tutorial", 6, 9, 4, 0, 5, {5, 20, 100}},
    {2, "ravine", 14, 14, 6, 0, 8, {8, 20, 100}},
    {3, "tongue", 13, 11, 10, 0, 14, {14, 20, 100}},
    {4, "coast", 4, 8, 12, 4, 20, {15, 20, 100}},
    {5, "island", 13, 11, 20, 26, 25, {15, 20, 100}},
    {6, "cliff", 20, 21, 6, 34, 1, {1, 10, 10}},
    {7, "streams", 1, 21, 30, 30, 60, {30, 40, 55}},
    {8, "map", 13, 6, 15, 20, 100, {60, 80, 95}},
    {9, "ponds", 24, 36, 50, 35, 150, {100, 120, 140}},
    {10, "final", 15, 2, 40, 50, 300, {200, 250, 275}},
};

std::vector<unsigned char> file_bytes(const std::string& Path)
{
    std::ifstream In(Path, std::ios::in | std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

int le16(const std::vector<unsigned char>& Bytes, int At)
{
    return Bytes[At] | (Bytes[At + 1] << 8);
}

bool power_of_two(int N)
{
    return N > 0 && (N & (N - 1)) == 0;
}

// Checks the raw header and the decoded surface of one file; returns the surface (null on failure).
SDL_Surface* load_checked(const std::string& Relative)
{
    SCOPED_TRACE(Relative);
    std::vector<unsigned char> Bytes = file_bytes(source_path(Relative));
    EXPECT_GE(Bytes.size(), 18u) << "missing or truncated";
    if (Bytes.size() < 18) return nullptr;
    EXPECT_EQ(0, Bytes[0]) << "ID length";
    EXPECT_EQ(0, Bytes[1]) << "colour-map type";
    EXPECT_EQ(2, Bytes[2]) << "image type";
    EXPECT_EQ(32, Bytes[16]) << "bits per pixel";
    EXPECT_EQ(0x28, Bytes[17]) << "descriptor: top-left origin, 8 alpha bits";
    const int W = le16(Bytes, 12);
    const int H = le16(Bytes, 14);
    EXPECT_GT(W, 0);
    EXPECT_GT(H, 0);
    EXPECT_LT(W, 32768);
    EXPECT_LT(H, 32768);
    // No ID field, no colour map and no footer: the pixels are exactly what follows the header.
    EXPECT_EQ(18u + 4u * W * H, Bytes.size());

    SDL_Surface* Surface = load_tga(source_path(Relative));
    EXPECT_NE(nullptr, Surface);
    if (!Surface) return nullptr;
    EXPECT_EQ(W, Surface->w);
    EXPECT_EQ(H, Surface->h);
    EXPECT_EQ(W * 4, Surface->pitch);
    // The reader turns B, G, R, A in the file into R, G, B, A in memory: the first pixel must agree.
    if (Surface->w > 0 && Surface->h > 0)
    {
        const unsigned char* P = static_cast<const unsigned char*>(Surface->pixels);
        EXPECT_EQ(Bytes[20], P[0]);
        EXPECT_EQ(Bytes[19], P[1]);
        EXPECT_EQ(Bytes[18], P[2]);
        EXPECT_EQ(Bytes[21], P[3]);
    }
    return Surface;
}

enum terrain { grass, water, rock };

// The game's rule: the reference hue nearest around the circle, earlier type on a tie.
terrain terrain_of(double Hue)
{
    const double Reference[3] = {0.333, 0.666, 0.0};
    terrain Best = grass;
    double BestDistance = 100000.0;
    for (int t = 0; t < 3; t++)
    {
        double D = hue_distance(Hue, Reference[t]);
        if (D < BestDistance)
        {
            BestDistance = D;
            Best = terrain(t);
        }
    }
    return Best;
}

// Distance from the nearest hue where the terrain changes.
double edge_distance(double Hue)
{
    const double Edges[3] = {0.1665, 0.4995, 0.833};
    double Best = 1.0;
    for (double E : Edges) Best = std::fmin(Best, hue_distance(Hue, E));
    return Best;
}

struct map_tiles
{
    int w = 0, h = 0;
    std::vector<terrain> tiles;
    std::vector<double> edge;
    terrain at(int X, int Y) const { return tiles[Y * w + X]; }
};

// Decodes a map the way the world does: each pixel's RGB over 255, its hue, its terrain.
bool read_map(const std::string& Relative, map_tiles& Map)
{
    SDL_Surface* Surface = load_checked(Relative);
    if (!Surface) return false;
    Map.w = Surface->w;
    Map.h = Surface->h;
    const unsigned char* P = static_cast<const unsigned char*>(Surface->pixels);
    for (int a = 0; a < Map.w * Map.h; a++)
    {
        fcolor RGB = mkfcolor(P[4 * a] / 255.0f, P[4 * a + 1] / 255.0f, P[4 * a + 2] / 255.0f, 192 / 255.0f);
        double Hue = rgb_to_hsv(RGB)[0];
        Map.tiles.push_back(terrain_of(Hue));
        Map.edge.push_back(edge_distance(Hue));
    }
    SDL_FreeSurface(Surface);
    return true;
}

} // namespace

TEST(LevelTable, holds_the_ten_levels_in_order_then_the_terminator)
{
    for (int i = 0; i < TABLE_SIZE; i++)
    {
        const expected_level& E = EXPECTED[i];
        const level& L = all_levels[i];
        SCOPED_TRACE(E.name);
        EXPECT_EQ(E.id, L.level_id);
        ASSERT_NE(nullptr, L.map_texture_file);
        ASSERT_NE(nullptr, L.map_file);
        EXPECT_EQ(std::string("data/maps/") + E.name + "1_preview.tga", L.map_texture_file);
        EXPECT_EQ(std::string("data/maps/") + E.name + "1.tga", L.map_file);
        EXPECT_EQ(2, L.seed);
        EXPECT_EQ(E.hive_x, L.hive_pos[0]);
        EXPECT_EQ(E.hive_y, L.hive_pos[1]);
        EXPECT_EQ(0.0, L.hive_pos[2]);
        EXPECT_EQ(E.flowers, L.num_flowers);
        EXPECT_EQ(E.flies, L.num_flies);
        EXPECT_EQ(E.bees, L.num_bees);
        for (int m = 0; m < 3; m++) EXPECT_EQ(E.medal_bees[m], L.medal_bees[m]) << "threshold " << m;
        EXPECT_EQ(nullptr, L.map_texture);
        EXPECT_EQ(0, L.medals);
        EXPECT_FALSE(L.is_open);
    }
    // The terminator is all zeros and null pointers.
    const level& End = all_levels[TABLE_SIZE];
    EXPECT_EQ((std::vector<int>{End.level_id, End.seed, End.num_flowers, End.num_flies, End.num_bees, End.medals,
                                End.medal_bees[0], End.medal_bees[1], End.medal_bees[2]}),
              std::vector<int>(9, 0));
    EXPECT_EQ(End.hive_pos, mkrpos(0, 0, 0));
    EXPECT_TRUE(!End.map_texture_file && !End.map_file && !End.map_texture && !End.is_open);
}

TEST(DataFiles, every_picture_is_a_square_texture_in_the_readers_layout)
{
    std::vector<std::string> Names(std::begin(PICTURES), std::end(PICTURES));
    for (int i = 0; all_levels[i].map_texture_file; i++) Names.push_back(all_levels[i].map_texture_file);
    EXPECT_EQ(11u + TABLE_SIZE, Names.size());
    for (const std::string& Name : Names)
    {
        SCOPED_TRACE(Name);
        SDL_Surface* Surface = load_checked(Name);
        if (!Surface) continue;
        // Textures for an OpenGL 1.4 pipeline; every picture is drawn as a square.
        EXPECT_TRUE(power_of_two(Surface->w)) << Surface->w;
        EXPECT_TRUE(power_of_two(Surface->h)) << Surface->h;
        EXPECT_EQ(Surface->w, Surface->h);
        SDL_FreeSurface(Surface);
    }
}

TEST(DataFiles, pictures_leave_room_around_their_shapes)
{
    // Alpha 0 is how a picture shows the green panels behind it; a picture opaque to its corners
    // would cover them with a hard square.
    for (const char* Name : {"data/gfx/title2.tga", "data/gfx/go1.tga", "data/gfx/daisy1.tga",
                             "data/gfx/violet1.tga", "data/gfx/tulip1.tga"})
    {
        SCOPED_TRACE(Name);
        SDL_Surface* Surface = load_checked(Name);
        ASSERT_NE(nullptr, Surface);
        const unsigned char* P = static_cast<const unsigned char*>(Surface->pixels);
        const int W = Surface->w, H = Surface->h;
        EXPECT_EQ(0, P[3]) << "top-left corner";
        EXPECT_EQ(0, P[4 * (W - 1) + 3]) << "top-right corner";
        EXPECT_EQ(0, P[4 * (W * (H - 1)) + 3]) << "bottom-left corner";
        EXPECT_EQ(0, P[4 * (W * H - 1) + 3]) << "bottom-right corner";
        EXPECT_NE(0, P[4 * (W * (H / 2) + W / 2) + 3]) << "centre";
        SDL_FreeSurface(Surface);
    }
}

TEST(LevelMaps, each_map_fills_the_picture_and_later_ones_scroll)
{
    for (int i = 0; i < TABLE_SIZE; i++)
    {
        SCOPED_TRACE(EXPECTED[i].name);
        map_tiles Map;
        ASSERT_TRUE(read_map(all_levels[i].map_file, Map));
        // The view shows 13.333 by 10 units; a smaller map would leave black showing.
        EXPECT_GE(Map.w, 14);
        EXPECT_GE(Map.h, 10);
        // Every tile is drawn every frame.
        EXPECT_LT(Map.w * Map.h, 80 * 60);
        if (i > 0)
        {
            EXPECT_TRUE(Map.w > 14 && Map.h > 10) << Map.w << "x" << Map.h;
        }
    }
}

TEST(LevelMaps, the_hive_stands_on_grass_inside_its_map)
{
    for (int i = 0; i < TABLE_SIZE; i++)
    {
        SCOPED_TRACE(EXPECTED[i].name);
        map_tiles Map;
        ASSERT_TRUE(read_map(all_levels[i].map_file, Map));
        const double X = all_levels[i].hive_pos[0];
        const double Y = all_levels[i].hive_pos[1];
        ASSERT_TRUE(X >= 0 && X < Map.w && Y >= 0 && Y < Map.h) << X << ", " << Y;
        // The hive rescues around a point; every tile touching that point is grass, so a bee
        // lured there is over meadow, and the tile the world looks up is grass too.
        const int TX = int(X), TY = int(Y);
        EXPECT_EQ(grass, Map.at(TX, TY));
        for (int dx = -1; dx <= 0; dx++)
            for (int dy = -1; dy <= 0; dy++)
            {
                if (TX + dx < 0 || TY + dy < 0) continue;
                EXPECT_EQ(grass, Map.at(TX + dx, TY + dy)) << dx << ", " << dy;
            }
    }
}

TEST(LevelMaps, there_is_grass_for_flowers_and_bees_and_water_for_horseflies)
{
    for (int i = 0; i < TABLE_SIZE; i++)
    {
        SCOPED_TRACE(EXPECTED[i].name);
        map_tiles Map;
        ASSERT_TRUE(read_map(all_levels[i].map_file, Map));
        int Count[3] = {0, 0, 0};
        for (terrain T : Map.tiles) Count[T]++;
        // Placement retries until it hits the right terrain; with none it would never end.
        EXPECT_GE(Count[grass], all_levels[i].num_flowers);
        EXPECT_GT(Count[grass], 0);
        if (all_levels[i].num_flies > 0)
        {
            EXPECT_GE(Count[water], all_levels[i].num_flies);
        }
    }
}

TEST(LevelMaps, no_pixel_sits_near_a_terrain_edge)
{
    for (int i = 0; i < TABLE_SIZE; i++)
    {
        SCOPED_TRACE(EXPECTED[i].name);
        map_tiles Map;
        ASSERT_TRUE(read_map(all_levels[i].map_file, Map));
        int Near = 0;
        double Closest = 1.0;
        for (double E : Map.edge)
        {
            if (E < 0.02) Near++;
            Closest = std::fmin(Closest, E);
        }
        EXPECT_EQ(0, Near) << "closest hue to an edge: " << Closest;
    }
}

TEST(LevelMaps, terrain_by_hue_follows_the_bands)
{
    // The helper above must agree with the bands the maps were drawn for, or the map checks mean nothing.
    EXPECT_EQ(rock, terrain_of(rgb_to_hsv(mkfcolor(0.5f, 0.5f, 0.5f, 1.0f))[0]));
    EXPECT_EQ(grass, terrain_of(rgb_to_hsv(mkfcolor(0.0f, 1.0f, 0.0f, 1.0f))[0]));
    EXPECT_EQ(water, terrain_of(rgb_to_hsv(mkfcolor(0.0f, 0.0f, 1.0f, 1.0f))[0]));
    EXPECT_EQ(grass, terrain_of(rgb_to_hsv(mkfcolor(1.0f, 1.0f, 0.0f, 1.0f))[0]));
    EXPECT_EQ(water, terrain_of(rgb_to_hsv(mkfcolor(0.0f, 1.0f, 1.0f, 1.0f))[0]));
    EXPECT_EQ(rock, terrain_of(rgb_to_hsv(mkfcolor(1.0f, 0.0f, 1.0f, 1.0f))[0]));
    EXPECT_NEAR(0.0, edge_distance(0.1665), 1e-12);
    EXPECT_NEAR(0.02, edge_distance(0.5195), 1e-12);
    EXPECT_NEAR(0.1665, edge_distance(0.0), 1e-12);
}
