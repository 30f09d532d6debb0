#include "level_code.h"

#include "bytes.h"
#include "digest.h"
#include "level_file.h"

#include <algorithm>

namespace {
const char* const PREFIX = "qb1.";
const char ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"; // safe in a link
const size_t CHECK = 3;              // bytes of checksum at the end
const size_t LONGEST_CODE = 16 << 10; // characters: far past any level's code

std::string to_text(const std::string& Bytes)
{
    std::string Out;
    for (size_t a = 0; a < Bytes.size(); a += 3)
    {
        uint32_t V = 0;
        size_t N = std::min<size_t>(3, Bytes.size() - a);
        for (size_t b = 0; b < 3; b++) V = V << 8 | (b < N ? (unsigned char)Bytes[a + b] : 0);
        for (size_t c = 0; c < N + 1; c++) Out += ALPHABET[(V >> (18 - 6 * c)) & 63];
    }
    return Out;
}

bool from_text(const std::string& Text, std::string& Bytes)
{
    uint32_t V = 0;
    int Bits = 0;
    for (char C : Text)
    {
        const char* At = std::find(ALPHABET, ALPHABET + 64, C);
        if (At == ALPHABET + 64) return false;
        V = V << 6 | (uint32_t)(At - ALPHABET);
        if ((Bits += 6) >= 8) Bits -= 8, Bytes.push_back((char)(V >> Bits));
    }
    return Bits < 6; // six bits left over make no whole byte: a character too many
}

// A binary range coder, each bit coded by an adaptive probability of its being 0, out of 2048.
class bit_coder
{
public:
    std::string out;
    void code(uint16_t& P, int Bit)
    {
        uint32_t Bound = (range >> 11) * P;
        if (Bit)
            low += Bound, range -= Bound, P -= P >> 5;
        else
            range = Bound, P += (2048 - P) >> 5;
        while (range < (1u << 24)) range <<= 8, shift();
    }
    void finish()
    {
        for (int a = 0; a < 5; a++) shift();
    }

private:
    uint64_t low = 0;
    uint32_t range = 0xFFFFFFFF;
    uint8_t cache = 0;
    uint64_t pending = 1;
    void shift()
    {
        if ((uint32_t)low < 0xFF000000u || (low >> 32) != 0)
        {
            uint8_t Carry = (uint8_t)(low >> 32);
            for (uint8_t Byte = cache; pending; pending--, Byte = 0xFF) out.push_back((char)(uint8_t)(Byte + Carry));
            cache = (uint8_t)(low >> 24);
        }
        pending++;
        low = (low & 0x00FFFFFFu) << 8;
    }
};

class bit_decoder
{
public:
    bit_decoder(const std::string& In, size_t At, size_t End) : in(In), at(At), end(End)
    {
        for (int a = 0; a < 5; a++) code = code << 8 | next();
    }
    int decode(uint16_t& P)
    {
        uint32_t Bound = (range >> 11) * P;
        int Bit = code >= Bound;
        if (Bit)
            code -= Bound, range -= Bound, P -= P >> 5;
        else
            range = Bound, P += (2048 - P) >> 5;
        while (range < (1u << 24)) range <<= 8, code = code << 8 | next();
        return Bit;
    }

private:
    const std::string& in;
    size_t at, end;
    uint32_t code = 0, range = 0xFFFFFFFF;
    uint32_t next() { return at < end ? (unsigned char)in[at++] : 0; } // past the end: zeros, which the checksum refuses
};

// How a tile is told from its neighbours: the same as the one to its left? Else the same as the one above?
// Else its colour in full. Each question asked in a context of what the neighbours already show.
struct tile_model
{
    uint16_t same_left[4], same_above[3], colour[64];
    tile_model()
    {
        std::fill(std::begin(same_left), std::end(same_left), 1024);
        std::fill(std::begin(same_above), std::end(same_above), 1024);
        std::fill(std::begin(colour), std::end(colour), 1024);
    }
};

int bits_for(size_t Colours)
{
    int Bits = 0;
    while ((size_t)1 << Bits < Colours) Bits++;
    return Bits;
}

// Codes (Coder set) or decodes (Decoder set) the colour index of each tile in turn; false where a decoded
// index names no colour.
template <class Step>
bool walk_tiles(int W, int H, std::vector<int>& Index, int Bits, size_t Colours, Step step)
{
    tile_model M;
    for (int Y = 0; Y < H; Y++)
        for (int X = 0; X < W; X++)
        {
            const size_t i = (size_t)Y * W + X;
            const int L = X > 0 ? Index[i - 1] : -1, A = Y > 0 ? Index[i - W] : -1, AL = X > 0 && Y > 0 ? Index[i - W - 1] : -1;
            if (X > 0 && step(M.same_left[Y == 0 ? 0 : A == L ? 1 : AL == L ? 2 : 3], Index[i] == L))
            {
                Index[i] = L;
                continue;
            }
            if (Y > 0 && A != L && step(M.same_above[X == 0 ? 0 : AL == L ? 1 : 2], Index[i] == A))
            {
                Index[i] = A;
                continue;
            }
            int Node = 1, Value = 0;
            for (int b = Bits - 1; b >= 0; b--)
            {
                int Bit = step(M.colour[Node], (Index[i] >> b) & 1);
                Node = Node * 2 + Bit, Value = Value * 2 + Bit;
            }
            if ((size_t)Value >= Colours) return false;
            Index[i] = Value;
        }
    return true;
}

uint32_t check_of(const std::string& Bytes, size_t Length)
{
    digest D;
    D.add(Bytes.data(), Length);
    return (uint32_t)(D.value & 0xFFFFFF);
}
} // namespace

std::string level_code(const level_data& L)
{
    byte_writer Out;
    for (const std::string* Text : {&L.name, &L.line})
    {
        Out.varint((int64_t)Text->size());
        Out.out += *Text;
    }
    for (int V : {L.w, L.h, (int)L.hive_pos[0], (int)L.hive_pos[1], L.num_flowers, L.num_flies, L.num_bees, L.medal_bees[0],
                  L.medal_bees[1], L.medal_bees[2]})
        Out.varint(V);
    std::vector<uint32_t> Colours;
    std::vector<int> Index;
    for (size_t t = 0; t < L.rgb.size(); t += 3)
    {
        uint32_t C = (uint32_t)L.rgb[t] << 16 | (uint32_t)L.rgb[t + 1] << 8 | L.rgb[t + 2];
        size_t At = std::find(Colours.begin(), Colours.end(), C) - Colours.begin();
        if (At == Colours.size()) Colours.push_back(C);
        Index.push_back((int)At);
    }
    Out.varint((int64_t)Colours.size());
    for (uint32_t C : Colours) Out.word(C, 3);
    bit_coder Coder;
    walk_tiles(L.w, L.h, Index, bits_for(Colours.size()), Colours.size(), [&](uint16_t& P, int Bit) {
        Coder.code(P, Bit);
        return Bit;
    });
    Coder.finish();
    Out.out += Coder.out;
    Out.word(check_of(Out.out, Out.out.size()), CHECK);
    return PREFIX + to_text(Out.out);
}

bool read_level_code(const std::string& Text, level_data& Out, std::string& Problem)
{
    auto refuse = [&](const std::string& Why) {
        Problem = Why;
        return false;
    };
    if (Text.size() > LONGEST_CODE) return refuse("longer than any level's code");
    size_t Start = Text.find(PREFIX);
    if (Start == std::string::npos)
    {
        size_t Other = Text.find("qb");
        bool Versioned = Other != std::string::npos && Other + 3 < Text.size() && Text[Other + 2] >= '0' && Text[Other + 2] <= '9';
        return refuse(Versioned ? "a level code of another version" : "no Quorvel Bees level code");
    }
    // The code runs to the first character that cannot be in one: a link's end, a blank, a full stop.
    size_t End = Start + std::string(PREFIX).size();
    while (End < Text.size() && std::find(ALPHABET, ALPHABET + 64, Text[End]) != ALPHABET + 64) End++;
    std::string Bytes;
    if (!from_text(Text.substr(Start + 4, End - Start - 4), Bytes) || Bytes.size() <= CHECK) return refuse("a level code cut short");
    const size_t Body = Bytes.size() - CHECK;
    byte_reader Tail(Bytes);
    Tail.at = Body;
    if (Tail.word(CHECK) != check_of(Bytes, Body)) return refuse("a level code damaged or cut short");

    byte_reader In(Bytes);
    level_data L;
    for (std::string* Field : {&L.name, &L.line})
    {
        int64_t N = In.varint();
        if (!In.ok || N < 0 || (size_t)N > Body - In.at) return refuse("a level code that makes no sense");
        *Field = Bytes.substr(In.at, (size_t)N);
        In.at += (size_t)N;
    }
    int64_t V[10];
    for (int64_t& Value : V)
    {
        Value = In.varint();
        if (Value < 0 || Value > 100000) return refuse("a level code that makes no sense");
    }
    L.w = (int)V[0], L.h = (int)V[1];
    L.hive_pos = mkrpos((double)V[2], (double)V[3], 0);
    L.num_flowers = (int)V[4], L.num_flies = (int)V[5], L.num_bees = (int)V[6];
    for (int m = 0; m < 3; m++) L.medal_bees[m] = (int)V[7 + m];
    int64_t Colours = In.varint();
    if (!In.ok || L.w < LEVEL_LEAST_W || L.w > LEVEL_MOST_W || L.h < LEVEL_LEAST_H || L.h > LEVEL_MOST_H || Colours < 1 ||
        Colours > LEVEL_MOST_COLOURS)
        return refuse("a level code that makes no sense");
    std::vector<uint32_t> Palette;
    for (int64_t c = 0; c < Colours; c++) Palette.push_back((uint32_t)In.word(3));
    if (!In.ok || In.at > Body) return refuse("a level code cut short");
    bit_decoder Decoder(Bytes, In.at, Body);
    std::vector<int> Index((size_t)L.w * L.h, 0);
    if (!walk_tiles(L.w, L.h, Index, bits_for(Palette.size()), Palette.size(), [&](uint16_t& P, int) { return Decoder.decode(P); }))
        return refuse("a level code that makes no sense");
    for (int I : Index) L.rgb.insert(L.rgb.end(), {(uint8_t)(Palette[I] >> 16), (uint8_t)(Palette[I] >> 8), (uint8_t)Palette[I]});
    if (!level_sound(L, Problem)) return false;
    Out = std::move(L);
    return true;
}

std::string level_link(const std::string& PageAddress, const level_data& L)
{
    return PageAddress + "#level=" + level_code(L);
}
