#pragma once

// The coupon's full boards checked against every draw of the history: how
// often each prize division was won and what the boards would have been
// paid, beside what a fair draw leads one to expect over as many draws.

#include "history/DrawImport.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct THistoryCheck {
    size_t boards = 0; // full boards checked, identical ones each counted
    size_t draws = 0;
    std::optional<TDrawDate> first; // the earliest and the latest dated draw
    std::optional<TDrawDate> last;
    std::array<bool, 7> on{};
    // Per division: draws in which at least one board won it.
    std::array<uint64_t, 7> wonIn{};
    // What every board won over every draw, each board paid the payment of
    // the division it won.
    int64_t prize = 0;
    // The same over as many fair draws of the main numbers and a bonus ball,
    // exactly: draws x the chance that at least one board wins division d,
    // and draws x the expected payment of all the boards in one draw.
    std::array<double, 7> expectedWonIn{};
    double expectedPrize = 0;
};

// `boards` are full boards of `marks` (5 or 6) different numbers each from
// 1..`boardsize` (at most 63), at most 16 different ones; each draw has
// `marks` main numbers. A board with j main matches wins as calc's
// WonDivision says; in a draw without a bonus ball it never has the bonus,
// and wins (j, 0) if that is on. Excluded numbers play no part: the
// expected figures are for draws from all of 1..`boardsize`, as the
// history's were. Anything else throws std::invalid_argument.
THistoryCheck CheckHistory(const std::vector<std::vector<uint8_t>> &boards, uint8_t marks, uint8_t boardsize,
                           const std::array<bool, 7> &on, const std::array<int64_t, 7> &payments,
                           const std::vector<THistoryDraw> &draws);

// The lines the player reads:
//   "Draws: 1234, from 2019-01-02 to 2025-12-06"  ("Draws: 1234" with no dated draw)
//   "4 + bonus ball: won in 2 draws, expected 1.14"  (one a division that is on; "in 1 draw")
//   "Prizes: $1234 over 1234 draws, expected $1500.20"  ("over 1 draw")
// With no full board, the one line "Fill at least one board to check it
// against these draws". Figures have two decimals and a '.' point.
std::vector<std::string> HistoryCheckLines(const THistoryCheck &check);
