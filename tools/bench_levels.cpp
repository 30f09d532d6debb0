// What a level code costs: encoding and decoding the code of each level of the table, the largest map
// (level 9, 44 by 40 tiles) the dearest; and reading and writing the same as a level file.
#include "data_dir.h"
#include "level.h"
#include "level_code.h"
#include "level_file.h"

#include <benchmark/benchmark.h>

namespace {
level_data table_level(int Index)
{
    level_data L;
    std::string Problem;
    if (!table_level_data(Index, L, Problem)) std::abort();
    return L;
}

void BM_code_encode(benchmark::State& State)
{
    const level_data L = table_level((int)State.range(0));
    for (auto _ : State) benchmark::DoNotOptimize(level_code(L));
    State.SetLabel(std::to_string(level_code(L).size()) + " characters");
}

void BM_code_decode(benchmark::State& State)
{
    const std::string Code = level_code(table_level((int)State.range(0)));
    level_data Out;
    std::string Problem;
    for (auto _ : State) benchmark::DoNotOptimize(read_level_code(Code, Out, Problem));
}

void BM_file_read(benchmark::State& State)
{
    const std::string File = write_level_file(table_level((int)State.range(0)));
    level_data Out;
    std::string Problem;
    for (auto _ : State) benchmark::DoNotOptimize(read_level_file(File, Out, Problem));
    State.SetLabel(std::to_string(File.size()) + " bytes");
}
} // namespace

int main(int ArgC, char** ArgV)
{
    if (!enter_data_dir()) return 2;
    for (int a = 0; a < count_levels(); a++)
    {
        const std::string Level = "/level" + std::to_string(a + 1);
        benchmark::RegisterBenchmark(("code_encode" + Level).c_str(), BM_code_encode)->Arg(a);
        benchmark::RegisterBenchmark(("code_decode" + Level).c_str(), BM_code_decode)->Arg(a);
        benchmark::RegisterBenchmark(("file_read" + Level).c_str(), BM_file_read)->Arg(a);
    }
    benchmark::Initialize(&ArgC, ArgV);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
