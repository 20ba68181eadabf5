#include "coupon/logic/CouponCursor.h"

#include <gtest/gtest.h>

namespace {

using TMove = TCouponCursor::TMove;

// The cursor moved once from a board and number, on a coupon of a shape.
TEST(CouponCursor, MovesStayOnNumbersInPlayOfBoardsInUse)
{
    const TCouponShape full{12, 49, 6};
    const TCouponShape small{8, 40, 5};
    const struct {
        TCouponShape shape;
        int board, number;
        TMove move;
        int toBoard, toNumber;
    } rows[] = {
        {full, 1, 9, TMove::Up, 1, 8},
        {full, 1, 8, TMove::Down, 1, 9},
        {full, 1, 7, TMove::Down, 7, 1},
        {full, 1, 14, TMove::Down, 7, 8},
        {full, 7, 8, TMove::Up, 1, 14},
        {full, 1, 1, TMove::Up, 1, 1},
        {full, 7, 7, TMove::Down, 7, 7},
        {full, 1, 43, TMove::Right, 2, 1},
        {full, 1, 44, TMove::Right, 2, 2},
        {full, 6, 43, TMove::Right, 6, 43},
        {full, 2, 3, TMove::Left, 1, 45},
        {full, 7, 3, TMove::Left, 7, 3},
        {full, 1, 5, TMove::PreviousBoard, 1, 5},
        {full, 1, 5, TMove::NextBoard, 2, 5},
        {full, 12, 5, TMove::NextBoard, 12, 5},
        {full, 3, 20, TMove::First, 3, 1},
        {full, 3, 20, TMove::Last, 3, 49},
        // 40 cells: the sixth column holds 36..40; boards 9..12 are not in use.
        {small, 3, 7, TMove::Down, 3, 7},
        {small, 1, 36, TMove::Right, 2, 1},
        {small, 1, 40, TMove::Down, 7, 36},
        {small, 2, 5, TMove::Left, 1, 40},
        {small, 2, 7, TMove::Left, 1, 35},
        {small, 7, 36, TMove::Up, 1, 40},
        {small, 8, 7, TMove::Right, 8, 14},
        {small, 8, 49, TMove::Right, 8, 40},
        {small, 8, 5, TMove::NextBoard, 8, 5},
        {small, 3, 20, TMove::Last, 3, 40},
    };
    for (const auto &row : rows) {
        TCouponCursor cursor;
        cursor.MoveTo(row.board, row.number, row.shape);
        cursor.Move(row.move, row.shape);
        EXPECT_EQ(cursor.Board(), row.toBoard) << row.board << "/" << row.number << " move " << int(row.move);
        EXPECT_EQ(cursor.Number(), row.toNumber) << row.board << "/" << row.number << " move " << int(row.move);
    }
}

// Digits typed: one number, or two within a second.
TEST(CouponCursor, TypedDigitsGoToTheirNumber)
{
    const TCouponShape shape{12, 40, 6};
    const struct {
        std::vector<std::pair<int, int64_t>> digits; // digit, milliseconds
        int number;
    } rows[] = {
        {{{4, 0}}, 4},          {{{4, 0}, {2, 500}}, 2}, {{{3, 0}, {2, 500}}, 32},        {{{3, 0}, {2, 1500}}, 2},
        {{{0, 0}, {7, 10}}, 7}, {{{4, 0}, {5, 10}}, 5},  {{{1, 0}, {2, 10}, {3, 20}}, 3}, {{{0, 0}}, 9},
    };
    for (const auto &row : rows) {
        TCouponCursor cursor;
        cursor.MoveTo(1, 9, shape);
        for (const auto &[digit, at] : row.digits)
            cursor.Type(digit, at, shape);
        EXPECT_EQ(cursor.Number(), row.number) << row.digits.size() << " digits, first " << row.digits[0].first;
    }
}

} // namespace
