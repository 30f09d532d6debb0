// The plain buttons of the screens beside the pictures: a golden frame, a green fill, a light label,
// and the pink halo of the go button while hovered. They slide with the title's pictures.
#pragma once

#include "vecco.h"

#include <string>
#include <vector>

class font;
class texture;

struct button_place
{
    rpos center, radius;
};

// Half-extent of a button round Label.
rpos button_radius(const font& Letters, const std::string& Label);
// Drawn at B's place as the slide puts it; blending must be on, as it is under the title's pictures.
void draw_button(const font& Letters, const button_place& B, const std::string& Label, bool Hover, double Slide);

// The three green panels behind the title's pictures, slid as they are.
void draw_panels(double Slide);

// Texts in a row, a dot between each two, centred on Centre (the top of the line) at Size, or smaller where
// the row would be wider than MostWide.
void draw_side_by_side(const font& Letters, const std::vector<std::string>& Items, const rpos& Centre, double Size,
                       double MostWide, const fcolor& Colour);

// A level's tile on a screen of tiles: its preview, Half across, at Alpha; a pink frame under the pointer,
// a gold one when Chosen; and the Won medals in a row Below the tile's middle. Blending must be on.
void draw_level_tile(texture* Preview, const rpos& At, double Half, float Alpha, bool Hovered, bool Chosen,
                     texture* const Medals[3], int Won, double Below);
