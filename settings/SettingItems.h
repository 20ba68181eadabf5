#pragma once

// Every setting the program keeps, each stated once: its name in the store,
// the value it falls back to, and the range the program works within. The
// store's defaults, the main window's limits and the Preferences and Systems
// lists are all taken from here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace settings {

template <typename T>
struct TRange {
    T min;
    T max;

    constexpr bool Contains(T value) const { return min <= value && value <= max; }
    constexpr T Clamp(T value) const { return value < min ? min : max < value ? max : value; }
    // The number of whole values in the range, for the lists that offer them.
    constexpr int Count() const { return static_cast<int>(max - min) + 1; }
};

// A count of its own, a value under the product key. The store itself
// takes any byte; the range is what the program works within.
struct TCountItem {
    std::string_view name;
    uint8_t fallback;
    TRange<uint8_t> range;
};

// A switch, a value under the product key stored as 0 or 1.
struct TSwitchItem {
    std::string_view name;
    bool fallback;
};

// A list, in a subkey of its own whose values are named "0", "1", ...
template <typename T, std::size_t N>
struct TListItem {
    std::string_view name; // the subkey's
    std::array<T, N> fallback;
    TRange<T> range;

    static constexpr std::size_t Size() { return N; }
};

inline constexpr std::string_view kProductKey = "Software\\drawvane\\";

inline constexpr TCountItem kBoards{"boards", 12, {4, 12}};
inline constexpr TCountItem kBoardSize{"boardsize", 49, {36, 49}};
inline constexpr TCountItem kMarks{"marks", 6, {5, 6}};
// 1 where a prize division takes part.
inline constexpr TListItem<uint8_t, 7> kDivisions{"div", {1, 1, 1, 1, 1, 1, 1}, {0, 1}};
// Whole dollars, stored as signed 32-bit numbers.
inline constexpr TListItem<int64_t, 7> kPayments{
    "payments",
    {1000000, 300000, 20000, 5000, 200, 10, 2},
    {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}};
// Numbers 1..49 of the systems; 0 is an empty slot.
inline constexpr TListItem<uint8_t, 4> kInclusions{"inclusions", {}, {0, 49}};
inline constexpr TListItem<uint8_t, 10> kExclusions{"exclusions", {}, {0, 49}};
inline constexpr TSwitchItem kPlayExclude{"playExclude", false};
inline constexpr TSwitchItem kPlayInclude{"playInclude", false};
inline constexpr TSwitchItem kPlaySums{"playSums", true};
inline constexpr TSwitchItem kPlayStdev{"playstdev", true};

// The coupon the player left, in the subkey "coupon": for board b (1..12)
// the values "b.1" .. "b.6", each a number on the board or 0 for an empty
// slot. And the last draw checked, in the subkey "draw": "main1" ..
// "main6" and "bonus", 0 where none was given. Neither has a fallback: what
// is missing or cannot be read is empty.
inline constexpr std::string_view kCouponKey = "coupon";
inline constexpr std::string_view kDrawKey = "draw";
inline constexpr std::size_t kKeptSlots = 6;
inline constexpr std::size_t kKeptBoards = kBoards.range.max;

} // namespace settings
