// Where a level played from its data keeps its best medals, by the level's key: the player's own levels,
// or the second set.
#pragma once

#include <cstdint>

class medal_keeper
{
public:
    virtual ~medal_keeper() = default;
    virtual int medals_of(uint64_t Key) const = 0;
    // A play of the level with Key earned Medals: kept, and stored at once, when better than before.
    virtual void record(uint64_t Key, int Medals) = 0;
};
