#pragma once

// Marks numbers on a board the way a player does: a press on each cell,
// through the click rules, with nothing excluded.

#include "coupon/logic/CouponForTests.h"
#include "coupon/logic/CouponState.h"

#include <initializer_list>

using fortests::CellOrigin;

inline void Fill(TCouponState &coupon, const TCouponShape &shape, int board, std::initializer_list<int> numbers)
{
    for (int n : numbers) {
        const TPoint p = CellOrigin(board, n);
        coupon.Click(*CouponHitTest(p.x + 4, p.y + 4), shape, [](uint8_t) { return false; });
    }
}
