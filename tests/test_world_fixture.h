// Shared by the world simulation tests: a small world built by hand (no map, no textures), draw
// counting against a twin generator, and a writer for the game's TGA layout.
#pragma once

#include "bee.h"
#include "rngen.h"
#include "smellgrid.h"
#include "world.h"

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

// True when After is exactly Before advanced by N draws.
inline bool advanced_by(const rngen& Before, const rngen& After, int N)
{
    rngen Twin = Before;
    for (int a = 0; a < N; a++) Twin.get();
    return Twin.mti == After.mti && std::memcmp(Twin.mt, After.mt, sizeof Twin.mt) == 0;
}

inline rngen seeded(unsigned long Seed)
{
    rngen R;
    R.seed(Seed);
    return R;
}

// A world of grass with empty grids and no sprites, made current.
struct hand_world
{
    ref<world> W;

    explicit hand_world(double Width = 20.0, double Height = 10.0)
    {
        W = mkref(new world);
        W->size = mkrpos(Width, Height, 0.0);
        W->map_tiles.assign((size_t)Width * (size_t)Height, world::tt_grass);
        W->map_colors.assign((size_t)Width * (size_t)Height, fcolor());
        rngen R = seeded(7);
        for (int s = 0; s < SMELL_SIZE; s++)
        {
            W->smells[s] = mkref(new smellgrid);
            W->smells[s]->init(W->size, mkfcolor(1, 1, 1, 1), false, R);
        }
        W->total_bees = 0;
        W->rescued_bees = 0;
        W->killed_bees = 0;
        cur_world = W.ptr();
    }

    template <class T>
    T* add(T* S)
    {
        W->add_new_sprite(S);
        return S;
    }

    // A flower, hive or horsefly set up from its own seed and added to the world.
    template <class T>
    T* place(const rpos& P, unsigned long Seed)
    {
        rngen R = seeded(Seed);
        T* S = add(new T);
        S->init(P, R);
        return S;
    }

    bee* add_bee(const rpos& P, const rpos& V = rpos(), unsigned long Seed = 1)
    {
        rngen R = seeded(Seed);
        bee* B = add(new bee);
        B->init(P, V, R);
        W->total_bees++;
        return B;
    }

    smellgrid& pollen() { return *W->smells[smell_pollen].ptr(); }
    smellgrid& bees() { return *W->smells[smell_bee].ptr(); }
};

struct tga_pixel
{
    unsigned char r, g, b, a;
};

// Uncompressed 32-bit, rows in file order, pixels stored blue, green, red, alpha.
inline void write_tga(const std::string& Name, int W, int H, const std::vector<tga_pixel>& Pixels)
{
    unsigned char Header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Header[12] = (unsigned char)(W & 0xff);
    Header[13] = (unsigned char)(W >> 8);
    Header[14] = (unsigned char)(H & 0xff);
    Header[15] = (unsigned char)(H >> 8);
    Header[16] = 32;
    Header[17] = 8;
    std::ofstream Out(Name, std::ios::binary);
    Out.write((const char*)Header, 18);
    for (const tga_pixel& P : Pixels)
    {
        unsigned char Bytes[4] = {P.b, P.g, P.r, P.a};
        Out.write((const char*)Bytes, 4);
    }
}
