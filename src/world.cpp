#include "world.h"

#include "bee.h"
#include "die.h"
#include "flower.h"
#include "hive.h"
#include "horsefly.h"
#include "hsv.h"
#include "loadtga.h"
#include "picture.h"
#include "texture.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <cassert>
#include <ctime>

world* cur_world = nullptr;

void load_medal_textures(texture* Medals[3])
{
    Medals[0] = texture_load("data/gfx/daisy1.tga", false);
    Medals[1] = texture_load("data/gfx/violet1.tga", false);
    Medals[2] = texture_load("data/gfx/tulip1.tga", false);
}

world::world() : size(), cursor(), animation_counter(0.0), total_bees(0), rescued_bees(0), killed_bees(0)
{
    for (int m = 0; m < 3; m++)
    {
        medal_bees[m] = 0;
        medal_textures[m] = nullptr;
    }
}

world::~world() {}

void world::init(level& Level)
{
    init(Level, (unsigned long)time(nullptr));
}

void world::init(level& Level, unsigned long Seed)
{
    begin(Level.medal_bees, Seed);

    SDL_Surface* Map = load_tga(Level.map_file);
    if (!Map) die_exit(); // the reader has said why
    int W = Map->w;
    int H = Map->h;
    if (W <= 0 || H <= 0)
    {
        trace('*', "world init fatal: map ", Level.map_file, " has no tiles (", W, " by ", H, ")");
        SDL_FreeSurface(Map);
        die_exit();
    }
    map_colors.assign((size_t)W * H, fcolor());
    map_tiles.assign((size_t)W * H, tt_grass);
    int TileCounts[TT_SIZE] = {0, 0, 0};
    for (int Y = 0; Y < H; Y++)
    {
        const unsigned char* Row = (const unsigned char*)Map->pixels + (size_t)Y * Map->pitch;
        for (int X = 0; X < W; X++) TileCounts[lay_tile((size_t)Y * W + X, Row + (size_t)X * 4)]++;
    }
    SDL_FreeSurface(Map);

    // Placement retries until it hits the right terrain, so a map without it would never finish.
    if ((Level.num_flowers > 0 || Level.num_bees > 0) && TileCounts[tt_grass] == 0)
    {
        trace('*', "world init fatal: map ", Level.map_file, " has no grass tile for its flowers and bees");
        die_exit();
    }
    if (Level.num_flies > 0 && TileCounts[tt_water] == 0)
    {
        trace('*', "world init fatal: map ", Level.map_file, " has no water tile for its horseflies");
        die_exit();
    }

    size = mkrpos(W, H, 0.0);
    populate(Level.hive_pos, Level.num_flowers, Level.num_flies, Level.num_bees);
}

void world::init(const level_data& Level, unsigned long Seed)
{
    begin(Level.medal_bees, Seed);
    lay_map(Level);
    populate(Level.hive_pos, Level.num_flowers, Level.num_flies, Level.num_bees);
}

void world::lay_map(const level_data& Level)
{
    const size_t Tiles = (size_t)Level.w * Level.h;
    map_colors.assign(Tiles, fcolor());
    map_tiles.assign(Tiles, tt_grass);
    for (size_t t = 0; t < Tiles; t++) lay_tile(t, &Level.rgb[3 * t]);
    size = mkrpos(Level.w, Level.h, 0.0);
}

void world::begin(const int MedalBees[3], unsigned long Seed)
{
    cur_world = this;
    animation_counter = 0.0;
    for (int m = 0; m < 3; m++) medal_bees[m] = MedalBees[m];
    load_medal_textures(medal_textures);
    RN.seed(Seed);
}

world::tile_types world::lay_tile(size_t Index, const unsigned char* RGB)
{
    map_colors[Index] = mkfcolor(RGB[0] / 255.0f, RGB[1] / 255.0f, RGB[2] / 255.0f, 192 / 255.0f);
    map_tiles[Index] = hue_to_tile_type((double)rgb_to_hsv(map_colors[Index])[0]);
    return map_tiles[Index];
}

void world::populate(const rpos& HivePos, int Flowers, int Flies, int Bees)
{
    hive* Hive = new hive;
    Hive->init(HivePos, RN);
    add_new_sprite(Hive);

    for (int a = 0; a < Flowers; a++)
    {
        rpos P = random_spot(tt_grass, false, 0.0);
        flower* Flower = new flower;
        Flower->init(P, RN);
        add_new_sprite(Flower);
    }

    for (int a = 0; a < Flies; a++)
    {
        rpos P = random_spot(tt_water, true, 0.0); // at any height up to 1
        horsefly* Fly = new horsefly;
        Fly->init(P, RN);
        add_new_sprite(Fly);
    }

    for (int a = 0; a < Bees; a++)
    {
        rpos P = random_spot(tt_grass, false, 0.5);
        rpos V;
        V[0] = (2.0 * RN.get() - 1.0) * 0.2;
        V[1] = (2.0 * RN.get() - 1.0) * 0.2;
        bee* Bee = new bee;
        Bee->init(P, V, RN);
        add_new_sprite(Bee);
    }

    total_bees = Bees;
    rescued_bees = 0;
    killed_bees = 0;

    const fcolor SmellColors[SMELL_SIZE] = {mkfcolor(1.0f, 0.4f, 0.7f, 0.5f), mkfcolor(0.8f, 0.7f, 0.3f, 0.25f)};
    const bool SmellBright[SMELL_SIZE] = {false, true};
    for (int s = 0; s < SMELL_SIZE; s++)
    {
        smells[s] = mkref(new smellgrid);
        smells[s]->init(size, SmellColors[s], SmellBright[s], RN);
    }
}

rpos world::random_spot(tile_types Kind, bool DrawHeight, double Height)
{
    // Drawn again until it lands on the right terrain: the rejected draws are spent all the same.
    rpos P;
    do
    {
        P[0] = RN.get() * size[0];
        P[1] = RN.get() * size[1];
        P[2] = DrawHeight ? RN.get() : Height;
    } while (get_tile_type(P) != Kind);
    return P;
}

void world::set_cursor(const rloc& Cursor)
{
    cursor = mkrpos(Cursor[0], Cursor[1], 0.0);
}

world::tile_types world::get_tile_type(const rpos& WorldPos)
{
    int W = (int)size[0];
    int H = (int)size[1];
    int X = (int)WorldPos[0];
    if (X > W - 1) X = W - 1;
    if (X < 0) X = 0;
    int Y = (int)WorldPos[1];
    if (Y > H - 1) Y = H - 1;
    if (Y < 0) Y = 0;
    return map_tiles[(size_t)Y * W + X];
}

world::tile_types world::hue_to_tile_type(double Hue)
{
    const double RefHues[TT_SIZE] = {0.333, 0.666, 0.0};
    double MinDistance = 100000.0;
    int MinType = -1;
    for (int t = 0; t < TT_SIZE; t++)
    {
        double Distance = hue_distance(Hue, RefHues[t]);
        if (Distance < MinDistance)
        {
            MinDistance = Distance;
            MinType = t;
        }
    }
    assert(MinType != -1);
    return (tile_types)MinType;
}

void world::draw_quad(const rpos& Center, const rpos& Radius, double Angle)
{
    draw_centered_quad(Center, Radius, Angle);
}

void world::add_new_sprite(sprite* Sprite)
{
    ref<sprite> Handle;
    Handle.init(Sprite);
    sprites.push_back(Handle);
}

void world::update(double T)
{
    animation_counter += T;
    cur_world = this;
    active_flowers.clear();

    std::vector<ref<sprite>> Alive;
    Alive.reserve(sprites.size());
    for (const ref<sprite>& S : sprites)
        if (!S->dead) Alive.push_back(S);
    sprites.swap(Alive);

    // By index: sprites killed during the loop stay listed, and are still updated, until the next sweep.
    for (size_t a = 0; a < sprites.size(); a++) sprites[a]->update(T);

    smells[smell_pollen]->update(T);
    smells[smell_bee]->update(T);
}

void world::spend_draws()
{
    for (ref<sprite>& S : sprites)
        if (S->sprite_type == sprite::st_horsefly) static_cast<horsefly*>(S.ptr())->spend_draws();
}

void world::render(rstate& R)
{
    render_terrain();

    cur_world = this;
    smells[smell_pollen]->render(R);
    smells[smell_bee]->render(R);

    glPointSize(picture_pixels(6.0));
    for (size_t a = 0; a < sprites.size(); a++) sprites[a]->render(R);

    glPushMatrix();
    glLoadIdentity();
    // Without bees there is no bar to measure the markers against.
    if (total_bees > 0)
    {
        glPointSize(picture_pixels(16.0));
        glEnable(GL_BLEND);
        glBegin(GL_POINTS);
        for (int i = 0; i < total_bees; i++)
        {
            if (i < rescued_bees)
                glColor4f(1.0f, 1.0f, 0.5f, 0.8f);
            else if (i < total_bees - killed_bees)
                glColor4f(0.8f, 0.8f, 0.2f, 0.8f);
            else
                glColor4f(0.2f, 0.2f, 0.1f, 0.8f);
            double X = (double)i / total_bees * 12.0 + 0.666;
            glVertex3f((float)X, 0.666f, 0.0f);
        }
        glEnd();

        glEnable(GL_TEXTURE_2D);
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        for (int m = 0; m < 3; m++)
        {
            glBindTexture(GL_TEXTURE_2D, (GLuint)medal_textures[m]->id);
            double X = (double)(medal_bees[m] - 1) / total_bees * 12.0 + 0.666;
            draw_quad(mkrpos(X, 1.2, 0.0), mkrpos(0.2, 0.2, 0.0), 0.0);
        }
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glPopMatrix();
}

void world::render_terrain()
{
    int W = (int)size[0];
    int H = (int)size[1];
    glDisable(GL_BLEND);
    glBegin(GL_QUADS);
    for (int Y = 0; Y < H; Y++)
        for (int X = 0; X < W; X++)
        {
            glColor4fv(map_colors[(size_t)Y * W + X]);
            glVertex3d(X, Y, -0.01);
            glVertex3d(X + 1, Y, -0.01);
            glVertex3d(X + 1, Y + 1, -0.01);
            glVertex3d(X, Y + 1, -0.01);
        }
    glEnd();
    glEnable(GL_BLEND);
}
