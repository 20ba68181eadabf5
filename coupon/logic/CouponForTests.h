#pragma once

// What only the tests and benchmarks use: where to press on the coupon
// image for a number.

#include "coupon/logic/CouponState.h"

namespace fortests {

// Top-left pixel of number n (1..49) on board b (1..12).
inline TPoint CellOrigin(int board, int number)
{
    return NumberOrigin(board, number);
}

} // namespace fortests
