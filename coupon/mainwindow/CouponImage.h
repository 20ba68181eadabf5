#pragma once

#include "coupon/mainwindow/ScaledCoupon.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

// The coupon picture: a retained 753 x 241 image painted 1:1. All drawing
// on it is a rectangle fill or a pixel-for-pixel copy from another image.
// A scaled screen shows the same coupon drawn at its own resolution
// (TScaledCoupon), never the picture enlarged.
// The rings around the drawn numbers of a checked board.
inline constexpr QRgb kRingColour = 0xFF0060C0;

class TCouponImage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = kCouponWidth;
    static constexpr int kHeight = kCouponHeight;

    explicit TCouponImage(QWidget *parent = nullptr);

    const QImage &Image() const { return FImage; }
    // What a scaled screen shows instead of the picture enlarged; told of
    // every change the picture gets.
    TScaledCoupon &Scaled() { return FScaled; }

    // Fills left..right-1 by top..bottom-1.
    void FillRect(int left, int top, int right, int bottom, QRgb colour);
    // Copies width x height pixels of source at (sx, sy) to (dx, dy).
    void CopyRect(const QImage &source, int sx, int sy, int width, int height, int dx, int dy);

    // Called on every button press with the position in image pixels; the
    // keyboard presses a cell through it too.
    std::function<void(int x, int y)> OnMouseDown;

    // The cell of number n on board b, 16 x 16 pixels of the picture.
    static QRect CellRect(int board, int number);
    // Presses the middle of that cell, as a click there does: the keyboard
    // and a screen reader's Toggle mark a number this way.
    void PressCell(int board, int number);

    // The keyboard's cell, framed on the screen (never in the picture)
    // while the coupon has the focus and the keyboard is in use; an empty
    // rectangle for none.
    void SetCursorCell(const QRect &cell);
    QRect CursorCell() const { return FCursorCell; }

    // The numbers of a board that a draw holds, ringed on the screen
    // (never in the picture) until they are set again or cleared.
    void SetRings(int board, const QList<int> &numbers);
    void ClearRings();
    QList<int> Rings(int board) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QRect CursorFrame() const;
    void PaintRings(QPainter &painter) const;

    QImage FImage;
    TScaledCoupon FScaled;
    QRect FCursorCell;
    std::array<uint64_t, kMaxBoards> FRings{}; // bit n: number n ringed
};
