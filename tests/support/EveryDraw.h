#pragma once

// The slow, plain count of what a coupon wins: every draw of the main
// numbers and the bonus visited one by one, and every board's prize read
// off the rules. The fast counts of CountWins must equal it exactly.

#include "calc/CouponWins.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace everydraw {

// The division a board wins, -1 for none: with all K main numbers (K, 0);
// with j and the bonus among its numbers (j, 1), or (j, 0) where (j, 1) is
// off; with j and not the bonus (j, 0); a division that is off pays nobody.
inline int Prize(int matches, bool bonusOnBoard, int marks, const std::array<bool, 7> &on)
{
    const auto row = [&](int j, int b) {
        for (size_t d = 0; d < kDivisionTable.size(); ++d)
            if (kDivisionTable[d].matches == j && kDivisionTable[d].bonus == b && on[d])
                return static_cast<int>(d);
        return -1;
    };
    if (matches == marks)
        return row(matches, 0);
    if (bonusOnBoard && row(matches, 1) >= 0)
        return row(matches, 1);
    return row(matches, 0);
}

// Numbers 1..drawable; boards as masks of those numbers.
inline TWinCounts Count(int drawable, int marks, const std::vector<uint64_t> &boards, const std::array<bool, 7> &on)
{
    std::array<std::array<int, 2>, 8> prize{}; // by main matches and bonus on the board
    for (int j = 0; j <= marks; ++j)
        prize[static_cast<size_t>(j)] = {Prize(j, false, marks, on), Prize(j, true, marks, on)};

    TWinCounts counts;
    std::vector<int> matches(boards.size());
    // Every set of `marks` bits among bits 0..drawable - 1, in increasing
    // order (the next is the smallest larger number with as many bits).
    const uint64_t end = uint64_t{1} << drawable;
    for (uint64_t chosen = (uint64_t{1} << marks) - 1; chosen < end;) {
        const uint64_t main = chosen << 1; // numbers 1..drawable
        const uint64_t lowest = chosen & (~chosen + 1);
        const uint64_t carried = chosen + lowest;
        chosen = (((carried ^ chosen) >> 2) / lowest) | carried;
        bool someMayWin = false;
        for (size_t k = 0; k < boards.size(); ++k) {
            matches[k] = std::popcount(boards[k] & main);
            const auto &p = prize[static_cast<size_t>(matches[k])];
            someMayWin = someMayWin || p[0] >= 0 || p[1] >= 0;
        }
        if (!someMayWin) {
            counts.draws += static_cast<uint64_t>(drawable - marks);
            continue;
        }
        for (int bonus = 1; bonus <= drawable; ++bonus) {
            const uint64_t bonusBit = uint64_t{1} << bonus;
            if (main & bonusBit)
                continue;
            ++counts.draws;
            std::array<bool, 7> won{};
            bool anything = false;
            for (size_t k = 0; k < boards.size(); ++k) {
                const int d = prize[static_cast<size_t>(matches[k])][(boards[k] & bonusBit) != 0 ? 1 : 0];
                if (d < 0)
                    continue;
                won[static_cast<size_t>(d)] = anything = true;
                if (k == 0)
                    ++counts.oneBoard[static_cast<size_t>(d)];
            }
            for (size_t d = 0; d < won.size(); ++d)
                counts.anyBoard[d] += won[d] ? 1 : 0;
            counts.anyDivision += anything ? 1 : 0;
        }
    }
    return counts;
}

} // namespace everydraw
