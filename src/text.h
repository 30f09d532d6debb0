// Lines of UTF-8 text in the picture, drawn from a distance-field atlas of DejaVu Sans (data/gfx/font1.tga,
// metrics in font_glyphs.h). Size is always a line's height, baseline to baseline, in picture units
// (the picture is 10 high); At is the top of the line's box, and its left end, middle or right end, in
// the units of the modelview the caller has set (the title's: the picture's own, from its top-left).
// The code points in font_glyphs.h are drawn as themselves: Latin-1, Latin Extended-A, Cyrillic and the
// typography of the languages they write. Anything else, a control character or a malformed sequence, is
// drawn as one replacement glyph, never skipped.
// Measuring needs no GL. Drawing binds the atlas, sets the colour, and leaves every other setting it
// touches as it found it; the letters lie at At's z, under whatever is drawn later. A font is cheap: any
// screen may hold one and load it, and the texture cache uploads the atlas once.
#pragma once

#include "vecco.h"

#include <string>
#include <vector>

class texture;
namespace font_glyphs {
struct glyph;
}

class font
{
public:
    enum align
    {
        left,
        centre,
        right
    };

    font();

    // Needs a GL context; a missing or damaged atlas ends the game, as any picture does.
    void load();
    // The code points a text is drawn with, replacements put in.
    static std::vector<int> codes(const std::string& Utf8);
    double width(const std::string& Utf8, double Size) const;
    // Broken at '\n' and at spaces, which a break swallows (a run of spaces counts as one); a word wider
    // than MaxWidth keeps a line of its own.
    std::vector<std::string> wrap(const std::string& Utf8, double Size, double MaxWidth) const;
    // Utf8 cut at a character's boundary to fit MaxWidth, an ellipsis where it was cut.
    std::string fitted(const std::string& Utf8, double Size, double MaxWidth) const;
    // One line; no wrapping, and '\n' is a control character here. Colour's alpha fades the letters (a rim
    // then shows through them).
    void draw(const std::string& Utf8, const rpos& At, double Size, align Align, const fcolor& Colour) const;
    // With a rim of Rim's colour round every letter, 6% of the line's height wide (less only on lines under
    // 11 pixels, past the atlas's spread), so the text stays legible over the busy map.
    void draw_outlined(const std::string& Utf8, const rpos& At, double Size, align Align, const fcolor& Colour,
                       const fcolor& Rim) const;

private:
    texture* atlas;
    const font_glyphs::glyph* replacement;

    const font_glyphs::glyph& glyph(int Code) const;
    void render(const std::string& Utf8, const rpos& At, double Size, align Align, const fcolor& Colour,
                const fcolor* Rim) const;
    // The letters once per cut through the field, the cuts Grow screen pixels outside the outlines, each
    // on the next Layer; returns the outermost cut's alpha.
    float cut(const std::vector<const font_glyphs::glyph*>& Glyphs, const rpos& Pen, double Size, const fcolor& Colour,
              double Grow, int& Layer) const;
    // One quad a letter, the pen on the baseline.
    void quads(const std::vector<const font_glyphs::glyph*>& Glyphs, const rpos& Pen, double Size, double Z) const;
};

// The code points of a UTF-8 text, -1 for each malformed sequence.
std::vector<int> utf8_code_points(const std::string& Utf8);
