// The lettering without a window: the code points a text is drawn with, widths from the advances,
// wrapping, and the generated metrics against the shipped atlas (the generator checks
// each glyph's rectangle holds it whole). Drawing is in test_drawing.cpp.
#include "helpers.h"

#include "font_glyphs.h"
#include "text.h"

#include <algorithm>

namespace {
const font_glyphs::glyph* glyph(int Code)
{
    for (const font_glyphs::glyph& G : font_glyphs::GLYPHS)
        if (G.code == Code) return &G;
    return nullptr;
}

std::string utf8(int C)
{
    if (C < 0x80) return std::string(1, (char)C);
    if (C < 0x800) return {(char)(0xC0 | C >> 6), (char)(0x80 | (C & 0x3F))};
    return {(char)(0xE0 | C >> 12), (char)(0x80 | (C >> 6 & 0x3F)), (char)(0x80 | (C & 0x3F))};
}
} // namespace

TEST(Text, WhatTheFontLacksAndEveryMalformedSequenceIsOneReplacementOfItsWidth)
{
    const int R = font_glyphs::REPLACEMENT;
    const std::pair<std::string, std::vector<int>> Cases[] = {
        {"Aé\xC2\xA0ÿ~ ", {'A', 0xE9, 0xA0, 0xFF, '~', ' '}},
        {"\t\n\x7F\xC2\x85", {R, R, R, R}},                      // control characters, C1 ones too
        {"\xE2\x82\xAC\xF0\x9F\x90\x9D\xE4\xB8\x80", {R, R, R}}, // a euro sign, a bee, past the table
        {"\xC3(\x80\xC0\xAF", {R, '(', R, R, R}},                // cut short, stray, overlong
        {"\xED\xA0\x80\xF4\x90\x80\x80\xE2\x82", {R, R, R}},     // a surrogate, past U+10FFFF, cut at the end
    };
    for (const auto& [Text, Codes] : Cases) EXPECT_EQ(font::codes(Text), Codes) << Text;
    EXPECT_DOUBLE_EQ(font().width("\xC3(\x80", 2.0), (2 * glyph(R)->advance + glyph('(')->advance) * 2.0 / font_glyphs::LINE_HEIGHT);
}

TEST(Text, WidthsAddUpAndLinesBreakAtSpacesAndNewlines)
{
    font Font;
    const double S = 0.5, Pair = Font.width("bee bee", S);
    EXPECT_DOUBLE_EQ(Font.width("Aé ", S), (glyph('A')->advance + glyph(0xE9)->advance + glyph(' ')->advance) * S / font_glyphs::LINE_HEIGHT);
    const std::tuple<std::string, double, std::vector<std::string>> Cases[] = {
        {"bee bee bee", Pair + 1e-9, {"bee bee", "bee"}},
        {"bee bee bee", Pair - 1e-9, {"bee", "bee", "bee"}},
        {"  bee   bee\n\nhive ", 100.0, {"bee bee", "", "hive"}}, // runs of spaces are one break
        {"bee honeycombs bee", Font.width("bee", S), {"bee", "honeycombs", "bee"}}, // too long, yet whole
        {"", 1.0, {""}},
    };
    for (const auto& [Text, Max, Lines] : Cases) EXPECT_EQ(Font.wrap(Text, S, Max), Lines) << Text << " in " << Max;
}

TEST(Text, TheGeneratedMetricsCoverTheTranslationsAndFitTheShippedAtlas)
{
    const std::string Tga = read_file(std::string(QUORVEL_SOURCE_DIR) + "/data/gfx/font1.tga");
    const int W = font_glyphs::ATLAS_W, H = font_glyphs::ATLAS_H;
    ASSERT_EQ(Tga.size(), 18u + 4u * W * H);
    EXPECT_EQ(Tga.substr(12, 4), std::string({(char)W, (char)(W >> 8), (char)H, (char)(H >> 8)}));
    const std::pair<int, int> Ranges[] = {{0x20, 0x7E},     {0xA0, 0x17F},    {0x2BC, 0x2BC},   {0x400, 0x45F},
                                          {0x490, 0x491},   {0x2013, 0x2014}, {0x2018, 0x201A}, {0x201C, 0x201E},
                                          {0x2022, 0x2022}, {0x2026, 0x2026}, {0x2039, 0x203A}, {0x202F, 0x202F},
                                          {0x2116, 0x2116}, {0xFFFD, 0xFFFD}};
    for (const auto& [First, Last] : Ranges)
        for (int C = First; C <= Last; C++) EXPECT_EQ(font::codes(utf8(C)), std::vector<int>{C}) << std::hex << C;
    for (const font_glyphs::glyph& G : font_glyphs::GLYPHS)
        EXPECT_TRUE(G.x >= 0 && G.y >= 0 && G.x + G.w <= W && G.y + G.h <= H && (G.w > 0) == (G.h > 0)) << G.code;

    // Whole lines of the languages with letters past Latin-1 are measured from their own glyphs.
    for (const char* Line : {"Zażółć gęślą jaźń", "Příliš žluťoučký kůň", "Съешь же ещё этих мягких французских булок",
                             "Ґава, їжак, єнот і ще щось"})
    {
        const std::vector<int> Codes = font::codes(Line);
        double Sum = 0.0;
        for (int C : Codes) Sum += glyph(C)->advance;
        EXPECT_EQ(std::count(Codes.begin(), Codes.end(), font_glyphs::REPLACEMENT), 0) << Line;
        EXPECT_DOUBLE_EQ(font().width(Line, font_glyphs::LINE_HEIGHT), Sum) << Line;
    }
}
