// Draws the opening view of each level of the second set (tools/player/set2.h) as the game shows it at
// 800 by 600, a few seconds into the level with nobody pressing, to look at the map, the flowers and
// the bees where a player first sees them; and with --hive, the view round the hive.
// Usage: SDL_VIDEODRIVER=offscreen set2_views OUTDIR [--seconds S] [--seed N] [--hive]
//        (writes OUTDIR/set2_NN.tga, and set2_NN_hive.tga with --hive)
#include "data_dir.h"
#include "player/set2.h"
#include "play.h"
#include "quorvel.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void write_frame(const std::string& Name, int W, int H)
{
    std::vector<unsigned char> Px((size_t)W * H * 4);
    glReadPixels(0, 0, W, H, GL_BGRA, GL_UNSIGNED_BYTE, Px.data());
    for (size_t a = 3; a < Px.size(); a += 4) Px[a] = 255; // what blending left in alpha is not shown
    // Bottom row first, as GL reads it and as TGA stores by default.
    const unsigned char Header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, (unsigned char)W, (unsigned char)(W >> 8),
                                      (unsigned char)H, (unsigned char)(H >> 8), 32, 0x08};
    FILE* F = std::fopen(Name.c_str(), "wb");
    bool Written = F && std::fwrite(Header, 1, 18, F) == 18 && std::fwrite(Px.data(), 1, Px.size(), F) == Px.size();
    if (!Written) std::fprintf(stderr, "cannot write %s\n", Name.c_str());
    if (F) std::fclose(F);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

} // namespace

int main(int ArgC, char** ArgV)
{
    if (ArgC < 2)
    {
        std::fprintf(stderr, "usage: %s OUTDIR [--seconds S] [--seed N] [--hive]\n", ArgV[0]);
        return 2;
    }
    std::string Out = ArgV[1];
    double Seconds = 3.0;
    unsigned long Seed = 1;
    bool Hive = false;
    for (int a = 2; a < ArgC; a++)
    {
        if (!std::strcmp(ArgV[a], "--hive"))
            Hive = true;
        else if (!std::strcmp(ArgV[a], "--seconds") && a + 1 < ArgC)
            Seconds = std::atof(ArgV[++a]);
        else if (!std::strcmp(ArgV[a], "--seed") && a + 1 < ArgC)
            Seed = std::strtoul(ArgV[++a], nullptr, 10);
        else
            return std::fprintf(stderr, "unknown option %s\n", ArgV[a]), 2;
    }
    if (!enter_data_dir() || SDL_Init(SDL_INIT_VIDEO) != 0 || screen_open(800, 600, false, false) != 0)
    {
        std::fprintf(stderr, "cannot find the data directory or open a window\n");
        return 2;
    }
    for (int L = 0; L < player::SET2_SIZE; L++)
    {
        level Lv = player::set2_table()[L].record;
        ref<world> World = mkref(new world);
        World->init(Lv, Seed);
        play Play;
        Play.init_level(World);
        for (int f = 0; f < (int)(Seconds * 100 + 0.5); f++) Play.update(0.01);
        char Name[64];
        std::snprintf(Name, sizeof Name, "/set2_%02d", L + 1);
        Play.render();
        if (L == 0) Play.render(); // the first frame after the window opens comes out black
        write_frame(Out + Name + ".tga", 800, 600);
        if (Hive)
        {
            Play.R.set_view(Lv.hive_pos - mkrpos(20.0 / 3.0, 5.0, 0.0));
            Play.clamp_view_center();
            Play.render();
            write_frame(Out + Name + "_hive.tga", 800, 600);
        }
    }
    screen_close();
    SDL_Quit();
    return 0;
}
