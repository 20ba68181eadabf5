#pragma once

// The rows of the table that tools/wheelgen writes into WheelTable.cpp.

#include <cstdint>

namespace wheels {

struct TWheelRow {
    std::uint8_t marks, pool, matched, drawn, count;
    std::uint32_t boards[12];
};

extern const TWheelRow kWheelRows[];
extern const int kWheelRowCount;

} // namespace wheels
