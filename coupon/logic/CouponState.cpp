#include "coupon/logic/CouponState.h"

#include <algorithm>

TCouponShape TCouponShape::Clamped(uint8_t boards, uint8_t boardsize, uint8_t marks)
{
    TCouponShape shape;
    shape.boards = settings::kBoards.range.Clamp(boards);
    shape.boardsize = settings::kBoardSize.range.Clamp(boardsize);
    shape.marks = settings::kMarks.range.Clamp(marks);
    return shape;
}

std::optional<TCouponHit> CouponHitTest(int x, int y)
{
    if (x < 0 || y < 0 || x >= 6 * kBoardPitch || y >= 2 * kBoardPitch)
        return std::nullopt;
    const int gx = x / kCellSize + 1; // 1..48
    const int gy = y / kCellSize + 1; // 1..16
    const int column = (gx - 1) % 8 + 1;
    const int row = (gy - 1) % 8 + 1;
    if (row == 8)
        return std::nullopt;
    TCouponHit hit;
    hit.board = static_cast<uint8_t>(6 * (y / kBoardPitch) + x / kBoardPitch + 1);
    hit.column = static_cast<uint8_t>(column);
    hit.row = static_cast<uint8_t>(row);
    hit.number = 7 * (column - 1) + row;
    return hit;
}

TCouponHit HitOf(int board, int number)
{
    return {static_cast<uint8_t>(board), static_cast<uint8_t>((number - 1) / 7 + 1),
            static_cast<uint8_t>((number - 1) % 7 + 1), number};
}

TPoint BoardOrigin(int board)
{
    return {kBoardPitch * ((board - 1) % 6), kBoardPitch * ((board - 1) / 6)};
}

TPoint NumberOrigin(int board, int number)
{
    const TPoint origin = BoardOrigin(board);
    return {origin.x + kCellSize * ((number - 1) / 7), origin.y + kCellSize * ((number - 1) % 7)};
}

void TCouponState::Clear()
{
    FMarkCount.fill(0);
    for (auto &board : FMarked)
        board.fill(0);
}

void TCouponState::MarkOnAllBoards(uint8_t n, uint8_t boards)
{
    if (n < 1 || n > kMaxNumbers)
        return;
    for (int b = 1; b <= std::min<int>(boards, kMaxBoards); ++b) {
        if (!FMarked[b - 1][n - 1]) {
            FMarked[b - 1][n - 1] = 1;
            ++FMarkCount[b - 1];
        }
    }
}

TClickResult TCouponState::Click(const TCouponHit &hit, const TCouponShape &shape,
                                 const std::function<bool(uint8_t)> &isExcluded)
{
    const int b = hit.board;
    const int n = hit.number;
    if (b < 1 || b > shape.boards || b > kMaxBoards)
        return TClickResult::Ignored;
    if (n < 1 || n > shape.boardsize || n > kMaxNumbers)
        return TClickResult::Ignored;
    if (IsFull(b, shape.marks) && !Marked(b, n))
        return TClickResult::Ignored;
    if (isExcluded(static_cast<uint8_t>(n)))
        return TClickResult::Ignored;

    auto &flag = FMarked[b - 1][n - 1];
    flag = !flag;
    if (flag) {
        ++FMarkCount[b - 1];
        return FMarkCount[b - 1] == shape.marks ? TClickResult::MarkedFull : TClickResult::Marked;
    }
    --FMarkCount[b - 1];
    return FMarkCount[b - 1] == shape.marks - 1 ? TClickResult::UnmarkedFromFull : TClickResult::Unmarked;
}

uint8_t TCouponState::FullBoardCount(uint8_t marks) const
{
    return static_cast<uint8_t>(std::count(FMarkCount.begin(), FMarkCount.end(), marks));
}
