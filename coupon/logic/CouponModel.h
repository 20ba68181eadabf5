#pragma once

// The coupon as the program holds it: the shape and systems it was drawn
// for, the marks, each board's coefficients, the rings of a checked draw and
// the keyboard's cell. Everything that shows the coupon (the picture, the
// captions and bars, the screen reader's table, the results, the kept
// coupon) observes it and is told each change once; none of them tells
// another.

#include "coupon/logic/CouponState.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class TCouponSystems;

// What changed. Boards and numbers count from 1; board 0 means every board.
struct TCouponChange {
    enum class TKind : uint8_t {
        Coupon,       // drawn anew: shape, systems and marks, no coefficients, no rings
        Marks,        // number `number` of board `board` marked or unmarked
        Coefficients, // board `board`'s Punch and Spread shown or taken off
        Rings,        // board `board`'s rings set or taken off; board 0: every board's
        Cursor,       // the keyboard's cell moved to `board`, `number`
        FullBoards    // some board filled or stopped being full; board 0: after a batch
    };
    TKind kind;
    int board = 0;
    int number = 0;

    bool operator==(const TCouponChange &) const = default;
};

class TCouponModel {
public:
    using TObserver = std::function<void(const TCouponChange &)>;

    // Observers are told in the order they were added. One that throws
    // stops the telling; add the one that may throw last.
    void Observe(TObserver observer) { FObservers.push_back(std::move(observer)); }

    const TCouponState &Coupon() const { return FCoupon; }
    const TCouponShape &Shape() const { return FShape; }
    // Whether the last redraw drew n excluded, or marked it included.
    bool IsExcluded(int number) const { return InRange(number) && FExcluded[number - 1]; }
    bool IsIncluded(int number) const { return InRange(number) && FIncluded[number - 1]; }
    // A board's coefficients, 0..100, or -1 while not shown.
    int PunchValue(int board) const { return FPunch[board - 1]; }
    int SpreadValue(int board) const { return FSpread[board - 1]; }
    // Bit n: number n of the board is ringed.
    uint64_t Rings(int board) const { return FRings[board - 1]; }
    int CursorBoard() const { return FCursorBoard; }
    int CursorNumber() const { return FCursorNumber; }

    // Every mark, coefficient and ring gone, the included numbers marked on
    // every board in use.
    void Reset(const TCouponShape &shape, const TCouponSystems &systems);

    // The click rules applied to a hit (isExcluded is asked only once the
    // others have passed). A board that changes loses its rings; one that
    // stops being full loses its coefficients.
    TClickResult Click(const TCouponHit &hit, const std::function<bool(uint8_t)> &isExcluded);

    // -1 for a coefficient not shown.
    void SetCoefficients(int board, int punch, int spread);
    void SetRings(int board, uint64_t numbers);
    void ClearRings();
    void SetCursor(int board, int number);

    // Runs work, telling a change of the full boards once at its end (board
    // 0) rather than at each board: a command that fills many boards has
    // its figures calculated and the coupon kept once.
    void Batch(const std::function<void()> &work);

private:
    static bool InRange(int number) { return number >= 1 && number <= kMaxNumbers; }
    void Tell(const TCouponChange &change);
    void FullBoardsChanged(int board);

    std::vector<TObserver> FObservers;
    TCouponState FCoupon;
    TCouponShape FShape;
    std::array<bool, kMaxNumbers> FExcluded{};
    std::array<bool, kMaxNumbers> FIncluded{};
    std::array<int, kMaxBoards> FPunch = Unshown();
    std::array<int, kMaxBoards> FSpread = Unshown();
    std::array<uint64_t, kMaxBoards> FRings{};
    int FCursorBoard = 1;
    int FCursorNumber = 1;
    int FBatchDepth = 0;
    bool FFullBoardsPending = false;

    static std::array<int, kMaxBoards> Unshown()
    {
        std::array<int, kMaxBoards> values{};
        values.fill(-1);
        return values;
    }
};
