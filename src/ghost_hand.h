// Level 1's lesson: until the player's first press, a ghost hand plays the gesture the demonstration
// plays, over and over: onto a full flower in view, a moment's rest, a press, a drag toward the hive, let
// go; with one line of words under it. The play screen shows it only on level 1 and never in a replay.
#pragma once

#include "vecco.h"

class flower;
class font;
class world;

class ghost_hand
{
public:
    bool gone_flag;      // the player has pressed
    const flower* from;  // borrowed from the world, chosen once in view; null before
    rpos hive;

    ghost_hand();

    // A new level: nothing chosen, and it shows again.
    void clear();
    void press();
    // After the world's update: chooses the flower, the one in the view at ViewCenter nearest the bees,
    // and again if that one wilts or leaves the view.
    void update(world& W, const rpos& ViewCenter);
    // Where the hand is Time seconds into the level, whether its button is down, and how far along the
    // drag it is (0 to 1); false between two gestures, or with no flower chosen.
    bool pose(double Time, rpos& At, bool& Down, double& Along) const;
    // The hand and its trail, in the world's frame, with blending on.
    void render(double Time) const;
    // The words, in the picture's frame.
    void render_words(const font& Letters) const;
};
