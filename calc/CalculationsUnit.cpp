#include "calc/CalculationsUnit.h"
#include "calc/SpreadTables.h"

#include <cmath>
#include <cstdlib>

namespace {

bool InTables(int marks, int cells)
{
    return marks >= spreadtables::kMinMarks && marks < spreadtables::kMinMarks + spreadtables::kMarksRows
        && cells >= spreadtables::kMinCells && cells < spreadtables::kMinCells + spreadtables::kCellColumns;
}

} // namespace

double TLottoCalc::Combinations(uint8_t n, uint8_t k) const
{
    if (k > n)
        return 0.0;
    double value = 1.0;
    // After step i the value is C(n - k + i, i), a whole number, so the
    // multiplication before the division keeps every step exact.
    for (int i = 1; i <= k; ++i)
        value = ((n - k + i) * value) / i;
    return value;
}

double TLottoCalc::DivisionProbability(uint8_t drawable, uint8_t marks, uint8_t matches, uint8_t bonus) const
{
    if (matches > marks || drawable <= marks)
        return 0.0;
    // Main draws giving j matches, times the bonus numbers among the board's
    // K - j others (b = 1) or among the N' - K - (K - j) numbers off it
    // (b = 0), over every draw of K main numbers and a bonus.
    const int undrawn = drawable - marks;
    const int onBoard = marks - matches;
    if (onBoard > undrawn)
        return 0.0;
    const double ways =
        Combinations(marks, matches) * Combinations(undrawn, onBoard) * (bonus != 0 ? onBoard : undrawn - onBoard);
    return ways / (Combinations(drawable, marks) * undrawn);
}

int32_t TLottoCalc::PunchCoefficient(int32_t sum, uint8_t marks, uint8_t cells) const
{
    const int32_t hi = marks * (cells - 2);
    const int32_t lo = marks * (marks + 1) / 2;
    const int32_t half = (hi - lo) / 2;
    const int32_t centre = (hi + lo) / 2;
    if (half <= 0)
        return 0;
    const int32_t q = std::abs(centre - sum) * 100 / half;
    return std::abs(100 - q);
}

int32_t TLottoCalc::SpreadCoefficient(const std::array<uint8_t, 49> &flags, uint8_t marks, uint8_t cells) const
{
    // The gaps between the marked cells, their sum and sum of squares.
    int count = 0;
    int previous = 0;
    int64_t sum = 0;
    int64_t squares = 0;
    for (int cell = 1; cell <= 49; ++cell) {
        if (flags[cell - 1] == 0)
            continue;
        if (count > 0) {
            const int64_t gap = cell - previous;
            sum += gap;
            squares += gap * gap;
        }
        previous = cell;
        ++count;
    }
    if (!InTables(marks, cells) || count != marks)
        return 0;

    // Floor(10 s) with s the sample standard deviation of the m gaps, in
    // integers: floor(sqrt(floor(100 (m Q - S^2) / (m (m - 1))))).
    const int64_t m = count - 1;
    const int64_t radicand = 100 * (m * squares - sum * sum) / (m * (m - 1));
    int64_t index = static_cast<int64_t>(std::sqrt(static_cast<double>(radicand)));
    while (index * index > radicand)
        --index;
    while ((index + 1) * (index + 1) <= radicand)
        ++index;

    // A few 5-mark boards on 46..49 cells (one far gap and three small ones,
    // such as 1, 2, 3, 4, 49) lie above the last row; no board shares their
    // spacing in the table, so they score 0 like other distinctive patterns.
    if (index >= spreadtables::kIndexRows)
        return 0;
    const int64_t c = SpreadCounts(marks, static_cast<uint8_t>(index), cells);
    const int64_t p = SpreadPeak(marks, cells);
    return p > 0 ? static_cast<int32_t>(100 * c / p) : 0;
}

int64_t SpreadCounts(uint8_t marks, uint8_t index, uint8_t cells)
{
    if (!InTables(marks, cells) || index >= spreadtables::kIndexRows)
        return 0;
    return spreadtables::kCounts[marks - spreadtables::kMinMarks][index][cells - spreadtables::kMinCells];
}

int64_t SpreadPeak(uint8_t marks, uint8_t cells)
{
    if (!InTables(marks, cells))
        return 0;
    return spreadtables::kPeaks[marks - spreadtables::kMinMarks][cells - spreadtables::kMinCells];
}
