#pragma once

// The arithmetic of the results panel: per prize division the chance that
// the coupon's full boards win it, the odds and the expected return, as the
// texts the panel shows. Every figure comes from exact counts of the draws.

#include "calc/CouponWins.h"
#include "coupon/logic/CouponState.h"

#include <array>
#include <cstdint>
#include <string>

// Rows of a column: divisions 1..7, then the totals row.
using TResultColumn = std::array<std::string, 8>;

struct TWinColumn {
    TResultColumn texts;
    TWinCounts counts;      // the draws behind the texts
    uint8_t fullBoards = 0; // boards that take part, identical ones each counted
    bool shown = false;     // false: no draw wins anything and the panel is emptied
};

// The probability column: per division the chance that at least one full
// board wins it, and in the totals row the chance that at least one wins
// anything. divisions[d] == 1 switches division d + 1 on; excludedCount
// numbers of the board leave the draw.
TWinColumn WinProbabilities(const TCouponState &coupon, const TCouponShape &shape,
                            const std::array<uint8_t, 7> &divisions, uint8_t excludedCount, char separator);

// The odds of each row, "1 : " and (1 - q) / q, from the unrounded chance q.
TResultColumn Odds(const TWinColumn &win);

// Per division the payment times the expected number of full boards that
// win it; the totals row is the sum of the seven.
TResultColumn Returns(const TWinColumn &win, const std::array<int64_t, 7> &payments, char separator);
