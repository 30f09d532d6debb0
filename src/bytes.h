// Little-endian bytes for the game's binary formats (replays, level codes): fixed-size words, exact
// doubles and zigzag varints written one after another, and read back with every read checked: a read
// past the end gives 0 and clears ok for good.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class byte_writer
{
public:
    std::string out;

    void byte(unsigned V);
    void word(uint64_t V, int Bytes);
    void real(double V);
    void varint(int64_t V); // small of either sign, small in bytes
};

class byte_reader
{
public:
    const std::string& in;
    size_t at = 0;
    bool ok = true;

    explicit byte_reader(const std::string& In) : in(In) {}
    unsigned byte();
    uint64_t word(int Bytes);
    double real();
    // No more than 36 bits' worth: a longer one is no number of ours.
    int64_t varint();
};
