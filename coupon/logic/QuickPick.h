#pragma once

// Quick pick: the boards in use that are not full, completed at random.

#include "coupon/logic/CouponState.h"

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

// The generator of quick pick; the program seeds it from std::random_device.
using TQuickPickRandom = std::mt19937_64;

struct TBoardPick {
    uint8_t board;
    std::vector<uint8_t> numbers; // to add, ascending
};

// For each board 1..shape.boards that holds fewer than shape.marks marks,
// the numbers that complete it: its marks stay, and the rest are chosen
// uniformly among the numbers 1..shape.boardsize that are neither excluded
// nor on the board already. A completion that would repeat a board that is
// full (or was completed before it) is not taken while another one is
// possible. Boards are completed in order; a board that cannot be completed
// (fewer numbers allowed than it needs) is left out.
std::vector<TBoardPick> QuickPick(const TCouponState &coupon, const TCouponShape &shape,
                                  const std::function<bool(uint8_t)> &isExcluded, TQuickPickRandom &random);
