#include "SpreadTableBuilder.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace spreadgen {

namespace {

// Integer square root, exact for every value the tables need.
int64_t ISqrt(int64_t x)
{
    int64_t r = 0;
    int64_t bit = int64_t{1} << 30;
    while (bit > x)
        bit >>= 2;
    while (bit != 0) {
        if (x >= r + bit) {
            x -= r + bit;
            r = (r >> 1) + bit;
        } else {
            r >>= 1;
        }
        bit >>= 2;
    }
    return r;
}

constexpr int kMaxGapSum = kMaxCells - 1;
constexpr int kMaxSquares = kMaxGapSum * kMaxGapSum;

} // namespace

int SpreadIndex(int64_t sum, int64_t squares, int64_t m)
{
    // 10 s = sqrt(100 (m Q - S^2) / (m (m - 1))); the floor of a square root
    // equals the floor of the square root of the floored radicand.
    const int64_t radicand = 100 * (m * squares - sum * sum) / (m * (m - 1));
    return static_cast<int>(ISqrt(radicand));
}

int TableIndex(int marks, int64_t gapSum, int64_t gapSquares)
{
    const int64_t values = marks == 5 ? 5 : marks - 1;
    return SpreadIndex(gapSum, gapSquares, values);
}

SpreadTables BuildSpreadTables(int maxMarks)
{
    if (maxMarks < kMinMarks || maxMarks > kMaxMarks)
        throw std::invalid_argument("marks out of 5..9");

    SpreadTables tables;
    tables.maxMarks = maxMarks;
    tables.counts.assign(maxMarks - kMinMarks + 1, {});
    tables.peaks.assign(maxMarks - kMinMarks + 1, Column{});

    // tuples[S][Q]: gap tuples of the current length with that sum and sum
    // of squares. Start from the empty tuple.
    std::vector<int64_t> tuples((kMaxGapSum + 1) * (kMaxSquares + 1), 0);
    std::vector<int64_t> next(tuples.size(), 0);
    const auto at = [](int s, int q) { return s * (kMaxSquares + 1) + q; };
    tuples[at(0, 0)] = 1;

    for (int gaps = 1; gaps < maxMarks; ++gaps) {
        std::fill(next.begin(), next.end(), 0);
        for (int s = 0; s < kMaxGapSum; ++s) {
            for (int q = 0; q <= s * s; ++q) {
                const int64_t n = tuples[at(s, q)];
                if (n == 0)
                    continue;
                for (int g = 1; s + g <= kMaxGapSum; ++g)
                    next[at(s + g, q + g * g)] += n;
            }
        }
        tuples.swap(next);

        const int marks = gaps + 1;
        if (marks < kMinMarks)
            continue;
        auto &table = tables.counts[marks - kMinMarks];
        for (int s = gaps; s <= kMaxGapSum; ++s) {
            for (int q = s; q <= s * s; ++q) {
                const int64_t n = tuples[at(s, q)];
                if (n == 0)
                    continue;
                const int index = TableIndex(marks, s, q);
                if (index < 0 || index >= kIndexRows)
                    throw std::logic_error("spread index " + std::to_string(index)
                                           + " outside the table for K = " + std::to_string(marks));
                // The first number can stand at 1 .. N - S.
                for (int cells = std::max(kMinCells, s + 1); cells <= kMaxCells; ++cells)
                    table[index][cells - kMinCells] += n * (cells - s);
            }
        }
        for (int c = 0; c < kCellColumns; ++c) {
            int64_t peak = 0;
            for (int i = 0; i < kIndexRows; ++i)
                peak = std::max(peak, table[i][c]);
            tables.peaks[marks - kMinMarks][c] = peak;
        }
    }
    return tables;
}

std::array<int64_t, kIndexRows> EnumerateColumn(int marks, int cells)
{
    std::array<int64_t, kIndexRows> column{};
    std::array<int, kMaxMarks> x{};
    for (int i = 0; i < marks; ++i)
        x[i] = i + 1;
    for (;;) {
        int64_t sum = 0;
        int64_t squares = 0;
        for (int i = 1; i < marks; ++i) {
            const int64_t gap = x[i] - x[i - 1];
            sum += gap;
            squares += gap * gap;
        }
        const int index = TableIndex(marks, sum, squares);
        if (index >= 0 && index < kIndexRows)
            ++column[index];

        // Next subset in lexicographic order.
        int i = marks - 1;
        while (i >= 0 && x[i] == cells - marks + i + 1)
            --i;
        if (i < 0)
            break;
        ++x[i];
        for (int k = i + 1; k < marks; ++k)
            x[k] = x[k - 1] + 1;
    }
    return column;
}

} // namespace spreadgen
