#include "coupon/logic/CouponModel.h"
#include "coupon/logic/CouponSystems.h"

#include <utility>

void TCouponModel::Tell(const TCouponChange &change)
{
    for (const TObserver &observer : FObservers)
        observer(change);
}

void TCouponModel::Reset(const TCouponShape &shape, const TCouponSystems &systems)
{
    FShape = shape;
    FCoupon.Clear();
    for (int n = 1; n <= kMaxNumbers; ++n) {
        const auto number = static_cast<uint8_t>(n);
        FExcluded[n - 1] = n <= shape.boardsize && systems.IsExcluded(number);
        FIncluded[n - 1] = n <= shape.boardsize && systems.IsIncluded(number);
        if (FIncluded[n - 1])
            FCoupon.MarkOnAllBoards(number, shape.boards);
    }
    FPunch = Unshown();
    FSpread = Unshown();
    FRings = {};
    Tell({TCouponChange::TKind::Coupon});
}

TClickResult TCouponModel::Click(const TCouponHit &hit, const std::function<bool(uint8_t)> &isExcluded)
{
    const TClickResult result = FCoupon.Click(hit, FShape, isExcluded);
    if (result == TClickResult::Ignored)
        return result;
    if (FRings[hit.board - 1] != 0)
        SetRings(hit.board, 0);
    Tell({TCouponChange::TKind::Marks, hit.board, hit.number});
    if (result == TClickResult::UnmarkedFromFull)
        SetCoefficients(hit.board, -1, -1);
    if (result == TClickResult::MarkedFull || result == TClickResult::UnmarkedFromFull)
        FullBoardsChanged(hit.board);
    return result;
}

void TCouponModel::SetCoefficients(int board, int punch, int spread)
{
    FPunch[board - 1] = punch < 0 ? -1 : punch;
    FSpread[board - 1] = spread < 0 ? -1 : spread;
    Tell({TCouponChange::TKind::Coefficients, board});
}

void TCouponModel::SetRings(int board, uint64_t numbers)
{
    if (std::exchange(FRings[board - 1], numbers) != numbers)
        Tell({TCouponChange::TKind::Rings, board});
}

void TCouponModel::ClearRings()
{
    FRings = {};
    Tell({TCouponChange::TKind::Rings, 0});
}

void TCouponModel::SetCursor(int board, int number)
{
    FCursorBoard = board;
    FCursorNumber = number;
    Tell({TCouponChange::TKind::Cursor, board, number});
}

void TCouponModel::FullBoardsChanged(int board)
{
    if (FBatchDepth > 0)
        FFullBoardsPending = true;
    else
        Tell({TCouponChange::TKind::FullBoards, board});
}

void TCouponModel::Batch(const std::function<void()> &work)
{
    ++FBatchDepth;
    try {
        work();
    } catch (...) {
        // What was done is shown; the figures follow at the next change.
        if (--FBatchDepth == 0)
            FFullBoardsPending = false;
        throw;
    }
    if (--FBatchDepth == 0 && std::exchange(FFullBoardsPending, false))
        Tell({TCouponChange::TKind::FullBoards, 0});
}
