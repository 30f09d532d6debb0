// The generator every replay depends on: MT19937 as first published, checked against the standard one.
#include "helpers.h"

#include <numeric>
#include <random>

// The 1998 seeding handed to libstdc++'s engine as its text state at position 624, so its first call
// regenerates the block just as ours does.
static std::mt19937 reference_engine(uint32_t Seed)
{
    std::ostringstream State;
    for (int a = 0; a < 624; a++, Seed = 69069u * Seed) State << Seed << ' ';
    State << 624;
    std::mt19937 Engine;
    std::istringstream(State.str()) >> Engine;
    return Engine;
}

TEST(Rngen, MatchesMt19937WithThe1998Seeding)
{
    for (uint32_t Seed : {4357u, 1u, 123456789u, 0xffffffffu})
    {
        std::mt19937 Reference = reference_engine(Seed);
        rngen G = seeded(Seed);
        for (int a = 0; a < 1300; a++) ASSERT_EQ(G.get(), Reference() / 4294967295.0) << Seed << " draw " << a;
    }
    // Never seeded is seed 4357; seed 0 is seed 1.
    rngen Unseeded, Zero = seeded(0), One = seeded(1), Default = seeded(4357);
    for (int a = 0; a < 700; a++) ASSERT_EQ(Unseeded.get(), Default.get());
    for (int a = 0; a < 700; a++) ASSERT_EQ(Zero.get(), One.get());
}

TEST(Rngen, GaussGivesTheMeanAndSpreadAskedFor)
{
    rngen G = seeded(7);
    std::vector<double> Off(20000); // from the mean asked for
    for (double& X : Off) X = G.gauss(2.0, 5.0) - 5.0;
    EXPECT_NEAR(std::accumulate(Off.begin(), Off.end(), 0.0) / Off.size(), 0.0, 0.05) << "mean 5";
    EXPECT_NEAR(std::sqrt(std::inner_product(Off.begin(), Off.end(), Off.begin(), 0.0) / Off.size()), 2.0, 0.05) << "spread 2";
}
