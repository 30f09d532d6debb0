#include "flower.h"
#include "test_world_fixture.h"

#include <gtest/gtest.h>

namespace {

struct Flower : ::testing::Test
{
    hand_world H{10.0, 10.0};
    flower* F = nullptr;

    void SetUp() override
    {
        F = H.place<flower>(mkrpos(5, 5, 0), 5);
        H.W->set_cursor(mkrloc(0, 0));
    }
    double pollen_scent()
    {
        double Sum = 0.0;
        for (double V : H.pollen().grid_data) Sum += V;
        return Sum;
    }
};

TEST_F(Flower, InitDrawsSizePetalsAndWaves)
{
    rngen R = seeded(42);
    rngen Before = R;
    flower G;
    G.init(mkrpos(1, 1, 0), R);
    ASSERT_GE(G.petals.size(), 5u);
    ASSERT_LE(G.petals.size(), 7u);
    EXPECT_TRUE(advanced_by(Before, R, 2 + 2 * (int)G.petals.size() + 6));
    EXPECT_GE(G.radius, 0.25);
    EXPECT_LE(G.radius, 0.75);
    EXPECT_EQ(G.max_pollen, 2 * G.radius);
    EXPECT_EQ(G.pollen, G.max_pollen);
    EXPECT_FALSE(G.wilted_flag);
    for (int a = 0; a < 3; a++)
    {
        EXPECT_GE(G.smell_freqs[a], 1.0);
        EXPECT_LE(G.smell_freqs[a], 3.0);
    }
}

TEST_F(Flower, DrainEqualToPollenWiltsForFifteenSeconds)
{
    F->drain(F->pollen / 2);
    F->drain(F->pollen / 2); // two asks in one frame are taken as their sum
    F->update(0.01);
    EXPECT_TRUE(F->wilted_flag);
    EXPECT_EQ(F->pollen, 0.0);
    EXPECT_EQ(F->wilted_counter, 15.0);
    EXPECT_EQ(F->next_drain, 0.0);
}

TEST_F(Flower, PartialDrainTakesAllAtOnceWithoutRegrowth)
{
    double Before = F->pollen;
    F->drain(0.1);
    F->update(0.5);
    EXPECT_FALSE(F->wilted_flag);
    EXPECT_DOUBLE_EQ(F->pollen, Before - 0.1);
    F->update(0.5);
    EXPECT_DOUBLE_EQ(F->pollen, Before - 0.1 + 0.05);
    F->update(10.0);
    EXPECT_EQ(F->pollen, F->max_pollen); // capped
}

TEST_F(Flower, DrainsDuringWiltingWaitAndWiltItAgain)
{
    F->drain(F->pollen);
    F->update(0.01);
    ASSERT_TRUE(F->wilted_flag);
    F->drain(0.2);
    F->update(14.0);
    EXPECT_TRUE(F->wilted_flag);
    EXPECT_EQ(F->next_drain, 0.2);
    F->update(1.0); // counter exactly 0: still wilted
    EXPECT_TRUE(F->wilted_flag);
    F->update(0.01);
    EXPECT_FALSE(F->wilted_flag);
    EXPECT_EQ(F->pollen, 0.0);
    EXPECT_EQ(F->next_drain, 0.2);
    F->update(0.01); // the waiting drain lands on the empty flower
    EXPECT_TRUE(F->wilted_flag);
    EXPECT_EQ(F->wilted_counter, 15.0);
    EXPECT_EQ(F->next_drain, 0.0);
}

TEST_F(Flower, ScentFollowsPollenAndTime)
{
    F->update(0.0);
    EXPECT_EQ(pollen_scent(), 0.0);
    EXPECT_EQ(F->smell_counter, 0.0);
    F->update(0.02);
    EXPECT_GT(H.pollen().sniff(F->position), 0.0);
    EXPECT_GT(H.pollen().sniff(F->position + mkrpos(1.9, 1.9, 0)), 0.0); // radius 2 footprint

    F->drain(F->pollen);
    F->update(0.02);
    H.pollen().grid_data.assign(H.pollen().grid_data.size(), 0.0);
    F->update(0.02); // wilted and empty
    EXPECT_EQ(pollen_scent(), 0.0);
}

TEST_F(Flower, ActiveOnlyStrictlyInsideOneAndAHalfRadii)
{
    F->radius = 0.5; // 1.5 radii = 0.75, exact in binary
    H.W->set_cursor(mkrloc(5.75, 5.0));
    F->update(0.01);
    EXPECT_FALSE(F->active_flag);
    EXPECT_TRUE(H.W->active_flowers.empty());

    H.W->set_cursor(mkrloc(5.0, 5.7499));
    F->update(0.01);
    EXPECT_TRUE(F->active_flag);
    ASSERT_EQ(H.W->active_flowers.size(), 1u);
    EXPECT_EQ(H.W->active_flowers[0], F);

    // Wilted flowers still answer the cursor.
    H.W->active_flowers.clear();
    F->drain(100.0);
    F->update(0.01);
    EXPECT_TRUE(F->wilted_flag);
    EXPECT_TRUE(F->active_flag);
    EXPECT_EQ(H.W->active_flowers.size(), 1u);
}

} // namespace
