#include "coupon/mainwindow/ScaledCoupon.h"
#include "coupon/mainwindow/GridAtlas.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace {

constexpr int kBandWidth = 7 * kCellSize; // a board's bars run under its seven columns
constexpr int kBarHeight = atlas::kBarHeight;

int BarY(int board, bool spread)
{
    return (board <= 6 ? atlas::kPunchBarY : atlas::kPunchBarY + 8) + (spread ? kBarHeight : 0);
}

} // namespace

int TScaledCoupon::Device(int logical) const
{
    return qRound(logical * FRatio);
}

void TScaledCoupon::Fill(QRgb background)
{
    FBackground = background;
    for (auto &board : FCells)
        board.fill(TCell::None);
    for (auto &bars : FBars)
        bars = {-1, -1};
    FAllChanged = true;
}

void TScaledCoupon::SetCell(int board, int number, TCell cell)
{
    if (board < 1 || board > kMaxBoards || number < 1 || number > kMaxNumbers)
        return;
    FCells[board - 1][number - 1] = cell;
    if (!FAllChanged)
        FChangedCells.push_back({board, number});
}

void TScaledCoupon::SetBar(int board, bool spread, int value)
{
    if (board < 1 || board > kMaxBoards)
        return;
    FBars[board - 1][spread ? 1 : 0] = value;
    if (!FAllChanged)
        FChangedBars.push_back({board, spread});
}

const QImage &TScaledCoupon::Picture(qreal ratio)
{
    if (ratio != FRatio) {
        FRatio = ratio;
        FAllChanged = true;
    }
    if (FAllChanged) {
        FPicture = QImage(Device(kCouponWidth), Device(kCouponHeight), QImage::Format_RGB32);
        FPicture.fill(FBackground);
        for (int b = 1; b <= kMaxBoards; ++b) {
            for (int n = 1; n <= kMaxNumbers; ++n)
                DrawCell(FPicture, b, n);
            DrawBar(FPicture, b, false);
            DrawBar(FPicture, b, true);
        }
    } else {
        for (const TPoint &cell : FChangedCells)
            DrawCell(FPicture, cell.x, cell.y);
        for (const TBarKey &bar : FChangedBars)
            DrawBar(FPicture, bar.board, bar.spread);
    }
    FAllChanged = false;
    FChangedCells.clear();
    FChangedBars.clear();
    return FPicture;
}

void TScaledCoupon::DrawCell(QImage &image, int board, int number) const
{
    const TCell cell = FCells[board - 1][number - 1];
    if (cell == TCell::None)
        return;
    const TPoint origin = NumberOrigin(board, number);
    // Lines of whole device pixels, as wide across as down; the cell's own
    // four, shared with its neighbours.
    const int line = std::max(1, qFloor(FRatio));
    const int left = Device(origin.x);
    const int top = Device(origin.y);
    const int right = Device(origin.x + kCellSize);
    const int bottom = Device(origin.y + kCellSize);
    QPainter painter(&image);
    const QRect inside(left + line, top + line, right - left - line, bottom - top - line);
    const bool excluded = cell == TCell::Excluded;
    painter.fillRect(inside, QColor::fromRgb(excluded ? atlas::kExcludedCell : atlas::kPlainCell));
    const QColor lines = QColor::fromRgb(atlas::kLine);
    painter.fillRect(QRect(left, top, right - left + line, line), lines);
    painter.fillRect(QRect(left, bottom, right - left + line, line), lines);
    painter.fillRect(QRect(left, top, line, bottom - top + line), lines);
    painter.fillRect(QRect(right, top, line, bottom - top + line), lines);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(qRound(12 * FRatio));
    font.setStyleStrategy(QFont::PreferAntialias);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(excluded ? atlas::kExcludedDigit : atlas::kPlainDigit));
    painter.drawText(inside, Qt::AlignCenter, QString::number(number));
    if (cell == TCell::Marked) {
        painter.setPen(QPen(QColor::fromRgb(atlas::kCross), FRatio, Qt::SolidLine, Qt::FlatCap));
        const QRectF cross = QRectF(inside).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.drawLine(cross.topLeft(), cross.bottomRight());
        painter.drawLine(cross.topRight(), cross.bottomLeft());
    }
}

void TScaledCoupon::DrawBar(QImage &image, int board, bool spread) const
{
    const int value = FBars[board - 1][spread ? 1 : 0];
    const TPoint origin = BoardOrigin(board);
    const int y = BarY(board, spread);
    const int left = Device(origin.x);
    const int top = Device(y);
    const int bottom = Device(y + kBarHeight);
    const int length = value < 0 ? 0 : Device(origin.x + kBandWidth * value / 100) - left;
    // The band is the background where the bar does not reach.
    QPainter painter(&image);
    painter.fillRect(QRect(left, top, Device(origin.x + kBandWidth) - left, bottom - top),
                     QColor::fromRgb(FBackground));
    for (int x = 0; x < length; ++x) {
        const int ramp = std::min(atlas::kBarWidth - 1, static_cast<int>(x / FRatio));
        const QRgb colour = spread ? atlas::SpreadRamp(ramp) : atlas::PunchRamp(ramp);
        painter.fillRect(QRect(left + x, top, 1, bottom - top), QColor::fromRgb(colour));
    }
}
