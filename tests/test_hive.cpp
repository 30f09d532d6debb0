#include "bee.h"
#include "hive.h"
#include "test_world_fixture.h"

#include <gtest/gtest.h>

namespace {

struct Hive : ::testing::Test
{
    hand_world H{20.0, 20.0};
    hive* Home = nullptr;

    void SetUp() override { Home = H.place<hive>(mkrpos(10, 10, 0), 1); }
};

TEST_F(Hive, InitTakesOneDrawThenTwentySixOfItsOwn)
{
    rngen R = seeded(77);
    rngen Twin = R;
    hive Hv;
    Hv.init(mkrpos(3, 4, 0), R);
    EXPECT_TRUE(advanced_by(Twin, R, 1));
    rngen Own;
    Own.seed(Twin.get_seed());
    EXPECT_TRUE(advanced_by(Own, Hv.RN, 26));
    EXPECT_EQ(Hv.radius, 0.5);
    for (const rpos& C : Hv.hivecorners) EXPECT_LE(length(C - Hv.position), 0.3 + 0.03);
    for (int a = 0; a < 2; a++)
        for (int b = 0; b < 3; b++)
        {
            EXPECT_GE(Hv.smell_freqs[a][b], 0.5);
            EXPECT_LE(Hv.smell_freqs[a][b], 3.0);
        }
}

TEST_F(Hive, ChecksHalfTheSpritesPerSecondAtLeastOnce)
{
    for (int a = 1; a < 10; a++) H.add(new sprite);
    rngen Before = Home->RN;
    Home->update(0.01);
    EXPECT_TRUE(advanced_by(Before, Home->RN, 1)); // 10 sprites: 0.05 checks, raised to 1

    for (int a = 10; a < 1000; a++) H.add(new sprite);
    Before = Home->RN;
    Home->update(0.01);
    EXPECT_TRUE(advanced_by(Before, Home->RN, 5));

    Before = Home->RN;
    Home->update(0.0); // no scent, but still one check
    EXPECT_TRUE(advanced_by(Before, Home->RN, 1));
}

TEST_F(Hive, DepositsInBothGridsInProportionToTime)
{
    Home->update(0.0);
    for (double V : H.bees().grid_data) ASSERT_EQ(V, 0.0);
    for (double V : H.pollen().grid_data) ASSERT_EQ(V, 0.0);
    Home->update(0.02);
    EXPECT_GT(H.bees().sniff(Home->position), 0.0);
    EXPECT_GT(H.pollen().sniff(Home->position), 0.0);
    EXPECT_GT(H.pollen().sniff(Home->position + mkrpos(2.3, 0, 0)), 0.0); // wider pollen footprint
    EXPECT_EQ(H.bees().sniff(Home->position + mkrpos(2.3, 0, 0)), 0.0);
}

TEST_F(Hive, RescuesOnlyStrictlyInsideOneUnitInThreeDimensions)
{
    bee* Near = H.add_bee(mkrpos(10.86, 10, 0.5));  // 0.995 away
    bee* Level = H.add_bee(mkrpos(11.0, 10, 0.0));  // exactly 1.0 away
    bee* High = H.add_bee(mkrpos(10.87, 10, 0.5));  // 1.003 away, though 0.87 in the plane
    for (int a = 0; a < 300; a++) Home->update(0.0);
    EXPECT_TRUE(Near->rescued_flag);
    EXPECT_FALSE(Level->rescued_flag);
    EXPECT_FALSE(High->rescued_flag);
    EXPECT_EQ(H.W->rescued_bees, 1); // picked again and again, counted once
}

} // namespace
