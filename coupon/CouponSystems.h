#pragma once

// The exclusion and inclusion systems as the coupon asks for them. Nothing
// is cached: every question reads the switches and lists from the store, so
// what the Systems dialog writes shows at the next redraw.

#include <cstdint>
#include <string>

// Whether n is excluded. excludedCount becomes the number of non-empty
// exclusion slots while the exclusions system is on, else 0.
bool CouponIsExcluded(uint8_t n, uint8_t &excludedCount);

// Whether n is included; an excluded number never is.
bool CouponIsIncluded(uint8_t n, uint8_t &excludedCount);

// Text of the general error report: a full stop is added unless the text
// already ends in a character that sorts at or before '.' (".", "!", ",", " ").
std::string ErrorReportText(const std::string &message);

// A hint "short|long" split at its first bar; without a bar both parts are
// the whole text.
struct THint {
    std::string shortPart;
    std::string longPart;
};
THint SplitHint(const std::string &hint);
