// World costs per frame: world::update on every level of the table (warmed up by one simulated
// second, so the grids hold scent), and one full frame of drawing of the last level under the
// offscreen driver, in the 800 by 600 window and at 1440 by 1080, where every point is drawn larger.
// Runs from the source tree so the real maps are used.
#include "level.h"
#include "play.h"
#include "quorvel.h"
#include "screen.h"
#include "sound.h"
#include "world.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <unistd.h>

namespace {

ref<world> warm_world(int Index)
{
    ref<world> W = mkref(new world);
    W->init(all_levels[Index], 12345);
    W->set_cursor(mkrloc(5, 5));
    for (int a = 0; a < 100; a++) W->update(0.01);
    return W;
}

void BM_world_update(benchmark::State& State)
{
    int Index = (int)State.range(0);
    ref<world> W = warm_world(Index);
    for (auto _ : State)
    {
        W->update(0.01);
        benchmark::ClobberMemory();
    }
    State.SetLabel(std::string(all_levels[Index].map_file) + ", " + std::to_string(W->sprites.size()) + " sprites");
}

void BM_world_render_final(benchmark::State& State)
{
    // A window of that size from the start: the offscreen driver keeps a resized window's first surface.
    screen_close();
    screen_open((int)State.range(0), (int)State.range(1), false, false);
    int Index = count_levels() - 1;
    ref<world> W = warm_world(Index);
    rstate R;
    R.set_view(mkrpos(5, 0, 0));
    for (auto _ : State)
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        W->render(R);
        glFinish(); // the frame is drawn, not just queued
    }
    State.SetLabel(std::to_string(W->sprites.size()) + " sprites, llvmpipe");
}

// What the sounds add to a frame: following the last level's world, unheard (no audio device here).
void BM_sound_follow(benchmark::State& State)
{
    play Play;
    Play.init_level(warm_world(count_levels() - 1));
    cues Heard;
    Heard.level = &Play;
    sound Sound;
    for (auto _ : State) Sound.follow(Heard, 0.01);
}

} // namespace

int main(int ArgC, char** ArgV)
{
    if (chdir(QUORVEL_SOURCE_DIR) != 0) return 1;
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || screen_open(800, 600, false, false) != 0) return 1;

    for (int a = 0; a < count_levels(); a++)
        benchmark::RegisterBenchmark(("world_update/level" + std::to_string(a)).c_str(), BM_world_update)->Arg(a);
    benchmark::RegisterBenchmark("sound_follow/final_level", BM_sound_follow);
    benchmark::RegisterBenchmark("world_render/final_level", BM_world_render_final)
        ->Args({800, 600})
        ->Args({1440, 1080})
        ->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&ArgC, ArgV);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SDL_Quit();
    return 0;
}
