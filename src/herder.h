// The careful herder of the balance report, and whatever else plays a level headless through a session
// (play_session.h): it fetches pollen from a full flower near the next group of bees, carries the drag
// to them and walks them home at a bee's pace; it watches the horseflies where the picture shows them.
// The balance report, the demonstrations and the editor's verdict share it, so all three play alike.
#pragma once

#include "bee.h"
#include "flower.h"
#include "level.h"
#include "level_data.h"
#include "play_session.h"
#include "world.h"

#include <vector>

namespace player {

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

std::vector<bee*> bees_in_play(world& V);
std::vector<flower*> all_flowers(world& V);
// The horseflies where the picture shows them, or would once scrolled there: their positions, nothing
// of what they are about to do.
std::vector<rpos> horseflies_seen(world& V);
double nearest(const std::vector<rpos>& Spots, const rpos& Where);

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
    static bool at_home(const rpos& Where, const rpos& Hive, const std::vector<rpos>& Flies);
    bool is_left_alone(const rpos& Where, double Clock) const;
    void choose_herd(double Clock, const rpos& Hive, const std::vector<bee*>& Bees, const std::vector<rpos>& Flies);
    flower* choose_flower(world& V, const rpos& Near, const rpos& Hive);
    // Recentres the herd on the bees near it, so the drag finds them where they have drifted.
    void follow_herd(const std::vector<bee*>& Bees);
    // The group has not come nearer home for PATIENCE seconds: list the flowers it sits among, or
    // give it up for a while if there are none.
    void stuck(world& V, double Clock, const rpos& Hive, const std::vector<bee*>& Bees);
    // Decides this frame's cursor goal and button for session S.
    void think(session& S, rpos& Goal, bool& Down);
    // The direction to lead in: toward the hive, bent sideways away from horseflies near the group,
    // never back, so the group still comes nearer home.
    static rpos way_home(world& V, const rpos& Cursor, const rpos& Group, const rpos& Hive);
    static rpos all_levels_hive(world& V);
};

} // namespace player
