#include "coupon/mainwindow/CouponImage.h"
#include "kit/KeyboardAccess.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <utility>

TCouponImage::TCouponImage(QWidget *parent)
    : QWidget(parent)
    , FImage(kWidth, kHeight, QImage::Format_RGB32)
{
    FImage.fill(Qt::white);
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setProperty("drawsOwnFocus", true);
}

QRect TCouponImage::CellRect(int board, int number)
{
    const TPoint origin = NumberOrigin(board, number);
    return {origin.x, origin.y, kCellSize, kCellSize};
}

void TCouponImage::PressCell(int board, int number)
{
    const QPoint middle = CellRect(board, number).topLeft() + QPoint(kCellSize / 2, kCellSize / 2);
    if (OnMouseDown)
        OnMouseDown(middle.x(), middle.y());
}

void TCouponImage::SetCursorCell(const QRect &cell)
{
    update(CursorFrame());
    FCursorCell = cell;
    update(CursorFrame());
}

QRect TCouponImage::CursorFrame() const
{
    // The cell with its four grid lines.
    return FCursorCell.isEmpty() ? QRect() : FCursorCell.adjusted(0, 0, 1, 1);
}

void TCouponImage::SetRings(int board, const QList<int> &numbers)
{
    if (board < 1 || board > kMaxBoards)
        return;
    uint64_t rings = 0;
    for (const int n : numbers)
        if (n >= 1 && n <= kMaxNumbers)
            rings |= uint64_t{1} << n;
    if (std::exchange(FRings[board - 1], rings) != rings)
        update(QRect(BoardOrigin(board).x, BoardOrigin(board).y, 7 * kCellSize + 1, 7 * kCellSize + 1));
}

void TCouponImage::ClearRings()
{
    for (int b = 1; b <= kMaxBoards; ++b)
        SetRings(b, {});
}

QList<int> TCouponImage::Rings(int board) const
{
    QList<int> numbers;
    for (int n = 1; n <= kMaxNumbers; ++n)
        if (board >= 1 && board <= kMaxBoards && (FRings[board - 1] >> n & 1))
            numbers.append(n);
    return numbers;
}

void TCouponImage::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update(CursorFrame());
}

void TCouponImage::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update(CursorFrame());
}

void TCouponImage::FillRect(int left, int top, int right, int bottom, QRgb colour)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, kWidth);
    bottom = std::min(bottom, kHeight);
    if (left >= right || top >= bottom)
        return;
    for (int y = top; y < bottom; ++y) {
        auto *line = reinterpret_cast<QRgb *>(FImage.scanLine(y));
        std::fill(line + left, line + right, colour);
    }
    update(left, top, right - left, bottom - top);
}

void TCouponImage::CopyRect(const QImage &source, int sx, int sy, int width, int height, int dx, int dy)
{
    // Clip against both images: a start left of (or above) either image
    // moves both starts in and shortens the run.
    const auto clipStart = [](int &length, int &start, int &other) {
        if (start < 0) {
            length += start;
            other -= start;
            start = 0;
        }
    };
    clipStart(width, sx, dx);
    clipStart(height, sy, dy);
    clipStart(width, dx, sx);
    clipStart(height, dy, sy);
    width = std::min({width, source.width() - sx, kWidth - dx});
    height = std::min({height, source.height() - sy, kHeight - dy});
    if (width <= 0 || height <= 0)
        return;
    const QImage &src = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(src.constScanLine(sy + y)) + sx;
        auto *to = reinterpret_cast<QRgb *>(FImage.scanLine(dy + y)) + dx;
        std::memcpy(to, from, sizeof(QRgb) * width);
    }
    update(dx, dy, width, height);
}

void TCouponImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // The ratio is looked at on every paint: a window moved to a screen of
    // another scale is drawn anew for it.
    const qreal ratio = devicePixelRatioF();
    if (ratio == 1.0) {
        painter.drawImage(QRect(0, 0, kWidth, kHeight), FImage);
    } else {
        // In device pixels, one for one.
        painter.save();
        painter.scale(1 / ratio, 1 / ratio);
        painter.drawImage(QPointF(0, 0), FScaled.Picture(ratio));
        painter.restore();
    }
    PaintRings(painter);
    if (!hasFocus() || !KeyboardInUse() || FCursorCell.isEmpty())
        return;
    // Over the cell's grid lines and kFocusFrameWidth device pixels inside
    // them, in whole device pixels.
    const QRect cell = CursorFrame();
    const QRect frame(qRound(cell.left() * ratio), qRound(cell.top() * ratio), qRound(cell.width() * ratio),
                      qRound(cell.height() * ratio));
    const int width = qRound(ratio) + kFocusFrameWidth;
    const QColor colour = QColor::fromRgb(kFocusFrameColour);
    painter.resetTransform();
    painter.scale(1 / ratio, 1 / ratio);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), width), colour);
    painter.fillRect(QRect(frame.left(), frame.bottom() - width + 1, frame.width(), width), colour);
    painter.fillRect(QRect(frame.left(), frame.top(), width, frame.height()), colour);
    painter.fillRect(QRect(frame.right() - width + 1, frame.top(), width, frame.height()), colour);
}

void TCouponImage::PaintRings(QPainter &painter) const
{
    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor::fromRgb(kRingColour));
    pen.setWidthF(2.0);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (int b = 1; b <= kMaxBoards; ++b)
        for (int n = 1; n <= kMaxNumbers; ++n)
            if (FRings[b - 1] >> n & 1)
                // Inside the cell's grid lines, the pen's middle 2 pixels in.
                painter.drawEllipse(QRectF(CellRect(b, n)).adjusted(2.5, 2.5, -1.5, -1.5));
    painter.restore();
}

void TCouponImage::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (OnMouseDown)
        OnMouseDown(p.x(), p.y());
}
