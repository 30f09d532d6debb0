// The ring round a flower that says how much pollen it holds while the hand is on it or drags from it,
// emptying toward red as it runs dry, and round a wilted one how much of its wilting is over. Reads the
// flowers only.
#pragma once

#include <vector>

class flower;
class world;

class pollen_gauge
{
public:
    enum kinds
    {
        g_none,
        g_pollen, // share of the pollen it can hold
        g_wilted  // share of the wilting gone by
    };
    struct reading
    {
        kinds kind;
        double fill; // 0 to 1
    };

    // What the ring round F shows; Held: the hand is on it or drags from it.
    static reading read(const flower& F, bool Held);
    // Round every flower of W that shows one, in the world's frame, with blending on; Held are the flowers
    // of the drag.
    void render(world& W, const std::vector<flower*>& Held) const;
};
