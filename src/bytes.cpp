#include "bytes.h"

#include <cstring>

void byte_writer::byte(unsigned V)
{
    out.push_back((char)(V & 0xff));
}

void byte_writer::word(uint64_t V, int Bytes)
{
    for (int b = 0; b < Bytes; b++) byte((unsigned)(V >> (8 * b)));
}

void byte_writer::real(double V)
{
    uint64_t Bits;
    std::memcpy(&Bits, &V, 8);
    word(Bits, 8);
}

void byte_writer::varint(int64_t V)
{
    uint64_t U = ((uint64_t)V << 1) ^ (uint64_t)(V >> 63); // zigzag
    for (; U >= 0x80; U >>= 7) byte((unsigned)(U & 0x7f) | 0x80);
    byte((unsigned)U);
}

unsigned byte_reader::byte()
{
    if (at >= in.size()) return ok = false, 0;
    return (unsigned char)in[at++];
}

uint64_t byte_reader::word(int Bytes)
{
    uint64_t V = 0;
    for (int b = 0; b < Bytes; b++) V |= (uint64_t)byte() << (8 * b);
    return V;
}

double byte_reader::real()
{
    uint64_t Bits = word(8);
    double V;
    std::memcpy(&V, &Bits, 8);
    return V;
}

int64_t byte_reader::varint()
{
    uint64_t U = 0;
    for (int Shift = 0; ok; Shift += 7)
    {
        unsigned B = byte();
        if (Shift > 35) return ok = false, 0;
        U |= (uint64_t)(B & 0x7f) << Shift;
        if (!(B & 0x80)) break;
    }
    return (int64_t)(U >> 1) ^ -(int64_t)(U & 1);
}
