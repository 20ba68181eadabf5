// Speed of the calculator and of the Spread table generation.

#include "SpreadTableBuilder.h"
#include "calc/CalculationsUnit.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

void BM_BuildSpreadTablesFiveAndSix(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(spreadgen::BuildSpreadTables(6));
}
BENCHMARK(BM_BuildSpreadTablesFiveAndSix)->Unit(benchmark::kMillisecond);

void BM_BuildSpreadTablesFiveToNine(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(spreadgen::BuildSpreadTables(9));
}
BENCHMARK(BM_BuildSpreadTablesFiveToNine)->Unit(benchmark::kMillisecond);

// The subset-by-subset reference on one column, for the ratio.
void BM_EnumerateOneColumn(benchmark::State &state)
{
    const int marks = static_cast<int>(state.range(0));
    const int cells = static_cast<int>(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(spreadgen::EnumerateColumn(marks, cells));
}
BENCHMARK(BM_EnumerateOneColumn)->Args({6, 36})->Args({6, 49})->Unit(benchmark::kMillisecond);

void BM_SpreadCoefficient(benchmark::State &state)
{
    std::array<uint8_t, 49> flags{};
    for (int n : {13, 19, 20, 33, 38, 43})
        flags[n - 1] = 1;
    const TLottoCalc calc;
    for (auto _ : state) {
        benchmark::DoNotOptimize(flags);
        benchmark::DoNotOptimize(calc.SpreadCoefficient(flags, 6, 49));
    }
}
BENCHMARK(BM_SpreadCoefficient);

void BM_PunchCoefficient(benchmark::State &state)
{
    const TLottoCalc calc;
    int32_t sum = 166;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(calc.PunchCoefficient(sum, 6, 49));
    }
}
BENCHMARK(BM_PunchCoefficient);

} // namespace

BENCHMARK_MAIN();
