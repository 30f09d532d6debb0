// One level in play: the terrain built from the level's map, the sprites on it (hive, flowers,
// horseflies, bees, in that order), the two smell grids and the bee counters. Sprites reach it only
// through cur_world, which init, update and render point at this world.
#pragma once

#include "flower.h"
#include "level.h"
#include "level_data.h"
#include "ref.h"
#include "rngen.h"
#include "rstate.h"
#include "smellgrid.h"
#include "sprite.h"
#include "vecco.h"

#include <vector>

class texture;

class world
{
public:
    enum tile_types
    {
        tt_grass = 0,
        tt_water = 1,
        tt_rock = 2,
        TT_SIZE = 3
    };

    rpos size; // (W, H, 0): one world unit per map pixel
    rpos cursor;
    int medal_bees[3];
    double animation_counter;
    int total_bees;
    int rescued_bees;
    int killed_bees;
    std::vector<ref<sprite>> sprites;
    ref<smellgrid> smells[2];
    std::vector<flower*> active_flowers; // borrowed from sprites; rebuilt by every update
    std::vector<fcolor> map_colors;
    std::vector<tile_types> map_tiles;
    texture* medal_textures[3]; // owned by the texture cache
    rngen RN;

    world();
    virtual ~world();

    // Seeds the world's generator from the clock.
    void init(level& Level);
    // The same with a chosen seed, so a level can be replayed draw for draw. A map that cannot be
    // read or cannot hold the level's sprites ends the program after a fatal trace line.
    void init(level& Level, unsigned long Seed);
    // A level from a file, checked sound (level_sound): the same world as from the table, draw for draw.
    void init(const level_data& Level, unsigned long Seed);
    // The steps every init shares, in their order: before the terrain (the medals, the seed), a tile of
    // the terrain, and after it (the hive, the flowers, the horseflies, the bees, the counts, the grids).
    void begin(const int MedalBees[3], unsigned long Seed);
    tile_types lay_tile(size_t Index, const unsigned char* RGB);
    // The terrain of Level, tile by tile, and the size: what init builds before placing anything.
    void lay_map(const level_data& Level);
    void populate(const rpos& HivePos, int Flowers, int Flies, int Bees);

    // A random point on a tile of Kind: x and y drawn, then the height drawn where DrawHeight, else Height.
    rpos random_spot(tile_types Kind, bool DrawHeight, double Height);
    void set_cursor(const rloc& Cursor);
    tile_types get_tile_type(const rpos& WorldPos);
    static tile_types hue_to_tile_type(double Hue);
    void draw_quad(const rpos& Center, const rpos& Radius, double Angle);

    void update(double T);
    void render(rstate& R);
    // The terrain alone, as render begins: every tile a flat square of its colour.
    void render_terrain();
    // The random draws a render makes, without the drawing: to replay a play without a window.
    void spend_draws();
    void add_new_sprite(sprite* Sprite);
};

extern world* cur_world;

// The three medal icons, daisy, violet and tulip, from the texture cache.
void load_medal_textures(texture* Medals[3]);
