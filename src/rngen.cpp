#include "rngen.h"

#include <cmath>

namespace {
const int MT_M = 397;
const unsigned long MATRIX_A = 0x9908b0dfUL;
const unsigned long UPPER_MASK = 0x80000000UL;
const unsigned long LOWER_MASK = 0x7fffffffUL;
const unsigned long TEMPERING_MASK_B = 0x9d2c5680UL;
const unsigned long TEMPERING_MASK_C = 0xefc60000UL;
}

rngen::rngen(const rngen& Parent, int Salt) : mti(MT_N + 1)
{
    rngen Copy = Parent;
    seed(Copy.get_seed() + (unsigned long)Salt);
}

void rngen::seed(unsigned long S)
{
    if (S == 0) S = 1;
    mt[0] = S & 0xffffffffUL;
    // The 1998 seeding (multiplier 69069), not the 2002 one: stored sequences depend on it.
    for (int i = 1; i < MT_N; i++) mt[i] = (69069UL * mt[i - 1]) & 0xffffffffUL;
    mti = MT_N;
}

rngen& rngen::operator>>(double& D)
{
    static const unsigned long Mag01[2] = {0x0UL, MATRIX_A};
    unsigned long Y;

    if (mti >= MT_N)
    {
        if (mti == MT_N + 1) seed(4357);
        int K;
        for (K = 0; K < MT_N - MT_M; K++)
        {
            Y = (mt[K] & UPPER_MASK) | (mt[K + 1] & LOWER_MASK);
            mt[K] = mt[K + MT_M] ^ (Y >> 1) ^ Mag01[Y & 0x1UL];
        }
        for (; K < MT_N - 1; K++)
        {
            Y = (mt[K] & UPPER_MASK) | (mt[K + 1] & LOWER_MASK);
            mt[K] = mt[K + (MT_M - MT_N)] ^ (Y >> 1) ^ Mag01[Y & 0x1UL];
        }
        Y = (mt[MT_N - 1] & UPPER_MASK) | (mt[0] & LOWER_MASK);
        mt[MT_N - 1] = mt[MT_M - 1] ^ (Y >> 1) ^ Mag01[Y & 0x1UL];
        mti = 0;
    }

    Y = mt[mti++];
    Y ^= (Y >> 11);
    Y ^= (Y << 7) & TEMPERING_MASK_B;
    Y ^= (Y << 15) & TEMPERING_MASK_C;
    Y ^= (Y >> 18);
    Y &= 0xffffffffUL;

    // Closed interval: both 0.0 and 1.0 can come out.
    D = (double)Y / 4294967295.0;
    return *this;
}

double rngen::gauss(double Variance, double Bias)
{
    double X, Y, R;
    do
    {
        X = balance();
        Y = balance();
        R = X * X + Y * Y;
    } while (R == 0.0 || R > 1.0);
    double Z = std::sqrt(-2.0 * std::log(R) / R);
    return Bias + X * Z * Variance;
}

void rngen::mkrpos2d(rpos& R, double Radius)
{
    double X = balance();
    double Y = balance();
    R = ::mkrpos(X, Y, 0.0);
    double Len = length(R);
    if (Len != 0.0)
        R *= Radius / Len;
    else
        R = ::mkrpos(1.0, 0.0, 0.0);
}

void rngen::mkrpos(rpos& R, double Radius)
{
    double X = balance();
    double Y = balance();
    double Z = balance();
    R = ::mkrpos(X, Y, Z);
    double Len = length(R);
    if (Len != 0.0)
        R *= Radius / Len;
    else
        R = ::mkrpos(1.0, 0.0, 0.0);
}
