// A mark under every bee still out, so that a player can see and count them on grass, water and rock
// alike: a pale ring on a dark edge, turning pink while pollen scent pulls the bee and red while a horsefly
// is near. Each bee brought home flies into the hive as a spark, and has no mark from then on.
// The play screen updates it after each world update; it reads the world and draws no random number.
#pragma once

#include "vecco.h"

#include <vector>

class smellgrid;
class sprite;
class texture;
class world;

class bee_marks
{
public:
    struct bee_look
    {
        rpos at;
        float led;   // 0 to 1: how hard pollen scent pulls the bee one way
        bool danger; // a horsefly within reach
        bool home;
    };
    struct homecoming
    {
        rpos from;
        double born; // world time
    };

    std::vector<bee_look> bees;
    std::vector<homecoming> homecomings;
    std::vector<const sprite*> seen_home; // bees whose homecoming has been shown
    texture* mark = nullptr;              // made at the first drawing, then kept by the texture cache

    void clear();
    // After each world update; only the bees about the view the next drawing shows get their looks.
    void update(world& W, const rpos& ViewCenter);
    // At the bees' height, just under it: drawn after the world, the bees stay on top of their marks.
    void render_under(const rpos& ViewCenter);
    // Over everything, with blending on: the homecomings.
    void render_over(world& W) const;

    // The pull the pollen scent has on a bee at At: the mean of offsets a quarter to half a unit long,
    // weighted by the scent there, as the bee's own sniffing finds it, but on eight fixed offsets
    // instead of ten random ones. Zero where nothing smells.
    static rpos pull(smellgrid& Pollen, const rpos& At);
    // The mark's picture, Pixels square, its rim white to take the drawing's colour, the rest dark or clear.
    static std::vector<unsigned char> picture(int Pixels);
    // How led a bee at At looks, 0 to 1.
    static float led(smellgrid& Pollen, const rpos& At);
};
