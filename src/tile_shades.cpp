#include "tile_shades.h"

#include "hsv.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
// tools/art/maps.py's meadow, water (shallows to deep), sand (wet, damp) and stone (by the meadow, then
// two far shades).
const uint32_t GRASS[] = {0x74b854, 0x62ab49};
const uint32_t WATER[] = {0x7bc4db, 0x5eaacc, 0x488abd, 0x376ead, 0x2d58a1};
const uint32_t SAND[] = {0xc2a374, 0xd4b987};
const uint32_t STONE[] = {0xada295, 0x9e9388, 0x91857c, 0x8a7d74};
const double FAR = SHADE_REACH + 1.0; // nothing of a kind within reach

// A lattice value in [0, 1) from a place and a salt: the same on every run and platform.
double lattice(int X, int Y, int Salt)
{
    uint32_t H = (uint32_t)X * 374761393u + (uint32_t)Y * 668265263u + (uint32_t)Salt * 2246822519u;
    H = (H ^ (H >> 13)) * 1274126177u;
    H ^= H >> 16;
    return (H & 0xffffff) / 16777216.0;
}

double smooth_noise(double X, double Y, int Salt)
{
    const int X0 = (int)std::floor(X), Y0 = (int)std::floor(Y);
    double FX = X - X0, FY = Y - Y0;
    FX = FX * FX * (3 - 2 * FX), FY = FY * FY * (3 - 2 * FY);
    const double Top = lattice(X0, Y0, Salt) + (lattice(X0 + 1, Y0, Salt) - lattice(X0, Y0, Salt)) * FX;
    const double Bottom = lattice(X0, Y0 + 1, Salt) + (lattice(X0 + 1, Y0 + 1, Salt) - lattice(X0, Y0 + 1, Salt)) * FX;
    return Top + (Bottom - Top) * FY;
}

// 0 or 1 in areas many tiles across: the gentle step between two shades of one kind.
int broad(int X, int Y, int Salt)
{
    const double PX = (X + 0.5) * 0.11, PY = (Y + 0.5) * 0.11;
    const double N = (smooth_noise(PX, PY, Salt) + 0.5 * smooth_noise(2 * PX, 2 * PY, Salt + 1)) / 1.5;
    return N > 0.52 ? 1 : 0;
}

// From the tile's centre to the nearest centre of a tile that passes Test, within reach.
template <class F>
double distance_to(const std::vector<world::tile_types>& Kinds, int W, int H, int X, int Y, F Test)
{
    double Best = FAR;
    for (int DY = -SHADE_REACH; DY <= SHADE_REACH; DY++)
        for (int DX = -SHADE_REACH; DX <= SHADE_REACH; DX++)
        {
            const int NX = X + DX, NY = Y + DY;
            if (NX < 0 || NY < 0 || NX >= W || NY >= H || !Test(Kinds[(size_t)NY * W + NX])) continue;
            Best = std::min(Best, std::hypot((double)DX, (double)DY));
        }
    return Best;
}

int band(double Value, int Count)
{
    return std::max(0, std::min(Count - 1, (int)Value));
}
} // namespace

world::tile_types tile_kind(const uint8_t* RGB)
{
    const fcolor C = mkfcolor(RGB[0] / 255.0f, RGB[1] / 255.0f, RGB[2] / 255.0f, 1.0f);
    return world::hue_to_tile_type((double)rgb_to_hsv(C)[0]);
}

std::vector<world::tile_types> tile_kinds(const level_data& L)
{
    std::vector<world::tile_types> Kinds(L.rgb.size() / 3);
    for (size_t t = 0; t < Kinds.size(); t++) Kinds[t] = tile_kind(&L.rgb[3 * t]);
    return Kinds;
}

bool editor_shade(const uint8_t* RGB)
{
    const uint32_t C = (uint32_t)RGB[0] << 16 | (uint32_t)RGB[1] << 8 | RGB[2];
    auto in = [&](const auto& Set) { return std::find(std::begin(Set), std::end(Set), C) != std::end(Set); };
    return in(GRASS) || in(WATER) || in(SAND) || in(STONE);
}

uint32_t shade_for(const std::vector<world::tile_types>& Kinds, int W, int H, int X, int Y)
{
    switch (Kinds[(size_t)Y * W + X])
    {
    case world::tt_water:
    {
        const double Land = distance_to(Kinds, W, H, X, Y, [](world::tile_types K) { return K != world::tt_water; });
        return WATER[band(std::floor(Land + 0.5) - 1, (int)std::size(WATER))]; // the shallows right by the shore
    }
    case world::tt_rock:
    {
        const double Water = distance_to(Kinds, W, H, X, Y, [](world::tile_types K) { return K == world::tt_water; });
        const double Grass = distance_to(Kinds, W, H, X, Y, [](world::tile_types K) { return K == world::tt_grass; });
        if (Water < 2.5 && Water <= Grass) return SAND[band(std::floor(Water + 0.5) - 1, (int)std::size(SAND))]; // a beach
        const int Band = (int)((Grass - 1) / 2.0); // lighter near the meadow
        return STONE[Band < 2 ? std::max(Band, 0) : 2 + broad(X, Y, 41)];
    }
    default:
        return GRASS[broad(X, Y, 31)];
    }
}

uint32_t tile_colour(const level_data& L, int X, int Y)
{
    const uint8_t* P = &L.rgb[((size_t)Y * L.w + X) * 3];
    return (uint32_t)P[0] << 16 | (uint32_t)P[1] << 8 | P[2];
}

void set_tile_colour(level_data& L, int X, int Y, uint32_t RGB)
{
    uint8_t* P = &L.rgb[((size_t)Y * L.w + X) * 3];
    P[0] = (uint8_t)(RGB >> 16), P[1] = (uint8_t)(RGB >> 8), P[2] = (uint8_t)RGB;
}

uint32_t kind_colour(world::tile_types Kind)
{
    return Kind == world::tt_water ? WATER[1] : Kind == world::tt_rock ? STONE[0] : GRASS[0];
}

void shade_marked(level_data& L, const std::vector<world::tile_types>& Kinds, const std::vector<bool>& Marked)
{
    const int W = L.w, H = L.h;
    // Which tiles lie within reach of a marked one: a marked tile's row span, spread down the rows.
    std::vector<bool> Near((size_t)W * H, false);
    for (int Y = 0; Y < H; Y++)
        for (int X = 0; X < W; X++)
        {
            if (!Marked[(size_t)Y * W + X]) continue;
            for (int NY = std::max(0, Y - SHADE_REACH); NY <= std::min(H - 1, Y + SHADE_REACH); NY++)
                for (int NX = std::max(0, X - SHADE_REACH); NX <= std::min(W - 1, X + SHADE_REACH); NX++) Near[(size_t)NY * W + NX] = true;
        }
    std::vector<uint32_t> Shades((size_t)W * H, 0);
    for (int Y = 0; Y < H; Y++)
        for (int X = 0; X < W; X++)
        {
            const size_t t = (size_t)Y * W + X;
            if (Marked[t] || (Near[t] && editor_shade(&L.rgb[3 * t]))) Shades[t] = shade_for(Kinds, W, H, X, Y) | 0x1000000;
        }
    for (int Y = 0; Y < H; Y++)
        for (int X = 0; X < W; X++)
            if (uint32_t S = Shades[(size_t)Y * W + X]) set_tile_colour(L, X, Y, S & 0xffffff);
}
