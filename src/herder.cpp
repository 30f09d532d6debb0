#include "herder.h"

#include <algorithm>
#include <cmath>

namespace player {

std::vector<bee*> bees_in_play(world& V)
{
    std::vector<bee*> Bees;
    for (ref<sprite>& S : V.sprites)
        if (S->sprite_type == sprite::st_bee && !S->dead)
        {
            bee* B = static_cast<bee*>(S.ptr());
            if (!B->rescued_flag) Bees.push_back(B);
        }
    return Bees;
}

std::vector<flower*> all_flowers(world& V)
{
    std::vector<flower*> Flowers;
    for (ref<sprite>& S : V.sprites)
        if (S->sprite_type == sprite::st_flower) Flowers.push_back(static_cast<flower*>(S.ptr()));
    return Flowers;
}

std::vector<rpos> horseflies_seen(world& V)
{
    std::vector<rpos> Flies;
    for (ref<sprite>& S : V.sprites)
        if (S->sprite_type == sprite::st_horsefly) Flies.push_back(mkrpos(S->position[0], S->position[1], 0.0));
    return Flies;
}

double nearest(const std::vector<rpos>& Spots, const rpos& Where)
{
    double Best = HUGE_VAL;
    for (const rpos& P : Spots) Best = std::min(Best, dist2d(P, Where));
    return Best;
}

bool herder::at_home(const rpos& Where, const rpos& Hive, const std::vector<rpos>& Flies)
{
    return dist2d(Where, Hive) < HOME_RADIUS && nearest(Flies, Where) >= GUARD_REACH;
}

bool herder::is_left_alone(const rpos& Where, double Clock) const
{
    for (const auto& Spot : left_alone)
        if (Spot.second > Clock && dist2d(Spot.first, Where) < SWARM_RADIUS) return true;
    return false;
}

void herder::choose_herd(double Clock, const rpos& Hive, const std::vector<bee*>& Bees, const std::vector<rpos>& Flies)
{
    // Bees a horsefly is coming for first; then many bees close together and near home: the
    // cheapest rescues in pollen. Groups given up on come last.
    bool Others = false;
    for (bee* B : Bees)
        if (!at_home(B->position, Hive, Flies) && !is_left_alone(B->position, Clock)) Others = true;
    double Best = -1.0;
    rpos Pick = Hive;
    for (bee* B : Bees)
    {
        double H = dist2d(B->position, Hive);
        if (at_home(B->position, Hive, Flies) || (Others && is_left_alone(B->position, Clock))) continue;
        int Near = 0;
        for (bee* C : Bees)
            if (dist2d(B->position, C->position) < 2.0) Near++;
        double Score = Near / (4.0 + H);
        if (nearest(Flies, B->position) < THREAT_REACH) Score *= THREAT_PRIORITY;
        if (Score > Best)
        {
            Best = Score;
            Pick = B->position;
        }
    }
    if (dist2d(Pick, herd) > SWARM_RADIUS)
    {
        best_home = HUGE_VAL; // another group
        progress_at = Clock;
    }
    herd = Pick;
}

flower* herder::choose_flower(world& V, const rpos& Near, const rpos& Hive)
{
    flower* Best = nullptr;
    double BestCost = 1e9;
    for (flower* F : all_flowers(V))
    {
        if (F->wilted_flag || F->pollen < MIN_PRESS_POLLEN) continue;
        // Full flowers are worth a little detour: each unit of pollen is four seconds of drag. A
        // flower farther from home than the bees costs the way back too: the drag's scent draws
        // them toward it while it comes.
        double Behind = std::max(0.0, dist2d(F->position, Hive) - dist2d(Near, Hive));
        double Cost = dist2d(F->position, Near) + Behind - 4.0 * F->pollen;
        if (Cost < BestCost)
        {
            BestCost = Cost;
            Best = F;
        }
    }
    return Best;
}

void herder::follow_herd(const std::vector<bee*>& Bees)
{
    rpos Sum = mkrpos(0, 0, 0);
    int N = 0;
    for (bee* B : Bees)
        if (dist2d(B->position, herd) < SWARM_RADIUS)
        {
            Sum += B->position;
            N++;
        }
    if (N > 0) herd = Sum / (double)N;
}

void herder::stuck(world& V, double Clock, const rpos& Hive, const std::vector<bee*>& Bees)
{
    progress_at = Clock;
    to_empty.clear();
    // Emptied flowers that did not free the group once will not the second time.
    bool Tried = dist2d(emptied_at, herd) < SWARM_RADIUS;
    for (flower* F : all_flowers(V))
        if (!Tried && !F->wilted_flag && F->pollen > 0.1 && dist2d(F->position, herd) < 2.0)
            to_empty.push_back(F);
    std::sort(to_empty.begin(), to_empty.end(), [](flower* A, flower* B) { return A->pollen < B->pollen; });
    if (to_empty.size() > 6) to_empty.erase(to_empty.begin(), to_empty.end() - 6);
    if (!to_empty.empty())
        emptied_at = herd;
    else
    {
        emptied_at = mkrpos(-1e9, -1e9, 0);
        left_alone.push_back({herd, Clock + LEAVE_ALONE});
        choose_herd(Clock, Hive, Bees, horseflies_seen(V));
    }
}

void herder::think(session& S, rpos& Goal, bool& Down)
{
    world& V = S.wld();
    rpos Hive = all_levels_hive(V);
    std::vector<bee*> Bees = bees_in_play(V);
    rpos Cursor = S.cursor();
    bool OnSource = source && std::find(V.active_flowers.begin(), V.active_flowers.end(), source) !=
                                  V.active_flowers.end();

    if (phase != p_fetch && !S.button_down && source && !source->wilted_flag && OnSource)
    {
        // The hand rests on the flower before it presses.
        Goal = source->position;
        Down = true;
        return;
    }
    if (phase != p_fetch && S.P.mode != play::m_drag_pollen)
    {
        phase = p_fetch; // the picked flowers ran dry, or the press missed
        source = nullptr;
    }

    if (phase == p_fetch)
    {
        Down = false;
        while (!to_empty.empty() && (to_empty.back()->wilted_flag || to_empty.back()->pollen < 0.1))
            to_empty.pop_back();
        if (!to_empty.empty())
            source = to_empty.back();
        else if (!source || source->wilted_flag || source->pollen < MIN_PRESS_POLLEN)
        {
            choose_herd(S.clock, Hive, Bees, horseflies_seen(V));
            source = choose_flower(V, herd, Hive);
        }
        if (!source)
        {
            // No pollen anywhere: wait by the hive, where bees drift home on their own.
            Goal = Hive;
            return;
        }
        Goal = source->position;
        if (OnSource && dist2d(Cursor, source->position) < 0.5 * source->radius)
        {
            Down = true;
            if (!to_empty.empty())
            {
                phase = p_empty;
                to_empty.pop_back();
                // The hand's rest comes before the press: it must not cut the emptying short.
                empty_until = S.clock + std::max(CAREFUL_PAUSE, S.H.press_pause) + source->pollen / 0.25 + 1.0;
            }
            else
                phase = p_reach;
        }
        return;
    }

    Down = true;
    if (phase == p_empty)
    {
        // Hold still until the flower has wilted. A drag that also picked a flower already
        // wilted drains the rest ever more slowly, so the hand lets go in time.
        Goal = Cursor;
        if (source->wilted_flag || source->pollen < 0.001 || S.clock > empty_until)
        {
            Down = false;
            phase = p_fetch;
            source = nullptr;
            best_home = HUGE_VAL; // the group gets a fresh chance
            progress_at = S.clock;
        }
        return;
    }
    double Left = 0.0;
    for (flower* F : S.P.drag_pollen_flowers) Left += F->pollen;
    if (Left < KEEP_POLLEN * S.P.drag_pollen_flowers.size())
    {
        // The bees keep circling the last of the scent for a while, so they wait where they are.
        Down = false;
        phase = p_fetch;
        source = nullptr;
        Goal = Cursor;
        return;
    }
    follow_herd(Bees);
    double Home = dist2d(herd, Hive);
    if (Home < best_home - 0.5)
    {
        best_home = Home;
        progress_at = S.clock;
    }
    else if (S.clock - progress_at > PATIENCE)
    {
        stuck(V, S.clock, Hive, Bees);
        Down = false;
        phase = p_fetch;
        source = nullptr;
        Goal = Cursor;
        return;
    }
    if (phase == p_reach)
    {
        Goal = herd;
        if (dist2d(Cursor, herd) < 0.6) phase = p_lead;
        return;
    }

    // Leading: step toward the hive while the swarm keeps close, wait for it otherwise.
    rpos Sum = mkrpos(0, 0, 0);
    int N = 0;
    for (bee* B : Bees)
        if (dist2d(B->position, Cursor) < SWARM_RADIUS)
        {
            Sum += B->position;
            N++;
        }
    double ToHive = dist2d(Cursor, Hive);
    if (N == 0 && ToHive > HOME_RADIUS)
    {
        // The swarm is lost: look for the next group while the scent lasts.
        choose_herd(S.clock, Hive, Bees, horseflies_seen(V));
        phase = p_reach;
        Goal = herd;
        return;
    }
    if (ToHive < 0.2)
    {
        Goal = Hive;
        // Everyone near is home: keep the rest of the pollen for the next group.
        if (N == 0) Down = false, phase = p_fetch, source = nullptr;
        return;
    }
    rpos Centre = N > 0 ? Sum / (double)N : Cursor;
    double Lag = dist2d(Centre, Cursor);
    double Speed = Lag > 0.9 ? 0.0 : LEAD_SPEED;
    Goal = Cursor + way_home(V, Cursor, Centre, Hive) * std::min(Speed * STEP, ToHive);
}

rpos herder::way_home(world& V, const rpos& Cursor, const rpos& Group, const rpos& Hive)
{
    rpos Ahead = Hive - Cursor;
    Ahead[2] = 0.0;
    Ahead = Ahead / std::hypot(Ahead[0], Ahead[1]);
    rpos Dir = Ahead;
    for (const rpos& F : horseflies_seen(V))
    {
        double D = dist2d(F, Group);
        if (D >= AVOID_REACH || D < 1e-6) continue;
        rpos Away = (Group - F) * ((AVOID_REACH - D) / AVOID_REACH / D);
        Away[2] = 0.0;
        double Back = Away[0] * Ahead[0] + Away[1] * Ahead[1];
        if (Back < 0.0) Away -= Ahead * Back;
        Dir += Away;
    }
    return Dir / std::hypot(Dir[0], Dir[1]);
}

rpos herder::all_levels_hive(world& V)
{
    for (ref<sprite>& S : V.sprites)
        if (S->sprite_type == sprite::st_hive) return mkrpos(S->position[0], S->position[1], 0.0);
    return mkrpos(0, 0, 0);
}

} // namespace player
