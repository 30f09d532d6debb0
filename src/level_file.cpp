#include "level_file.h"

#include "digest.h"
#include "hsv.h"
#include "level.h"
#include "loadtga.h"
#include "safe_file.h"
#include "text.h"
#include "world.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {
const char* const HEADER = "quorvel-bees level 1";
const size_t LARGEST_FILE = 64 << 10; // a 64 by 64 map with every colour is a few kilobytes
const char KEYS[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// Characters, not bytes, of a UTF-8 text known to be well formed.
size_t characters(const std::string& Text)
{
    size_t N = 0;
    for (unsigned char C : Text) N += (C & 0xC0) != 0x80;
    return N;
}

// Well-formed UTF-8 without control characters: what a name or a line may hold.
bool plain_text(const std::string& Text)
{
    for (int C : utf8_code_points(Text))
        if (C < 0x20 || (C >= 0x7F && C < 0xA0)) return false; // malformed ones are -1
    return true;
}

bool whole_number(const std::string& Text, int Least, int Most, int& Out)
{
    if (Text.empty() || Text.size() > 6) return false;
    int V = 0;
    for (char C : Text)
    {
        if (C < '0' || C > '9') return false;
        V = V * 10 + (C - '0');
    }
    if (V < Least || V > Most) return false;
    Out = V;
    return true;
}

std::vector<std::string> words(const std::string& Text)
{
    std::vector<std::string> Out;
    std::istringstream In(Text);
    for (std::string W; In >> W;) Out.push_back(W);
    return Out;
}
} // namespace

uint64_t level_key(const level_data& L)
{
    digest D;
    const int32_t Numbers[] = {L.w, L.h, (int32_t)(L.hive_pos[0] * 1000), (int32_t)(L.hive_pos[1] * 1000), L.num_flowers, L.num_flies,
                               L.num_bees, L.medal_bees[0], L.medal_bees[1], L.medal_bees[2]};
    for (int32_t N : Numbers)
    {
        const uint8_t Bytes[4] = {(uint8_t)N, (uint8_t)(N >> 8), (uint8_t)(N >> 16), (uint8_t)(N >> 24)};
        D.add(Bytes, 4);
    }
    D.add(L.rgb.data(), L.rgb.size());
    return D.value;
}

std::string key_text(uint64_t Key)
{
    char Text[17];
    for (int a = 0; a < 16; a++) Text[a] = "0123456789abcdef"[(Key >> (60 - 4 * a)) & 15];
    Text[16] = 0;
    return Text;
}

bool level_sound(const level_data& L, std::string& Problem)
{
    auto refuse = [&](const std::string& Why) {
        Problem = Why;
        return false;
    };
    if (L.w < LEVEL_LEAST_W || L.w > LEVEL_MOST_W || L.h < LEVEL_LEAST_H || L.h > LEVEL_MOST_H)
        return refuse("a map of " + std::to_string(L.w) + " by " + std::to_string(L.h) + " tiles (from 10 by 8 to 64 by 64)");
    if (L.rgb.size() != (size_t)L.w * L.h * 3) return refuse("a map of the wrong number of tiles");
    if (L.name.empty() || characters(L.name) > LEVEL_LONGEST_NAME || !plain_text(L.name)) return refuse("no name a level can have");
    if (characters(L.line) > LEVEL_LONGEST_LINE || !plain_text(L.line)) return refuse("an opening line a level cannot have");
    if (!(L.hive_pos[0] >= 0 && L.hive_pos[0] <= L.w && L.hive_pos[1] >= 0 && L.hive_pos[1] <= L.h))
        return refuse("the hive off the map");
    if (L.num_flowers < 0 || L.num_flowers > LEVEL_MOST_FLOWERS || L.num_flies < 0 || L.num_flies > LEVEL_MOST_FLIES ||
        L.num_bees < 1 || L.num_bees > LEVEL_MOST_BEES)
        return refuse("flowers, horseflies or bees out of bounds");
    for (int M : L.medal_bees)
        if (M < 1 || M > 1000) return refuse("a medal's bees out of bounds");
    // Flowers and bees are placed on grass and horseflies over water, drawn again until they land there.
    int Grass = 0, Water = 0;
    world Kinds;
    for (size_t t = 0; t < L.rgb.size(); t += 3)
    {
        fcolor C = mkfcolor(L.rgb[t] / 255.0f, L.rgb[t + 1] / 255.0f, L.rgb[t + 2] / 255.0f, 1.0f);
        world::tile_types Kind = Kinds.hue_to_tile_type((double)rgb_to_hsv(C)[0]);
        Grass += Kind == world::tt_grass, Water += Kind == world::tt_water;
    }
    if (Grass == 0) return refuse("no grass for its flowers and bees");
    std::vector<uint32_t> Colours;
    for (size_t t = 0; t < L.rgb.size() && Colours.size() <= (size_t)LEVEL_MOST_COLOURS; t += 3)
    {
        uint32_t C = (uint32_t)L.rgb[t] << 16 | (uint32_t)L.rgb[t + 1] << 8 | L.rgb[t + 2];
        if (std::find(Colours.begin(), Colours.end(), C) == Colours.end()) Colours.push_back(C);
    }
    if (Colours.size() > (size_t)LEVEL_MOST_COLOURS) return refuse("more than 62 colours");
    if (L.num_flies > 0 && Water == 0) return refuse("no water for its horseflies");
    return true;
}

std::string write_level_file(const level_data& L)
{
    std::ostringstream Out;
    Out << HEADER << "\n";
    Out << "name: " << L.name << "\n";
    if (!L.line.empty()) Out << "line: " << L.line << "\n";
    Out << "size: " << L.w << " " << L.h << "\n";
    Out << "hive: " << (int)L.hive_pos[0] << " " << (int)L.hive_pos[1] << "\n";
    Out << "flowers: " << L.num_flowers << "\n";
    Out << "horseflies: " << L.num_flies << "\n";
    Out << "bees: " << L.num_bees << "\n";
    Out << "medals: " << L.medal_bees[0] << " " << L.medal_bees[1] << " " << L.medal_bees[2] << "\n";
    // The colours in the order the map first uses them, a letter or digit each.
    std::vector<uint32_t> Colours;
    std::string Map;
    for (size_t t = 0; t < L.rgb.size(); t += 3)
    {
        uint32_t C = (uint32_t)L.rgb[t] << 16 | (uint32_t)L.rgb[t + 1] << 8 | L.rgb[t + 2];
        size_t Index = 0;
        while (Index < Colours.size() && Colours[Index] != C) Index++;
        if (Index == Colours.size()) Colours.push_back(C);
        Map += Index < (size_t)LEVEL_MOST_COLOURS ? KEYS[Index] : '?';
        if ((t / 3 + 1) % L.w == 0) Map += '\n';
    }
    Out << "colours:\n";
    for (size_t c = 0; c < Colours.size(); c++)
    {
        char Hex[8];
        std::snprintf(Hex, sizeof Hex, "%06x", Colours[c]);
        Out << (c < (size_t)LEVEL_MOST_COLOURS ? KEYS[c] : '?') << " " << Hex << "\n";
    }
    Out << "map:\n" << Map;
    return Out.str();
}

namespace {
// The format alone: every field in its place and within its bounds, whether or not a world can be built.
bool parse_level(const std::string& Bytes, level_data& L, std::string& Problem)
{
    auto refuse = [&](const std::string& Why) {
        Problem = Why;
        return false;
    };
    if (Bytes.size() > LARGEST_FILE) return refuse("larger than any level");
    std::vector<std::string> Lines;
    std::istringstream In(Bytes);
    for (std::string Line; std::getline(In, Line);)
    {
        if (!Line.empty() && Line.back() == '\r') Line.pop_back(); // written on another system
        Lines.push_back(Line);
    }
    if (Lines.empty() || Lines[0] != HEADER)
        return refuse(Lines.empty() || Lines[0].rfind("quorvel-bees level ", 0) != 0 ? "not a Quorvel Bees level"
                                                                                      : "a level of another version");
    bool Mapped = false;
    for (const std::string& Line : Lines) Mapped = Mapped || Line.rfind("map:", 0) == 0;
    if (!Mapped) return refuse("cut short before its map");
    size_t At = 1;
    // The next line that is not a comment or blank, which must begin with Key.
    auto field = [&](const char* Key, std::string& Value) {
        while (At < Lines.size() && (Lines[At].empty() || Lines[At][0] == '#')) At++;
        if (At >= Lines.size() || Lines[At].rfind(std::string(Key) + ":", 0) != 0) return false;
        Value = Lines[At++].substr(std::strlen(Key) + 1);
        if (!Value.empty() && Value[0] == ' ') Value.erase(0, 1);
        return true;
    };
    std::string V;
    if (!field("name", L.name)) return refuse("no name where the name belongs");
    size_t Before = At;
    if (!field("line", L.line)) At = Before, L.line.clear();
    if (!field("size", V)) return refuse("no size where the size belongs");
    std::vector<std::string> W = words(V);
    if (W.size() != 2 || !whole_number(W[0], LEVEL_LEAST_W, LEVEL_MOST_W, L.w) || !whole_number(W[1], LEVEL_LEAST_H, LEVEL_MOST_H, L.h))
        return refuse("a size out of bounds (from 10 by 8 to 64 by 64)");
    int HiveX, HiveY;
    if (!field("hive", V) || (W = words(V)).size() != 2 || !whole_number(W[0], 0, L.w, HiveX) || !whole_number(W[1], 0, L.h, HiveY))
        return refuse("no hive on the map");
    L.hive_pos = mkrpos(HiveX, HiveY, 0);
    const struct
    {
        const char* key;
        int least, most;
        int* into;
    } Counts[] = {{"flowers", 0, LEVEL_MOST_FLOWERS, &L.num_flowers},
                  {"horseflies", 0, LEVEL_MOST_FLIES, &L.num_flies},
                  {"bees", 1, LEVEL_MOST_BEES, &L.num_bees}};
    for (const auto& C : Counts)
        if (!field(C.key, V) || (W = words(V)).size() != 1 || !whole_number(W[0], C.least, C.most, *C.into))
            return refuse(std::string("no number of ") + C.key + " within bounds");
    if (!field("medals", V) || (W = words(V)).size() != 3) return refuse("no three medals' bees");
    for (int m = 0; m < 3; m++)
        if (!whole_number(W[m], 1, 1000, L.medal_bees[m])) return refuse("a medal's bees out of bounds");

    if (!field("colours", V) || !V.empty()) return refuse("no colours where they belong");
    int Colour[128];
    for (int& C : Colour) C = -1;
    std::vector<uint8_t> Palette;
    for (; At < Lines.size() && Lines[At].rfind("map:", 0) != 0; At++)
    {
        const std::string& C = Lines[At];
        if (C.empty() || C[0] == '#') continue;
        unsigned char Key = (unsigned char)C[0];
        bool Hex = C.size() == 8 && C[1] == ' ' && C.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string::npos;
        if (!Hex || Key >= 128 || !std::strchr(KEYS, Key) || Colour[Key] >= 0) return refuse("a colour line that is not a new letter and six hex digits");
        Colour[Key] = (int)Palette.size() / 3;
        unsigned long RGB = std::strtoul(C.c_str() + 2, nullptr, 16);
        Palette.insert(Palette.end(), {(uint8_t)(RGB >> 16), (uint8_t)(RGB >> 8), (uint8_t)RGB});
    }
    if (!field("map", V) || !V.empty()) return refuse("no map where it belongs");
    L.rgb.reserve((size_t)L.w * L.h * 3);
    for (int Y = 0; Y < L.h; Y++, At++)
    {
        if (At >= Lines.size()) return refuse("a map cut short");
        const std::string& Row = Lines[At];
        if ((int)Row.size() != L.w) return refuse("map row " + std::to_string(Y + 1) + " is not " + std::to_string(L.w) + " tiles long");
        for (unsigned char Key : Row)
        {
            if (Key >= 128 || Colour[Key] < 0) return refuse("map row " + std::to_string(Y + 1) + " names a colour not listed");
            L.rgb.insert(L.rgb.end(), Palette.begin() + 3 * Colour[Key], Palette.begin() + 3 * Colour[Key] + 3);
        }
    }
    for (; At < Lines.size(); At++)
        if (!Lines[At].empty()) return refuse("lines after the map");
    return true;
}
} // namespace

bool read_level_file(const std::string& Bytes, level_data& Out, std::string& Problem)
{
    level_data L;
    if (!parse_level(Bytes, L, Problem) || !level_sound(L, Problem)) return false;
    Out = std::move(L);
    return true;
}

bool read_level_draft(const std::string& Bytes, level_data& Out, std::string& Problem)
{
    level_data L;
    if (!parse_level(Bytes, L, Problem)) return false;
    Out = std::move(L);
    return true;
}

bool load_level_file(const std::string& Path, level_data& Out, std::string& Problem)
{
    std::ifstream In;
    switch (open_plain_file(Path, In, Problem))
    {
    case or_missing:
        Problem = "no such file";
        return false;
    case or_refused:
        return false;
    case or_open:
        break;
    }
    std::string Bytes(LARGEST_FILE + 1, '\0');
    In.read(&Bytes[0], (std::streamsize)Bytes.size());
    Bytes.resize((size_t)In.gcount());
    return read_level_file(Bytes, Out, Problem);
}

bool table_level_data(int Index, level_data& Out, std::string& Problem)
{
    return record_level_data(all_levels[Index], Out, Problem);
}

bool record_level_data(const level& T, level_data& Out, std::string& Problem)
{
    std::ifstream In;
    if (open_plain_file(T.map_file, In, Problem) != or_open)
    {
        if (Problem.empty()) Problem = std::string("no map ") + T.map_file;
        return false;
    }
    SDL_Surface* Map = read_tga(In, Problem);
    if (!Map) return false;
    level_data L;
    L.name = T.name;
    L.w = Map->w, L.h = Map->h;
    for (int Y = 0; Y < Map->h; Y++)
    {
        const unsigned char* Row = (const unsigned char*)Map->pixels + (size_t)Y * Map->pitch;
        for (int X = 0; X < Map->w; X++) L.rgb.insert(L.rgb.end(), Row + 4 * X, Row + 4 * X + 3);
    }
    SDL_FreeSurface(Map);
    L.hive_pos = T.hive_pos;
    L.num_flowers = T.num_flowers, L.num_flies = T.num_flies, L.num_bees = T.num_bees;
    for (int m = 0; m < 3; m++) L.medal_bees[m] = T.medal_bees[m];
    if (!level_sound(L, Problem)) return false;
    Out = std::move(L);
    return true;
}
