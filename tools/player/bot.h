// A headless player: builds a level's world from a seed and plays it through the real play screen,
// the way a person does, by moving the mouse at human speed and pressing and releasing its button.
// Shared by the balance report (tools/play_report.cpp) and the player test.
//
// Needs the working directory to hold data/ (the maps), and no GL context: texture uploads without
// one are no-ops, so the world loads as in the game.
#pragma once

#include "bee.h"
#include "flower.h"
#include "horsefly.h"
#include "level.h"
#include "play.h"
#include "quorvel.h"
#include "world.h"

#include <SDL2/SDL.h>
#include <algorithm>
#include <cmath>
#include <vector>

namespace player {

const double STEP = 0.01;          // the game's frame at its pace of 100 frames a second
const double TIME_LIMIT = 600.0;   // ten minutes of play
const double MOUSE_SPEED = 3.0;    // picture heights a second: 30 world units, a quick hand
// A careful hand, nearer most people's: one picture height a second (600 pixels at 800x600), and a
// moment's rest on the spot before each press.
const double CAREFUL_SPEED = 1.0;
const double CAREFUL_PAUSE = 0.3;
// A new player's hand: the careful hand at half its pace, and a longer look before each press, to find
// the flower among the others and make sure the pointer sits on it before trusting the button.
const double NEW_SPEED = 0.5;
const double NEW_PAUSE = 0.8;
const double PICTURE_W = 4.0 / 3.0; // mouseloc's range across
const double LEAD_SPEED = 0.45;    // slower than a bee (0.5 on each axis), so the swarm keeps up
const double SWARM_RADIUS = 2.5;   // the drag's scent reaches about this far
const double HOME_RADIUS = 1.8;    // bees this close to the hive are already drawn in by its own scent
const double MIN_PRESS_POLLEN = 0.5; // two seconds of drag: less is not worth the trip
// Let go just before the picked flowers run dry: an emptied flower wilts for 15 seconds, one left
// with a trace of pollen grows again at once.
const double KEEP_POLLEN = 0.01;
// Kills this close to the hive are horseflies that reached home, not bees lost in the field.
const double HIVE_REACH = 3.0;
// A group not brought nearer home for this long is stuck; one the herder gives up on is left alone
// for a while.
const double PATIENCE = 20.0;
const double LEAVE_ALONE = 60.0;
// A horsefly smells bees up to 5 units off and flies a few units at a time toward them: a group
// with one this near is the next to be eaten, so it comes first.
const double THREAT_REACH = 6.0;
const double THREAT_PRIORITY = 30.0;
// Leading a group, the hand bends its way home around horseflies this near the group.
const double AVOID_REACH = 3.0;
// Bees by the hive with a horsefly this near are not home yet.
const double GUARD_REACH = 3.0;
// Kills this early come from water beside the place the bees appear, before any player could act.
const double EARLY = 10.0;
// Left alone, bees have found a flower by about now; a flower's scent reaches this far.
const double SETTLE = 30.0;
const double FLOWER_REACH = 2.0;

struct result
{
    int total_bees = 0;
    int rescued_bees = 0;
    int killed_bees = 0;
    int medals = 0;
    double end_time = -1.0; // seconds until every bee was home or dead; -1 if the time ran out
    int killed_near_hive = 0; // of killed_bees, those caught within HIVE_REACH of the hive
    int killed_early = 0;     // of killed_bees, those caught in the first EARLY seconds
    int killed_settling = 0;  // of killed_bees, those caught in the first SETTLE seconds
    int left = 0;             // bees neither home nor dead at the end
    int left_by_flower = 0;   // of those, the ones within FLOWER_REACH of a flower
};

// How the player's hand moves the mouse and presses its button.
struct hand
{
    double speed = MOUSE_SPEED; // picture heights a second
    double press_pause = 0.0;   // seconds of rest before each new press
    // As the game sees a real mouse: the pointer on whole pixels of a picture this high (0: anywhere),
    // the hand's own place kept finer, so that it still creeps at a bee's pace; and every frame drawn,
    // as the game draws it, which the horseflies' wings draw random numbers for.
    int pixels = 0;
    bool drawn = false;
};

inline hand careful_hand()
{
    hand H;
    H.speed = CAREFUL_SPEED;
    H.press_pause = CAREFUL_PAUSE;
    return H;
}

inline hand new_hand()
{
    hand H;
    H.speed = NEW_SPEED;
    H.press_pause = NEW_PAUSE;
    return H;
}

inline double dist2d(const rpos& A, const rpos& B) { return std::hypot(A[0] - B[0], A[1] - B[1]); }

// One level in play, driven frame by frame like the game's own loop: mouse, events, update.
class session
{
public:
    ref<world> W;
    play P;
    rloc mouse;
    bool button_down = false;
    double clock = 0.0;
    hand H;
    double rested = 0.0; // seconds the hand has waited to press

    session(int LevelIndex, unsigned long Seed, const hand& Hand = hand())
        : session(all_levels[LevelIndex], Seed, Hand)
    {
    }

    // A level that need not be in the game's table: the second set's records are played this way.
    session(level& Level, unsigned long Seed, const hand& Hand = hand()) : H(Hand)
    {
        W = mkref(new world);
        W->init(Level, Seed);
        P.init_level(W);
        mouse = mkrloc(PICTURE_W / 2, 0.5); // where the pointer rests when the level opens
    }

    world& wld() { return *W.ptr(); }
    bool over() const { return P.quit_flag; }

    // Where the hand means to point: the world's cursor, and what lies between the pixels besides.
    rpos cursor() const
    {
        const rpos& C = W.ptr()->cursor;
        if (H.pixels == 0) return mkrpos(C[0], C[1], 0.0);
        return mkrpos(C[0] + 10.0 * (mouse[0] - mouseloc[0]), C[1] + 10.0 * (mouse[1] - mouseloc[1]), 0.0);
    }

    // One frame: the mouse moves toward the picture point that shows Goal (at most the hand's speed,
    // and never off the picture, which makes the game scroll when Goal is out of view), the button
    // goes down (once the hand has rested) or up as asked, then the play screen updates.
    void frame(const rpos& Goal, bool WantDown)
    {
        const rpos& View = P.R.view_center;
        double GoalX = std::clamp((Goal[0] - View[0]) / 10.0, 0.0, PICTURE_W);
        double GoalY = std::clamp((Goal[1] - View[1]) / 10.0, 0.0, 1.0);
        double DX = GoalX - mouse[0], DY = GoalY - mouse[1];
        double D = std::hypot(DX, DY);
        double Max = H.speed * STEP;
        if (D > Max)
        {
            DX *= Max / D;
            DY *= Max / D;
        }
        mouse[0] = std::clamp(mouse[0] + DX, 0.0, PICTURE_W);
        mouse[1] = std::clamp(mouse[1] + DY, 0.0, 1.0);
        mouseloc = mouse;
        if (H.pixels > 0)
            mouseloc = mkrloc(std::round(mouse[0] * H.pixels) / H.pixels, std::round(mouse[1] * H.pixels) / H.pixels);

        if (!WantDown || button_down)
            rested = 0.0;
        else if (rested < H.press_pause - 1e-9)
        {
            rested += STEP;
            WantDown = false;
        }
        if (WantDown != button_down)
        {
            SDL_Event E;
            SDL_zero(E);
            E.type = WantDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
            E.button.button = SDL_BUTTON_LEFT;
            E.button.state = WantDown ? SDL_PRESSED : SDL_RELEASED;
            P.notice(E);
            button_down = WantDown;
        }
        P.update(STEP);
        if (H.drawn) W->spend_draws();
        clock += STEP;
    }

    // Bees killed in the last frame: the world sweeps the dead at the start of its next update, so
    // each is listed for exactly one frame.
    int fresh_kills_near(const rpos& Where, double Reach)
    {
        int N = 0;
        for (ref<sprite>& S : W->sprites)
            if (S->sprite_type == sprite::st_bee && S->dead && dist2d(S->position, Where) < Reach) N++;
        return N;
    }

    result outcome() const
    {
        result R;
        world& V = *W.ptr();
        R.total_bees = V.total_bees;
        R.rescued_bees = V.rescued_bees;
        R.killed_bees = V.killed_bees;
        R.medals = medals_for(V.rescued_bees, V.medal_bees);
        if (P.quit_flag) R.end_time = clock;
        return R;
    }
};

inline std::vector<bee*> bees_in_play(world& V)
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

inline std::vector<flower*> all_flowers(world& V)
{
    std::vector<flower*> Flowers;
    for (ref<sprite>& S : V.sprites)
        if (S->sprite_type == sprite::st_flower) Flowers.push_back(static_cast<flower*>(S.ptr()));
    return Flowers;
}

// The horseflies where the picture shows them, or would once scrolled there: their positions, nothing
// of what they are about to do.
inline std::vector<rpos> horseflies_seen(world& V)
{
    std::vector<rpos> Flies;
    for (ref<sprite>& S : V.sprites)
        if (S->sprite_type == sprite::st_horsefly) Flies.push_back(mkrpos(S->position[0], S->position[1], 0.0));
    return Flies;
}

inline double nearest(const std::vector<rpos>& Spots, const rpos& Where)
{
    double Best = HUGE_VAL;
    for (const rpos& P : Spots) Best = std::min(Best, dist2d(P, Where));
    return Best;
}

// A patient herder: fetch pollen from the flower nearest to the next group of bees, carry the drag
// to them and walk them home at a bee's pace, then go for more pollen. Bees sitting among several
// flowers smell those more than a drag and stay: when a group has not come nearer home for a while,
// the herder presses on the flowers around it until they wilt, and failing that tries other bees. It
// watches the horseflies: bees one is coming for go first, the way home bends around them, and bees
// waiting by the hive while one lurks there are walked in.
class herder
{
public:
    enum phases
    {
        p_fetch, // going to a flower, button up
        p_reach, // button down, carrying the scent to the bees
        p_lead,  // button down, walking the bees home
        p_empty  // button down on a flower the bees sit by, until it wilts
    };

    phases phase = p_fetch;
    rpos herd;   // where the group to bring home is
    rpos goal;   // where the cursor is going
    flower* source = nullptr;
    double best_home = HUGE_VAL;   // the nearest to the hive this group has come
    double progress_at = 0.0;      // when it last came nearer
    std::vector<flower*> to_empty; // flowers holding the group, to press on next
    rpos emptied_at = mkrpos(-1e9, -1e9, 0); // where flowers were last emptied for a stuck group
    double empty_until = 0.0;      // when to give up on the flower being emptied
    std::vector<std::pair<rpos, double>> left_alone; // groups given up on, and until when

    // Bees by the hive drift in on their own, unless a horsefly waits there for them.
    static bool at_home(const rpos& Where, const rpos& Hive, const std::vector<rpos>& Flies)
    {
        return dist2d(Where, Hive) < HOME_RADIUS && nearest(Flies, Where) >= GUARD_REACH;
    }

    bool is_left_alone(const rpos& Where, double Clock) const
    {
        for (const auto& Spot : left_alone)
            if (Spot.second > Clock && dist2d(Spot.first, Where) < SWARM_RADIUS) return true;
        return false;
    }

    void choose_herd(double Clock, const rpos& Hive, const std::vector<bee*>& Bees, const std::vector<rpos>& Flies)
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

    flower* choose_flower(world& V, const rpos& Near, const rpos& Hive)
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

    // Recentres the herd on the bees near it, so the drag finds them where they have drifted.
    void follow_herd(const std::vector<bee*>& Bees)
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

    // The group has not come nearer home for PATIENCE seconds: list the flowers it sits among, or
    // give it up for a while if there are none.
    void stuck(world& V, double Clock, const rpos& Hive, const std::vector<bee*>& Bees)
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

    // Decides this frame's cursor goal and button for session S.
    void think(session& S, rpos& Goal, bool& Down)
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

    // The direction to lead in: toward the hive, bent sideways away from horseflies near the group,
    // never back, so the group still comes nearer home.
    static rpos way_home(world& V, const rpos& Cursor, const rpos& Group, const rpos& Hive)
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

    static rpos all_levels_hive(world& V)
    {
        for (ref<sprite>& S : V.sprites)
            if (S->sprite_type == sprite::st_hive) return mkrpos(S->position[0], S->position[1], 0.0);
        return mkrpos(0, 0, 0);
    }
};

// Plays a level to its end or the time limit. Passive never presses and never moves the mouse.
inline result play_level(level& Level, unsigned long Seed, bool Passive, double Limit = TIME_LIMIT,
                         const hand& Hand = hand())
{
    session S(Level, Seed, Hand);
    herder H;
    rpos Hive = herder::all_levels_hive(S.wld());
    int NearHive = 0, Early = 0, Settling = 0;
    long Frames = (long)(Limit / STEP + 0.5);
    for (long F = 0; F < Frames && !S.over(); F++)
    {
        rpos Goal = S.cursor();
        bool Down = false;
        if (Passive)
            Goal = mkrpos(S.P.R.view_center[0] + 10.0 * S.mouse[0], S.P.R.view_center[1] + 10.0 * S.mouse[1], 0);
        else
            H.think(S, Goal, Down);
        S.frame(Goal, Down);
        NearHive += S.fresh_kills_near(Hive, HIVE_REACH);
        if (S.clock <= EARLY + 1e-9) Early = S.wld().killed_bees;
        if (S.clock <= SETTLE + 1e-9) Settling = S.wld().killed_bees;
    }
    result R = S.outcome();
    R.killed_near_hive = NearHive;
    R.killed_early = Early;
    R.killed_settling = Settling;
    std::vector<flower*> Flowers = all_flowers(S.wld());
    for (bee* B : bees_in_play(S.wld()))
    {
        R.left++;
        if (std::any_of(Flowers.begin(), Flowers.end(),
                        [&](flower* F) { return dist2d(F->position, B->position) < FLOWER_REACH; }))
            R.left_by_flower++;
    }
    return R;
}

inline result play_level(int LevelIndex, unsigned long Seed, bool Passive, double Limit = TIME_LIMIT,
                         const hand& Hand = hand())
{
    return play_level(all_levels[LevelIndex], Seed, Passive, Limit, Hand);
}

} // namespace player
