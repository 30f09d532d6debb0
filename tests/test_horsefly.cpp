#include "bee.h"
#include "horsefly.h"
#include "test_world_fixture.h"

#include <gtest/gtest.h>

namespace {

struct Horsefly : ::testing::Test
{
    hand_world H{20.0, 20.0};

    horsefly* make(const rpos& P, unsigned long Seed = 3) { return H.place<horsefly>(P, Seed); }
    bee* add_bee(const rpos& P) { return H.add_bee(P, rpos(), 4); }
};

TEST_F(Horsefly, InitWaitsUpToFourSeconds)
{
    rngen R = seeded(8);
    rngen Twin = R;
    horsefly F;
    F.init(mkrpos(1, 2, 0.3), R);
    EXPECT_TRUE(advanced_by(Twin, R, 2));
    EXPECT_EQ(F.waiting_counter, 4.0 * Twin.get());
    EXPECT_EQ(F.state, horsefly::s_waiting);
    EXPECT_EQ(F.waiting_frames, 0);
    EXPECT_EQ(F.radius, 0.15);
}

TEST_F(Horsefly, WaitEndingExactlyAtZeroTakesOff)
{
    horsefly* F = make(mkrpos(10, 10, 0.5));
    F->waiting_counter = 0.5;
    F->update(0.25);
    EXPECT_EQ(F->state, horsefly::s_waiting);
    EXPECT_EQ(F->waiting_frames, 1);
    F->update(0.25);
    EXPECT_EQ(F->state, horsefly::s_flying);
    EXPECT_EQ(F->flying_alpha, 0.0);
    EXPECT_EQ(F->flying_dest, F->flying_source); // no scent: no pull
}

TEST_F(Horsefly, FlightEasesInAndLandsAtItsDestination)
{
    horsefly* F = make(mkrpos(10, 10, 0.5));
    F->state = horsefly::s_flying;
    F->flying_source = mkrpos(10, 10, 0.5);
    F->flying_dest = mkrpos(12, 10, 0.5);
    F->flying_alpha = 0.0;
    F->update(0.0);
    EXPECT_EQ(F->state, horsefly::s_flying);
    EXPECT_EQ(F->position, F->flying_source);
    F->update(0.25); // alpha 0.5: a quarter of the way
    EXPECT_DOUBLE_EQ(F->position[0], 10.5);
    F->update(0.25); // alpha exactly 1
    EXPECT_EQ(F->state, horsefly::s_waiting);
    EXPECT_EQ(F->position, F->flying_dest);
    EXPECT_GE(F->waiting_counter, 1.0);
    EXPECT_LE(F->waiting_counter, 4.0);
    EXPECT_EQ(F->waiting_frames, 0);
    EXPECT_EQ(F->waiting_tracking, rpos(0.0));
}

TEST_F(Horsefly, AttackEndsOnlyBelowZero)
{
    horsefly* F = make(mkrpos(10, 10, 0.5));
    F->state = horsefly::s_attacking;
    F->attacking_counter = 0.25;
    F->attacking_position = mkrpos(11, 10, 0.5);
    F->update(0.25);
    EXPECT_EQ(F->state, horsefly::s_attacking);
    EXPECT_DOUBLE_EQ(F->position[0], 10.5); // halves the distance whatever T
    F->update(0.01);
    EXPECT_EQ(F->state, horsefly::s_waiting);
    EXPECT_GE(F->waiting_counter, 3.0);
    EXPECT_LE(F->waiting_counter, 4.0);
}

TEST_F(Horsefly, KillsACloseBeeAndSwoopsOntoIt)
{
    horsefly* F = make(mkrpos(10, 10, 0.5));
    bee* B = add_bee(mkrpos(10.5, 10, 0.5));
    F->waiting_counter = 100.0;
    for (int a = 0; a < 100 && F->state == horsefly::s_waiting; a++) F->update(0.0);
    EXPECT_EQ(F->state, horsefly::s_attacking);
    EXPECT_TRUE(B->dead);
    EXPECT_EQ(H.W->killed_bees, 1);
    EXPECT_EQ(F->attacking_position, B->position);
    EXPECT_EQ(F->attacking_counter, 0.25);
}

TEST_F(Horsefly, SparesBeesAtOneUnitRescuedDeadOrInPollen)
{
    horsefly* F = make(mkrpos(10, 10, 0.5));
    F->waiting_counter = 100.0;
    bee* Edge = add_bee(mkrpos(11, 10, 0.5));  // exactly 1.0
    bee* Home = add_bee(mkrpos(10.2, 10, 0.5));
    Home->rescue();
    bee* Dead = add_bee(mkrpos(10, 10.2, 0.5));
    Dead->dead = true; // killed earlier this frame by another horsefly
    for (int a = 0; a < 300; a++) F->update(0.0);
    EXPECT_EQ(F->state, horsefly::s_waiting);
    EXPECT_EQ(H.W->killed_bees, 0);
    EXPECT_FALSE(Edge->dead);

    bee* Close = add_bee(mkrpos(10.1, 10, 0.5));
    H.pollen().grid_data.assign(H.pollen().grid_data.size(), 0.5); // even scent: no push either way
    for (int a = 0; a < 300; a++) F->update(0.0);
    EXPECT_FALSE(Close->dead);
    EXPECT_EQ(F->state, horsefly::s_waiting);
}

TEST_F(Horsefly, NumberOfChecksFromSpritesAndTime)
{
    horsefly* F = make(mkrpos(10, 10, 0.5));
    for (int a = 1; a < 40; a++) H.add(new sprite);
    F->waiting_counter = 100.0;
    // Drift 2, bee pull 75, pollen push 30, checks, common pollen step 30.
    rngen Before = F->RN;
    F->update(0.02);
    EXPECT_TRUE(advanced_by(Before, F->RN, 2 + 75 + 30 + 1 + 30));
    Before = F->RN;
    F->update(0.1);
    EXPECT_TRUE(advanced_by(Before, F->RN, 2 + 75 + 30 + 2 + 30));
    Before = F->RN;
    F->update(0.0);
    EXPECT_TRUE(advanced_by(Before, F->RN, 2 + 75 + 30 + 1 + 30));
    EXPECT_EQ(F->waiting_frames, 3);

    H.pollen().grid_data.assign(H.pollen().grid_data.size(), 0.6); // no hunt, no checks
    Before = F->RN;
    F->update(0.1);
    EXPECT_TRUE(advanced_by(Before, F->RN, 2 + 75 + 30 + 30));
}

TEST_F(Horsefly, KillsAtMostOneBeePerUpdate)
{
    horsefly* F = make(mkrpos(10, 10, 0.5));
    F->waiting_counter = 100.0;
    for (int a = 0; a < 60; a++) add_bee(mkrpos(10 + 0.01 * a, 10, 0.5));
    F->update(1.0); // 30 checks
    EXPECT_EQ(H.W->killed_bees, 1);
}

TEST_F(Horsefly, TwoHorsefliesOneBeeCountOneKill)
{
    std::vector<horsefly*> Flies;
    for (int a = 0; a < 10; a++)
    {
        Flies.push_back(make(mkrpos(10, 10, 0.5), 50 + a));
        Flies.back()->waiting_counter = 100.0;
    }
    bee* B = add_bee(mkrpos(10.3, 10, 0.5));
    for (int Frame = 0; Frame < 50 && !B->dead; Frame++)
        for (horsefly* F : Flies) F->update(2.0);
    EXPECT_TRUE(B->dead);
    for (int a = 0; a < 20; a++)
        for (horsefly* F : Flies) F->update(2.0);
    EXPECT_EQ(H.W->killed_bees, 1);
    EXPECT_LE(H.W->rescued_bees + H.W->killed_bees, H.W->total_bees);
}

TEST_F(Horsefly, PollenPushStopsAtTheMapEdge)
{
    smellgrid& P = H.pollen();
    for (int Y = 0; Y < P.grid_size[1]; Y++)
        for (int X = 1; X < P.grid_size[0] - 1; X++) P.grid_data[(size_t)Y * P.grid_size[0] + X] = 1.0;
    horsefly* Left = make(mkrpos(0.1, 10, 0.7));
    horsefly* Right = make(mkrpos(19.9, 10, 0.7), 9);
    for (horsefly* F : {Left, Right})
    {
        // Attacking on the spot: no drift, no hunt, only the push.
        F->state = horsefly::s_attacking;
        F->attacking_counter = 100.0;
        F->attacking_position = F->position;
        F->update(1.0);
    }
    EXPECT_EQ(Left->position[0], 0.0);
    EXPECT_EQ(Right->position[0], 20.0);
    EXPECT_EQ(Left->position[2], 0.7);
}

} // namespace
