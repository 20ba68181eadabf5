#pragma once

// Counts how the K-element subsets of 1..N are spread over the spread index,
// for K = 5..9 and N = 36..49, without visiting the subsets one by one.
//
// A subset x1 < x2 < ... < xK is its first number plus its K - 1 gaps. The
// spread index depends on the gaps only, through their sum S and the sum of
// their squares Q, and a gap tuple with sum S fits N - S first numbers on a
// board of N cells. So the gap tuples are counted by (S, Q), one gap at a
// time, and every column is a weighted sum over those counts.

#include <array>
#include <cstdint>
#include <vector>

namespace spreadgen {

inline constexpr int kMinMarks = 5;
inline constexpr int kMaxMarks = 9;
inline constexpr int kMinCells = 36;
inline constexpr int kMaxCells = 49;
inline constexpr int kIndexRows = 201;
inline constexpr int kCellColumns = kMaxCells - kMinCells + 1;

// counts[K - kMinMarks][index][N - kMinCells]
using Column = std::array<int64_t, kCellColumns>;
using Table = std::vector<std::array<Column, kIndexRows>>;

struct SpreadTables {
    Table counts;
    std::vector<Column> peaks; // peaks[K - kMinMarks][N - kMinCells]
    int maxMarks = kMinMarks - 1;
};

// Floor(10 * s), s the sample standard deviation of m values whose sum is
// sum and whose sum of squares is squares, in exact integer arithmetic.
int SpreadIndex(int64_t sum, int64_t squares, int64_t m);

// Index of a K-subset for the tables: the K - 1 gaps, and for K = 5 a fifth
// value 0 besides the four gaps.
int TableIndex(int marks, int64_t gapSum, int64_t gapSquares);

// Builds the tables for K = 5..maxMarks (maxMarks 5..9). Throws
// std::logic_error if a subset falls outside the 201 index rows.
SpreadTables BuildSpreadTables(int maxMarks);

// The slow reference: classifies every K-subset of 1..N one by one.
std::array<int64_t, kIndexRows> EnumerateColumn(int marks, int cells);

} // namespace spreadgen
