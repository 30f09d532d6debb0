// Our player's verdict on a level: the careful herder of the balance report (herding_game.h) plays it on
// a few seeds, a slice at a time so that the screen asking stays responsive (the game has one thread),
// then says how often it earned each medal, what it lost to horseflies and how long it took. A level on
// which it never earns the first medal is unproven. The seeds are 1, 2, ... as in the report, so the
// verdict on a level of the table agrees with the report's careful figures on the same seeds.
// Playing sets mouseloc and cur_world as a frame of play does; a slice puts back what it found.
#pragma once

#include "herding_game.h"
#include "level_data.h"

#include <memory>
#include <vector>

// Seeds the editor asks for, and the time a frame of the editor gives the verdict.
const int VERDICT_SEEDS = 5;
const double VERDICT_SLICE = 0.006;

class verdict
{
public:
    level_data level;
    int seeds;
    std::vector<player::result> results; // one a seed played, in seed order
    long frames;                         // played so far, over all seeds

    verdict(const level_data& L, int Seeds);

    // Plays on for about Budget seconds (at least one frame); true once every seed is played.
    bool play_slice(double Budget);
    // Plays every seed through at once.
    void play_all();
    bool finished() const;
    // How far it has come, 0 to 1: the seeds done and the share of the bees of the present one home or lost.
    double progress() const;
    // The seed being played, from 1.
    int playing() const;

    // Medals the level can award: those whose threshold the bees can reach.
    int medals_awarded() const;
    // Seeds that earned at least Medal medals (1 to 3).
    int seeds_with(int Medal) const;
    // Bees lost in the median game, and in all the games.
    int kills_median() const;
    int kills_all() const;
    // Seconds the median game took, a game that ran out of time counting as never ending (HUGE_VAL when
    // more than half did); the longest of the games that ended (0 when none did); how many ended.
    double time_median() const;
    double time_longest() const;
    int ended() const;
    // Finished, and the first medal never earned.
    bool unproven() const;

private:
    std::unique_ptr<player::herding_game> game;

    // One frame of the present game, a new game when the last one ended.
    void frame();
};
