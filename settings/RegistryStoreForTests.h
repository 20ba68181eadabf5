#pragma once

// What only the tests and benchmarks use: they hold an operation of the
// program to one look at the store.

#include <cstdint>

namespace regstore::fortests {

// How many times the file store has read its file; 0 on Windows.
uint64_t FileReads();

} // namespace regstore::fortests
