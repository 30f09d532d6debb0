// How much checking a replay costs beside the world's steps alone: five minutes of the last level played
// by the careful herder, recorded as the game records a play, then (a) its frames stepped through the play
// screen without the file and without the horseflies' draws, and (b) the whole check, as
// --check-replay runs it: the file read and decoded, the level's map hashed, every frame stepped and its
// draws made, the world's digest compared. Prints the times and their ratio; no verdict.
// Usage: bench_replay [seconds of play, default 300] [runs, default 3]
#include "command_line.h"
#include "data_dir.h"
#include "player/recorded.h"

#include <chrono>
#include <functional>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {
double seconds_of(const std::function<void()>& Body, int Runs)
{
    double Best = 1e9;
    for (int r = 0; r < Runs; r++)
    {
        auto Start = std::chrono::steady_clock::now();
        Body();
        Best = std::min(Best, std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count());
    }
    return Best;
}
} // namespace

int main(int ArgC, char** ArgV)
{
    double Seconds = ArgC > 1 ? std::atof(ArgV[1]) : 300.0;
    int Runs = ArgC > 2 ? std::atoi(ArgV[2]) : 3;
    if (!enter_data_dir()) return std::fprintf(stderr, "cannot find the data directory\n"), 2;
    int Last = count_levels() - 1;
    num_levels = Last + 1;
    replay R = player::recorded_play(Last, 1, Seconds);
    const std::string Path = "/tmp/quorvel-bench-replay.qbr";
    std::ofstream(Path, std::ios::binary) << write_replay(R);

    double Steps = seconds_of(
        [&] {
            ref<world> W = mkref(new world);
            W->init(all_levels[Last], R.seed);
            play P;
            P.init_level(W);
            for (const replay_frame& F : R.frames)
            {
                for (const replay_event& E : F.events)
                {
                    SDL_Event Event = replayed_event(E);
                    P.take(Event);
                }
                mouseloc = F.mouse;
                P.step(F.step);
            }
        },
        Runs);
    double Check = seconds_of([&] { check_replay(Path); }, Runs);
    std::printf("level %d, %zu frames (%.0f s of play), replay %zu bytes\n", Last + 1, R.frames.size(), R.time,
                write_replay(R).size());
    std::printf("world steps alone: %.3f s\ncheck of the replay: %.3f s\nratio: %.3f\n", Steps, Check, Check / Steps);
    std::remove(Path.c_str());
    return 0;
}
