// The lettering without a window: the code points a text is drawn with, widths from the advances,
// wrapping, and the generated metrics against the shipped atlas (the generator checks
// each glyph's rectangle holds it whole). Drawing is in test_drawing.cpp.
#include "helpers.h"

#include "font_glyphs.h"
#include "text.h"

namespace {
const font_glyphs::glyph* glyph(int Code)
{
    for (const font_glyphs::glyph& G : font_glyphs::GLYPHS)
        if (G.code == Code) return &G;
    return nullptr;
}
} // namespace

TEST(Text, WhatTheFontLacksAndEveryMalformedSequenceIsOneReplacementOfItsWidth)
{
    const int R = font_glyphs::REPLACEMENT;
    const std::pair<std::string, std::vector<int>> Cases[] = {
        {"Aé\xC2\xA0ÿ~ ", {'A', 0xE9, 0xA0, 0xFF, '~', ' '}},
        {"\t\n\x7F\xC2\x85", {R, R, R, R}},                   // control characters, C1 ones too
        {"\xE2\x82\xAC\xF0\x9F\x90\x9D", {R, R}},             // a euro sign and a bee
        {"\xC3(\x80\xC0\xAF", {R, '(', R, R, R}},             // cut short, stray, overlong
        {"\xED\xA0\x80\xF4\x90\x80\x80\xE2\x82", {R, R, R}}, // a surrogate, past U+10FFFF, cut at the end
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

TEST(Text, TheGeneratedMetricsCoverLatin1AndFitTheShippedAtlas)
{
    const std::string Tga = read_file(std::string(QUORVEL_SOURCE_DIR) + "/data/gfx/font1.tga");
    const int N = font_glyphs::ATLAS_SIZE;
    ASSERT_EQ(Tga.size(), 18u + 4u * N * N);
    EXPECT_EQ(Tga.substr(12, 4), std::string({(char)N, (char)(N >> 8), (char)N, (char)(N >> 8)}));
    for (int C = 0x20; C <= 0xFF; C++) EXPECT_TRUE(glyph(C) || (C > 0x7E && C < 0xA0)) << C;
    EXPECT_TRUE(glyph(font_glyphs::REPLACEMENT));
    for (const font_glyphs::glyph& G : font_glyphs::GLYPHS)
        EXPECT_TRUE(G.x >= 0 && G.y >= 0 && G.x + G.w <= N && G.y + G.h <= N && (G.w > 0) == (G.h > 0)) << G.code;
}
