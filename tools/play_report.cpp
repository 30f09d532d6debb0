// The level balance report: every level played over many seeds by the herding player with a quick hand,
// by the same player with a careful hand, and by a player who never presses, with bees rescued and
// killed, medals and the time each level took.
// Usage: play_report [--levels FIRST-LAST] [--seeds N] [--first-seed S] [--jobs J] [--seconds LIMIT]
//                    [--players all|herder|careful|passive]
// Levels are numbered from 1 as on the title screen. Jobs are separate processes (the world is a
// global), each playing its share of the games and sending the results back through a pipe.
#include "data_dir.h"
#include "player/bot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

enum players
{
    pl_herder,  // the herder with a quick hand
    pl_careful, // the herder with a careful hand
    pl_passive, // never presses
    PL_SIZE
};
const char* const PLAYER_NAMES[PL_SIZE] = {"herder", "careful", "passive"};

struct game
{
    int level;
    unsigned long seed;
    int who;
    player::result res;
};

struct spread
{
    int lo, mid, hi;
};

spread spread_of(std::vector<int> V)
{
    std::sort(V.begin(), V.end());
    return {V.front(), V[V.size() / 2], V.back()};
}

std::string fmt_spread(const spread& S)
{
    char Buf[64];
    std::snprintf(Buf, sizeof Buf, "%d / %d / %d", S.lo, S.mid, S.hi);
    return Buf;
}

void run_games(std::vector<game>& Games, int Jobs, double Limit)
{
    std::vector<int> Pipes;
    std::vector<pid_t> Children;
    for (int J = 0; J < Jobs; J++)
    {
        int Fd[2];
        if (pipe(Fd) != 0) std::exit(1);
        pid_t Pid = fork();
        if (Pid == 0)
        {
            close(Fd[0]);
            // The world's trace lines (texture loads) would mix into the report.
            int Null = open("/dev/null", O_WRONLY);
            if (Null >= 0) dup2(Null, 1);
            FILE* Out = fdopen(Fd[1], "w");
            for (size_t G = J; G < Games.size(); G += Jobs)
            {
                game& Gm = Games[G];
                player::hand Hand = Gm.who == pl_careful ? player::careful_hand() : player::hand();
                Gm.res = player::play_level(Gm.level, Gm.seed, Gm.who == pl_passive, Limit, Hand);
                std::fprintf(Out, "%zu %d %d %d %.2f %d\n", G, Gm.res.rescued_bees, Gm.res.killed_bees,
                             Gm.res.medals, Gm.res.end_time, Gm.res.killed_near_hive);
                std::fflush(Out);
                std::fprintf(stderr, "level %d seed %lu %s: rescued %d killed %d end %.1f\n", Gm.level + 1,
                             Gm.seed, PLAYER_NAMES[Gm.who], Gm.res.rescued_bees,
                             Gm.res.killed_bees, Gm.res.end_time);
            }
            std::fclose(Out);
            _exit(0);
        }
        close(Fd[1]);
        Pipes.push_back(Fd[0]);
        Children.push_back(Pid);
    }
    for (int Fd : Pipes)
    {
        FILE* In = fdopen(Fd, "r");
        size_t G;
        int Rescued, Killed, Medals, NearHive;
        double End;
        while (std::fscanf(In, "%zu %d %d %d %lf %d", &G, &Rescued, &Killed, &Medals, &End, &NearHive) == 6)
        {
            player::result& R = Games[G].res;
            R.total_bees = all_levels[Games[G].level].num_bees;
            R.rescued_bees = Rescued;
            R.killed_bees = Killed;
            R.medals = Medals;
            R.end_time = End;
            R.killed_near_hive = NearHive;
        }
        std::fclose(In);
    }
    for (pid_t Pid : Children) waitpid(Pid, nullptr, 0);
}

} // namespace

int main(int ArgC, char** ArgV)
{
    int First = 1, Last = 10, Seeds = 30, Jobs = 2;
    std::string Players = "all";
    unsigned long FirstSeed = 1;
    double Limit = player::TIME_LIMIT;
    for (int a = 1; a + 1 < ArgC; a += 2)
    {
        std::string Opt = ArgV[a];
        const char* Val = ArgV[a + 1];
        if (Opt == "--levels")
        {
            if (std::sscanf(Val, "%d-%d", &First, &Last) == 1) Last = First;
        }
        else if (Opt == "--seeds")
            Seeds = std::atoi(Val);
        else if (Opt == "--first-seed")
            FirstSeed = std::strtoul(Val, nullptr, 10);
        else if (Opt == "--jobs")
            Jobs = std::atoi(Val);
        else if (Opt == "--players")
            Players = Val;
        else if (Opt == "--seconds")
            Limit = std::atof(Val);
        else
        {
            std::fprintf(stderr, "unknown option %s\n", Opt.c_str());
            return 2;
        }
    }
    if (!enter_data_dir())
    {
        std::fprintf(stderr, "cannot find the data directory\n");
        return 2;
    }
    int NumLevels = count_levels();
    if (First < 1 || Last > NumLevels || First > Last || Seeds < 1 || Jobs < 1)
    {
        std::fprintf(stderr, "levels within 1-%d, at least one seed and one job\n", NumLevels);
        return 2;
    }
    if (Players != "all" && std::find(PLAYER_NAMES, PLAYER_NAMES + PL_SIZE, Players) == PLAYER_NAMES + PL_SIZE)
    {
        std::fprintf(stderr, "players: all, herder, careful or passive\n");
        return 2;
    }

    // The big levels first, so that the jobs finish together.
    std::vector<game> Games;
    for (int L = Last; L >= First; L--)
        for (int P = 0; P < PL_SIZE; P++)
            if (Players == "all" || Players == PLAYER_NAMES[P])
                for (int s = 0; s < Seeds; s++) Games.push_back({L - 1, FirstSeed + s, P, {}});
    run_games(Games, Jobs, Limit);

    std::printf("Seeds %lu to %lu, time limit %.0f s, steps of %.0f ms.\n\n", FirstSeed, FirstSeed + Seeds - 1,
                Limit, player::STEP * 1000);
    std::printf("| Level | Bees | Medals at | Player | Rescued min/median/max | Killed min/median/max | "
                "Seeds with 1 / 2 / 3 medals | Ended | End time median/max (s) | Kills by the hive |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|\n");
    std::vector<std::string> Notes;
    double LastLoss[PL_SIZE] = {-1.0, -1.0, -1.0};
    for (int L = First - 1; L < Last; L++)
    {
        level& Lv = all_levels[L];
        for (int P = 0; P < PL_SIZE; P++)
        {
            std::vector<int> Rescued, Killed;
            std::vector<double> Ends; // a game that ran out of time counts as never ending
            int AtLeast[4] = {0, 0, 0, 0};
            int LossSum = 0, NearHiveSum = 0, Ended = 0;
            for (game& G : Games)
            {
                if (G.level != L || G.who != P) continue;
                Rescued.push_back(G.res.rescued_bees);
                Killed.push_back(G.res.killed_bees);
                LossSum += G.res.killed_bees;
                NearHiveSum += G.res.killed_near_hive;
                for (int m = 1; m <= 3; m++)
                    if (G.res.medals >= m) AtLeast[m]++;
                Ends.push_back(G.res.end_time >= 0.0 ? G.res.end_time : HUGE_VAL);
                if (G.res.end_time >= 0.0) Ended++;
            }
            int N = (int)Rescued.size();
            if (N == 0) continue;
            std::sort(Ends.begin(), Ends.end());
            double Median = Ends[N / 2];
            char EndText[64] = "-";
            if (Ended > 0)
            {
                char MedianText[32] = "-";
                if (Median < HUGE_VAL) std::snprintf(MedianText, sizeof MedianText, "%.0f", Median);
                std::snprintf(EndText, sizeof EndText, "%s / %.0f", MedianText, Ends[Ended - 1]);
            }
            char HiveText[64] = "-";
            if (LossSum > 0) std::snprintf(HiveText, sizeof HiveText, "%d of %d", NearHiveSum, LossSum);
            std::printf("| %d | %d | %d, %d, %d | %s | %s | %s | %d / %d / %d | %d of %d | %s | %s |\n", L + 1,
                        Lv.num_bees, Lv.medal_bees[0], Lv.medal_bees[1], Lv.medal_bees[2], PLAYER_NAMES[P],
                        fmt_spread(spread_of(Rescued)).c_str(), fmt_spread(spread_of(Killed)).c_str(), AtLeast[1],
                        AtLeast[2], AtLeast[3], Ended, N, EndText, HiveText);

            char Note[256];
            const char* Who = P == pl_careful ? "the careful herder" : "the herder";
            if (P == pl_passive)
            {
                if (L >= 3 && 2 * (N - AtLeast[2]) <= N)
                {
                    std::snprintf(Note, sizeof Note, "level %d: the passive player earns a second medal in %d of %d seeds",
                                  L + 1, AtLeast[2], N);
                    Notes.push_back(Note);
                }
                continue;
            }
            // Every medal the level can award, in five seeds of six.
            for (int m = 1; m <= 3; m++)
                if (Lv.medal_bees[m - 1] <= Lv.num_bees && 6 * AtLeast[m] < 5 * N)
                {
                    std::snprintf(Note, sizeof Note, "level %d: %s earns medal %d in only %d of %d seeds", L + 1, Who,
                                  m, AtLeast[m], N);
                    Notes.push_back(Note);
                }
            // A careful hand finishes the first levels in two minutes and none takes more than six.
            double MaxMedian = P == pl_careful ? (L < 3 ? 120.0 : 360.0) : HUGE_VAL;
            if (Median >= MaxMedian)
            {
                std::snprintf(Note, sizeof Note, "level %d: %s's median game lasts %s", L + 1, Who,
                              Median < HUGE_VAL ? (std::to_string((int)Median) + " s").c_str() : "past the limit");
                Notes.push_back(Note);
            }
            double Loss = (double)LossSum / (N * Lv.num_bees);
            if (LastLoss[P] > 0.0 && Loss < LastLoss[P] * 0.5 && LastLoss[P] - Loss > 0.05)
            {
                std::snprintf(Note, sizeof Note, "level %d: %s loses %.0f%% of the bees against %.0f%% on the level before",
                              L + 1, Who, 100 * Loss, 100 * LastLoss[P]);
                Notes.push_back(Note);
            }
            LastLoss[P] = Loss;
        }
    }
    std::printf("\n");
    if (Notes.empty())
        std::printf("Every target is met.\n");
    for (const std::string& Note : Notes) std::printf("- %s\n", Note.c_str());
    return 0;
}
