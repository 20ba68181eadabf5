#pragma once

// The coupon drawn at a scaled screen's own resolution. The coupon's
// picture is made at 96 dpi by copying cells of the grid atlas; on a screen
// scaled by 1.25 to 2 that picture enlarged pixel by pixel looks blurred
// or blocky beside the text around it. This draws the same coupon anew for
// the screen instead: the cells with grid lines of whole device pixels,
// equally wide across and down, the numbers in the program's font, the
// crosses and the bars, all at device resolution. It is told what the
// picture shows, cell by cell, and draws what changed when painted.

#include "coupon/logic/CouponState.h"

#include <QImage>
#include <QRgb>

#include <array>
#include <cstdint>
#include <vector>

// The coupon's size in pixels at 96 dpi.
inline constexpr int kCouponWidth = 753;
inline constexpr int kCouponHeight = 241;

class TScaledCoupon {
public:
    enum class TCell : uint8_t { None, Plain, Marked, Excluded };

    // The whole picture one colour: no cells, no bars.
    void Fill(QRgb background);
    void SetCell(int board, int number, TCell cell);
    // A board's bar (spread or punch) of value 0..100; -1 for none.
    void SetBar(int board, bool spread, int value);

    // The picture for a screen of device pixel ratio `ratio`, in device
    // pixels, brought up to date: all of it when the ratio changed, else
    // what changed since.
    const QImage &Picture(qreal ratio);

private:
    struct TBarKey {
        int board;
        bool spread;
    };

    void DrawCell(QImage &image, int board, int number) const;
    void DrawBar(QImage &image, int board, bool spread) const;
    int Device(int logical) const;

    QRgb FBackground = 0xFFFFFFFF;
    std::array<std::array<TCell, kMaxNumbers>, kMaxBoards> FCells{};
    std::array<std::array<int, 2>, kMaxBoards> FBars{{{-1, -1},
                                                      {-1, -1},
                                                      {-1, -1},
                                                      {-1, -1},
                                                      {-1, -1},
                                                      {-1, -1},
                                                      {-1, -1},
                                                      {-1, -1},
                                                      {-1, -1},
                                                      {-1, -1},
                                                      {-1, -1},
                                                      {-1, -1}}};
    QImage FPicture;
    qreal FRatio = 0;
    bool FAllChanged = true;
    std::vector<TPoint> FChangedCells; // board, number
    std::vector<TBarKey> FChangedBars;
};
