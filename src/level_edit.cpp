#include "level_edit.h"

#include "level_file.h"
#include "text.h"
#include "texts.h"
#include "tile_shades.h"

#include <algorithm>
#include <cmath>

namespace {
struct bounds
{
    int least, most;
};
const bounds FIELD_BOUNDS[level_edit::F_SIZE - 1] = {{0, LEVEL_MOST_FLOWERS}, {0, LEVEL_MOST_FLIES}, {1, LEVEL_MOST_BEES},
                                                     {1, 1000},           {1, 1000},          {1, 1000}};

// The field's place in the level, const or not.
template <class Level>
auto& field_of(Level& L, level_edit::fields F)
{
    switch (F)
    {
    case level_edit::f_flowers:
        return L.num_flowers;
    case level_edit::f_flies:
        return L.num_flies;
    case level_edit::f_bees:
        return L.num_bees;
    default:
        return L.medal_bees[F - level_edit::f_medal1];
    }
}

size_t colour_count(const level_data& L)
{
    std::vector<uint32_t> Colours;
    Colours.reserve(L.rgb.size() / 3);
    for (int Y = 0; Y < L.h; Y++)
        for (int X = 0; X < L.w; X++) Colours.push_back(tile_colour(L, X, Y));
    std::sort(Colours.begin(), Colours.end());
    return (size_t)(std::unique(Colours.begin(), Colours.end()) - Colours.begin());
}
} // namespace

level_edit::level_edit()
    : saved_key(0), revision(0), stroke_open(false), stroke_stepped(false), stroke_has_last(false), merging(-1)
{
    level = blank(NEW_LEVEL_SIZES[0][0], NEW_LEVEL_SIZES[0][1]);
}

level_data level_edit::blank(int W, int H)
{
    level_data L;
    L.name = texts::NEW_LEVEL_NAME;
    L.w = W, L.h = H;
    L.rgb.assign((size_t)W * H * 3, 0);
    shade_marked(L, std::vector<world::tile_types>((size_t)W * H, world::tt_grass), std::vector<bool>((size_t)W * H, true));
    L.hive_pos = mkrpos(W / 2, H / 2, 0);
    L.num_flowers = 6, L.num_flies = 0, L.num_bees = 10;
    L.medal_bees[0] = 7, L.medal_bees[1] = 9, L.medal_bees[2] = 10;
    return L;
}

void level_edit::step(const level_data& Before, bool Joins)
{
    refusal.clear();
    revision++;
    if (Joins) return;
    undos.push_back(Before);
    if (undos.size() > UNDO_STEPS) undos.pop_front();
    redos.clear();
}

void level_edit::start(const level_data& L, const std::string& SavedFile)
{
    const level_data Before = level;
    level = L;
    step(Before, false);
    merging = -1;
    saved_file = SavedFile;
    saved_key = SavedFile.empty() ? 0 : level_key(level);
}

void level_edit::begin_stroke()
{
    stroke_open = true, stroke_stepped = false, stroke_has_last = false;
}

void level_edit::end_stroke()
{
    stroke_open = false;
}

void level_edit::paint_at(double X, double Y, world::tile_types Kind, int Brush, std::vector<world::tile_types>& Kinds,
                          std::vector<bool>& Marked) const
{
    const int CX = (int)std::floor(X), CY = (int)std::floor(Y);
    const int Reach = Brush / 2;
    for (int TY = CY - Reach; TY <= CY + Reach; TY++)
        for (int TX = CX - Reach; TX <= CX + Reach; TX++)
        {
            if (TX < 0 || TY < 0 || TX >= level.w || TY >= level.h) continue;
            if (std::hypot((double)(TX - CX), (double)(TY - CY)) > Brush / 2.0) continue;
            const size_t t = (size_t)TY * level.w + TX;
            if (Kinds[t] != Kind) Kinds[t] = Kind, Marked[t] = true;
        }
}

bool level_edit::paint(const rloc& At, world::tile_types Kind, int Brush)
{
    std::vector<world::tile_types> Kinds = tile_kinds(level);
    std::vector<bool> Marked(Kinds.size(), false);
    // A quick drag moves many tiles between two frames: the way between is painted too.
    const rloc From = stroke_open && stroke_has_last ? stroke_last : At;
    const int Steps = std::max(1, (int)std::ceil(4 * std::hypot(At[0] - From[0], At[1] - From[1])));
    for (int s = 1; s <= Steps; s++)
        paint_at(From[0] + (At[0] - From[0]) * s / Steps, From[1] + (At[1] - From[1]) * s / Steps, Kind, Brush, Kinds, Marked);
    stroke_last = At, stroke_has_last = true;
    if (std::find(Marked.begin(), Marked.end(), true) == Marked.end()) return false;
    const level_data Before = level;
    if (!reshade(Before, Kinds, Marked)) return false;
    step(Before, stroke_open && stroke_stepped);
    stroke_stepped = stroke_open;
    merging = -1;
    return true;
}

bool level_edit::fill(int X, int Y, world::tile_types Kind)
{
    if (X < 0 || Y < 0 || X >= level.w || Y >= level.h) return false;
    std::vector<world::tile_types> Kinds = tile_kinds(level);
    const world::tile_types Was = Kinds[(size_t)Y * level.w + X];
    if (Was == Kind) return false;
    std::vector<bool> Marked(Kinds.size(), false);
    std::vector<std::pair<int, int>> Todo = {{X, Y}};
    Marked[(size_t)Y * level.w + X] = true;
    while (!Todo.empty())
    {
        const auto [TX, TY] = Todo.back();
        Todo.pop_back();
        Kinds[(size_t)TY * level.w + TX] = Kind;
        const int Next[4][2] = {{TX + 1, TY}, {TX - 1, TY}, {TX, TY + 1}, {TX, TY - 1}};
        for (const auto& N : Next)
        {
            if (N[0] < 0 || N[1] < 0 || N[0] >= level.w || N[1] >= level.h) continue;
            const size_t t = (size_t)N[1] * level.w + N[0];
            if (Marked[t] || Kinds[t] != Was) continue;
            Marked[t] = true;
            Todo.push_back({N[0], N[1]});
        }
    }
    const level_data Before = level;
    if (!reshade(Before, Kinds, Marked)) return false;
    step(Before, false);
    merging = -1;
    return true;
}

bool level_edit::reshade(const level_data& Before, const std::vector<world::tile_types>& Kinds, const std::vector<bool>& Marked)
{
    shade_marked(level, Kinds, Marked);
    if (colour_count(level) <= (size_t)LEVEL_MOST_COLOURS) return true;
    level = Before;
    refusal = texts::TOO_MANY_COLOURS;
    return false;
}

bool level_edit::place_hive(int X, int Y)
{
    X = std::max(0, std::min(X, level.w)), Y = std::max(0, std::min(Y, level.h));
    if (level.hive_pos[0] == X && level.hive_pos[1] == Y) return false;
    const level_data Before = level;
    level.hive_pos = mkrpos(X, Y, 0);
    step(Before, false);
    merging = -1;
    return true;
}

int level_edit::field(fields F) const
{
    return field_of(level, F);
}

bool level_edit::set_field(fields F, int Value)
{
    if (F == f_name) return false;
    Value = std::max(FIELD_BOUNDS[F].least, std::min(Value, FIELD_BOUNDS[F].most));
    if (field(F) == Value) return false;
    const level_data Before = level;
    field_of(level, F) = Value;
    step(Before, merging == F);
    merging = F;
    return true;
}

bool level_edit::set_name(const std::string& Name)
{
    std::string Kept;
    size_t Characters = 0;
    for (size_t At = 0; At < Name.size();)
    {
        size_t End = At + 1;
        while (End < Name.size() && ((unsigned char)Name[End] & 0xC0) == 0x80) End++;
        const std::string Character = Name.substr(At, End - At);
        const std::vector<int> Code = utf8_code_points(Character);
        if (Code.size() == 1 && Code[0] >= 0x20 && !(Code[0] >= 0x7F && Code[0] < 0xA0) && Characters < LEVEL_LONGEST_NAME)
            Kept += Character, Characters++;
        At = End;
    }
    if (Kept == level.name) return false;
    const level_data Before = level;
    level.name = Kept;
    step(Before, merging == f_name);
    merging = f_name;
    return true;
}

bool level_edit::undo()
{
    if (undos.empty()) return false;
    redos.push_back(level);
    level = undos.back();
    undos.pop_back();
    revision++, merging = -1, refusal.clear();
    return true;
}

bool level_edit::redo()
{
    if (redos.empty()) return false;
    undos.push_back(level);
    level = redos.back();
    redos.pop_back();
    revision++, merging = -1, refusal.clear();
    return true;
}

bool level_edit::can_undo() const
{
    return !undos.empty();
}

bool level_edit::can_redo() const
{
    return !redos.empty();
}

size_t level_edit::undo_steps() const
{
    return undos.size();
}

int level_edit::grass_tiles() const
{
    int N = 0;
    for (size_t t = 0; t < level.rgb.size(); t += 3) N += tile_kind(&level.rgb[t]) == world::tt_grass;
    return N;
}

int level_edit::grass_needed() const
{
    return level.num_flowers + (level.num_bees + BEES_PER_GRASS_TILE - 1) / BEES_PER_GRASS_TILE;
}

bool level_edit::hive_on_grass() const
{
    const int HX = (int)level.hive_pos[0], HY = (int)level.hive_pos[1];
    for (int Y = HY - 1; Y <= HY; Y++)
        for (int X = HX - 1; X <= HX; X++)
            if (X >= 0 && Y >= 0 && X < level.w && Y < level.h && tile_kind(&level.rgb[((size_t)Y * level.w + X) * 3]) != world::tt_grass)
                return false;
    return true;
}

std::vector<level_edit::problem> level_edit::problems() const
{
    std::vector<problem> Found;
    if (level.name.empty()) Found.push_back({p_name, texts::NEEDS_NAME});
    if (!hive_on_grass()) Found.push_back({p_hive, texts::HIVE_OFF_GRASS});
    const int Grass = grass_tiles();
    if (Grass < grass_needed())
        Found.push_back({p_counts, texts::count(texts::TOO_LITTLE_GRASS, Grass, {std::to_string(grass_needed())})});
    bool Water = false;
    for (size_t t = 0; t < level.rgb.size() && !Water; t += 3) Water = tile_kind(&level.rgb[t]) == world::tt_water;
    if (level.num_flies > 0 && !Water) Found.push_back({p_counts, texts::NO_WATER_FOR_FLIES});
    if (level.medal_bees[0] > level.medal_bees[1] || level.medal_bees[1] > level.medal_bees[2])
        Found.push_back({p_medals, texts::MEDALS_OUT_OF_ORDER});
    if (level.medal_bees[0] > level.num_bees)
        Found.push_back({p_medals, texts::count(texts::DAISY_OUT_OF_REACH, level.medal_bees[0], {std::to_string(level.num_bees)})});
    // Anything else the game would refuse to build, though the editor's own operations cannot make it.
    std::string Problem;
    if (Found.empty() && !level_sound(level, Problem)) Found.push_back({p_map, Problem});
    return Found;
}

bool level_edit::playable() const
{
    std::string Problem;
    return level_sound(level, Problem);
}

bool level_edit::saved() const
{
    return !saved_file.empty() && saved_key == level_key(level);
}

void level_edit::mark_saved(const std::string& File)
{
    saved_file = File;
    saved_key = level_key(level);
}
