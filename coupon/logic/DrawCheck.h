#pragma once

// The coupon checked against a draw: what each full board won, and the
// draw as the player enters it.

#include "coupon/logic/CouponState.h"
#include "settings/RegistryUnit.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Six main numbers (the first `marks` of them count; 0 where none was
// given) and the bonus ball, as the store keeps them.
using TDrawnNumbers = TKeptDraw;

// Whether the draw's first `marks` main numbers and its bonus ball are
// different numbers from 1 to `boardsize`.
bool IsValidDraw(const TDrawnNumbers &draw, uint8_t marks, uint8_t boardsize);

// The message for a draw that is not valid.
std::string InvalidDrawMessage(uint8_t marks, uint8_t boardsize);

// What one full board won: the division (0..6), or -1 for none.
struct TBoardWin {
    uint8_t board;
    int division;
};

// Each full board's win, in board order. divisions[d] == 1 switches
// division d + 1 on. The draw must be valid.
std::vector<TBoardWin> CheckDraw(const TCouponState &coupon, const TCouponShape &shape, const TDrawnNumbers &draw,
                                 const std::array<uint8_t, 7> &divisions);

// The lines the player reads: "Board 3: 4 + bonus ball, $5000" or
// "Board 5: no prize" per board, then "Prizes: $5200 on 2 boards" or
// "No prize on this coupon". Empty when no board was full.
std::vector<std::string> DrawResultLines(const std::vector<TBoardWin> &wins, const std::array<int64_t, 7> &payments);

// The numbers of a board that the draw holds, main or bonus.
bool IsDrawn(const TDrawnNumbers &draw, uint8_t marks, int number);
