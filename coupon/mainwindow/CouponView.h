#pragma once

// The coupon as the player sees and marks it: the picture of the boards,
// copied cell by cell from the grid atlas, the marks, and each full board's
// two coefficients as captions under its column and as bars in the band
// below its row.

#include "coupon/logic/CouponState.h"

#include <QRgb>

#include <array>
#include <cstdint>
#include <functional>

class QImage;
class QLabel;
class QWidget;
class TCouponImage;
class TCouponSystems;

class TCouponView {
public:
    // The picture CouponImage in gamePanel, the captions p1..p12 and s1..s12
    // in coefficientsPanel. The cells and bars are copied from the grid
    // atlas, which outlives the view.
    TCouponView(QWidget *gamePanel, QWidget *coefficientsPanel, const QImage &atlas);
    ~TCouponView();
    TCouponView(const TCouponView &) = delete;
    TCouponView &operator=(const TCouponView &) = delete;

    const TCouponState &Coupon() const { return FCoupon; }
    TCouponImage *Image() const { return FImage; }
    // The shape of the last redraw, and whether it drew n excluded.
    const TCouponShape &Shape() const { return FShape; }
    bool IsExcluded(int number) const { return number >= 1 && number <= kMaxNumbers && FExcluded[number - 1]; }

    // The whole picture filled with the background, which erases every bar.
    void Fill(QRgb background);
    // Every mark and every caption cleared; the picture stays.
    void Clear();
    // The boards' cells drawn as the systems say, board by board, each
    // column from top to bottom, and the included numbers marked on every
    // board. Each cell copies a 17 x 17 block, so that it carries its right
    // and bottom lines; the next block overwrites the shared line.
    void DrawCells(const TCouponShape &shape, const TCouponSystems &systems);

    // Applies the click rules to a hit; a mark that changes redraws the
    // 16 x 16 cell (its top and left lines and its inside). isExcluded is
    // asked only once the other rules have passed.
    TClickResult Mark(const TCouponHit &hit, const TCouponShape &shape, const std::function<bool(uint8_t)> &isExcluded);

    // A board's coefficient, 0..100: its caption and its bar.
    void ShowPunch(int board, int value);
    void ShowSpread(int board, int value);
    // ClearPunch empties both of the board's captions and its Punch bar;
    // ClearSpread its Spread caption and bar. The bars' whole bands are
    // filled with the background.
    void ClearPunch(int board, QRgb background);
    void ClearSpread(int board, QRgb background);
    // The value a board's bar shows, -1 for none.
    int PunchValue(int board) const { return FPunchValues[board - 1]; }
    int SpreadValue(int board) const { return FSpreadValues[board - 1]; }
    // The caption for value, empty for a negative value; a board outside
    // 1..12 changes nothing.
    void SetPunchCaption(int board, int value);
    void SetSpreadCaption(int board, int value);

private:
    const QImage &FAtlas;
    TCouponImage *FImage;
    std::array<QLabel *, 12> FPunchLabels{};  // p1..p12
    std::array<QLabel *, 12> FSpreadLabels{}; // s1..s12
    TCouponState FCoupon;
    TCouponShape FShape;
    std::array<bool, kMaxNumbers> FExcluded{};
    std::array<int, kMaxBoards> FPunchValues = Unshown();
    std::array<int, kMaxBoards> FSpreadValues = Unshown();

    static std::array<int, kMaxBoards> Unshown()
    {
        std::array<int, kMaxBoards> values{};
        values.fill(-1);
        return values;
    }
};
