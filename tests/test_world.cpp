// The simulation: terrain from a map, placement, the creatures' rules in small hand-built worlds, the
// scent grids, and a whole level replayed frame for frame against values recorded from the game.
#include "helpers.h"

#include "flower.h"
#include "hive.h"
#include "horsefly.h"
#include "hsv.h"
#include "play.h"
#include "clamp.h"

#include <functional>

namespace {

const int GRASS[3] = {0, 200, 0}, WATER[3] = {0, 0, 200}, ROCK[3] = {128, 128, 128};

// A map file in the working directory: a grass meadow with a lake at the right and a rock column.
std::string write_map(const char* Name, int W, int H, bool Lake = true, bool Meadow = true)
{
    std::vector<unsigned char> P;
    for (int Y = 0; Y < H; Y++)
        for (int X = 0; X < W; X++)
        {
            const int* C = X == W - 1 ? ROCK : (Lake && X >= W / 2 && Y >= H / 3) ? WATER : Meadow ? GRASS : ROCK;
            P.insert(P.end(), {(unsigned char)C[2], (unsigned char)C[1], (unsigned char)C[0], 255});
        }
    write_file(Name, tga(W, H, P));
    return Name;
}

level make_level(const char* Map, int Flowers, int Flies, int Bees, rpos Hive = mkrpos(3, 3, 0))
{
    level L{};
    L.level_id = 99;
    L.map_texture_file = "unused";
    L.map_file = Map;
    L.hive_pos = Hive;
    L.num_flowers = Flowers, L.num_flies = Flies, L.num_bees = Bees;
    L.medal_bees[0] = 5, L.medal_bees[1] = 10, L.medal_bees[2] = 20;
    return L;
}

ref<world> make_world(level L, unsigned long Seed)
{
    ref<world> W = mkref(new world);
    W->init(L, Seed);
    return W;
}

// Draws Body takes from G, or -1 when it is not a whole number of draws up to 400.
int draws(rngen& G, const std::function<void()>& Body)
{
    rngen Before = G;
    Body();
    for (int N = 0; N <= 400; N++)
        if (advanced_by(Before, G, N)) return N;
    return -1;
}

double grid_sum_after(hand_world& H, const std::function<void()>& Body)
{
    double Before = total(H.pollen());
    Body();
    return total(H.pollen()) - Before;
}

} // namespace

TEST(WorldTerrain, HueSortsTilesAndEachKindIsPlacedOnItsTerrainInListOrder)
{
    game_dir Dir;
    // Red, black, grey, magenta, orange and rose are rock; yellow and transparent green are grass; cyan,
    // azure and violet are water. Below that row: meadow, lake and rock as write_map draws them.
    const int Px[][4] = {{255, 0, 0, 2},   {0, 0, 0, 2},     {90, 90, 90, 2},  {255, 0, 255, 2}, {255, 128, 0, 2},
                         {255, 0, 128, 2}, {255, 255, 0, 0}, {0, 255, 0, 0},   {0, 255, 255, 1}, {0, 128, 255, 1},
                         {128, 0, 255, 1}};
    std::string Map = read_file(write_map("mixed.tga", 11, 12));
    for (int a = 0; a < 11; a++) Map.replace(18 + 4 * a, 4, {(char)Px[a][2], (char)Px[a][1], (char)Px[a][0], (char)(a == 7 ? 0 : 255)});
    write_file("mixed.tga", Map);
    ref<world> W = make_world(make_level("mixed.tga", 6, 5, 12, mkrpos(10, 11, 0)), 1234); // hive on rock
    for (int a = 0; a < 11; a++)
    {
        EXPECT_EQ(W->map_tiles[a], (world::tile_types)Px[a][3]) << a;
        EXPECT_EQ(W->map_colors[a], mkfcolor(Px[a][0] / 255.0f, Px[a][1] / 255.0f, Px[a][2] / 255.0f, 192 / 255.0f)) << a;
    }
    EXPECT_EQ(W->get_tile_type(mkrpos(-0.5, -0.5, 0)), world::tt_rock);  // tile (0, 0)
    EXPECT_EQ(W->get_tile_type(mkrpos(6.99, 0.99, 0)), world::tt_grass); // tile (6, 0)
    EXPECT_EQ(W->get_tile_type(mkrpos(8.0, -7, 0)), world::tt_water);    // tile (8, 0)
    EXPECT_EQ(W->get_tile_type(mkrpos(50, 50, 0)), world::tt_rock);      // tile (10, 11)
    EXPECT_EQ(W->hue_to_tile_type(0.1665), world::tt_grass); // as far from rock as from grass: grass is tested first

    ASSERT_EQ(W->sprites.size(), 1u + 6 + 5 + 12);
    EXPECT_EQ(W->sprites[0]->position, mkrpos(10, 11, 0));
    for (size_t a = 1; a < W->sprites.size(); a++)
    {
        const sprite& S = *W->sprites[a].ptr();
        sprite::sprite_types Kind = a <= 6 ? sprite::st_flower : a <= 11 ? sprite::st_horsefly : sprite::st_bee;
        ASSERT_EQ(S.sprite_type, Kind) << a;
        EXPECT_EQ(W->get_tile_type(S.position), Kind == sprite::st_horsefly ? world::tt_water : world::tt_grass) << a;
        if (Kind == sprite::st_bee) { EXPECT_EQ(S.position[2], 0.5); }
    }
    EXPECT_EQ(W->total_bees, 12);
    EXPECT_EQ(W->smells[smell_pollen]->smell_color, mkfcolor(1.0f, 0.4f, 0.7f, 0.5f));
    EXPECT_EQ(W->smells[smell_bee]->smell_color, mkfcolor(0.8f, 0.7f, 0.3f, 0.25f));
    EXPECT_TRUE(W->smells[smell_bee]->bright_flag && !W->smells[smell_pollen]->bright_flag);
}

// Hue in whole turns, ties to the earlier channel; HSV back to RGB gives the colour it came from in every
// band of the circle, alpha untouched.
TEST(WorldTerrain, ColoursGoToHsvAndBack)
{
    auto near = [](const fcolor& A, const fcolor& B) {
        return std::abs(A[0] - B[0]) < 1e-5 && std::abs(A[1] - B[1]) < 1e-5 && std::abs(A[2] - B[2]) < 1e-5 && A[3] == B[3];
    };
    EXPECT_TRUE(near(rgb_to_hsv(mkfcolor(1, 1, 0, 1)), mkfcolor(1 / 6.0f, 1, 1, 1)));
    EXPECT_TRUE(near(rgb_to_hsv(mkfcolor(0, 1, 1, 1)), mkfcolor(0.5f, 1, 1, 1)));
    EXPECT_TRUE(near(rgb_to_hsv(mkfcolor(1, 0, 1, 1)), mkfcolor(5 / 6.0f, 1, 1, 1)));
    EXPECT_EQ(rgb_to_hsv(mkfcolor(0.3f, 0.3f, 0.3f, 0.5f)), mkfcolor(0, 0, 0.3f, 0.5f));
    for (const fcolor& C : {mkfcolor(0.9f, 0.3f, 0.2f, 1), mkfcolor(0.2f, 0.9f, 0.6f, 0.5f), mkfcolor(0.1f, 0.4f, 0.8f, 0),
                            mkfcolor(0.6f, 0.2f, 0.9f, 1), mkfcolor(0.3f, 0.3f, 0.3f, 1), mkfcolor(0.8f, 0.8f, 0.1f, 1)})
        EXPECT_TRUE(near(hsv_to_rgb(rgb_to_hsv(C)), C)) << C[0] << "," << C[1] << "," << C[2];
    EXPECT_LT(hsv_to_rgb(mkfcolor(-0.1f, 1, 1, 1))[1], 0.0f) << "a hue below 0 is not wrapped";
    EXPECT_DOUBLE_EQ(hue_distance(0.1, 0.9), hue_distance(0.9, 0.1));
    EXPECT_NEAR(hue_distance(0.1, 0.9), 0.2, 1e-12);
    EXPECT_EQ(hue_distance(0.4, 0.4), 0.0);
}

TEST(WorldTerrain, MapsThatCannotHoldTheLevelEndTheGameWithOneLine)
{
    game_dir Dir;
    write_map("rock.tga", 6, 6, false, false);
    write_map("meadow.tga", 6, 6, false, true);
    write_file("empty.tga", tga(0, 5, {}));
    const std::pair<level, const char*> Cases[] = {
        {make_level("empty.tga", 0, 0, 0), "empty.tga has no tiles"},
        {make_level("rock.tga", 0, 0, 1), "rock.tga has no grass"},
        {make_level("rock.tga", 2, 0, 0), "rock.tga has no grass"},
        {make_level("meadow.tga", 0, 1, 0), "meadow.tga has no water"},
    };
    std::vector<std::string> Fatal;
    for (const auto& C : Cases)
    {
        EXPECT_EQ(in_child([&] { make_world(C.first, 1); }, Fatal), 1) << C.second;
        ASSERT_EQ(Fatal.size(), 1u) << C.second;
        EXPECT_NE(Fatal[0].find(C.second), std::string::npos) << Fatal[0];
    }
    EXPECT_EQ(make_world(make_level("rock.tga", 0, 0, 0), 1)->sprites.size(), 1u); // nothing to place
}

TEST(Draws, EachOperationTakesItsCountOfDraws)
{
    game_dir Dir;
    write_file("meadow.tga", plain_tga(8, 6, 0, 200, 0));
    write_file("sea.tga", plain_tga(8, 6, 0, 0, 200));
    hand_world H;
    rngen R = seeded(55);
    bee B;
    flower F;
    hive Hv;
    horsefly Fly;
    smellgrid G;
    EXPECT_EQ(draws(R, [&] { B.init(mkrpos(5, 5, 0.5), rpos(), R); }), 3);
    int FlowerDraws = draws(R, [&] { F.init(mkrpos(5, 5, 0), R); });
    EXPECT_EQ(FlowerDraws, 2 + 2 * (int)F.petals.size() + 6);
    rngen Parent = R;
    EXPECT_EQ(draws(R, [&] { Hv.init(mkrpos(5, 5, 0), R); }), 1);
    EXPECT_TRUE(advanced_by(seeded(Parent.get_seed()), Hv.RN, 26)); // 14 for the corners, 12 for the waves
    EXPECT_EQ(draws(R, [&] { Fly.init(mkrpos(5, 5, 0), R); }), 2);
    EXPECT_EQ(draws(R, [&] { G.init(mkrpos(4, 4, 0), fcolor(), true, R); }), 1);

    bee* Flyer = H.add_bee(mkrpos(5, 5, 0.5), mkrpos(0.1, 0.1, 0));
    Flyer->flap_counter = 1.0;
    EXPECT_EQ(draws(Flyer->RN, [&] { Flyer->update(0.01); }), 47);
    Flyer->flap_counter = 0.005;
    EXPECT_EQ(draws(Flyer->RN, [&] { Flyer->update(0.01); }), 48); // the wings flip
    for (int Points : {0, -1, 1, 25})
        EXPECT_EQ(draws(R, [&] { Flyer->smell_tracking(&H.pollen(), Points, 0.5, R); }), Points > 0 ? 3 * Points : 0);

    // The hive and a waiting horsefly check half the sprites a second, at least one.
    hive* Home = H.place<hive>(mkrpos(15, 5, 0));
    horsefly* Hunter = H.place<horsefly>(mkrpos(10, 5, 0.5));
    Hunter->waiting_counter = 100.0;
    for (int a = 0; a < 37; a++) H.W->add_new_sprite(new sprite); // 40 sprites
    EXPECT_EQ(draws(Home->RN, [&] { Home->update(0.0); }), 1);
    EXPECT_EQ(draws(Home->RN, [&] { Home->update(0.25); }), 5);
    // Drift 2, bee pull 75, pollen push 30, checks, then the common pollen step 30.
    EXPECT_EQ(draws(Hunter->RN, [&] { Hunter->update(0.02); }), 2 + 75 + 30 + 1 + 30);
    EXPECT_EQ(draws(Hunter->RN, [&] { Hunter->update(0.1); }), 2 + 75 + 30 + 2 + 30);
    H.pollen().grid_data.assign(H.pollen().grid_data.size(), 0.5); // no hunt in pollen
    EXPECT_EQ(draws(Hunter->RN, [&] { Hunter->update(0.1); }), 2 + 75 + 30 + 30);

    // World placement: hive 1, each flower its own, each bee 7 (no rejections on a meadow), grids 1 each.
    ref<world> W = make_world(make_level("meadow.tga", 3, 0, 4), 55);
    int Expected = 1 + 4 * 7 + 2;
    for (int a = 1; a <= 3; a++) Expected += 10 + 2 * (int)static_cast<flower*>(W->sprites[a].ptr())->petals.size();
    EXPECT_TRUE(advanced_by(seeded(55), W->RN, Expected));
    // Horseflies: three placement draws and two of their own each.
    EXPECT_TRUE(advanced_by(seeded(56), make_world(make_level("sea.tga", 0, 3, 0), 56)->RN, 1 + 3 * 5 + 2));
}

TEST(Reach, WhoIsRescuedKilledOrActiveAtWhatDistance)
{
    // A hive at (10, 10, 0) and a horsefly at (10, 10, 0.5) each see one bee; distances are in 3D.
    struct
    {
        const char* what;
        rpos bee_at;
        bool rescued_before, dead_before, in_pollen;
        bool hive_rescues, fly_kills;
    } Cases[] = {
        {"hive 0.995 away, fly 0.86", mkrpos(10.86, 10, 0.5), false, false, false, true, true},
        {"hive 1.0 away, fly 1.12", mkrpos(11.0, 10, 0.0), false, false, false, false, false},
        {"hive 1.003 away though 0.87 in the plane", mkrpos(10.87, 10, 0.5), false, false, false, false, true},
        {"fly 1.0 away", mkrpos(11.0, 10, 0.5), false, false, false, false, false},
        {"already home", mkrpos(10.2, 10, 0.5), true, false, false, false, false},
        {"killed this frame", mkrpos(10.2, 10, 0.5), false, true, false, true, false},
        {"fly in pollen scent", mkrpos(10.2, 10, 0.5), false, false, true, true, false},
    };
    for (const auto& C : Cases)
    {
        SCOPED_TRACE(C.what);
        for (bool Hive : {true, false})
        {
            hand_world H;
            bee* B = H.add_bee(C.bee_at);
            B->rescued_flag = C.rescued_before;
            B->dead = C.dead_before;
            if (C.in_pollen) H.pollen().grid_data.assign(H.pollen().grid_data.size(), 0.5);
            hive* Home = Hive ? H.place<hive>(mkrpos(10, 10, 0)) : nullptr;
            horsefly* Fly = Hive ? nullptr : H.place<horsefly>(mkrpos(10, 10, 0.5), 3);
            if (Fly) Fly->waiting_counter = 100.0;
            for (int a = 0; a < 200; a++) Hive ? Home->update(0.0) : Fly->update(0.0);
            if (Hive) EXPECT_EQ(H.W->rescued_bees, C.hive_rescues ? 1 : 0); // picked again and again, counted once
            else EXPECT_EQ(H.W->killed_bees, C.fly_kills ? 1 : 0);
            B->kill();
            B->kill(); // two horseflies in one frame: one bee, counted once
            EXPECT_EQ(H.W->killed_bees, C.dead_before ? 0 : 1);
        }
    }

    // A flower is under the cursor strictly inside 1.5 radii, wilted or not.
    hand_world H;
    flower* F = H.place<flower>(mkrpos(5, 5, 0));
    F->radius = 0.5;
    for (double Y : {5.75, 5.7499, 4.2501, 4.25})
        for (bool Wilted : {false, true})
        {
            F->wilted_flag = Wilted, F->wilted_counter = 10.0;
            H.W->active_flowers.clear();
            H.W->set_cursor(mkrloc(5.0, Y));
            F->update(0.01);
            bool Inside = std::abs(Y - 5.0) < 0.75;
            EXPECT_EQ(F->active_flag, Inside) << Y;
            EXPECT_EQ(H.W->active_flowers, Inside ? std::vector<flower*>{F} : std::vector<flower*>{}) << Y;
        }
}

TEST(Scent, FootprintsFadeAndSniffing)
{
    // (1, 1) with radius 0.2 spans cells 4..6: 0.25 in the middle, 1/12 at the sides, 1/36 at the corners;
    // radius 0.25 spans 3..6, its first row and column get nothing and the peak sits on the upper middle.
    struct
    {
        double radius;
        int x, y;
        double value;
    } Cells[] = {{0.2, 5, 5, 0.25},  {0.2, 4, 5, 1.0 / 12}, {0.2, 6, 5, 1.0 / 12}, {0.2, 5, 6, 1.0 / 12},
                 {0.2, 4, 4, 1.0 / 36}, {0.2, 6, 6, 1.0 / 36}, {0.2, 7, 5, 0.0},    {0.2, 5, 3, 0.0},
                 {0.25, 5, 5, 0.25}, {0.25, 6, 5, 0.125},   {0.25, 4, 4, 0.0625}, {0.25, 3, 5, 0.0},
                 {0.25, 5, 3, 0.0}};
    for (const auto& C : Cells)
    {
        hand_world H(4, 4);
        H.pollen().scent(mkrpos(1.0, 1.0, 0), C.radius, 8.0);
        EXPECT_DOUBLE_EQ(H.pollen().grid_data[C.y * 20 + C.x], 8.0 * C.value) << C.radius << ": " << C.x << "," << C.y;
    }
    hand_world H(2, 2); // 10 by 10 cells
    smellgrid& G = H.pollen();
    G.scent(mkrpos(2.0, 2.0, 0), 0.2, 1.0); // only the corner cell of the footprint is on the map
    G.scent(mkrpos(-3.0, 1.0, 0), 0.5, 100.0);
    G.scent(mkrpos(9.0, 9.0, 0), 0.5, 100.0);
    EXPECT_DOUBLE_EQ(total(G), 1.0 / 36);
    EXPECT_DOUBLE_EQ(G.sniff(mkrpos(2.5, 1.99, 0)), 1.0 / 36); // off the map: the border cell
    G.update(0.0);
    G.update(7.5);
    EXPECT_DOUBLE_EQ(G.grid_data[99], 0.7225 / 36); // 0.85 a call, whatever the time step
    EXPECT_EQ(hand_world(20.5, 10.9).pollen().grid_size, mkiloc(102, 54));
}

TEST(Bee, FollowsPollenStronglyAndBeeScentWeakly)
{
    // Scent fills the map right of a line just beside a bee at rest, which turns toward it: pollen draws
    // it to most of its speed limit in one frame, bee scent a tenth as hard.
    for (int Grid : {smell_pollen, smell_bee})
    {
        hand_world H;
        smellgrid& G = *H.W->smells[Grid].ptr();
        for (int Y = 0; Y < G.grid_size[1]; Y++)
            for (int X = Grid == smell_pollen ? 27 : 25; X < G.grid_size[0]; X++) G.grid_data[Y * G.grid_size[0] + X] = 10.0;
        bee* B = H.add_bee(mkrpos(5, 5, 0.5));
        B->update(0.01);
        double First = B->velocity[0];
        for (int a = 0; a < 19; a++) B->update(0.01);
        if (Grid == smell_pollen)
            EXPECT_GT(First, 0.3);
        else
            EXPECT_TRUE(First < 0.06 && B->velocity[0] > 0.18) << First << " then " << B->velocity[0];
    }
}

TEST(Flower, BreathesScentByItsPollenWiltsWhenEmptiedAndRegrows)
{
    hand_world H(10, 10);
    flower* F = H.place<flower>(mkrpos(5, 5, 0), 5);
    H.W->set_cursor(mkrloc(0, 0));
    hand_world Unit(10, 10); // a puff of smelliness 1 with the flower's footprint
    Unit.pollen().scent(F->position, 2.0, 1.0);
    double Footprint = total(Unit.pollen());
    cur_world = H.W.ptr();
    for (double T : {0.02, 0.5})
    {
        double Share = grid_sum_after(H, [&] { F->update(T); }) / (F->pollen * 50.0 * T * Footprint);
        EXPECT_TRUE(Share >= 0.5 && Share <= 1.0) << Share; // pulsing between half and full strength
    }
    EXPECT_EQ(grid_sum_after(H, [&] { F->update(0.0); }), 0.0);

    const double Full = F->max_pollen;
    F->drain(0.1);
    F->update(0.5); // the whole request at once, no regrowth in that frame
    F->update(0.5);
    EXPECT_DOUBLE_EQ(F->pollen, Full - 0.05);
    F->drain(F->pollen / 2);
    F->drain(F->pollen / 2); // the sum of a frame's requests, equal to the pollen held, wilts it
    F->update(0.01);
    F->drain(0.2); // waits through the wilting, which gives no scent
    EXPECT_EQ(grid_sum_after(H, [&] { F->update(15.0); }), 0.0);
    EXPECT_TRUE(F->wilted_flag); // exactly 0 left is not over
    F->update(0.01);
    F->update(0.01); // the waiting drain lands on the empty flower, which wilts again
    EXPECT_TRUE(F->wilted_flag && F->wilted_counter == 15.0 && F->next_drain == 0.0);
    F->wilted_flag = false;
    F->update(100.0);
    EXPECT_EQ(F->pollen, Full); // regrowth stops at the brim
}

namespace {

// A hash of every value that a rule, a constant or a draw of the simulation decides.
uint64_t state_of(world& W, play& P)
{
    fnv1a D;
    D.add(W.rescued_bees + 1000.0 * W.killed_bees + 1e6 * W.sprites.size());
    D.add(P.R.view_center);
    for (ref<sprite>& S : W.sprites)
    {
        D.add(S->position);
        if (S->sprite_type == sprite::st_bee) D.add(static_cast<bee*>(S.ptr())->velocity);
        if (S->sprite_type == sprite::st_flower) D.add(static_cast<flower*>(S.ptr())->pollen);
        if (S->sprite_type == sprite::st_horsefly) D.add(static_cast<horsefly*>(S.ptr())->state);
    }
    for (ref<smellgrid>& G : W.smells) D.add(G->grid_data.data(), G->grid_data.size() * sizeof(double));
    return D.value;
}

} // namespace

// A level played through the play screen by a scripted hand, compared every thousand frames with the
// state this game produced when these values were recorded. Any change to a rule, a constant or the order
// of draws shows here; if a change is meant, record the printed values anew. A pause, with the mouse busy
// and frames drawn while it lasts, changes nothing of it.
TEST(Replay, ALevelPlaysTheSameFrameForFrame)
{
    game_dir Dir;
    write_map("replay.tga", 30, 20);
    ref<world> W = make_world(make_level("replay.tga", 6, 12, 40, mkrpos(6, 10, 0)), 4242);
    play P;
    P.init_level(W);
    std::vector<flower*> Flowers;
    for (ref<sprite>& S : W->sprites)
        if (S->sprite_type == sprite::st_flower) Flowers.push_back(static_cast<flower*>(S.ptr()));
    const uint64_t Recorded[3] = {5011860440229863534ull, 14254458718947810990ull, 13573823315071943684ull};
    const rpos Hive = W->sprites[0]->position;
    for (int Frame = 0; Frame < 3000; Frame++)
    {
        // Each half-thousand frames: point at a flower, drag from it to the hive, let go, look about.
        int Phase = Frame % 500;
        const rpos From = Flowers[(Frame / 500) % Flowers.size()]->position;
        rpos Goal = Phase < 300 ? From + (Hive - From) * (std::max(0, Phase - 100) / 200.0)
                                : mkrpos(15 + 10 * std::sin(Frame * 0.01), 10 + 8 * std::cos(Frame * 0.013), 0);
        mouseloc = mkrloc(clamp((Goal[0] - P.R.view_center[0]) / 10.0, 0.0, 4.0 / 3),
                          clamp((Goal[1] - P.R.view_center[1]) / 10.0, 0.0, 1.0));
        if (Phase == 100 || Phase == 300)
        {
            SDL_Event E = event(Phase == 100 ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP);
            P.notice(E);
        }
        if (Frame == 1400)
        {
            SDL_Event Pause = event(SDL_KEYDOWN, SDLK_PAUSE), Down = event(SDL_MOUSEBUTTONDOWN);
            P.notice(Pause);
            for (int Still = 0; Still < 200; Still++) P.notice(Down), P.update(0.05), P.render();
            Pause.key.keysym.sym = SDLK_p;
            P.notice(Pause);
        }
        P.update(0.01 + 0.002 * (Frame % 3));
        P.render(); // no GL context here: only the horseflies' wing draws count
        if ((Frame + 1) % 1000 != 0) continue;
        EXPECT_EQ(state_of(*W.ptr(), P), Recorded[Frame / 1000])
            << "frame " << Frame + 1 << ": rescued " << W->rescued_bees << ", killed " << W->killed_bees;
    }
}
