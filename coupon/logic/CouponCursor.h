#pragma once

// The keyboard's place on the coupon: one number of one board, always a
// number in play (1..boardsize) of a board in use. Numbers run down the
// columns, seven to a column; the boards stand in two rows of six.

#include "coupon/logic/CouponState.h"

#include <cstdint>

class TCouponCursor {
public:
    enum class TMove {
        Up,            // along the column, then into the board above
        Down,          // along the column, then into the board below
        Left,          // across the columns, then into the board to the left
        Right,         // across the columns, then into the board to the right
        PreviousBoard, // the same number on the previous board in use
        NextBoard,     // and on the next
        First,         // the board's first number
        Last           // and its last number in play
    };

    int Board() const { return FBoard; }
    int Number() const { return FNumber; }

    // Onto a board and number of the shape, the nearest in play.
    void Fit(const TCouponShape &shape);
    void MoveTo(int board, int number, const TCouponShape &shape);
    // False where there is nowhere to go that way.
    bool Move(TMove move, const TCouponShape &shape);

    // A digit typed `milliseconds` after some fixed moment: the cursor goes
    // to that number on its board; a second digit within a second of the
    // first makes one number with it (4 then 2 is 42) where that is in play.
    // False where no number in play was typed.
    bool Type(int digit, int64_t milliseconds, const TCouponShape &shape);

private:
    int FBoard = 1;
    int FNumber = 1;
    int FFirstDigit = -1; // the digit typed last, while a second may follow
    int64_t FFirstDigitAt = 0;
};
