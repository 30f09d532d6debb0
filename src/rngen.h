// The game's one source of randomness: MT19937 with its original 1998 seeding, giving doubles in
// [0, 1]. Every object owns its own generator, seeded from the world's, so a level replays draw for
// draw from the world's seed: the order of draws is part of the rules.
#pragma once

#include "vecco.h"

class rngen
{
public:
    enum { MT_N = 624 };

    unsigned long mt[MT_N];
    int mti; // MT_N: regenerate before the next draw; MT_N + 1: never seeded

    rngen() : mti(MT_N + 1) {}
    rngen(const rngen& Parent, int Salt);

    void seed(unsigned long S);
    rngen& operator>>(double& D);

    double get() { double D; *this >> D; return D; }
    int get_index(int Size)
    {
        int Index = (int)(Size * get());
        // u == 1.0 would land on Size itself.
        if (Index >= Size) return 0;
        return Index;
    }
    unsigned long get_seed() { return get_index(10000000); }
    double balance() { return 2.0 * get() - 1.0; }
    double gauss(double Variance, double Bias);
    void mkrpos2d(rpos& R, double Radius);
    void mkrpos(rpos& R, double Radius);
};
