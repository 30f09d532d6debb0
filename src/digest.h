// FNV-1a over 64 bits: the one digest of the game and its tests, which tells a replay's level and the
// world it ended in from any other, and a drawn frame from the one recorded.
#pragma once

#include <cstddef>
#include <cstdint>

class digest
{
public:
    uint64_t value = 1469598103934665603ull;

    void add(const void* Bytes, size_t Count);
};
