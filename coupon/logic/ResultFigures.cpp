#include "coupon/logic/ResultFigures.h"
#include "calc/CalculationsUnit.h"
#include "coupon/logic/NumberFormat.h"

namespace {

struct Division {
    uint8_t matches;
    uint8_t bonus;
};

// "6", "5 + bonus ball", "5", "4 + bonus ball", "4", "3 + bonus ball", "3".
constexpr std::array<Division, 7> kDivisions = {{{6, 0}, {5, 1}, {5, 0}, {4, 1}, {4, 0}, {3, 1}, {3, 0}}};

double Shown(const std::string &text, char separator)
{
    return numfmt::Parse(text, separator).value_or(0.0);
}

} // namespace

TWinColumn WinProbabilities(const TCouponState &coupon, const TCouponShape &shape,
                            const std::array<uint8_t, 7> &divisions, uint8_t excludedCount, char separator)
{
    TWinColumn column;
    const TLottoCalc calc;
    const auto drawable = static_cast<uint8_t>(shape.boardsize - excludedCount);
    const uint8_t full = coupon.FullBoardCount(shape.marks);

    // Numbers shared by each pair of full boards, the same for every division.
    std::array<std::array<uint8_t, kMaxBoards + 1>, kMaxBoards + 1> common{};
    for (int i = 1; i <= shape.boards; ++i)
        for (int k = i + 1; k <= shape.boards; ++k)
            if (coupon.IsFull(i, shape.marks) && coupon.IsFull(k, shape.marks))
                common[i][k] = coupon.CommonNumbers(i, k, shape);

    std::array<double, 7> values{};
    for (size_t d = 0; d < kDivisions.size(); ++d) {
        const auto [j, b] = kDivisions[d];
        if (divisions[d] != 1) {
            column.texts[d] = numfmt::Fixed(0.0, 1, separator);
            continue;
        }
        const double p = calc.DivisionProbability(drawable, shape.marks, j, b);
        double r = full * p;
        double shared = 0.0;
        for (int i = 1; i <= shape.boards; ++i)
            for (int k = i + 1; k <= shape.boards; ++k)
                if (common[i][k] > 0)
                    shared += calc.SharedProbability(drawable, shape.marks, common[i][k], j, b);
        r = full == 0 ? 0.0 : r - (2 * shared) / full;
        if (r > 1.0)
            r = kProbabilityCap;
        values[d] = r;
        column.texts[d] = numfmt::Fixed(r, 8, separator);
    }

    double largest = 0.0;
    for (const double v : values)
        if (v > largest)
            largest = v;
    if (largest > 1.0)
        largest = kProbabilityCap;
    column.shown = largest > 0.0;
    column.texts[7] = column.shown ? numfmt::Fixed(largest, 6, separator) : std::string();
    return column;
}

TResultColumn OddsFromShown(const TResultColumn &win, char separator)
{
    TResultColumn odds;
    for (size_t row = 0; row < win.size(); ++row) {
        const double q = Shown(win[row], separator);
        odds[row] = q > 0 ? "1 : " + numfmt::Whole((1 - q) / q) : "------";
    }
    return odds;
}

TResultColumn ReturnsFromShown(const TResultColumn &win, const std::array<int64_t, 7> &payments, char separator)
{
    TResultColumn returns;
    double total = 0.0;
    for (size_t d = 0; d < payments.size(); ++d) {
        const double q = Shown(win[d], separator);
        const double value = q > 0 ? static_cast<double>(payments[d]) * q : 0.0;
        returns[d] = numfmt::Fixed(value, 2, separator);
        total += value;
    }
    returns[7] = numfmt::Fixed(total, 2, separator);
    return returns;
}
