#pragma once

// The arithmetic of the results panel: per prize division the chance that
// the coupon's full boards win it, the odds and the expected return, as the
// texts the panel shows.

#include "coupon/logic/CouponState.h"

#include <array>
#include <cstdint>
#include <string>

// Rows of a column: divisions 1..7, then the totals row.
using TResultColumn = std::array<std::string, 8>;

// Values above 1 (the pairwise overlap correction can get there on small
// games with many boards) are shown and used as this.
inline constexpr double kProbabilityCap = 0.99879556345;

struct TWinColumn {
    TResultColumn texts;
    bool shown = false; // false: the largest value is 0 and the panel is emptied
};

// The probability column. divisions[d] == 1 switches division d + 1 on;
// excludedCount numbers leave the draw.
TWinColumn WinProbabilities(const TCouponState &coupon, const TCouponShape &shape,
                            const std::array<uint8_t, 7> &divisions, uint8_t excludedCount, char separator);

// The odds column from the shown probability texts.
TResultColumn OddsFromShown(const TResultColumn &win, char separator);

// The returns column from the shown probabilities of divisions 1..7 and the
// payments; its totals row is the sum of the seven returns.
TResultColumn ReturnsFromShown(const TResultColumn &win, const std::array<int64_t, 7> &payments, char separator);
