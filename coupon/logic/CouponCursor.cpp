#include "coupon/logic/CouponCursor.h"

#include <algorithm>

namespace {

constexpr int kRows = 7;
constexpr int kBoardsInARow = 6;

int ColumnOf(int number)
{
    return (number - 1) / kRows;
}

int RowOf(int number)
{
    return (number - 1) % kRows;
}

int NumberAt(int column, int row)
{
    return kRows * column + row + 1;
}

bool InUse(int board, const TCouponShape &shape)
{
    return board >= 1 && board <= shape.boards;
}

// The last row of a column that is in play.
int LastRow(int column, const TCouponShape &shape)
{
    return std::min(kRows - 1, shape.boardsize - kRows * column - 1);
}

// The last column that has `row` in play.
int LastColumn(int row, const TCouponShape &shape)
{
    return (shape.boardsize - row - 1) / kRows;
}

} // namespace

void TCouponCursor::Fit(const TCouponShape &shape)
{
    FBoard = std::clamp(FBoard, 1, static_cast<int>(shape.boards));
    FNumber = std::clamp(FNumber, 1, static_cast<int>(shape.boardsize));
}

void TCouponCursor::MoveTo(int board, int number, const TCouponShape &shape)
{
    FBoard = board;
    FNumber = number;
    Fit(shape);
}

bool TCouponCursor::Move(TMove move, const TCouponShape &shape)
{
    Fit(shape);
    const int column = ColumnOf(FNumber);
    const int row = RowOf(FNumber);
    const bool topRow = FBoard <= kBoardsInARow;
    int board = FBoard;
    int number = FNumber;
    switch (move) {
    case TMove::Up:
        if (row > 0) {
            number = NumberAt(column, row - 1);
        } else if (!topRow) {
            board -= kBoardsInARow;
            number = NumberAt(column, LastRow(column, shape));
        }
        break;
    case TMove::Down:
        if (row < LastRow(column, shape)) {
            number = NumberAt(column, row + 1);
        } else if (topRow && InUse(board + kBoardsInARow, shape)) {
            board += kBoardsInARow;
            number = NumberAt(column, 0);
        }
        break;
    case TMove::Left:
        if (column > 0) {
            number = NumberAt(column - 1, row);
        } else if ((board - 1) % kBoardsInARow != 0) {
            board -= 1;
            number = NumberAt(LastColumn(row, shape), row);
        }
        break;
    case TMove::Right:
        if (column < LastColumn(row, shape)) {
            number = NumberAt(column + 1, row);
        } else if (board % kBoardsInARow != 0 && InUse(board + 1, shape)) {
            board += 1;
            number = NumberAt(0, row);
        }
        break;
    case TMove::PreviousBoard:
        board = std::max(1, board - 1);
        break;
    case TMove::NextBoard:
        board = std::min(static_cast<int>(shape.boards), board + 1);
        break;
    case TMove::First:
        number = 1;
        break;
    case TMove::Last:
        number = shape.boardsize;
        break;
    }
    const bool moved = board != FBoard || number != FNumber;
    FBoard = board;
    FNumber = number;
    return moved;
}

bool TCouponCursor::Type(int digit, int64_t milliseconds, const TCouponShape &shape)
{
    Fit(shape);
    const bool second = FFirstDigit >= 0 && milliseconds - FFirstDigitAt < 1000;
    const int both = 10 * FFirstDigit + digit;
    if (second && both >= 1 && both <= shape.boardsize) {
        FNumber = both;
        FFirstDigit = -1;
        return true;
    }
    FFirstDigit = digit;
    FFirstDigitAt = milliseconds;
    if (digit < 1 || digit > shape.boardsize)
        return false;
    FNumber = digit;
    return true;
}
