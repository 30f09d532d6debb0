// World costs per frame: world::update on every level of the table (warmed up by one simulated
// second, so the grids hold scent), and one full frame of drawing of the last level under the
// offscreen driver, in the 800 by 600 window and at 1440 by 1080, where every point is drawn larger:
// the world alone, and the play screen's whole frame without and with what it draws besides (a drag's
// trail, every bee's mark, the gauges, a homecoming and the double speed's mark; the ghost hand shows on
// level 1 alone).
// Runs from the source tree so the real maps are used.
#include "bee.h"
#include "flower.h"
#include "level.h"
#include "picture.h"
#include "play.h"
#include "quorvel.h"
#include "screen.h"
#include "sound.h"
#include "world.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>
#include <cstdlib>
#include <unistd.h>

namespace {

// The picture drawn W by H in the one window: a window opened anew would be a new GL context, in which
// the pictures the texture cache uploaded in the first are no textures at all.
void picture_size(int W, int H)
{
    picture_viewport = {0, 0, W, H};
    glViewport(0, 0, W, H);
    glScissor(0, 0, W, H); // clearing and drawing that much, as in a window of that size
    glEnable(GL_SCISSOR_TEST);
}

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
    picture_size((int)State.range(0), (int)State.range(1));
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

// The last level's play screen past its name and goal: half a second's drag at double speed from the flower
// nearest the view's middle toward the hive, and a bee just home.
void play_final_level(ref<world>& W, play& P, bool Hints)
{
    int Index = count_levels() - 1;
    W = mkref(new world);
    W->init(all_levels[Index], 12345);
    P.letters.load();
    P.init_level(W);
    P.level_index = Index;
    P.hints_flag = Hints;
    flower* From = nullptr;
    for (ref<sprite>& S : W->sprites)
        if (S->sprite_type == sprite::st_flower &&
            (!From || length(S->position - mkrpos(6.6, 5, 0)) < length(From->position - mkrpos(6.6, 5, 0))))
            From = static_cast<flower*>(S.ptr());
    const rpos Hive = W->sprites[0]->position;
    mouseloc = mkrloc(From->position[0] / 10, From->position[1] / 10);
    for (int f = 0; f < 451; f++) P.update(0.01);
    SDL_Event E;
    SDL_zero(E);
    E.type = SDL_MOUSEBUTTONDOWN;
    P.take(E);
    P.hurry_flag = true;
    for (int f = 0; f < 50; f++)
    {
        rpos At = From->position + (Hive - From->position) * (f / 200.0);
        mouseloc = mkrloc(At[0] / 10, At[1] / 10);
        if (f == 45) static_cast<bee*>(W->sprites.back().ptr())->rescue();
        P.update(0.01);
    }
}

double median(std::vector<double> V)
{
    std::sort(V.begin(), V.end());
    return V.empty() ? 0.0 : V[V.size() / 2];
}

// What the play screen draws besides the world and its own marks costs on the last level: two plays of it,
// one without and one with the hints, drawn in turn (their order swapped every time), so that a busy
// machine weighs on both alike. The time is both frames'; the counters are each frame's median and the
// median of the hints' share of each pair. On llvmpipe, LP_NUM_THREADS=0 keeps the drawing on this thread.
void BM_play_render_final(benchmark::State& State)
{
    picture_size((int)State.range(0), (int)State.range(1));
    ref<world> Worlds[2];
    play Plays[2];
    for (int Hints = 0; Hints < 2; Hints++) play_final_level(Worlds[Hints], Plays[Hints], Hints);
    std::vector<double> Times[2], Share;
    for (auto _ : State)
    {
        double Ms[2];
        for (int k = 0; k < 2; k++)
        {
            const int Hints = (k + (int)Share.size()) % 2;
            auto Start = std::chrono::steady_clock::now();
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            Plays[Hints].render();
            glFinish(); // the frame is drawn, not just queued
            Ms[Hints] = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count();
        }
        Times[0].push_back(Ms[0]), Times[1].push_back(Ms[1]), Share.push_back(Ms[1] / Ms[0] - 1);
    }
    State.counters["without_ms"] = median(Times[0]);
    State.counters["with_ms"] = median(Times[1]);
    State.counters["hints_%"] = 100 * median(Share);
    int InView = 0;
    for (ref<sprite>& S : Worlds[1]->sprites)
        InView += S->sprite_type == sprite::st_bee && S->position[0] > Plays[1].R.view_center[0] &&
                  S->position[0] < Plays[1].R.view_center[0] + PICTURE_W && S->position[1] > Plays[1].R.view_center[1] &&
                  S->position[1] < Plays[1].R.view_center[1] + PICTURE_H;
    State.SetLabel(std::to_string(InView) + " bees in view, llvmpipe");
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
    // As large as the largest picture measured, from the start: the offscreen driver keeps a window's first
    // surface however it is resized.
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || screen_open(1440, 1080, false, false) != 0) return 1;

    for (int a = 0; a < count_levels(); a++)
        benchmark::RegisterBenchmark(("world_update/level" + std::to_string(a)).c_str(), BM_world_update)->Arg(a);
    benchmark::RegisterBenchmark("sound_follow/final_level", BM_sound_follow);
    benchmark::RegisterBenchmark("world_render/final_level", BM_world_render_final)
        ->Args({800, 600})
        ->Args({1440, 1080})
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("play_render/final_level", BM_play_render_final)
        ->Args({800, 600})
        ->Args({1440, 1080})
        ->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&ArgC, ArgV);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SDL_Quit();
    return 0;
}
