// The drag's path drawn over the world: each puff of pollen scent a drag lays, from the flower pressed to
// the hand, fading as the pollen grid fades the scent, so that a player sees in a drag's first second what
// it does. The play screen tells it what each step laid; it reads nothing else and draws no random number.
#pragma once

#include "vecco.h"

#include <vector>

class trail
{
public:
    struct puff
    {
        rpos at;
        double scent;     // as laid, faded by every update since, as the grid fades its cells
        bool start_flag;  // the first puff of a drag: not joined to the puff before it
    };

    std::vector<puff> puffs; // oldest first
    bool held_flag;          // the drag goes on: the trail's head reaches to the hand
    rpos hand;

    trail();

    void clear();
    // The drag let go and pressed anew between two steps: the next puff starts a new path.
    void lift();
    // After the world's update: every puff fades once; Scent laid at LaidAt (0: none) adds one, after the
    // flower at From when it begins a path. Held and Hand: the drag as the step left it.
    void update(double Scent, const rpos& LaidAt, const rpos& From, bool Held, const rpos& Hand);
    // Drawn in the world's frame, between the flowers and the bees.
    void render() const;

    // How strongly scent is drawn, 0 to 1: a frame's full drag at once, nothing once the grid has faded
    // it for a second and a half of frames, in even steps between, as a player's eye reads a fading trail.
    static double shown(double Scent);
    // The faintest scent drawn.
    static double faintest();
    // A soft ribbon along Points, as strong as Alphas, Middle along its line turning to Edge and fading to
    // nothing at its edges; the caller switches blending on and off round it.
    static void draw_ribbon(const std::vector<rpos>& Points, const std::vector<float>& Alphas, double HalfWidth,
                            const fcolor& Middle, const fcolor& Edge, double Z);
};
