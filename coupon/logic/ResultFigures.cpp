#include "coupon/logic/ResultFigures.h"
#include "coupon/logic/NumberFormat.h"

#include <vector>

namespace {

double Chance(uint64_t wins, uint64_t draws)
{
    return draws == 0 ? 0.0 : static_cast<double>(wins) / static_cast<double>(draws);
}

std::string OddsOf(uint64_t wins, uint64_t draws)
{
    if (wins == 0)
        return "------";
    return "1 : " + numfmt::Whole(static_cast<double>(draws - wins) / static_cast<double>(wins));
}

} // namespace

TWinColumn WinProbabilities(const TCouponState &coupon, const TCouponShape &shape,
                            const std::array<uint8_t, 7> &divisions, uint8_t excludedCount, char separator)
{
    TWinColumn column;
    std::vector<uint64_t> boards;
    for (int b = 1; b <= shape.boards; ++b) {
        if (!coupon.IsFull(b, shape.marks))
            continue;
        uint64_t board = 0;
        for (int n = 1; n <= kMaxNumbers; ++n)
            if (coupon.Marked(b, n))
                board |= uint64_t{1} << n;
        boards.push_back(board);
    }
    column.fullBoards = static_cast<uint8_t>(boards.size());
    if (boards.empty())
        return column;

    std::array<bool, 7> on{};
    for (size_t d = 0; d < on.size(); ++d)
        on[d] = divisions[d] == 1;
    const auto drawable = static_cast<uint8_t>(shape.boardsize - excludedCount);
    column.counts = CountWins(drawable, shape.marks, boards, on);

    const TWinCounts &counts = column.counts;
    for (size_t d = 0; d < on.size(); ++d)
        column.texts[d] = on[d] ? numfmt::Fixed(Chance(counts.anyBoard[d], counts.draws), 8, separator)
                                : numfmt::Fixed(0.0, 1, separator);
    column.shown = counts.anyDivision > 0;
    if (column.shown)
        column.texts[7] = numfmt::Fixed(Chance(counts.anyDivision, counts.draws), 6, separator);
    return column;
}

TResultColumn Odds(const TWinColumn &win)
{
    TResultColumn odds;
    for (size_t d = 0; d < 7; ++d)
        odds[d] = OddsOf(win.counts.anyBoard[d], win.counts.draws);
    odds[7] = OddsOf(win.counts.anyDivision, win.counts.draws);
    return odds;
}

TResultColumn Returns(const TWinColumn &win, const std::array<int64_t, 7> &payments, char separator)
{
    TResultColumn returns;
    double total = 0.0;
    for (size_t d = 0; d < payments.size(); ++d) {
        const double winners = win.fullBoards * Chance(win.counts.oneBoard[d], win.counts.draws);
        const double value = static_cast<double>(payments[d]) * winners;
        returns[d] = numfmt::Fixed(value, 2, separator);
        total += value;
    }
    returns[7] = numfmt::Fixed(total, 2, separator);
    return returns;
}
