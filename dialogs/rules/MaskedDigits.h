#pragma once

// The number in the text of a masked digits field, whose empty positions
// read as spaces: every space is deleted and what is left must be decimal
// digits alone. The payment fields and the donation amount read so.

#include <cstdint>
#include <optional>
#include <string_view>

// nullopt when nothing is left, when anything but digits is, or when the
// digits do not fit in 64 bits.
std::optional<int64_t> ReadMaskedDigits(std::string_view text);
