#pragma once

// The printed list of the coupon's filled boards.

#include "coupon/logic/CouponState.h"

#include <cstdint>
#include <string>

inline constexpr const char *kPrintJobTitle = "The Winning Numbers";

// The heading and one line per filled board (exactly `marks` marks), boards
// in coupon order, each board's numbers ascending in two right-aligned
// columns and a space. Empty when no board is filled.
std::string ComposePrintText(const TCouponState &coupon, uint8_t marks);
