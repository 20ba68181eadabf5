#pragma once

// The exclusion and inclusion systems as the coupon asks for them. Nothing
// is cached: every question reads the switches and lists from the store, so
// what the Systems dialog writes shows at the next redraw.

#include <cstdint>

// Whether n is excluded. excludedCount becomes the number of non-empty
// exclusion slots while the exclusions system is on, else 0.
bool CouponIsExcluded(uint8_t n, uint8_t &excludedCount);

// Whether n is included; an excluded number never is.
bool CouponIsIncluded(uint8_t n, uint8_t &excludedCount);
