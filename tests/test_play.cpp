// The play screen without a window: pollen drags, edge scrolling and the view kept on the map, the
// cursor handed to the world, and the end of a level. Worlds are built by hand so that every amount is known.
#include "play.h"

#include "quorvel.h"
#include "smellgrid.h"
#include "world.h"

#include "helpers.h"
#include "test_world_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<flower> make_flower(double X, double Y, double Pollen)
{
    rngen RN = seeded(3);
    std::unique_ptr<flower> F(new flower);
    F->init(mkrpos(X, Y, 0.0), RN);
    F->radius = 0.5;
    F->pollen = Pollen;
    F->max_pollen = Pollen;
    return F;
}

// Picture units of the mouse for a world point seen from a view at the origin.
rloc mouse_at(double X, double Y)
{
    return mkrloc(X / 10.0, Y / 10.0);
}

double grid_total(smellgrid& G)
{
    double Sum = 0.0;
    for (double Cell : G.grid_data) Sum += Cell;
    return Sum;
}

class PlayScreen : public ::testing::Test
{
protected:
    play Play;
    hand_world H{40.0, 30.0};
    ref<world>& World = H.W;

    void SetUp() override
    {
        mouseloc = mouse_at(6.0, 5.0); // well inside the picture: no scrolling
        World->total_bees = 1;         // one bee still out: the level goes on
        Play.init_level(World);
    }
};

} // namespace

TEST_F(PlayScreen, DragDrainsEqualSharesAndLaysScentAtLastFramesCursor)
{
    std::unique_ptr<flower> Full = make_flower(6.0, 5.0, 1.0);
    std::unique_ptr<flower> Half = make_flower(6.2, 5.0, 0.5);
    Play.update(0.01); // the world now has its cursor at (6, 5)
    ASSERT_EQ(World->cursor, mkrpos(6.0, 5.0, 0.0));

    // These flowers live outside the world's list, so nothing but the drag touches them.
    World->active_flowers = {Full.get(), Half.get()};
    SDL_Event Down = button_event();
    Play.notice(Down);
    ASSERT_EQ(Play.mode, play::m_drag_pollen);
    ASSERT_EQ(Play.drag_pollen_flowers.size(), 2u);

    smellgrid Expected; // as hand_world makes its pollen grid
    rngen RN = seeded(7);
    Expected.init(World->size, mkfcolor(1, 1, 1, 1), false, RN);

    const double T = 0.02;
    mouseloc = mouse_at(9.0, 7.0); // the scent still goes where the cursor was
    Play.update(T);
    EXPECT_DOUBLE_EQ(Full->next_drain, 0.125 * T);
    EXPECT_DOUBLE_EQ(Half->next_drain, 0.125 * T);
    Expected.scent(mkrpos(6.0, 5.0, 0.0), 2.0, 100.0 * T);
    Expected.update(T);
    EXPECT_EQ(World->smells[smell_pollen]->grid_data, Expected.grid_data);
    EXPECT_GT(grid_total(*World->smells[smell_pollen].ptr()), 0.0);
    EXPECT_EQ(World->cursor, mkrpos(9.0, 7.0, 0.0));

    // Releasing the button ends the drag: nothing more is drained.
    SDL_Event Up = button_event(SDL_MOUSEBUTTONUP);
    Play.notice(Up);
    EXPECT_EQ(Play.mode, play::m_none);
    Play.update(T);
    EXPECT_DOUBLE_EQ(Full->next_drain, 0.125 * T);
}

TEST_F(PlayScreen, DrainNeverExceedsWhatThePickedFlowersHoldAndEndsWhenTheyAreEmpty)
{
    std::unique_ptr<flower> A = make_flower(6.0, 5.0, 0.001);
    std::unique_ptr<flower> B = make_flower(6.2, 5.0, 0.0);
    Play.update(0.01);
    World->active_flowers = {A.get(), B.get()};
    SDL_Event Down = button_event();
    Play.notice(Down);

    Play.update(0.1); // 0.025 wanted, 0.001 there
    EXPECT_DOUBLE_EQ(A->next_drain, 0.0005);
    EXPECT_DOUBLE_EQ(B->next_drain, 0.0005);
    EXPECT_EQ(Play.mode, play::m_drag_pollen);

    A->pollen = 0.0; // as the flower's own update would leave it
    smellgrid Faded = *World->smells[smell_pollen].ptr();
    Play.update(0.1);
    EXPECT_EQ(Play.mode, play::m_none);
    EXPECT_DOUBLE_EQ(A->next_drain, 0.0005);
    // Only the world's fading happened: no new scent anywhere.
    Faded.update(0.1);
    EXPECT_EQ(World->smells[smell_pollen]->grid_data, Faded.grid_data);
}

TEST_F(PlayScreen, PressAwayFromFlowersDoesNothing)
{
    Play.update(0.01);
    ASSERT_TRUE(World->active_flowers.empty());
    SDL_Event Down = button_event();
    Play.notice(Down);
    EXPECT_EQ(Play.mode, play::m_none);
    Play.update(0.01);
    EXPECT_EQ(grid_total(*World->smells[smell_pollen].ptr()), 0.0);
}

TEST_F(PlayScreen, PressOnFlowersOfTheWorldPicksThemAndDrainsThem)
{
    // Flowers in the world register themselves under the cursor during its update.
    flower* Near = H.place<flower>(mkrpos(6.0, 5.0, 0.0), 5);
    flower* Far = H.place<flower>(mkrpos(20.0, 20.0, 0.0), 6);
    const double Full = Near->pollen;

    Play.update(0.01);
    ASSERT_EQ(World->active_flowers, std::vector<flower*>{Near});
    SDL_Event Down = button_event();
    Play.notice(Down);
    EXPECT_EQ(Play.drag_pollen_flowers, std::vector<flower*>{Near});
    Play.update(0.1);
    EXPECT_DOUBLE_EQ(Near->pollen, Full - 0.025);
    EXPECT_DOUBLE_EQ(Far->pollen, Far->max_pollen);
}

TEST_F(PlayScreen, CursorIsTheMouseOverTheView)
{
    Play.R.set_view(mkrpos(10.0, 10.0, 0.0));
    mouseloc = mkrloc(0.5, 0.5);
    Play.update(0.01);
    EXPECT_EQ(World->cursor, mkrpos(15.0, 15.0, 0.0));
    EXPECT_EQ(Play.R.view_center, mkrpos(10.0, 10.0, 0.0));
}

TEST_F(PlayScreen, EdgesScrollAtSevenUnitsPerSecondPerUnitInsideTheBand)
{
    const double T = 0.1;
    Play.R.set_view(mkrpos(10.0, 10.0, 0.0));
    mouseloc = mkrloc(1.3333333333333333, 0.1); // right edge, 1 unit from the top
    Play.update(T);
    EXPECT_NEAR(Play.R.view_center[0], 10.0 + (13.333333333333332 - 11.0) * 7.0 * T, 1e-12);
    EXPECT_DOUBLE_EQ(Play.R.view_center[1], 10.0 - 1.0 * 7.0 * T);

    Play.R.set_view(mkrpos(10.0, 10.0, 0.0));
    mouseloc = mkrloc(0.05, 0.95); // half a unit from the left, half a unit from the bottom
    Play.update(T);
    EXPECT_DOUBLE_EQ(Play.R.view_center[0], 10.0 - 1.5 * 7.0 * T);
    EXPECT_DOUBLE_EQ(Play.R.view_center[1], 10.0 + 1.5 * 7.0 * T);
}

TEST_F(PlayScreen, ViewIsClampedToTheMap)
{
    // Top-left corner: the view tries to move left and up and is put back.
    mouseloc = mkrloc(0.0, 0.0);
    Play.update(0.05);
    EXPECT_EQ(Play.R.view_center, mkrpos(0.0, 0.0, 0.0));
    EXPECT_EQ(World->cursor, mkrpos(0.0, 0.0, 0.0));

    // On the 40 by 30 map the far corner is 40 - 13.333 across and 20 down, never further.
    mouseloc = mkrloc(1.3333333333333333, 1.0);
    for (int f = 0; f < 200; f++)
    {
        Play.update(0.05);
        ASSERT_LE(Play.R.view_center[0], 40.0 - 13.333);
        ASSERT_LE(Play.R.view_center[1], 20.0);
    }
    EXPECT_DOUBLE_EQ(Play.R.view_center[0], 40.0 - 13.333);
    EXPECT_DOUBLE_EQ(Play.R.view_center[1], 20.0);

    // A view set outside the map is pulled back before the cursor is placed.
    Play.R.set_view(mkrpos(-5.0, 50.0, 0.0));
    mouseloc = mkrloc(0.6, 0.5);
    Play.update(0.0);
    EXPECT_EQ(Play.R.view_center, mkrpos(0.0, 20.0, 0.0));
    EXPECT_EQ(World->cursor, mkrpos(6.0, 25.0, 0.0));
}

TEST_F(PlayScreen, MapSmallerThanThePicturePinsTheViewAtTheOrigin)
{
    hand_world Small(10.0, 8.0);
    Play.init_level(Small.W);
    mouseloc = mkrloc(1.3333333333333333, 1.0);
    Play.update(0.1);
    EXPECT_EQ(Play.R.view_center, mkrpos(0.0, 0.0, 0.0));
}

TEST_F(PlayScreen, LevelEndsWhenEveryBeeIsAccountedForOrOnEscape)
{
    World->total_bees = 3;
    World->rescued_bees = 2;
    Play.update(0.01);
    EXPECT_FALSE(Play.quit_flag);
    World->killed_bees = 1;
    Play.update(0.01);
    EXPECT_TRUE(Play.quit_flag);

    Play.init_level(World);
    EXPECT_FALSE(Play.quit_flag);
    SDL_Event Other = key_event(SDLK_SPACE);
    Play.notice(Other);
    EXPECT_FALSE(Play.quit_flag);
    SDL_Event Escape = key_event(SDLK_ESCAPE);
    Play.notice(Escape);
    EXPECT_TRUE(Play.quit_flag);
}

TEST_F(PlayScreen, NewLevelStartsAtTheOriginWithoutADrag)
{
    Play.R.set_view(mkrpos(10.0, 10.0, 0.0));
    Play.mode = play::m_drag_pollen;
    hand_world Next(30.0, 30.0);
    Play.init_level(Next.W);
    EXPECT_EQ(Play.mode, play::m_none);
    EXPECT_EQ(Play.R.view_center, mkrpos(0.0, 0.0, 0.0));
    EXPECT_EQ(Play.link_world.ptr(), Next.W.ptr());
    EXPECT_EQ(World.count(), 1) << "the old world is released by the play screen";
}
