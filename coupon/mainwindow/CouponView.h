#pragma once

// The coupon as the player sees it: the picture of the boards, copied cell
// by cell from the grid atlas, with the marks and the rings of a checked
// draw, and each full board's two coefficients as captions under its column
// and as bars in the band below its row. It shows the coupon's model and is
// told each of its changes.

#include "coupon/logic/CouponModel.h"

#include <QRgb>

#include <array>

class QImage;
class QLabel;
class QWidget;
class TCouponImage;

class TCouponView {
public:
    // The picture CouponImage in gamePanel, the captions p1..p12 and s1..s12
    // in coefficientsPanel. The cells and bars are copied from the grid
    // atlas, which outlives the view, as the model does.
    TCouponView(QWidget *gamePanel, QWidget *coefficientsPanel, const QImage &atlas, const TCouponModel &model);
    TCouponView(const TCouponView &) = delete;
    TCouponView &operator=(const TCouponView &) = delete;

    TCouponImage *Image() const { return FImage; }
    // The coupon's colour, which a redraw fills the picture with and a
    // coefficient taken off leaves in its bar's band.
    void SetBackground(QRgb colour) { FBackground = colour; }

    // What the picture and captions do on each change of the model.
    void Changed(const TCouponChange &change);

private:
    // The whole picture filled with the background, which erases every bar,
    // every caption emptied, and the boards' cells drawn board by board,
    // each column from top to bottom. Each cell copies a 17 x 17 block, so
    // that it carries its right and bottom lines; the next block overwrites
    // the shared line.
    void Redraw();
    // A mark that changed redraws the 16 x 16 cell: its top and left lines
    // and its inside.
    void DrawCell(int board, int number);
    // A board's coefficients, 0..100, as caption and bar; -1 empties the
    // caption and fills the bar's band with the background.
    void ShowCoefficients(int board);
    void SetPunchCaption(int board, int value);
    void SetSpreadCaption(int board, int value);
    void ShowRings(int board);

    const QImage &FAtlas;
    const TCouponModel &FModel;
    TCouponImage *FImage;
    std::array<QLabel *, 12> FPunchLabels{};  // p1..p12
    std::array<QLabel *, 12> FSpreadLabels{}; // s1..s12
    QRgb FBackground = 0;
};
