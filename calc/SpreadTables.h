#pragma once

// The Spread tables, generated at build time by tools/spreadgen.

#include <cstdint>

namespace spreadtables {

inline constexpr int kMinMarks = 5;
inline constexpr int kMarksRows = 2;   // K = 5 and 6, the marks a board takes
inline constexpr int kIndexRows = 201; // spread index 0..200
inline constexpr int kMinCells = 36;
inline constexpr int kCellColumns = 14; // N = 36..49

extern const int64_t kCounts[kMarksRows][kIndexRows][kCellColumns];
extern const int64_t kPeaks[kMarksRows][kCellColumns];

} // namespace spreadtables
