#pragma once

// The exclusion and inclusion systems as one operation of the coupon sees
// them: read from the store once, when the operation first needs them, and
// asked for every cell from then on. A redraw reads both systems; a click
// needs the exclusions alone.

#include <bitset>
#include <cstdint>
#include <span>

class TRegOptions;

class TCouponSystems {
public:
    // Both systems off.
    TCouponSystems() = default;

    // playExclude, then the exclusions while it is on.
    static TCouponSystems ReadExclusions(TRegOptions &store);
    // The exclusions as above, then playInclude and the inclusions while it
    // is on.
    static TCouponSystems Read(TRegOptions &store);

    // Slots of a system that is on: a number each, 0 for an empty slot.
    void SetExclusions(std::span<const uint8_t> slots);
    void SetInclusions(std::span<const uint8_t> slots);

    bool IsExcluded(uint8_t n) const { return FExcluded[n]; }
    // An excluded number is never included.
    bool IsIncluded(uint8_t n) const { return FIncluded[n] && !FExcluded[n]; }
    // The different excluded numbers on a board of `boardsize` cells, which
    // leave the draw; 0 while the system is off. A slot above the board
    // (left when a smaller board was chosen later) excludes nothing.
    uint8_t ExcludedCount(uint8_t boardsize) const;

private:
    std::bitset<256> FExcluded; // by number; a slot holds any byte
    std::bitset<256> FIncluded;
};
