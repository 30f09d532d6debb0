// The shades of the tiles the editor paints, so that a level made there looks like the ten and not like a
// spreadsheet: the ten maps' own meadow, water, sand and stone colours, each tile's chosen from where it
// lies, as tools/art/maps.py chooses them. Water darkens away from the shore, rock by the water is sand
// and away from it stone, lighter near the meadow, and broad areas of grass and far stone take one of two
// shades from a slow pattern of the tile's place, so that they step gently. No generator is drawn from.
#pragma once

#include "level_data.h"
#include "world.h"

#include <cstdint>
#include <vector>

// Painted tiles change the shades of tiles painted before this far round them (the shore moved).
const int SHADE_REACH = 5;

// The terrain a tile's colour makes, as the world reads it.
world::tile_types tile_kind(const uint8_t* RGB);
// Every tile's terrain, row by row.
std::vector<world::tile_types> tile_kinds(const level_data& L);
// Whether RGB is one of the shades the editor paints with: such a tile may take another as the land
// round it changes; any other colour (the ten maps' reeds, flower meadows, cliffs) is kept as it is.
bool editor_shade(const uint8_t* RGB);
// The shade the tile at X, Y takes for the terrain Kinds give it and round it.
uint32_t shade_for(const std::vector<world::tile_types>& Kinds, int W, int H, int X, int Y);
// A colour as 0xRRGGBB, the way the level file writes it.
uint32_t tile_colour(const level_data& L, int X, int Y);
void set_tile_colour(level_data& L, int X, int Y, uint32_t RGB);
// The colour a kind is shown with on the editor's buttons: its first shade.
uint32_t kind_colour(world::tile_types Kind);

// Gives every tile Marked (row by row, as Kinds) the shade of the terrain Kinds says, and every tile in an
// editor shade within SHADE_REACH of a marked one its shade anew.
void shade_marked(level_data& L, const std::vector<world::tile_types>& Kinds, const std::vector<bool>& Marked);
