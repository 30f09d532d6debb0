#include "smellgrid.h"
#include "test_world_fixture.h"

#include <gtest/gtest.h>

namespace {

smellgrid make_grid(double W, double H)
{
    smellgrid G;
    rngen R = seeded(3);
    G.init(mkrpos(W, H, 0), mkfcolor(1, 1, 1, 1), false, R);
    return G;
}

double cell(smellgrid& G, int X, int Y) { return G.grid_data[(size_t)Y * G.grid_size[0] + X]; }

double total(const smellgrid& G)
{
    double Sum = 0.0;
    for (double V : G.grid_data) Sum += V;
    return Sum;
}

TEST(SmellgridSize, FiveCellsPerUnitTruncated)
{
    smellgrid G = make_grid(20.5, 10.9);
    EXPECT_EQ(G.grid_size[0], 102);
    EXPECT_EQ(G.grid_size[1], 54);
    EXPECT_EQ(G.num_grid_points, 102 * 54);
    ASSERT_EQ(G.grid_data.size(), (size_t)(102 * 54));
    EXPECT_EQ(total(G), 0.0);
}

TEST(SmellgridSize, InitTakesOneDrawOfTheWorldsGenerator)
{
    smellgrid G;
    rngen R = seeded(11);
    rngen Before = R;
    G.init(mkrpos(4, 4, 0), mkfcolor(1, 1, 1, 1), true, R);
    EXPECT_TRUE(advanced_by(Before, R, 1));
    EXPECT_TRUE(G.bright_flag);
}

TEST(SmellgridScent, RadiusOfOneFifthCoversThreeByThree)
{
    smellgrid G = make_grid(4, 4);
    G.scent(mkrpos(1.0, 1.0, 0), 0.2, 1.0);
    EXPECT_DOUBLE_EQ(cell(G, 5, 5), 0.25);
    EXPECT_DOUBLE_EQ(cell(G, 4, 5), 1.0 / 12);
    EXPECT_DOUBLE_EQ(cell(G, 6, 5), 1.0 / 12);
    EXPECT_DOUBLE_EQ(cell(G, 5, 4), 1.0 / 12);
    EXPECT_DOUBLE_EQ(cell(G, 5, 6), 1.0 / 12);
    EXPECT_DOUBLE_EQ(cell(G, 4, 4), 1.0 / 36);
    EXPECT_DOUBLE_EQ(cell(G, 6, 6), 1.0 / 36);
    EXPECT_NEAR(total(G), 0.25 + 4.0 / 12 + 4.0 / 36, 1e-12); // nothing outside the footprint
    EXPECT_EQ(cell(G, 7, 5), 0.0);
    EXPECT_EQ(cell(G, 3, 5), 0.0);
}

TEST(SmellgridScent, QuarterRadiusSpansFourWithPeakOnUpperMiddle)
{
    smellgrid G = make_grid(4, 4);
    G.scent(mkrpos(1.0, 1.0, 0), 0.25, 1.0);
    for (int a = 3; a <= 6; a++)
    {
        EXPECT_EQ(cell(G, 3, a), 0.0);
        EXPECT_EQ(cell(G, a, 3), 0.0);
    }
    EXPECT_DOUBLE_EQ(cell(G, 5, 5), 0.25);
    EXPECT_DOUBLE_EQ(cell(G, 4, 5), 0.125);
    EXPECT_DOUBLE_EQ(cell(G, 6, 5), 0.125);
    EXPECT_DOUBLE_EQ(cell(G, 4, 4), 0.0625);
}

TEST(SmellgridScent, ScalesWithSmellinessAndAccumulates)
{
    smellgrid G = make_grid(4, 4);
    G.scent(mkrpos(1.0, 1.0, 0), 0.2, 8.0);
    G.scent(mkrpos(1.0, 1.0, 0), 0.2, 4.0);
    EXPECT_DOUBLE_EQ(cell(G, 5, 5), 3.0);
}

TEST(SmellgridScent, FootprintOutsideTheMapIsCut)
{
    smellgrid G = make_grid(2, 2); // 10 by 10 cells
    G.scent(mkrpos(0.0, 0.0, 0), 0.2, 1.0);
    // Span -1..1: only cells 0 and 1 of each axis exist.
    EXPECT_DOUBLE_EQ(cell(G, 0, 0), 0.25);
    EXPECT_DOUBLE_EQ(cell(G, 1, 0), 1.0 / 12);
    EXPECT_DOUBLE_EQ(cell(G, 1, 1), 1.0 / 36);
    EXPECT_NEAR(total(G), 0.25 + 2.0 / 12 + 1.0 / 36, 1e-12);

    smellgrid Far = make_grid(2, 2);
    Far.scent(mkrpos(2.0, 2.0, 0), 0.2, 1.0);
    EXPECT_DOUBLE_EQ(cell(Far, 9, 9), 1.0 / 36); // cells 10 and 11 fall off the far side
    EXPECT_NEAR(total(Far), 1.0 / 36, 1e-12);

    smellgrid Off = make_grid(2, 2);
    Off.scent(mkrpos(-3.0, 1.0, 0), 0.5, 100.0);
    Off.scent(mkrpos(1.0, 7.0, 0), 0.5, 100.0);
    Off.scent(mkrpos(9.0, 9.0, 0), 0.5, 100.0);
    EXPECT_EQ(total(Off), 0.0);
}

TEST(SmellgridUpdate, FadeIgnoresTheTimeStep)
{
    smellgrid G = make_grid(2, 2);
    G.grid_data[13] = 1.0;
    G.update(0.0);
    EXPECT_DOUBLE_EQ(G.grid_data[13], 0.85);
    G.update(7.5);
    EXPECT_DOUBLE_EQ(G.grid_data[13], 0.7225);
    EXPECT_DOUBLE_EQ(G.wave_counter, 7.5);
}

TEST(SmellgridSniff, ClampsToTheBorderCells)
{
    smellgrid G = make_grid(2, 2);
    for (int a = 0; a < G.num_grid_points; a++) G.grid_data[a] = a;
    EXPECT_EQ(G.sniff(mkrpos(-5.0, -5.0, 0)), cell(G, 0, 0));
    EXPECT_EQ(G.sniff(mkrpos(-0.5, 0.5, 0)), cell(G, 0, 2));
    EXPECT_EQ(G.sniff(mkrpos(10.0, 10.0, 0)), cell(G, 9, 9));
    EXPECT_EQ(G.sniff(mkrpos(2.0, 0.0, 0)), cell(G, 9, 0));
    EXPECT_EQ(G.sniff(mkrpos(0.39, 1.01, 0)), cell(G, 1, 5));
    EXPECT_EQ(G.get_grid_index(mkrpos(0.39, 1.01, 0)), 5 * 10 + 1);
}

} // namespace
