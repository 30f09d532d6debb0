#include "sprite.h"
#include "test_world_fixture.h"

#include <gtest/gtest.h>

namespace {

struct SmellTracking : ::testing::Test
{
    hand_world H{10.0, 10.0};
    sprite S;
    SmellTracking() { S.position = mkrpos(5.0, 5.0, 0.5); }
};

TEST_F(SmellTracking, NoScentGivesZeroAndStillDrawsThreePerSample)
{
    for (int Points : {1, 5, 25})
    {
        rngen R = seeded(100 + Points);
        rngen Before = R;
        rpos Result = S.smell_tracking(&H.pollen(), Points, 0.5, R);
        EXPECT_EQ(Result, rpos(0.0));
        EXPECT_TRUE(advanced_by(Before, R, 3 * Points)) << Points;
    }
}

TEST_F(SmellTracking, NoCheckPointsDrawsNothing)
{
    H.pollen().grid_data.assign(H.pollen().grid_data.size(), 1.0);
    for (int Points : {0, -3})
    {
        rngen R = seeded(5);
        rngen Before = R;
        EXPECT_EQ(S.smell_tracking(&H.pollen(), Points, 0.5, R), rpos(0.0));
        EXPECT_TRUE(advanced_by(Before, R, 0));
    }
}

TEST_F(SmellTracking, SingleScentedCellGivesMeanOfOffsetsLandingInIt)
{
    smellgrid& G = H.pollen();
    // The cell just right of the sprite: x 5.2..5.4, y 5.0..5.2.
    int Scented = G.get_grid_index(mkrpos(5.3, 5.1, 0));
    G.grid_data[Scented] = 3.0;
    int Hits = 0;
    for (unsigned long Seed = 1; Seed <= 40; Seed++)
    {
        rngen R = seeded(Seed);
        // Replays the samples the call will take: radius, then x and y of the offset.
        rngen Twin = R;
        rpos Sum;
        int N = 0;
        for (int a = 0; a < 20; a++)
        {
            double Radius = (0.5 * Twin.get() + 0.5) * 0.5;
            rpos Offset;
            Twin.mkrpos2d(Offset, Radius);
            if (G.get_grid_index(S.position + Offset) == Scented)
            {
                Sum += Offset;
                N++;
            }
        }
        rpos Result = S.smell_tracking(&G, 20, 0.5, R);
        if (N == 0)
        {
            EXPECT_EQ(Result, rpos(0.0));
            continue;
        }
        Hits++;
        rpos Mean = Sum / (double)N;
        for (int c = 0; c < 3; c++) EXPECT_NEAR(Result[c], Mean[c], 1e-12) << Seed;
        EXPECT_GT(Result[0], 0.2);
        EXPECT_EQ(Result[2], 0.0);
    }
    EXPECT_GT(Hits, 10); // the case above was really exercised
}

TEST_F(SmellTracking, ResultStaysInsideTheCheckRadius)
{
    smellgrid& G = H.pollen();
    rngen Fill = seeded(9);
    for (double& V : G.grid_data) V = Fill.get();
    rngen R = seeded(12);
    for (int a = 0; a < 200; a++)
    {
        rpos Result = S.smell_tracking(&G, 10, 0.5, R);
        EXPECT_LE(length(Result), 0.5 + 1e-12);
    }
}

TEST_F(SmellTracking, SamplesOffTheMapReadTheBorder)
{
    smellgrid& G = H.pollen();
    S.position = mkrpos(-3.0, 5.1, 0.0);
    G.grid_data[G.get_grid_index(mkrpos(0.0, 5.1, 0))] = 1.0;
    rngen R = seeded(4);
    // Every sample lands left of the map in row 25, so every one reads the scented border cell.
    rpos Result = S.smell_tracking(&G, 1, 0.01, R);
    EXPECT_NE(Result, rpos(0.0));
}

} // namespace
