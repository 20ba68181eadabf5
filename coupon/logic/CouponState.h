#pragma once

// The coupon's marks and the rules of marking, apart from any window.

#include "settings/SettingItems.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

inline constexpr int kMaxBoards = settings::kBoards.range.max;
inline constexpr int kMaxNumbers = settings::kBoardSize.range.max;
inline constexpr int kCellSize = 16;              // pixels, counting the cell's top and left grid lines
inline constexpr int kBoardPitch = 8 * kCellSize; // 128: a board of 7 cells plus a band of background

// Game shape as the main window holds it, clamped to what the coupon can show.
struct TCouponShape {
    uint8_t boards = settings::kBoards.fallback;
    // Before the first reading of the store the coupon has 48 cells, not
    // the store's 49.
    uint8_t boardsize = 48;
    uint8_t marks = settings::kMarks.fallback;

    // A stored shape brought into the settings' ranges: boards 4..12, cells
    // 36..49, marks 5..6.
    static TCouponShape Clamped(uint8_t boards, uint8_t boardsize, uint8_t marks);
};

// Where a press on the coupon image landed.
struct TCouponHit {
    uint8_t board;  // 1..12
    uint8_t column; // 1..8 within the board; 8 is the band right of it
    uint8_t row;    // 1..7
    int number;     // 7 (column - 1) + row; 50 and above in the band
};

// Maps a pixel of the 753 x 241 coupon image to a board and number. Presses
// on the bottom grid line of a row of boards or the band below it give none.
std::optional<TCouponHit> CouponHitTest(int x, int y);

// The hit of a press in the middle of number n (1..49) on board b (1..12).
TCouponHit HitOf(int board, int number);

// Top-left pixel of board b (1..12).
struct TPoint {
    int x;
    int y;
};
TPoint BoardOrigin(int board);
// Top-left pixel of number n (1..49) on board b: numbers run down the
// columns, seven to a column.
TPoint NumberOrigin(int board, int number);

// What a press did to the coupon.
enum class TClickResult {
    Ignored,
    Marked,          // the board gained a mark and is not full
    MarkedFull,      // the board became full
    Unmarked,        // the board lost a mark and was not full
    UnmarkedFromFull // the board was full and lost a mark
};

// Marks of all twelve boards. Boards and numbers count from 1.
class TCouponState {
public:
    uint8_t MarkCount(int board) const { return FMarkCount[board - 1]; }
    bool Marked(int board, int number) const { return FMarked[board - 1][number - 1]; }
    const std::array<uint8_t, kMaxNumbers> &Flags(int board) const { return FMarked[board - 1]; }

    void Clear();
    bool IsFull(int board, uint8_t marks) const { return MarkCount(board) == marks; }

    // Marks n on boards 1..boards where it is not marked yet.
    void MarkOnAllBoards(uint8_t n, uint8_t boards);

    // Applies the click rules to a hit and toggles the mark when they allow
    // it. isExcluded is asked only once the other rules have passed.
    TClickResult Click(const TCouponHit &hit, const TCouponShape &shape,
                       const std::function<bool(uint8_t)> &isExcluded);

    uint8_t FullBoardCount(uint8_t marks) const;

private:
    std::array<uint8_t, kMaxBoards> FMarkCount{};
    std::array<std::array<uint8_t, kMaxNumbers>, kMaxBoards> FMarked{};
};
