// Speed of the calculator, of the results panel's figures and of the
// Spread table generation.

#include "SpreadTableBuilder.h"
#include "calc/CalculationsUnit.h"
#include "coupon/logic/CouponForTests.h"
#include "coupon/logic/ResultFigures.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

namespace {

// Twelve full boards of 6 on 49 cells, each of numbers drawn from the first
// `pool` numbers, marked through the click rules; pool 0 spreads them over
// every number, board after board (1 to 6, 7 to 12, ..., 49 and 1 to 5, ...).
TCouponState TwelveBoards(int pool, unsigned seed)
{
    const TCouponShape shape{12, 49, 6};
    std::mt19937 random(seed);
    TCouponState coupon;
    for (int b = 1; b <= 12; ++b) {
        std::vector<int> numbers(static_cast<size_t>(std::max(pool, 1)));
        std::iota(numbers.begin(), numbers.end(), 1);
        std::shuffle(numbers.begin(), numbers.end(), random);
        for (int m = 0; m < 6; ++m) {
            const int n = pool == 0 ? (6 * (b - 1) + m) % 49 + 1 : numbers[static_cast<size_t>(m)];
            const TPoint p = fortests::CellOrigin(b, n);
            coupon.Click(*CouponHitTest(p.x + 4, p.y + 4), shape, [](uint8_t) { return false; });
        }
    }
    return coupon;
}

// Every figure of the results panel: the chances, odds and returns of the
// seven divisions and the totals, as one completed board asks for them.
void BM_ResultFiguresTwelveBoards(benchmark::State &state)
{
    const int pool = static_cast<int>(state.range(0));
    const TCouponShape shape{12, 49, 6};
    const std::array<uint8_t, 7> on = {1, 1, 1, 1, 1, 1, 1};
    const std::array<int64_t, 7> payments = {1000000, 300000, 20000, 5000, 200, 10, 2};
    const TCouponState coupon = TwelveBoards(pool, static_cast<unsigned>(state.range(1)));
    for (auto _ : state) {
        const TWinColumn win = WinProbabilities(coupon, shape, on, 0, '.');
        benchmark::DoNotOptimize(Odds(win));
        benchmark::DoNotOptimize(Returns(win, payments, '.'));
    }
}
// Random boards on the whole board (three coupons), boards spread over
// every number (the most numbers to visit), and boards from ten numbers;
// the arguments are the pool and the seed.
BENCHMARK(BM_ResultFiguresTwelveBoards)
    ->Args({49, 1})
    ->Args({49, 2})
    ->Args({49, 3})
    ->Args({0, 0})
    ->Args({10, 1})
    ->Unit(benchmark::kMillisecond);

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
