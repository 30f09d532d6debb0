#include "bee.h"
#include "flower.h"
#include "hive.h"
#include "horsefly.h"
#include "quorvel.h"
#include "test_world_fixture.h"

#include "helpers.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const tga_pixel GRASS{0, 200, 0, 255}, WATER{0, 0, 200, 255}, ROCK{128, 128, 128, 255};

// The world tests share one scratch directory holding small medal pictures and test maps.
struct world_dir : work_dir
{
    world_dir()
    {
        std::filesystem::create_directories("data/gfx");
        std::filesystem::create_directories("data/maps");
        for (const char* Name : {"data/gfx/daisy1.tga", "data/gfx/violet1.tga", "data/gfx/tulip1.tga"})
            write_tga(Name, 2, 2, std::vector<tga_pixel>(4, tga_pixel{255, 255, 255, 255}));
    }
};

world_dir& scratch()
{
    static world_dir Dir;
    return Dir;
}

level make_level(const char* Map, int Flowers, int Flies, int Bees, rpos Hive = mkrpos(2, 2, 0))
{
    scratch();
    level L{};
    L.level_id = 99;
    L.map_texture_file = "unused";
    L.map_file = Map;
    L.hive_pos = Hive;
    L.num_flowers = Flowers;
    L.num_flies = Flies;
    L.num_bees = Bees;
    L.medal_bees[0] = 1;
    L.medal_bees[1] = 2;
    L.medal_bees[2] = 3;
    return L;
}

// Left half grass, a water band, a rock column on the right.
void write_mixed_map(const char* Name)
{
    std::vector<tga_pixel> P;
    for (int Y = 0; Y < 12; Y++)
        for (int X = 0; X < 16; X++) P.push_back(X >= 14 ? ROCK : (X >= 8 && Y >= 4) ? WATER : GRASS);
    write_tga(Name, 16, 12, P);
}

void write_plain_map(const char* Name, int W, int H, tga_pixel Pixel)
{
    write_tga(Name, W, H, std::vector<tga_pixel>((size_t)W * H, Pixel));
}

ref<world> make_world(level& L, unsigned long Seed)
{
    ref<world> W = mkref(new world);
    W->init(L, Seed);
    return W;
}

TEST(WorldTerrain, HuesSortIntoGrassWaterAndRock)
{
    const std::vector<std::pair<tga_pixel, world::tile_types>> Cases = {
        {{255, 0, 0, 255}, world::tt_rock},   {{0, 0, 0, 255}, world::tt_rock},
        {{255, 255, 255, 0}, world::tt_rock}, {{90, 90, 90, 255}, world::tt_rock},
        {{0, 255, 0, 255}, world::tt_grass},  {{0, 0, 255, 255}, world::tt_water},
        {{255, 255, 0, 255}, world::tt_grass}, {{0, 255, 255, 255}, world::tt_water},
        {{255, 0, 255, 255}, world::tt_rock}, {{255, 128, 0, 255}, world::tt_rock},
        {{0, 128, 255, 255}, world::tt_water}, {{128, 0, 255, 255}, world::tt_water},
        {{255, 0, 128, 255}, world::tt_rock}, {{0, 255, 0, 0}, world::tt_grass},
    };
    std::vector<tga_pixel> Pixels;
    for (auto& C : Cases) Pixels.push_back(C.first);
    scratch();
    write_tga("data/maps/hues.tga", (int)Cases.size(), 1, Pixels);
    level L = make_level("data/maps/hues.tga", 0, 0, 0);
    ref<world> W = make_world(L, 1);
    ASSERT_EQ(W->size, mkrpos((double)Cases.size(), 1, 0));
    for (size_t a = 0; a < Cases.size(); a++)
    {
        EXPECT_EQ(W->map_tiles[a], Cases[a].second) << a;
        EXPECT_EQ(W->map_colors[a][0], Cases[a].first.r / 255.0f);
        EXPECT_EQ(W->map_colors[a][3], 192 / 255.0f); // the image's alpha is ignored
    }
}

TEST(WorldTerrain, LookupsClampToTheEdgeTiles)
{
    scratch();
    std::vector<tga_pixel> P;
    for (int a = 0; a < 20; a++) P.push_back(tga_pixel{(unsigned char)(a * 10), 200, 0, 255});
    write_tga("data/maps/ramp.tga", 5, 4, P);
    level L = make_level("data/maps/ramp.tga", 0, 0, 0);
    ref<world> W = make_world(L, 1);
    // Tile types say little here, so check through the colour array's index arithmetic.
    W->map_tiles.assign(20, world::tt_grass);
    W->map_tiles[0] = world::tt_water;
    W->map_tiles[19] = world::tt_rock;
    W->map_tiles[2] = world::tt_water;
    EXPECT_EQ(W->get_tile_type(mkrpos(-0.5, -0.5, 0)), world::tt_water);
    EXPECT_EQ(W->get_tile_type(mkrpos(-30, -30, 7)), world::tt_water);
    EXPECT_EQ(W->get_tile_type(mkrpos(10, 9, 0)), world::tt_rock);
    EXPECT_EQ(W->get_tile_type(mkrpos(2.99, 0.01, 0)), world::tt_water);
    EXPECT_EQ(W->get_tile_type(mkrpos(3.0, 0.01, 0)), world::tt_grass);
}

TEST(WorldPopulation, ListOrderTerrainAndCounters)
{
    scratch();
    write_mixed_map("data/maps/mixed.tga");
    level L = make_level("data/maps/mixed.tga", 6, 5, 12, mkrpos(15, 11, 0)); // hive on rock is fine
    ref<world> W = make_world(L, 1234);
    EXPECT_EQ(cur_world, W.ptr());
    ASSERT_EQ(W->sprites.size(), 1u + 6 + 5 + 12);
    EXPECT_EQ(W->sprites[0]->sprite_type, sprite::st_hive);
    EXPECT_EQ(W->sprites[0]->position, mkrpos(15, 11, 0));
    for (size_t a = 1; a < W->sprites.size(); a++)
    {
        sprite& S = *W->sprites[a].ptr();
        if (a <= 6)
        {
            EXPECT_EQ(S.sprite_type, sprite::st_flower);
            EXPECT_EQ(W->get_tile_type(S.position), world::tt_grass);
            EXPECT_EQ(S.position[2], 0.0);
        }
        else if (a <= 11)
        {
            EXPECT_EQ(S.sprite_type, sprite::st_horsefly);
            EXPECT_EQ(W->get_tile_type(S.position), world::tt_water);
            EXPECT_GE(S.position[2], 0.0);
            EXPECT_LE(S.position[2], 1.0);
        }
        else
        {
            EXPECT_EQ(S.sprite_type, sprite::st_bee);
            EXPECT_EQ(W->get_tile_type(S.position), world::tt_grass);
            EXPECT_EQ(S.position[2], 0.5);
            bee& B = static_cast<bee&>(S);
            EXPECT_LE(std::abs(B.velocity[0]), 0.2);
            EXPECT_LE(std::abs(B.velocity[1]), 0.2);
            EXPECT_EQ(B.velocity[2], 0.0);
        }
    }
    EXPECT_EQ(W->total_bees, 12);
    EXPECT_EQ(W->rescued_bees, 0);
    EXPECT_EQ(W->killed_bees, 0);
    EXPECT_EQ(W->smells[smell_pollen]->grid_size, mkiloc(80, 60));
    EXPECT_FALSE(W->smells[smell_pollen]->bright_flag);
    EXPECT_TRUE(W->smells[smell_bee]->bright_flag);
    EXPECT_EQ(W->smells[smell_bee]->smell_color, mkfcolor(0.8f, 0.7f, 0.3f, 0.25f));
    EXPECT_EQ(W->medal_bees[2], 3);
}

TEST(WorldPopulation, DrawCountsWithoutRejections)
{
    scratch();
    write_plain_map("data/maps/grass.tga", 8, 6, GRASS);
    write_plain_map("data/maps/water.tga", 8, 6, WATER);

    // No horseflies: hive 1, each flower 2 to place and 8 + 2 per petal, each bee 7, the grids 1 each.
    level L = make_level("data/maps/grass.tga", 3, 0, 4);
    ref<world> W = make_world(L, 55);
    int Draws = 1 + 4 * 7 + 2;
    for (int a = 1; a <= 3; a++) Draws += 10 + 2 * (int)static_cast<flower*>(W->sprites[a].ptr())->petals.size();
    rngen Start = seeded(55);
    EXPECT_TRUE(advanced_by(Start, W->RN, Draws));

    // Horseflies only: three placement draws and two of their own each.
    level F = make_level("data/maps/water.tga", 0, 3, 0);
    ref<world> V = make_world(F, 56);
    EXPECT_TRUE(advanced_by(seeded(56), V->RN, 1 + 3 * 5 + 2));
}

TEST(WorldUpdate, DeadSpritesLeaveAtTheStartOfTheNextUpdate)
{
    scratch();
    write_plain_map("data/maps/grass.tga", 8, 6, GRASS);
    level L = make_level("data/maps/grass.tga", 2, 0, 5, mkrpos(-50, -50, 0)); // hive out of reach
    ref<world> W = make_world(L, 9);
    sprite* Third = W->sprites[5].ptr();
    sprite* Last = W->sprites[7].ptr();
    static_cast<bee*>(W->sprites[4].ptr())->kill();
    EXPECT_EQ(W->killed_bees, 1);
    EXPECT_EQ(W->sprites.size(), 8u);
    W->update(0.01);
    ASSERT_EQ(W->sprites.size(), 7u);
    EXPECT_EQ(W->sprites[4].ptr(), Third);
    EXPECT_EQ(W->sprites[6].ptr(), Last);
    EXPECT_EQ(W->killed_bees, 1);
    EXPECT_DOUBLE_EQ(W->animation_counter, 0.01);
}

TEST(WorldUpdate, ActiveFlowersRebuiltEveryFrame)
{
    scratch();
    write_plain_map("data/maps/grass.tga", 8, 6, GRASS);
    level L = make_level("data/maps/grass.tga", 4, 0, 1, mkrpos(-50, -50, 0));
    ref<world> W = make_world(L, 10);
    flower* F = static_cast<flower*>(W->sprites[2].ptr());
    W->set_cursor(mkrloc(F->position[0], F->position[1]));
    W->update(0.01);
    ASSERT_FALSE(W->active_flowers.empty());
    EXPECT_NE(std::find(W->active_flowers.begin(), W->active_flowers.end(), F), W->active_flowers.end());
    for (flower* A : W->active_flowers) EXPECT_TRUE(A->active_flag);
    W->set_cursor(mkrloc(-20, -20));
    W->update(0.01);
    EXPECT_TRUE(W->active_flowers.empty());
}

std::string snapshot(world& W)
{
    std::ostringstream S;
    S.precision(17);
    S << W.rescued_bees << ' ' << W.killed_bees << ' ' << W.sprites.size();
    for (const ref<sprite>& Sp : W.sprites)
        S << ' ' << Sp->position[0] << ' ' << Sp->position[1] << ' ' << Sp->position[2];
    return S.str();
}

TEST(WorldUpdate, SameSeedSamePlayFrameForFrame)
{
    scratch();
    write_mixed_map("data/maps/mixed.tga");
    level L = make_level("data/maps/mixed.tga", 5, 8, 40, mkrpos(4, 6, 0));
    ref<world> A = make_world(L, 777);
    ref<world> B = make_world(L, 777);
    ref<world> C = make_world(L, 778);
    EXPECT_NE(snapshot(*A.ptr()), snapshot(*C.ptr()));
    for (int Frame = 0; Frame < 1500; Frame++)
    {
        double T = 0.01 + 0.005 * (Frame % 3);
        A->set_cursor(mkrloc(3 + Frame * 0.002, 5));
        A->update(T);
        B->set_cursor(mkrloc(3 + Frame * 0.002, 5));
        B->update(T);
        ASSERT_EQ(snapshot(*A.ptr()), snapshot(*B.ptr())) << Frame;
        if (Frame % 100 == 0)
        {
            ASSERT_EQ(A->smells[smell_bee]->grid_data, B->smells[smell_bee]->grid_data) << Frame;
        }
    }
    EXPECT_GT(A->rescued_bees + A->killed_bees, 0); // the run really played
    EXPECT_LE(A->rescued_bees + A->killed_bees, A->total_bees);
}

// The fatal paths run in a child; its trace lines go to a file the parent reads back.
std::vector<std::string> fatal_lines()
{
    std::vector<std::string> Lines;
    for (const std::string& Line : split_lines(read_file("child_trace.txt")))
        if (!Line.empty() && Line[0] == '*') Lines.push_back(Line);
    return Lines;
}

void init_in_child(level L)
{
    if (!freopen("child_trace.txt", "w", stdout)) std::abort();
    world W;
    W.init(L, 1);
}

TEST(WorldInitDeath, UnreadableMapsEndCleanlyWithOneFatalLine)
{
    scratch();
    write_plain_map("data/maps/rock.tga", 6, 6, ROCK);
    write_plain_map("data/maps/grass.tga", 6, 6, GRASS);
    write_tga("data/maps/empty.tga", 0, 5, {});
    struct
    {
        level L;
        const char* Says;
    } Cases[] = {
        {make_level("data/maps/missing.tga", 1, 0, 1), "missing.tga"},
        {make_level("data/maps/empty.tga", 0, 0, 0), "empty.tga"},
        {make_level("data/maps/rock.tga", 0, 0, 1), "no grass"},
        {make_level("data/maps/rock.tga", 2, 0, 0), "no grass"},
        {make_level("data/maps/grass.tga", 0, 1, 0), "no water"},
    };
    for (auto& C : Cases)
    {
        EXPECT_EXIT(init_in_child(C.L), ::testing::ExitedWithCode(1), "") << C.Says;
        std::vector<std::string> Lines = fatal_lines();
        ASSERT_EQ(Lines.size(), 1u) << C.Says;
        EXPECT_NE(Lines[0].find(C.Says), std::string::npos) << Lines[0];
        EXPECT_NE(Lines[0].find(C.L.map_file), std::string::npos) << Lines[0];
    }
    // Rock is fine for a level that places nothing on grass or water.
    level Bare = make_level("data/maps/rock.tga", 0, 0, 0);
    EXPECT_EQ(make_world(Bare, 1)->sprites.size(), 1u);
}

struct WorldDrawing : ::testing::Test
{
    static void SetUpTestSuite()
    {
        scratch();
        ASSERT_TRUE(open_offscreen_screen());
    }
};

TEST_F(WorldDrawing, TerrainLandsOnItsPixelsAndStateIsRestored)
{
    // 4 by 3 tiles of distinct colours; 60 pixels per world unit in an 800 by 600 window.
    std::vector<tga_pixel> P;
    for (int Y = 0; Y < 3; Y++)
        for (int X = 0; X < 4; X++) P.push_back(tga_pixel{(unsigned char)(40 + 60 * X), (unsigned char)(30 + 90 * Y), 100, 255});
    write_tga("data/maps/tiles.tga", 4, 3, P);
    level L = make_level("data/maps/tiles.tga", 0, 0, 0, mkrpos(100, 100, 0));
    ref<world> W = make_world(L, 1);
    W->total_bees = 0; // no bar over the tiles
    rstate R;
    R.set_view(mkrpos(0, 0, 0));
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    GLint DepthBefore = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &DepthBefore);
    W->render(R);
    GLint DepthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &DepthAfter);
    EXPECT_EQ(DepthBefore, DepthAfter);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    glFinish();
    for (int Y = 0; Y < 3; Y++)
        for (int X = 0; X < 4; X++)
        {
            unsigned char Px[4];
            glReadPixels(X * 60 + 30, 600 - (Y * 60 + 30) - 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, Px);
            const tga_pixel& E = P[(size_t)Y * 4 + X];
            EXPECT_NEAR(Px[0], E.r, 1) << X << "," << Y;
            EXPECT_NEAR(Px[1], E.g, 1) << X << "," << Y;
            EXPECT_NEAR(Px[2], E.b, 1) << X << "," << Y;
        }
    unsigned char Outside[4];
    glReadPixels(5 * 60 + 30, 600 - 30, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, Outside);
    EXPECT_EQ(Outside[0] + Outside[1] + Outside[2], 0); // nothing beyond the map's 4 columns
}

TEST_F(WorldDrawing, BeeBarShowsRescuedInPlayAndKilled)
{
    scratch();
    write_plain_map("data/maps/dark.tga", 30, 20, tga_pixel{0, 40, 0, 255});
    level L = make_level("data/maps/dark.tga", 0, 0, 5, mkrpos(100, 100, 0));
    ref<world> W = make_world(L, 3);
    W->rescued_bees = 2;
    W->killed_bees = 1;
    for (ref<sprite>& S : W->sprites) S->position = mkrpos(25, 15, 0.5); // bees away from the bar
    rstate R;
    R.set_view(mkrpos(0, 0, 0));
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    W->render(R);
    glFinish();
    std::vector<int> Blue;
    for (int i = 0; i < 5; i++)
    {
        double X = (double)i / 5 * 12.0 + 0.666;
        unsigned char Px[4];
        glReadPixels((int)(X * 60), 600 - (int)(0.666 * 60) - 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, Px);
        Blue.push_back(Px[2]);
        EXPECT_GT(Px[0], 20) << i; // a point is there
    }
    // Rescued points are pale (blue 0.5), bees in play yellow (0.2), killed dark (0.1).
    EXPECT_GT(Blue[0], Blue[2] + 30);
    EXPECT_GT(Blue[1], Blue[3] + 30);
    EXPECT_GT(Blue[2], Blue[4]);
}

} // namespace
