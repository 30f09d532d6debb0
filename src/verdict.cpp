#include "verdict.h"

#include "quorvel.h"
#include "world.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {
// A game's clock adds up its frames' steps and drifts below a whole number of them: counted in frames, as
// the balance report writes its times.
double in_frames(double Seconds)
{
    return std::round(Seconds / player::STEP) * player::STEP;
}
} // namespace

verdict::verdict(const level_data& L, int Seeds) : level(L), seeds(Seeds), frames(0) {}

bool verdict::finished() const
{
    return (int)results.size() >= seeds;
}

void verdict::frame()
{
    if (!game) game.reset(new player::herding_game(level, (unsigned long)results.size() + 1, false, player::TIME_LIMIT, player::careful_hand()));
    frames++;
    if (game->step()) return;
    results.push_back(game->outcome());
    game.reset();
}

bool verdict::play_slice(double Budget)
{
    // What the game's own frame holds: the real pointer, and the world it draws.
    const rloc Pointer = mouseloc;
    world* const Drawn = cur_world;
    const auto Start = std::chrono::steady_clock::now();
    do
        frame();
    while (!finished() && std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count() < Budget);
    mouseloc = Pointer;
    cur_world = Drawn;
    return finished();
}

void verdict::play_all()
{
    while (!finished()) play_slice(1.0);
}

double verdict::progress() const
{
    double Share = 0.0;
    if (game)
    {
        const world& W = *game->S.W.ptr();
        const double Bees = W.total_bees > 0 ? (double)(W.rescued_bees + W.killed_bees) / W.total_bees : 0.0;
        Share = std::max(Bees, game->S.clock / player::TIME_LIMIT);
    }
    return std::min(1.0, (results.size() + Share) / seeds);
}

int verdict::playing() const
{
    return std::min((int)results.size() + 1, seeds);
}

int verdict::medals_awarded() const
{
    int N = 0;
    while (N < 3 && level.medal_bees[N] <= level.num_bees) N++;
    return N;
}

int verdict::seeds_with(int Medal) const
{
    return (int)std::count_if(results.begin(), results.end(), [&](const player::result& R) { return R.medals >= Medal; });
}

int verdict::kills_median() const
{
    if (results.empty()) return 0;
    std::vector<int> Kills;
    for (const player::result& R : results) Kills.push_back(R.killed_bees);
    std::sort(Kills.begin(), Kills.end());
    return Kills[Kills.size() / 2];
}

int verdict::kills_all() const
{
    int N = 0;
    for (const player::result& R : results) N += R.killed_bees;
    return N;
}

double verdict::time_median() const
{
    if (results.empty()) return HUGE_VAL;
    std::vector<double> Ends;
    for (const player::result& R : results) Ends.push_back(R.end_time >= 0.0 ? in_frames(R.end_time) : HUGE_VAL);
    std::sort(Ends.begin(), Ends.end());
    return Ends[Ends.size() / 2];
}

double verdict::time_longest() const
{
    double Longest = 0.0;
    for (const player::result& R : results) Longest = std::max(Longest, in_frames(R.end_time));
    return Longest;
}

int verdict::ended() const
{
    return (int)std::count_if(results.begin(), results.end(), [](const player::result& R) { return R.end_time >= 0.0; });
}

bool verdict::unproven() const
{
    return finished() && seeds_with(1) == 0;
}
