#pragma once

// What a coupon of full boards wins, counted over every draw.
//
// The draw: `marks` (K) main numbers out of the N drawable ones, then one
// bonus number out of the N - K left. Every one of the C(N, K) x (N - K)
// draws is equally likely. A board with j main matches wins division
// (j, 1) when the bonus is among its other K - j numbers and (j, 0)
// otherwise; with all K it wins (K, 0). Where (j, 1) is switched off, the
// board wins (j, 0) instead; a division that is off is won by no board.
// Each board wins at most one division.

#include <array>
#include <cstdint>
#include <span>

struct TDivision {
    uint8_t matches;     // main numbers matched
    uint8_t bonus;       // 1: the bonus number is matched as well
    const char *caption; // as the player reads it
};

// The prize divisions in display order.
inline constexpr std::array<TDivision, 7> kDivisionTable = {{{6, 0, "6"},
                                                             {5, 1, "5 + bonus ball"},
                                                             {5, 0, "5"},
                                                             {4, 1, "4 + bonus ball"},
                                                             {4, 0, "4"},
                                                             {3, 1, "3 + bonus ball"},
                                                             {3, 0, "3"}}};

// The division (0..6) that a full board of `marks` numbers wins with
// `matches` main numbers, and the bonus among its other numbers or not;
// -1 for none. The rules are those above.
int WonDivision(int marks, int matches, bool bonusMatched, const std::array<bool, 7> &on);

// Counts of draws, all out of `draws`.
struct TWinCounts {
    uint64_t draws = 0; // C(N, K) x (N - K)
    // Draws in which one given full board wins division d.
    std::array<uint64_t, 7> oneBoard{};
    // Draws in which at least one of the boards wins division d.
    std::array<uint64_t, 7> anyBoard{};
    // Draws in which at least one board wins some division that is on.
    uint64_t anyDivision = 0;
};

// Counts for full boards of exactly `marks` (at most 7) numbers each, given
// as bit masks (bit n set: number n is on the board, n < 64); at most 16
// different boards, else std::invalid_argument or std::length_error.
// `on[d]` switches division d + 1 on. Identical boards may be given; they
// win together. Every number on a board is taken to be drawable: if the
// boards hold more different numbers than `drawable`, there are that many
// instead. No draw at all (K >= N) gives counts of 0.
TWinCounts CountWins(uint8_t drawable, uint8_t marks, std::span<const uint64_t> boards, const std::array<bool, 7> &on);
