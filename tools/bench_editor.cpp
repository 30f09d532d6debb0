// What the level editor costs a frame on the last level of the table: one frame of our careful player,
// the verdict's slice a frame of the editor gives it (VERDICT_SLICE, its frames counted), and whole
// frames of the editor (update and drawing, under the offscreen driver) with the verdict playing and
// without, in the 800 by 600 window and at 1440 by 1080; and a stroke of the largest brush across the
// largest map a level may have. Runs in a scratch directory with the source tree's data/ linked in.
#include "editor.h"
#include "level.h"
#include "level_file.h"
#include "quorvel.h"
#include "verdict.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

level_data last_level()
{
    level_data L;
    std::string Problem;
    if (!table_level_data(count_levels() - 1, L, Problem)) std::abort();
    return L;
}

void BM_verdict_frame(benchmark::State& State)
{
    verdict V(last_level(), VERDICT_SEEDS);
    V.play_slice(0.0); // the first game's world built
    for (auto _ : State) V.play_slice(0.0);
    State.SetLabel("one frame of the careful player, 300 bees");
}

void BM_verdict_slice(benchmark::State& State)
{
    verdict V(last_level(), VERDICT_SEEDS);
    long Slices = 0, Before = V.frames;
    for (auto _ : State) V.play_slice(VERDICT_SLICE), Slices++;
    State.counters["frames_a_slice"] = (double)(V.frames - Before) / Slices;
    State.SetLabel("budget " + std::to_string((int)(VERDICT_SLICE * 1000)) + " ms");
}

void BM_editor_frame(benchmark::State& State)
{
    screen_close();
    screen_open((int)State.range(0), (int)State.range(1), false, false);
    editor E;
    delete E.opened(); // the start card
    E.begin_with(last_level());
    if (State.range(2)) E.judge();
    mouseloc = mkrloc(0.4, 0.5); // over the map, away from its edges: no scrolling
    for (auto _ : State)
    {
        E.update(0.01);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        E.render();
        glFinish(); // drawn, not just queued
    }
    State.SetLabel(State.range(2) ? "the verdict playing" : "idle");
}

void BM_editor_stroke(benchmark::State& State)
{
    level_edit Edit;
    Edit.start(level_edit::blank(64, 64));
    Edit.begin_stroke();
    double X = 0.5;
    int Way = 1;
    for (auto _ : State)
    {
        Edit.paint(mkrloc(X, 32.5), X > 32 ? world::tt_water : world::tt_rock, 5);
        X += 0.3 * Way; // a brush drawn at a quick hand's pace, back and forth across the map
        if (X > 63.5 || X < 0.5) Way = -Way;
    }
    Edit.end_stroke();
    State.SetLabel("64 by 64, brush 5");
}

} // namespace

int main(int ArgC, char** ArgV)
{
    char Scratch[] = "/tmp/quorvel-bench-editor-XXXXXX";
    if (!mkdtemp(Scratch) || chdir(Scratch) != 0 || symlink(QUORVEL_SOURCE_DIR "/data", "data") != 0) return 1;
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || screen_open(800, 600, false, false) != 0) return 1;
    scan_all_levels();

    benchmark::RegisterBenchmark("verdict_frame/last_level", BM_verdict_frame)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("verdict_slice/last_level", BM_verdict_slice)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("editor_frame/last_level", BM_editor_frame)
        ->Args({800, 600, 0})
        ->Args({800, 600, 1})
        ->Args({1440, 1080, 0})
        ->Args({1440, 1080, 1})
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("editor_stroke/largest_map", BM_editor_stroke)->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&ArgC, ArgV);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    screen_close();
    SDL_Quit();
    unlink("editor_work.qbl");
    unlink("data");
    chdir("/");
    rmdir(Scratch);
    return 0;
}
