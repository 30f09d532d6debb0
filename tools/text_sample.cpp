// Draws sample lettering as the game draws it, over the title's panels and over the first level in play, at
// 800 by 600 and at 1440 by 1080, into TGA files to look at: how sharp the text is at every size the
// screens use, accented letters, digits, the translations' alphabets and the replacement for what the font
// lacks.
// Usage: SDL_VIDEODRIVER=offscreen text_sample OUTDIR   (writes text_{title,play}_{600,1080}.tga)
#include "data_dir.h"
#include "level.h"
#include "play.h"
#include "quorvel.h"
#include "text.h"
#include "title.h"

#include <GL/gl.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {
const char* SAMPLE = "%.2f: Æsop's café, über Straße? ¿Qué? 0123456789";

void write_frame(const std::string& Name, int W, int H)
{
    std::vector<unsigned char> Px((size_t)W * H * 4);
    glReadPixels(0, 0, W, H, GL_BGRA, GL_UNSIGNED_BYTE, Px.data());
    for (size_t a = 3; a < Px.size(); a += 4) Px[a] = 255; // what blending left in alpha is not shown
    // Top row first, as the game's pictures are stored; GL reads the bottom row first.
    const unsigned char Header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, (unsigned char)W, (unsigned char)(W >> 8),
                                      (unsigned char)H, (unsigned char)(H >> 8), 32, 0x28};
    FILE* F = std::fopen(Name.c_str(), "wb");
    bool Written = F && std::fwrite(Header, 1, 18, F) == 18;
    for (int Y = H - 1; Written && Y >= 0; Y--) Written = std::fwrite(&Px[(size_t)Y * W * 4], 1, (size_t)W * 4, F) == (size_t)W * 4;
    if (!Written) std::fprintf(stderr, "cannot write %s\n", Name.c_str());
    if (F) std::fclose(F);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// A line at each size from the smallest the screens use to the largest, then a heading and the
// replacements: a euro sign, a tab, a lone lead byte.
void samples(const font& Font, bool Outlined)
{
    glLoadIdentity(); // the picture's own units, as the title draws in
    const fcolor Ink = Outlined ? mkfcolor(1, 1, 1, 1) : mkfcolor(0.23f, 0.13f, 0.05f, 1);
    const fcolor Rim = mkfcolor(0.1f, 0.06f, 0.02f, 0.85f);
    double Y = 0.3;
    for (double Size : {0.3, 0.4, 0.5, 0.7, 1.0})
    {
        char Line[128];
        std::snprintf(Line, sizeof Line, SAMPLE, Size);
        if (Outlined)
            Font.draw_outlined(Line, mkrpos(0.3, Y, 0), Size, font::left, Ink, Rim);
        else
            Font.draw(Line, mkrpos(0.3, Y, 0), Size, font::left, Ink);
        Y += Size * 1.15;
    }
    Font.draw_outlined("Level 3: The Tongue", mkrpos(6.666, Y, 0), 0.8, font::centre, mkfcolor(1, 0.81f, 0.16f, 1), Rim);
    std::vector<std::string> Lines = Font.wrap("A euro \xE2\x82\xAC, a tab \t and a cut \xC3 show the replacement. "
                                               "This sentence wraps at spaces to a right-aligned column.",
                                               0.45, 6.0);
    Y += 1.0;
    for (const std::string& L : Lines) Font.draw(L, mkrpos(13.0, Y, 0), 0.45, font::right, Ink), Y += 0.45;
    // Polish, Czech, Russian and Ukrainian, small to large, then capitals with accents stacked high.
    const std::pair<const char*, double> Translated[] = {
        {"Zażółć gęślą jaźń", 0.3},
        {"Příliš žluťoučký kůň úpěl ďábelské ódy", 0.45},
        {"Съешь же ещё этих мягких французских булок", 0.5},
        {"Ґава, їжак, єнот і ще щось — «№ 5» „…“", 0.7},
        {"ŻÓŁW ŘÍJEN ĂŽ ЙЁЇҐ Щ", 1.0},
    };
    for (const auto& [Line, Size] : Translated)
    {
        if (Outlined)
            Font.draw_outlined(Line, mkrpos(0.3, Y, 0), Size, font::left, Ink, Rim);
        else
            Font.draw(Line, mkrpos(0.3, Y, 0), Size, font::left, Ink);
        Y += Size * 1.15;
    }
}
} // namespace

int main(int ArgC, char** ArgV)
{
    if (ArgC < 2)
    {
        std::fprintf(stderr, "usage: %s OUTDIR\n", ArgV[0]);
        return 2;
    }
    std::string Out = ArgV[1];
    if (!enter_data_dir() || SDL_Init(SDL_INIT_VIDEO) != 0 || screen_open(1440, 1080, false, false) != 0)
    {
        std::fprintf(stderr, "cannot find the data directory or open a window\n");
        return 2;
    }
    num_levels = count_levels(); // not scan_all_levels: the player's save stays unread
    title Title;
    Title.init();
    Title.slide_in_alpha = 1.0; // its panels in place
    font Font;
    Font.load();
    ref<world> World = mkref(new world);
    World->init(all_levels[0], 5);
    play Play;
    Play.init_level(World);
    for (int f = 0; f < 200; f++) Play.update(0.01);

    for (int H : {1080, 600}) // the offscreen window's buffer keeps its first size: the larger
    {
        SDL_SetWindowSize(screen_window, H * 4 / 3, H);
        refresh_gl_viewport_from_window_size();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        Title.draw_background();
        samples(Font, false);
        write_frame(Out + "/text_title_" + std::to_string(H) + ".tga", H * 4 / 3, H);
        Play.render();
        samples(Font, true);
        write_frame(Out + "/text_play_" + std::to_string(H) + ".tga", H * 4 / 3, H);
    }
    screen_close();
    SDL_Quit();
    return 0;
}
