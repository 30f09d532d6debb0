// The game's generator: MT19937 with the 1998 seeding, checked against libstdc++'s engine loaded with the
// same state, and the number of draws each call takes (replays depend on it).
#include "rngen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <sstream>

namespace {

// The 1998 seeding, computed here in 32-bit arithmetic, handed to std::mt19937 as its text state with the
// position 624, so that its first call regenerates the block just as ours does.
std::mt19937 reference_engine(uint32_t Seed)
{
    std::ostringstream State;
    uint32_t Word = Seed;
    for (int a = 0; a < 624; a++)
    {
        State << Word << ' ';
        Word = (uint32_t)(69069u * Word);
    }
    State << 624;
    std::mt19937 Engine;
    std::istringstream In(State.str());
    In >> Engine;
    EXPECT_FALSE(In.fail());
    return Engine;
}

// Inverse of the MT19937 tempering: the state word that comes out as Out.
uint32_t untemper(uint32_t Out)
{
    uint32_t Y = Out;
    Y ^= Y >> 18;
    Y ^= (Y << 15) & 0xefc60000u;
    uint32_t T = Y;
    for (int a = 0; a < 5; a++) T = Y ^ ((T << 7) & 0x9d2c5680u);
    Y = T;
    T = Y;
    for (int a = 0; a < 3; a++) T = Y ^ (T >> 11);
    return T;
}

// A generator whose next draw is exactly Value / 4294967295.
rngen about_to_draw(uint32_t Value)
{
    rngen G;
    G.seed(99);
    G.get(); // the block is generated; the next draw reads mt[1]
    G.mt[G.mti] = untemper(Value);
    return G;
}

void expect_same_state(const rngen& A, const rngen& B)
{
    ASSERT_EQ(A.mti, B.mti);
    for (int a = 0; a < rngen::MT_N; a++) ASSERT_EQ(A.mt[a], B.mt[a]) << "word " << a;
}

rngen seeded(unsigned long S)
{
    rngen G;
    G.seed(S);
    return G;
}

} // namespace

TEST(RngenSequence, MatchesMt19937FromThe1998Seeding)
{
    for (uint32_t Seed : {4357u, 1u, 2u, 123456789u, 0xffffffffu})
    {
        std::mt19937 Reference = reference_engine(Seed);
        rngen G = seeded(Seed);
        // Past the second regeneration of the block.
        for (int a = 0; a < 1500; a++)
        {
            double Expected = Reference() / 4294967295.0;
            ASSERT_EQ(G.get(), Expected) << "seed " << Seed << ", draw " << a;
        }
    }
}

TEST(RngenSequence, UnseededEqualsSeed4357)
{
    rngen Unseeded;
    EXPECT_EQ(Unseeded.mti, rngen::MT_N + 1);
    std::mt19937 Reference = reference_engine(4357);
    for (int a = 0; a < 1300; a++) ASSERT_EQ(Unseeded.get(), Reference() / 4294967295.0) << "draw " << a;
}

TEST(RngenSequence, SeedZeroActsAsSeedOne)
{
    rngen Zero = seeded(0), One = seeded(1);
    expect_same_state(Zero, One);
    for (int a = 0; a < 700; a++) ASSERT_EQ(Zero.get(), One.get());
}

TEST(RngenSequence, SeedIsTakenModulo2To32)
{
    if (sizeof(unsigned long) <= 4) GTEST_SKIP() << "unsigned long holds only 32 bits here";
    rngen Wide = seeded(4357UL + (1UL << 32) * 3), Plain = seeded(4357);
    for (int a = 0; a < 700; a++) ASSERT_EQ(Wide.get(), Plain.get());
}

TEST(RngenSequence, ReseedingRestartsTheSequence)
{
    rngen G = seeded(77);
    double First = G.get();
    for (int a = 0; a < 1000; a++) G.get();
    G.seed(77);
    EXPECT_EQ(G.get(), First);
}

TEST(RngenSequence, ClosedUnitInterval)
{
    EXPECT_EQ(about_to_draw(0xffffffffu).get(), 1.0);
    EXPECT_EQ(about_to_draw(0u).get(), 0.0);
    rngen G = seeded(5);
    for (int a = 0; a < 5000; a++)
    {
        double U = G.get();
        ASSERT_GE(U, 0.0);
        ASSERT_LE(U, 1.0);
    }
}

// Each call is compared with a twin advanced by exactly the draws the call may take.
TEST(RngenDraws, OneDrawPerValueCall)
{
    rngen G = seeded(2024), Twin = seeded(2024);
    // Start just before a block boundary, so a call that drew too much would also regenerate.
    for (int a = 0; a < 622; a++) { G.get(); Twin.get(); }

    double D;
    G >> D;
    EXPECT_EQ(D, Twin.get());
    expect_same_state(G, Twin);

    double B = G.balance();
    EXPECT_EQ(B, 2.0 * Twin.get() - 1.0);
    expect_same_state(G, Twin);

    int I = G.get_index(7);
    EXPECT_EQ(I, (int)(7 * Twin.get()));
    expect_same_state(G, Twin);

    unsigned long S = G.get_seed();
    EXPECT_EQ(S, (unsigned long)(10000000 * Twin.get()));
    expect_same_state(G, Twin);

    G.get_index(0);
    G.get_index(-5);
    Twin.get();
    Twin.get();
    expect_same_state(G, Twin);
}

TEST(RngenDraws, Mkrpos2dTakesTwoDrawsXFirst)
{
    rngen G = seeded(31), Twin = seeded(31);
    rpos R;
    G.mkrpos2d(R, 0.25);
    double X = 2.0 * Twin.get() - 1.0;
    double Y = 2.0 * Twin.get() - 1.0;
    expect_same_state(G, Twin);
    EXPECT_NEAR(length(R), 0.25, 1e-15);
    EXPECT_EQ(R[2], 0.0);
    // Same direction as the point (X, Y) of the two draws, in that order.
    EXPECT_NEAR(R[0] * Y - R[1] * X, 0.0, 1e-15);
    EXPECT_GT(R[0] * X + R[1] * Y, 0.0);
}

TEST(RngenDraws, GaussDrawsPairsUntilInsideTheUnitDisc)
{
    rngen G = seeded(8), Twin = seeded(8);
    for (int Call = 0; Call < 200; Call++)
    {
        double Value = G.gauss(2.0, 5.0);
        double X, Y, R;
        do
        {
            X = 2.0 * Twin.get() - 1.0;
            Y = 2.0 * Twin.get() - 1.0;
            R = X * X + Y * Y;
        } while (R == 0.0 || R > 1.0);
        expect_same_state(G, Twin);
        EXPECT_DOUBLE_EQ(Value, 5.0 + X * std::sqrt(-2.0 * std::log(R) / R) * 2.0);
    }
}

TEST(RngenDraws, GaussHasTheAskedMeanAndSpread)
{
    rngen G = seeded(4);
    const int Count = 20000;
    double Sum = 0.0, SumSq = 0.0;
    for (int a = 0; a < Count; a++)
    {
        double V = G.gauss(3.0, -1.0);
        Sum += V;
        SumSq += V * V;
    }
    double Mean = Sum / Count;
    double Spread = std::sqrt(SumSq / Count - Mean * Mean);
    EXPECT_NEAR(Mean, -1.0, 0.1);
    EXPECT_NEAR(Spread, 3.0, 0.1);
}

TEST(RngenIndex, NeverReachesSize)
{
    // The one draw that lands on Size itself is 1.0.
    EXPECT_EQ(about_to_draw(0xffffffffu).get_index(10), 0);
    EXPECT_EQ(about_to_draw(0xffffffffu).get_seed(), 0UL);
    EXPECT_EQ(about_to_draw(0xfffffffeu).get_index(10), 9);
    EXPECT_EQ(about_to_draw(0u).get_index(10), 0);

    rngen G = seeded(12);
    bool Seen[5] = {};
    for (int a = 0; a < 2000; a++)
    {
        int I = G.get_index(5);
        ASSERT_GE(I, 0);
        ASSERT_LT(I, 5);
        Seen[I] = true;
        ASSERT_EQ(G.get_index(1), 0);
        unsigned long S = G.get_seed();
        ASSERT_LT(S, 10000000UL);
    }
    for (bool S : Seen) EXPECT_TRUE(S);
}

TEST(RngenIndex, EmptyOrNegativeSizeGivesZero)
{
    rngen G = seeded(3);
    for (int a = 0; a < 500; a++)
    {
        ASSERT_EQ(G.get_index(0), 0);
        ASSERT_EQ(G.get_index(-5), 0);
        ASSERT_EQ(G.get_index(-1), 0);
    }
    EXPECT_EQ(about_to_draw(0xffffffffu).get_index(-5), 0);
}
