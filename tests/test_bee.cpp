#include "bee.h"
#include "test_world_fixture.h"

#include <gtest/gtest.h>

namespace {

struct Bee : ::testing::Test
{
    hand_world H{20.0, 10.0};

    bee* make(const rpos& P, const rpos& V, unsigned long Seed = 1) { return H.add_bee(P, V, Seed); }
};

TEST_F(Bee, InitTakesThreeDrawsInOrder)
{
    rngen R = seeded(21);
    rngen Twin = R;
    bee B;
    B.init(mkrpos(1, 2, 0.5), mkrpos(0.1, -0.1, 0), R);
    EXPECT_TRUE(advanced_by(Twin, R, 3));
    bool Flap = Twin.get() > 0.5;
    double Counter = Twin.get() * 0.01 + 0.02;
    rngen Own;
    Own.seed(Twin.get_seed());
    EXPECT_EQ(B.flap_flag, Flap);
    EXPECT_EQ(B.flap_counter, Counter);
    EXPECT_TRUE(advanced_by(Own, B.RN, 0));
    EXPECT_EQ(B.radius, 0.1);
}

TEST_F(Bee, BouncesOffTheNearBorderAndLeavesAtTheSpeedLimit)
{
    bee* B = make(mkrpos(0.05, 5.0, 0.5), mkrpos(-10.0, 0.0, 0.0));
    B->update(0.01);
    EXPECT_EQ(B->position[0], 0.0);
    EXPECT_EQ(B->velocity[0], 0.5);
}

TEST_F(Bee, BouncesOffTheFarBorderButNotWhenExactlyOnIt)
{
    bee* Over = make(mkrpos(19.999, 9.999, 0.5), mkrpos(0.5, 0.5, 0.0));
    Over->update(0.01);
    EXPECT_EQ(Over->position[0], 20.0);
    EXPECT_EQ(Over->position[1], 10.0);
    EXPECT_LE(Over->velocity[0], -0.49);
    EXPECT_LE(Over->velocity[1], -0.49);

    bee* On = make(mkrpos(20.0, 3.0, 0.5), mkrpos(0.0, 0.0, 0.0), 2);
    On->update(0.01);
    EXPECT_EQ(On->position[0], 20.0);
    EXPECT_LE(std::abs(On->velocity[0]), 0.01);
}

TEST_F(Bee, WithoutScentOnlyJitters)
{
    bee* B = make(mkrpos(5, 5, 0.5), mkrpos(0.1, -0.1, 0.0));
    B->update(0.02);
    EXPECT_LE(std::abs(B->velocity[0] - 0.1), 0.02);
    EXPECT_LE(std::abs(B->velocity[1] + 0.1), 0.02);
    EXPECT_EQ(B->position[2], 0.5);
}

TEST_F(Bee, SpeedStaysLimitedInStrongScent)
{
    rngen Fill = seeded(31);
    for (double& V : H.pollen().grid_data) V = 50.0 * Fill.get();
    std::vector<bee*> Bees;
    for (int a = 0; a < 20; a++)
        Bees.push_back(make(mkrpos(1 + a * 0.9, 1 + a * 0.4, 0.5), mkrpos(0.4, -0.4, 0.0), 100 + a));
    for (int Frame = 0; Frame < 100; Frame++)
        for (bee* B : Bees)
        {
            B->update(0.05 + 0.01 * (Frame % 7));
            ASSERT_LE(std::abs(B->velocity[0]), 0.5);
            ASSERT_LE(std::abs(B->velocity[1]), 0.5);
            ASSERT_GE(B->position[0], 0.0);
            ASSERT_LE(B->position[0], 20.0);
        }
}

TEST_F(Bee, UpdateTakesFortySevenDrawsAndOneMoreWhenTheWingsFlip)
{
    bee* B = make(mkrpos(5, 5, 0.5), mkrpos(0.1, 0.1, 0.0));
    B->flap_counter = 1.0;
    rngen Before = B->RN;
    bool Flap = B->flap_flag;
    B->update(0.01);
    EXPECT_TRUE(advanced_by(Before, B->RN, 47));
    EXPECT_EQ(B->flap_flag, Flap);

    B->flap_counter = 0.005;
    Before = B->RN;
    B->update(0.01);
    EXPECT_TRUE(advanced_by(Before, B->RN, 48));
    EXPECT_NE(B->flap_flag, Flap);
    EXPECT_GE(B->flap_counter, 0.1);
    EXPECT_LE(B->flap_counter, 0.2);
}

TEST_F(Bee, LaysBeeScentUntilRescued)
{
    bee* B = make(mkrpos(5, 5, 0.5), mkrpos(0.0, 0.0, 0.0));
    B->update(0.02);
    double Laid = 0.0;
    for (double V : H.bees().grid_data) Laid += V;
    EXPECT_GT(Laid, 0.0);

    H.bees().grid_data.assign(H.bees().grid_data.size(), 0.0);
    B->rescue();
    for (int a = 0; a < 10; a++) B->update(0.02);
    for (double V : H.bees().grid_data) ASSERT_EQ(V, 0.0);
    for (double V : H.pollen().grid_data) ASSERT_EQ(V, 0.0);
}

TEST_F(Bee, RescueAndKillRaiseTheWorldsCounters)
{
    bee* A = make(mkrpos(5, 5, 0.5), rpos());
    bee* B = make(mkrpos(6, 5, 0.5), rpos());
    A->rescue();
    EXPECT_TRUE(A->rescued_flag);
    EXPECT_EQ(H.W->rescued_bees, 1);
    B->kill();
    EXPECT_TRUE(B->dead);
    EXPECT_EQ(H.W->killed_bees, 1);
    // A second kill of the same bee in one frame must not count it again.
    B->kill();
    EXPECT_EQ(H.W->killed_bees, 1);
}

} // namespace
