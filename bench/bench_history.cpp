// Speed of the History window's work on a long history: a results file of
// 10,000 draws imported, and twelve full boards checked against all of them.

#include "history/DrawImport.h"
#include "history/Frequency.h"
#include "history/HistoryCheck.h"
#include "history/HistoryFile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

constexpr size_t kDraws = 10000;

// Fair draws of 6 of 49 with a bonus ball, one every few days from 1990.
std::vector<THistoryDraw> LongHistory()
{
    std::mt19937 random(20251206);
    std::vector<THistoryDraw> draws(kDraws);
    std::vector<uint8_t> numbers(49);
    for (size_t d = 0; d < draws.size(); ++d) {
        std::iota(numbers.begin(), numbers.end(), uint8_t{1});
        std::shuffle(numbers.begin(), numbers.end(), random);
        draws[d].numbers.assign(numbers.begin(), numbers.begin() + 6);
        draws[d].bonus = numbers[6];
        draws[d].date = TDrawDate{static_cast<int>(1990 + d / 300), static_cast<int>(1 + d / 25 % 12),
                                  static_cast<int>(1 + d % 25)};
    }
    return draws;
}

// The file as a lottery publishes it: a heading, a date with the month's
// name, the balls, the bonus and the ball set, machine and draw number.
std::string PublishedFile(const std::vector<THistoryDraw> &draws)
{
    static constexpr const char *kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string text = "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine,DrawNumber\r\n";
    for (size_t d = 0; d < draws.size(); ++d) {
        const TDrawDate &date = *draws[d].date;
        text += std::to_string(date.day);
        text += '-';
        text += kMonths[date.month - 1];
        text += '-';
        text += std::to_string(date.year);
        for (const uint8_t n : draws[d].numbers) {
            text += ',';
            text += std::to_string(n);
        }
        text += ',';
        text += std::to_string(draws[d].bonus);
        text += ",4,Guinevere,";
        text += std::to_string(d + 1);
        text += "\r\n";
    }
    return text;
}

void BM_ImportPublishedFile(benchmark::State &state)
{
    const std::string text = PublishedFile(LongHistory());
    for (auto _ : state)
        benchmark::DoNotOptimize(ImportDraws(text, 6, 49));
}
BENCHMARK(BM_ImportPublishedFile)->Unit(benchmark::kMillisecond);

void BM_ReadKeptHistory(benchmark::State &state)
{
    const std::string text = WriteHistory(LongHistory());
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadHistory(text, 6, 49));
}
BENCHMARK(BM_ReadKeptHistory)->Unit(benchmark::kMillisecond);

// A whole file merged into a history that holds half of it already.
void BM_MergeIntoHistory(benchmark::State &state)
{
    const std::vector<THistoryDraw> draws = LongHistory();
    const std::vector<THistoryDraw> held(draws.begin(), draws.begin() + kDraws / 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(MergeDraws(held, draws));
}
BENCHMARK(BM_MergeIntoHistory)->Unit(benchmark::kMillisecond);

// Twelve full boards spread over every number (1 to 6, 7 to 12, ...).
void BM_CheckTwelveBoards(benchmark::State &state)
{
    const std::vector<THistoryDraw> draws = LongHistory();
    std::vector<std::vector<uint8_t>> boards(12);
    for (size_t b = 0; b < boards.size(); ++b)
        for (size_t m = 0; m < 6; ++m)
            boards[b].push_back(static_cast<uint8_t>((6 * b + m) % 49 + 1));
    const std::array<bool, 7> on = {true, true, true, true, true, true, true};
    const std::array<int64_t, 7> payments = {1000000, 300000, 20000, 5000, 200, 10, 2};
    for (auto _ : state)
        benchmark::DoNotOptimize(HistoryCheckLines(CheckHistory(boards, 6, 49, on, payments, draws)));
}
BENCHMARK(BM_CheckTwelveBoards)->Unit(benchmark::kMillisecond);

void BM_FrequenciesAndFairDrawTest(benchmark::State &state)
{
    const std::vector<THistoryDraw> draws = LongHistory();
    for (auto _ : state)
        benchmark::DoNotOptimize(FairDrawText(FairDrawTest(CountFrequencies(draws, 6, 49))));
}
BENCHMARK(BM_FrequenciesAndFairDrawTest)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
