// The settings store as the program uses it: an operation (a redraw, a
// click, a window opening) reads it once, in one reading; a dialog's Accept
// writes a handful of items.

#include "settings/RegistryUnit.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>

namespace {

// A private XDG_CONFIG_HOME with the defaults written, for one benchmark.
class ScratchStore {
public:
    ScratchStore()
    {
        if (const char *old = std::getenv("XDG_CONFIG_HOME"))
            FPrevious = old;
        std::random_device rd;
        FDir = std::filesystem::temp_directory_path()
            / ("drawvane-bench-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(FDir);
        setenv("XDG_CONFIG_HOME", FDir.c_str(), 1);
        TRegOptions().InitDefaults();
    }
    ~ScratchStore()
    {
        if (FPrevious)
            setenv("XDG_CONFIG_HOME", FPrevious->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::error_code error;
        std::filesystem::remove_all(FDir, error);
    }
    ScratchStore(const ScratchStore &) = delete;
    ScratchStore &operator=(const ScratchStore &) = delete;

private:
    std::filesystem::path FDir;
    std::optional<std::string> FPrevious;
};

// One read outside a reading: the file opened, read and parsed.
void BM_GetPlayExclude(benchmark::State &state)
{
    ScratchStore scratch;
    for (auto _ : state)
        benchmark::DoNotOptimize(TRegOptions().GetPlayExclude());
}
BENCHMARK(BM_GetPlayExclude);

void BM_GetExclusions(benchmark::State &state)
{
    ScratchStore scratch;
    uint8_t exclusions[10];
    for (auto _ : state) {
        TRegOptions().GetExclusions(exclusions);
        benchmark::DoNotOptimize(exclusions);
    }
}
BENCHMARK(BM_GetExclusions);

// Every setting in one reading, as the program's start reads them.
void BM_ReadAllSettingsInOneReading(benchmark::State &state)
{
    ScratchStore scratch;
    for (auto _ : state) {
        TSettingsReading reading;
        TRegOptions store;
        benchmark::DoNotOptimize(ReadAllSettings(store));
    }
}
BENCHMARK(BM_ReadAllSettingsInOneReading);

// One write: lock, temporary file, fsync, rename.
void BM_SetBoards(benchmark::State &state)
{
    ScratchStore scratch;
    uint8_t boards = 4;
    for (auto _ : state) {
        TRegOptions().SetBoards(boards);
        boards = boards == 12 ? 4 : boards + 1;
    }
}
BENCHMARK(BM_SetBoards)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
