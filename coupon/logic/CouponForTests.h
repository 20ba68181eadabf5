#pragma once

// What only the tests and benchmarks use: where to press on the coupon
// image for a number.

#include "coupon/logic/CouponState.h"

namespace fortests {

// Top-left pixel of number n (1..49) on board b (1..12).
inline TPoint CellOrigin(int board, int number)
{
    const TPoint origin = BoardOrigin(board);
    return {origin.x + kCellSize * ((number - 1) / 7), origin.y + kCellSize * ((number - 1) % 7)};
}

} // namespace fortests
