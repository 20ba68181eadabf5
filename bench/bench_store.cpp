// The settings store as the program uses it: an operation (a redraw, a
// click, a window opening) reads it once, in one reading; a dialog's Accept
// writes a handful of items.

#include "TestSupport.h"
#include "settings/RegistryUnit.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>

#include <malloc.h>

// Heap bytes in use and their high-water mark, counted at every operator new
// and delete of this program, as malloc really holds them (the usable size of
// each block). The benchmarks run on one thread.
namespace {
size_t HeapLive = 0;
size_t HeapPeak = 0;
} // namespace

void *operator new(std::size_t size)
{
    void *block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    HeapLive += malloc_usable_size(block);
    HeapPeak = std::max(HeapPeak, HeapLive);
    return block;
}

void operator delete(void *block) noexcept
{
    if (!block)
        return;
    HeapLive -= malloc_usable_size(block);
    std::free(block);
}

void operator delete(void *block, std::size_t) noexcept
{
    operator delete(block);
}

namespace {

// A private XDG_CONFIG_HOME with the defaults written, for one benchmark.
class ScratchStore {
public:
    ScratchStore() { TRegOptions().InitDefaults(); }

    std::filesystem::path File() const { return FHome.storeFile(); }

private:
    testsupport::ScopedConfigHome FHome;
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

// A store that also holds a large export of other keys: the program's own
// keys, then 40,000 sections of about 45 bytes, every tenth with one value
// (1.9 MB). One reading of every setting; the peak heap of a reading is
// reported per byte of the file.
void BM_ReadAllSettingsBeside40000OtherKeys(benchmark::State &state)
{
    ScratchStore scratch;
    std::string text = testsupport::ReadFile(scratch.File());
    for (int key = 0; key < 40000; ++key) {
        char line[96];
        std::snprintf(line, sizeof line, "[HKEY_CURRENT_USER\\Software\\Export\\Key%05d]\n", key);
        text += line;
        if (key % 10 == 0) {
            std::snprintf(line, sizeof line, "\"n\"=dword:%08x\n", static_cast<unsigned>(key));
            text += line;
        }
        text += '\n';
    }
    testsupport::WriteFile(scratch.File(), text);

    size_t peak = 0;
    for (auto _ : state) {
        const size_t before = HeapLive;
        HeapPeak = HeapLive;
        {
            TSettingsReading reading;
            TRegOptions store;
            benchmark::DoNotOptimize(ReadAllSettings(store));
        }
        peak = std::max(peak, HeapPeak - before);
    }
    state.counters["fileBytes"] = static_cast<double>(text.size());
    state.counters["heapPerFileByte"] = static_cast<double>(peak) / static_cast<double>(text.size());
}
BENCHMARK(BM_ReadAllSettingsBeside40000OtherKeys)->Unit(benchmark::kMillisecond);

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
