// Speed of the coupon window: full redraw, one click, start-up.

#include "app/Application.h"
#include "coupon/logic/CouponForTests.h"
#include "coupon/logic/CouponSystems.h"
#include "coupon/mainwindow/CouponView.h"
#include "coupon/mainwindow/ImageFormUnit.h"
#include "coupon/mainwindow/ScaledCoupon.h"
#include "coupon/mainwindow/Tombolix.h"
#include "dialogs/forms/FrequencyChart.h"
#include "dialogs/forms/PreferencesUnit.h"
#include "dialogs/forms/SystemsUnit.h"
#include "settings/RegistryStoreForTests.h"
#include "settings/RegistryUnit.h"
#include "wheels/Wheel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

// A settings folder of its own with 12 boards of 49 cells and both systems
// on: 10 exclusions and 4 inclusions.
void PrepareStore()
{
    static const std::string dir = [] {
        auto path = std::filesystem::temp_directory_path() / ("drawvane-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    TRegOptions store;
    store.InitDefaults();
    store.SetBoards(12);
    store.SetBoardSize(49);
    store.SetPlayExclude(true);
    const std::array<uint8_t, 10> exclusions = {2, 5, 11, 17, 23, 29, 31, 37, 41, 47};
    store.SetExclusions(exclusions);
    store.SetPlayInclude(true);
    const std::array<uint8_t, 4> inclusions = {1, 13, 26, 49};
    store.SetInclusions(inclusions);
}

// The program's start: the windows created, the main window shown (which
// reads the settings and takes back the kept coupon) and painted once.
void StartAndPaint()
{
    CreateForms();
    TombolixForm->show();
    QImage frame(TombolixForm->size(), QImage::Format_RGB32);
    QPainter painter(&frame);
    TombolixForm->render(&painter);
    painter.end();
    benchmark::DoNotOptimize(frame.bits());
}

void StartForms()
{
    if (TombolixForm)
        return;
    PrepareStore();
    CreateForms();
    TombolixForm->show();
    QCoreApplication::processEvents();
}

void BM_DrawCouponWithFileStore(benchmark::State &state)
{
    StartForms();
    const uint64_t reads = regstore::fortests::FileReads();
    for (auto _ : state)
        TombolixForm->DrawCoupon();
    state.counters["excluded"] = TombolixForm->excludedCount;
    state.counters["file_reads"] =
        static_cast<double>(regstore::fortests::FileReads() - reads) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DrawCouponWithFileStore)->Unit(benchmark::kMicrosecond);

// The same cells with the systems answered by constants: the floor.
void BM_DrawCouponWithConstantSystems(benchmark::State &state)
{
    StartForms();
    TCouponSystems systems;
    const std::array<uint8_t, 10> exclusions = {2, 5, 11, 17, 23, 29, 31, 37, 41, 47};
    const std::array<uint8_t, 4> inclusions = {1, 13, 26, 49};
    systems.SetExclusions(exclusions);
    systems.SetInclusions(inclusions);
    QWidget game;
    QWidget coefficients;
    TCouponModel model;
    TCouponView view(&game, &coefficients, ImagesForm->Atlas(), model);
    view.SetBackground(0xFFDEBED7);
    model.Observe([&view](const TCouponChange &change) { view.Changed(change); });
    for (auto _ : state)
        model.Reset({12, 49, 6}, systems);
}
BENCHMARK(BM_DrawCouponWithConstantSystems)->Unit(benchmark::kMicrosecond);

// The coupon of twelve full boards, both systems on and every bar shown,
// drawn whole for a screen scaled by range(0) / 100 (100: the 96-dpi
// picture as above, copied from the atlas).
void BM_RedrawTwelveFullBoardsScaled(benchmark::State &state)
{
    StartForms();
    const qreal ratio = static_cast<qreal>(state.range(0)) / 100;
    const std::array<uint8_t, 10> exclusions = {2, 5, 11, 17, 23, 29, 31, 37, 41, 47};
    for (auto _ : state) {
        TScaledCoupon scaled;
        scaled.Fill(0xFFDEBED7);
        for (int b = 1; b <= 12; ++b) {
            for (int n = 1; n <= 49; ++n) {
                const bool excluded = std::find(exclusions.begin(), exclusions.end(), n) != exclusions.end();
                const bool marked = n % 8 == b % 8 || n == 1 || n == 13;
                scaled.SetCell(b, n,
                               excluded     ? TScaledCoupon::TCell::Excluded
                                   : marked ? TScaledCoupon::TCell::Marked
                                            : TScaledCoupon::TCell::Plain);
            }
            scaled.SetBar(b, false, 40 + 5 * b);
            scaled.SetBar(b, true, 90 - 5 * b);
        }
        benchmark::DoNotOptimize(scaled.Picture(ratio).constBits());
    }
}
BENCHMARK(BM_RedrawTwelveFullBoardsScaled)->Arg(125)->Arg(150)->Arg(200)->Unit(benchmark::kMillisecond);

// The History window's chart of 10,000 draws of 6 from 49 drawn anew and
// painted at its opening size.
void BM_DrawHistoryChart(benchmark::State &state)
{
    StartForms();
    std::mt19937_64 random(2025);
    std::vector<THistoryDraw> draws(10000);
    std::vector<uint8_t> numbers(49);
    std::iota(numbers.begin(), numbers.end(), uint8_t{1});
    for (THistoryDraw &draw : draws) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        draw.numbers.assign(numbers.begin(), numbers.begin() + 6);
        draw.bonus = numbers[6];
    }
    const TFrequencies frequencies = CountFrequencies(draws, 6, 49);
    QWidget window;
    QWidget *chart = MakeFrequencyChart(&window);
    chart->resize(600, 300);
    QImage picture(chart->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        ShowFrequencies(chart, frequencies);
        chart->render(&picture);
    }
}
BENCHMARK(BM_DrawHistoryChart)->Unit(benchmark::kMillisecond);

// Twelve full boards spread over every number, board after board (1 to 6,
// 7 to 12, ..., 49 and 1 to 5, ...): the most the exact figures visit.
TKeptCoupon SpreadCoupon()
{
    TKeptCoupon coupon{};
    for (size_t b = 0; b < coupon.size(); ++b) {
        for (size_t m = 0; m < 6; ++m)
            coupon[b][m] = static_cast<uint8_t>((6 * b + m) % 49 + 1);
        std::sort(coupon[b].begin(), coupon[b].end());
    }
    return coupon;
}

// The program's start, as BM_StartToFirstPaint below, with an empty coupon
// kept (0) and with twelve full boards kept (12), which come back with
// their coefficients and figures before the window is painted. The systems
// are off, so that every kept number is taken back.
void BM_StartWithKeptCoupon(benchmark::State &state)
{
    PrepareStore();
    if (TombolixForm)
        DestroyForms();
    {
        TRegOptions store;
        store.SetPlayExclude(false);
        store.SetPlayInclude(false);
        store.SetCoupon(state.range(0) ? SpreadCoupon() : TKeptCoupon{});
    }
    int full = 0;
    for (auto _ : state) {
        StartAndPaint();
        state.PauseTiming();
        full = TombolixForm->Coupon().FullBoardCount(TombolixForm->marks);
        DestroyForms();
        state.ResumeTiming();
    }
    state.counters["full_boards"] = full;
    TRegOptions().SetCoupon({});
    PrepareStore();
}
BENCHMARK(BM_StartWithKeptCoupon)->Arg(0)->Arg(12)->Unit(benchmark::kMillisecond);

// One press that marks or unmarks number 3 of board 2, which never fills it.
void BM_ClickTogglesOneCell(benchmark::State &state)
{
    StartForms();
    TombolixForm->DrawCoupon();
    const TPoint p = fortests::CellOrigin(2, 3);
    const uint64_t reads = regstore::fortests::FileReads();
    for (auto _ : state)
        TombolixForm->CouponImageMouseDown(p.x + 8, p.y + 8);
    state.counters["file_reads"] =
        static_cast<double>(regstore::fortests::FileReads() - reads) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ClickTogglesOneCell)->Unit(benchmark::kMicrosecond);

// The press that completes the twelfth board while eleven full boards share
// numbers with it: both coefficients, 66 pairs over seven divisions, the
// labels, and the store's reads.
void BM_ClickCompletesTwelfthBoard(benchmark::State &state)
{
    StartForms();
    TombolixForm->DrawCoupon();
    // Every board holds the included 1, 13, 26 and 49, plus two of its own.
    constexpr int free[] = {3, 4, 6, 7, 8, 9, 10, 12, 14, 15, 16, 18, 19, 20, 21, 22, 24, 25, 27, 28, 30, 32, 33, 34};
    const auto press = [](int board, int number) {
        const TPoint p = fortests::CellOrigin(board, number);
        TombolixForm->CouponImageMouseDown(p.x + 8, p.y + 8);
    };
    for (int b = 1; b <= 12; ++b) {
        press(b, free[b - 1]);
        if (b < 12)
            press(b, free[b + 11]);
    }
    const TPoint last = fortests::CellOrigin(12, free[23]);
    for (auto _ : state) {
        TombolixForm->CouponImageMouseDown(last.x + 8, last.y + 8); // completes board 12
        state.PauseTiming();
        TombolixForm->CouponImageMouseDown(last.x + 8, last.y + 8); // and breaks it again
        state.ResumeTiming();
    }
    state.counters["full_boards"] = TombolixForm->Coupon().FullBoardCount(TombolixForm->marks);
}
BENCHMARK(BM_ClickCompletesTwelfthBoard)->Unit(benchmark::kMicrosecond);

// A wheel of 12 boards played: the coupon drawn anew, every board marked
// with its coefficients, and the exact figures of the twelve boards.
void BM_FillTwelveBoardWheel(benchmark::State &state)
{
    StartForms();
    TRegOptions().SetPlayInclude(false);
    const std::vector<wheels::TWheel> table = wheels::Table();
    const auto wheel =
        std::ranges::find_if(table, [](const wheels::TWheel &w) { return w.marks == 6 && w.boards.size() == 12; });
    // The player's numbers: the first of the board that are not excluded.
    constexpr std::array<int, 10> excluded = {2, 5, 11, 17, 23, 29, 31, 37, 41, 47};
    std::vector<int> numbers;
    for (int n = 1; static_cast<int>(numbers.size()) < wheel->pool; ++n)
        if (std::ranges::find(excluded, n) == excluded.end())
            numbers.push_back(n);
    const std::vector<std::vector<int>> boards = wheels::BoardsOf(*wheel, numbers);
    for (auto _ : state)
        TombolixForm->FillWheel(boards);
    state.counters["full_boards"] = TombolixForm->Coupon().FullBoardCount(TombolixForm->marks);
    state.counters["pool"] = wheel->pool;
    TRegOptions().SetPlayInclude(true);
}
BENCHMARK(BM_FillTwelveBoardWheel)->Unit(benchmark::kMillisecond);

// What a redraw reads of the store: both systems, in one reading.
void BM_ReadCouponSystems(benchmark::State &state)
{
    StartForms();
    for (auto _ : state) {
        TSettingsReading reading;
        TRegOptions store;
        benchmark::DoNotOptimize(TCouponSystems::Read(store).ExcludedCount(49));
    }
}
BENCHMARK(BM_ReadCouponSystems)->Unit(benchmark::kMicrosecond);

// Accept in the Systems window: the switches and both lists written, the
// main window told and redrawn.
void BM_SystemsAccept(benchmark::State &state)
{
    StartForms();
    for (auto _ : state) {
        state.PauseTiming();
        SystemsForm->show();
        state.ResumeTiming();
        SystemsForm->CloseBitBtn->click();
    }
}
BENCHMARK(BM_SystemsAccept)->Unit(benchmark::kMillisecond);

// Accept in the Preferences window: the shape, the divisions and the
// payments written, the main window told, reading them, and redrawn.
void BM_PreferencesAccept(benchmark::State &state)
{
    StartForms();
    for (auto _ : state) {
        state.PauseTiming();
        PreferencesForm->show();
        state.ResumeTiming();
        PreferencesForm->CloseBitBtn->click();
    }
}
BENCHMARK(BM_PreferencesAccept)->Unit(benchmark::kMillisecond);

// Creating the windows, showing the main window and painting it once.
void BM_StartToFirstPaint(benchmark::State &state)
{
    PrepareStore();
    if (TombolixForm)
        DestroyForms();
    for (auto _ : state) {
        StartAndPaint();
        state.PauseTiming();
        DestroyForms();
        state.ResumeTiming();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const auto started = std::chrono::steady_clock::now();
    TApplication app(argc, argv);
    const auto appReady = std::chrono::steady_clock::now();
    std::printf("application object: %.1f ms\n", std::chrono::duration<double, std::milli>(appReady - started).count());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (TombolixForm)
        DestroyForms();
    return 0;
}
