// The level being made in the editor, apart from any drawing, so that tests drive it without a window:
// the level itself, the operations on it (paint with a round brush, fill an area, place the hive, set the
// counts, the thresholds and the name), undo and redo, and the checks that say what would make it
// unplayable and where. Painted tiles take the shades of their kind (tile_shades.h). Every change, undo
// and redo raises revision, which what is drawn or played of the level follows.
#pragma once

#include "level_data.h"
#include "world.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// Steps of undo kept; older ones are let go.
const size_t UNDO_STEPS = 100;
// A level a player makes starts at one of these sizes, in tiles: one screen, then larger, up to the most
// a level file holds.
const int NEW_LEVEL_SIZES[][2] = {{14, 10}, {24, 18}, {32, 24}, {48, 36}, {64, 64}};
// Each flower needs a grass tile of its own to stand on, and four bees a tile between them.
const int BEES_PER_GRASS_TILE = 4;

class level_edit
{
public:
    enum fields
    {
        f_flowers,
        f_flies,
        f_bees,
        f_medal1,
        f_medal2,
        f_medal3,
        f_name,
        F_SIZE
    };
    // Where a problem is said: on the map, at the hive, by the counts, by the medals, by the name.
    enum places
    {
        p_map,
        p_hive,
        p_counts,
        p_medals,
        p_name
    };
    struct problem
    {
        places where;
        std::string words;
    };

    level_data level;
    std::string saved_file; // its file in levels/ once saved there, else empty
    uint64_t saved_key;     // the level's key as it was saved, 0 before
    int revision;
    std::string refusal;    // why the last operation changed nothing, when it was refused

    // A blank level of the first size.
    level_edit();
    // A meadow of W by H tiles, the hive in its middle, a few flowers and bees.
    static level_data blank(int W, int H);

    // Starts making L (a new level, a copy of another) as the file SavedFile, or as a new one; the level
    // before it stays one undo away.
    void start(const level_data& L, const std::string& SavedFile = "");

    // One drag of the brush: one step of undo however many tiles it paints.
    void begin_stroke();
    void end_stroke();
    // Paints Kind on the tiles round the one under At whose middles lie within half of Brush (tiles across:
    // 1 is that tile alone) of its middle, and, within a stroke, along the way from the stroke's last point.
    // False when no tile changed.
    bool paint(const rloc& At, world::tile_types Kind, int Brush);
    // The area of tiles of one kind joined side by side to the tile X, Y becomes Kind.
    bool fill(int X, int Y, world::tile_types Kind);
    // The hive stands on the corner X, Y where four tiles meet, 0 to the width and height.
    bool place_hive(int X, int Y);
    // Kept within the level file's bounds; changes of one field in a row are one step.
    bool set_field(fields F, int Value);
    int field(fields F) const;
    // Cut to the longest name a level may have, control characters left out.
    bool set_name(const std::string& Name);

    bool undo();
    bool redo();
    bool can_undo() const;
    bool can_redo() const;
    size_t undo_steps() const;

    // What would make the level unplayable, each said where it is; saving waits until there is none.
    std::vector<problem> problems() const;
    // A world can be built from the level: it can be tried and played by the careful player.
    bool playable() const;
    // Saved as it is now.
    bool saved() const;
    void mark_saved(const std::string& File);

    int grass_tiles() const;
    // Grass tiles the flowers and bees need.
    int grass_needed() const;
    // The four tiles round the hive's corner are grass (at the map's edge, those on the map).
    bool hive_on_grass() const;

private:
    std::deque<level_data> undos, redos;
    bool stroke_open, stroke_stepped;
    rloc stroke_last;
    bool stroke_has_last;
    int merging; // the field changed last, whose next change joins its step; -1 for none

    // Before a change: Before becomes a step of undo, unless it joins the step already open.
    void step(const level_data& Before, bool Joins);
    // Kinds of the marked tiles are now those in Kinds: their shades follow, unless that would take more
    // colours than a level holds, when the level goes back to Before and nothing changes.
    bool reshade(const level_data& Before, const std::vector<world::tile_types>& Kinds, const std::vector<bool>& Marked);
    void paint_at(double X, double Y, world::tile_types Kind, int Brush, std::vector<world::tile_types>& Kinds,
                  std::vector<bool>& Marked) const;
};
