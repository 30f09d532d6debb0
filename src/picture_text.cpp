#include "picture_text.h"

#include "picture_words.h"
#include "text.h"
#include "texts.h"
#include "texture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {
const fcolor INK = mkfcolor(58 / 255.0f, 34 / 255.0f, 12 / 255.0f, 1.0f); // the pictures' own dark brown
const fcolor HONEY = mkfcolor(1.0f, 206 / 255.0f, 40 / 255.0f, 1.0f);

// The largest size at most Most at which Text, wrapped to Width, stands in Height.
double fitting(const font& Letters, const std::string& Text, double Width, double Height, double Most,
               std::vector<std::string>& Lines)
{
    for (double Size = Most;; Size *= 0.95)
    {
        Lines = Letters.wrap(Text, Size, Width);
        bool Fits = Lines.size() * Size * 1.12 <= Height;
        for (const std::string& L : Lines) Fits = Fits && Letters.width(L, Size) <= Width;
        if (Fits || Size < 0.05) return Size;
    }
}

// Lines centred on Y, each Size high, starting at X (Left) or centred on X.
void lines_at(const font& Letters, const std::vector<std::string>& Lines, double X, double Y, double Size, font::align Align,
              const fcolor& Colour)
{
    const double Line = Size * 1.12, Top = Y - Line * Lines.size() / 2 + (Line - Size) / 2;
    for (size_t l = 0; l < Lines.size(); l++) Letters.draw(Lines[l], mkrpos(X, Top + Line * l, 0), Size, Align, Colour);
}
} // namespace

double rules_words_size(const font& Letters, double Side)
{
    using namespace picture_words;
    // One size for every row, so that they read alike: the largest at which each fits its place.
    std::vector<std::string> Lines;
    double Rows = 1.0;
    for (int r = 0; r < 6; r++)
        Rows = std::min(Rows, fitting(Letters, texts::RULES[r], Side * RULES_TEXT_W, Side * RULES_ROWS[r].height, Side * 0.05, Lines));
    return Rows;
}

double result_words_size(const font& Letters, double Side)
{
    using namespace picture_words;
    // One size for both lines of every card, so that they read alike.
    std::vector<std::string> Lines;
    double Body = 1.0;
    for (const auto& Card : texts::RESULT_LINES)
        for (const texts::message& Text : Card)
            Body = std::min(Body, fitting(Letters, Text, Side * RESULT_LINE_W, Side * RESULT_LINE_H, Side * RESULT_LINE_H * 0.9, Lines));
    return Body;
}

bool words_drawn()
{
    return !texts::language().empty();
}

void draw_rules_words(const font& Letters, const rpos& Centre, double Radius)
{
    using namespace picture_words;
    const double Side = 2 * Radius, Left = Centre[0] - Radius, Top = Centre[1] - Radius;
    std::vector<std::string> Lines;
    double Size = fitting(Letters, texts::HELP_TITLE, Side * 0.9, Side * RULES_HEADING_H, Side * RULES_HEADING_H, Lines);
    lines_at(Letters, Lines, Centre[0], Top + Side * RULES_HEADING_Y, Size, font::centre, mkfcolor(120 / 255.0f, 62 / 255.0f, 14 / 255.0f, 1));
    const double Rows = rules_words_size(Letters, Side);
    for (int r = 0; r < 6; r++)
    {
        Lines = Letters.wrap(texts::RULES[r], Rows, Side * RULES_TEXT_W);
        lines_at(Letters, Lines, Left + Side * RULES_TEXT_X, Top + Side * RULES_ROWS[r].y, Rows, font::left, INK);
    }
}

void draw_result_words(const font& Letters, int Medals, const rpos& Centre, double Radius)
{
    using namespace picture_words;
    const double Side = 2 * Radius, Top = Centre[1] - Radius;
    std::vector<std::string> Lines;
    double Size = fitting(Letters, texts::RESULT_HEADINGS[Medals], Side * RESULT_HEADING_W, Side * RESULT_HEADING_H,
                          Side * RESULT_HEADING_H * 0.85, Lines);
    for (size_t l = 0; l < Lines.size(); l++)
        Letters.draw_outlined(Lines[l], mkrpos(Centre[0], Top + Side * RESULT_HEADING_Y - Size * Lines.size() * 0.56 + Size * 1.12 * l, 0),
                              Size, font::centre, HONEY, INK);
    const double Body = result_words_size(Letters, Side);
    for (int l = 0; l < 2; l++)
    {
        Lines = Letters.wrap(texts::RESULT_LINES[Medals][l], Body, Side * RESULT_LINE_W);
        lines_at(Letters, Lines, Centre[0], Top + Side * RESULT_LINE_Y[l], Body, font::centre, INK);
    }
}

texture* picture_without_words(int Which)
{
    static const char* const Files[5] = {"data/gfx/lose_blank1.tga", "data/gfx/won_daisy_blank1.tga", "data/gfx/won_violet_blank1.tga",
                                         "data/gfx/won_tulip_blank1.tga", "data/gfx/rules_blank1.tga"};
    return texture_load(Files[Which], false);
}
