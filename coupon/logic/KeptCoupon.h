#pragma once

// The coupon kept in the store between runs of the program.

#include "coupon/logic/CouponState.h"
#include "settings/RegistryUnit.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// Each board's marks, ascending, in its slots; empty slots are 0.
TKeptCoupon KeepCoupon(const TCouponState &coupon);

// Per board, the kept numbers that the coupon as it now stands takes back:
// boards 1..shape.boards alone, numbers 1..shape.boardsize that are not
// excluded and not marked already (the included numbers are). A board
// whose kept numbers would give it more than shape.marks marks takes none
// of them. What is dropped is dropped without a word.
std::array<std::vector<uint8_t>, kMaxBoards> RestorableMarks(const TKeptCoupon &kept, const TCouponState &coupon,
                                                             const TCouponShape &shape,
                                                             const std::function<bool(uint8_t)> &isExcluded);
