// The lettering without a window: the code points a text is drawn with, widths from the advances,
// wrapping, and the generated metrics against the shipped atlas. Drawing is in test_drawing.cpp.
#include "helpers.h"

#include "font_glyphs.h"
#include "text.h"

#include <set>

using font_glyphs::GLYPHS;

namespace {
double advance(int Code)
{
    for (const font_glyphs::glyph& G : GLYPHS)
        if (G.code == Code) return G.advance;
    return -1.0;
}
} // namespace

TEST(Text, WhatTheFontLacksAndEveryMalformedSequenceIsOneReplacementEach)
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
    EXPECT_DOUBLE_EQ(font().width("\xC3(\x80", 2.0), (2 * advance(R) + advance('(')) * 2.0 / font_glyphs::LINE_HEIGHT);
}

TEST(Text, WidthsAddUpAndLinesBreakAtSpacesAndNewlines)
{
    font Font;
    const double S = 0.5, Pair = Font.width("bee bee", S);
    EXPECT_DOUBLE_EQ(Font.width("Aé ", S), (advance('A') + advance(0xE9) + advance(' ')) * S / font_glyphs::LINE_HEIGHT);
    const struct
    {
        std::string Text;
        double Max;
        std::vector<std::string> Lines;
    } Cases[] = {
        {"bee bee bee", Pair + 1e-9, {"bee bee", "bee"}},
        {"bee bee bee", Pair - 1e-9, {"bee", "bee", "bee"}},
        {"  bee   bee\n\nhive ", 100.0, {"bee bee", "", "hive"}}, // runs of spaces are one break
        {"bee honeycombs bee", Font.width("bee", S), {"bee", "honeycombs", "bee"}}, // too long, yet whole
        {"", 1.0, {""}},
    };
    for (const auto& C : Cases) EXPECT_EQ(Font.wrap(C.Text, S, C.Max), C.Lines) << C.Text << " in " << C.Max;
}

TEST(Text, TheGeneratedMetricsFitTheShippedAtlas)
{
    const std::string Tga = read_file(std::string(QUORVEL_SOURCE_DIR) + "/data/gfx/font1.tga");
    const int N = font_glyphs::ATLAS_SIZE;
    ASSERT_EQ(Tga.size(), 18u + 4u * N * N);
    ASSERT_EQ(Tga.substr(12, 4), std::string({(char)N, (char)(N >> 8), (char)N, (char)(N >> 8)}));
    std::set<int> Codes;
    for (const font_glyphs::glyph& G : GLYPHS)
    {
        Codes.insert(G.code);
        if (G.w == 0) continue;
        ASSERT_TRUE(G.x >= 0 && G.y >= 0 && G.x + G.w <= N && G.y + G.h <= N) << G.code;
        // Its rectangle holds the whole glyph: ink inside, nothing on the border, neighbours apart.
        int Ink = 0, Border = 0;
        for (int Y = G.y; Y < G.y + G.h; Y++)
            for (int X = G.x; X < G.x + G.w; X++)
            {
                unsigned char A = Tga[18 + 4 * ((size_t)Y * N + X) + 3];
                Ink += A > 127;
                if (X == G.x || Y == G.y || X == G.x + G.w - 1 || Y == G.y + G.h - 1) Border = std::max<int>(Border, A);
            }
        EXPECT_TRUE(Ink > 0 && Border == 0) << G.code;
    }
    for (int C = 0x20; C <= 0xFF; C++) EXPECT_TRUE(Codes.count(C) || (C > 0x7E && C < 0xA0)) << C;
    EXPECT_TRUE(Codes.count(font_glyphs::REPLACEMENT));
}
