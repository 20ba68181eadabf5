#include "coupon/mainwindow/CouponView.h"
#include "coupon/logic/CouponSystems.h"
#include "coupon/mainwindow/CouponAccessible.h"
#include "coupon/mainwindow/CouponImage.h"
#include "coupon/mainwindow/GridAtlas.h"
#include "kit/WindowLayout.h"

#include <QLabel>

#include <algorithm>

namespace {

constexpr TPlace kCouponImage = {"CouponImage", 8, 8, 753, 241};
constexpr int kCaptionLefts[6] = {10, 138, 266, 394, 522, 650};

// The bars of a board: the y of its Punch and Spread bars, for the top and
// the bottom row.
int PunchBarY(int board)
{
    return board <= 6 ? 113 : 121;
}

int SpreadBarY(int board)
{
    return board <= 6 ? 117 : 125;
}

int BarLength(int value)
{
    return 7 * kCellSize * value / 100;
}

} // namespace

TCouponView::TCouponView(QWidget *gamePanel, QWidget *coefficientsPanel, const QImage &atlas)
    : FAtlas(atlas)
    , FImage(Place(new TCouponImage(gamePanel), kCouponImage))
{
    couponaccess::Install(this);
    // The captions' design-time texts, emptied by the first redraw before
    // the window is shown.
    for (int b = 1; b <= kMaxBoards; ++b) {
        const int left = kCaptionLefts[(b - 1) % 6];
        const int top = b <= 6 ? 5 : 50;
        const auto caption = [&](const QString &name, int y, const char *text) {
            auto *label = new QLabel(QString::fromLatin1(text), coefficientsPanel);
            label->setObjectName(name);
            label->move(left, y);
            return label;
        };
        FPunchLabels[b - 1] = caption(QStringLiteral("p%1").arg(b), top, "Punch :");
        FSpreadLabels[b - 1] = caption(QStringLiteral("s%1").arg(b), top + 20, "Spread:");
    }
}

TCouponView::~TCouponView()
{
    couponaccess::Uninstall(this);
}

void TCouponView::Fill(QRgb background)
{
    FImage->FillRect(0, 0, TCouponImage::kWidth, TCouponImage::kHeight, background);
    FImage->Scaled().Fill(background);
}

void TCouponView::DrawCells(const TCouponShape &shape, const TCouponSystems &systems)
{
    FShape = shape;
    for (int n = 1; n <= kMaxNumbers; ++n)
        FExcluded[n - 1] = n <= shape.boardsize && systems.IsExcluded(static_cast<uint8_t>(n));
    for (int b = 1; b <= shape.boards && b <= kMaxBoards; ++b) {
        const TPoint origin = BoardOrigin(b);
        int j = 0;
        for (int c = 0; c < 7 && j < shape.boardsize; ++c) {
            for (int r = 0; r < 7 && j < shape.boardsize; ++r) {
                const auto n = static_cast<uint8_t>(j + 1);
                const int excludedOffset = systems.IsExcluded(n) ? atlas::kExcludedX : 0;
                int includedOffset = 0;
                if (systems.IsIncluded(n)) {
                    includedOffset = atlas::kMarkedX;
                    FCoupon.MarkOnAllBoards(n, shape.boards);
                }
                FImage->CopyRect(FAtlas, kCellSize * c + excludedOffset + includedOffset, kCellSize * r, kCellSize + 1,
                                 kCellSize + 1, origin.x + kCellSize * c, origin.y + kCellSize * r);
                FImage->Scaled().SetCell(b, n,
                                         excludedOffset       ? TScaledCoupon::TCell::Excluded
                                             : includedOffset ? TScaledCoupon::TCell::Marked
                                                              : TScaledCoupon::TCell::Plain);
                ++j;
            }
        }
    }
    couponaccess::MarksChanged(this, 0, 0);
}

void TCouponView::Clear()
{
    FCoupon.Clear();
    couponaccess::MarksChanged(this, 0, 0);
    for (int b = 1; b <= kMaxBoards; ++b) {
        SetPunchCaption(b, -1);
        SetSpreadCaption(b, -1);
    }
}

TClickResult TCouponView::Mark(const TCouponHit &hit, const TCouponShape &shape,
                               const std::function<bool(uint8_t)> &isExcluded)
{
    const TClickResult result = FCoupon.Click(hit, shape, isExcluded);
    if (result == TClickResult::Ignored)
        return result;
    const TPoint origin = BoardOrigin(hit.board);
    const int column = kCellSize * (hit.column - 1);
    const int row = kCellSize * (hit.row - 1);
    const bool marked = result == TClickResult::Marked || result == TClickResult::MarkedFull;
    const int grid = marked ? atlas::kMarkedX : atlas::kPlainX;
    FImage->CopyRect(FAtlas, grid + column, row, kCellSize, kCellSize, origin.x + column, origin.y + row);
    FImage->Scaled().SetCell(hit.board, hit.number,
                             marked ? TScaledCoupon::TCell::Marked : TScaledCoupon::TCell::Plain);
    couponaccess::MarksChanged(this, hit.board, hit.number);
    return result;
}

void TCouponView::ShowPunch(int board, int value)
{
    SetPunchCaption(board, value);
    FImage->CopyRect(FAtlas, 0, atlas::kPunchBarY, BarLength(value), atlas::kBarHeight, BoardOrigin(board).x,
                     PunchBarY(board));
    FImage->Scaled().SetBar(board, false, value);
}

void TCouponView::ShowSpread(int board, int value)
{
    SetSpreadCaption(board, value);
    FImage->CopyRect(FAtlas, 0, atlas::kSpreadBarY, BarLength(value), atlas::kBarHeight, BoardOrigin(board).x,
                     SpreadBarY(board));
    FImage->Scaled().SetBar(board, true, value);
}

void TCouponView::ClearPunch(int board, QRgb background)
{
    SetPunchCaption(board, -1);
    SetSpreadCaption(board, -1);
    const int x = BoardOrigin(board).x;
    FImage->FillRect(x, PunchBarY(board), x + 7 * kCellSize, PunchBarY(board) + atlas::kBarHeight, background);
    FImage->Scaled().SetBar(board, false, -1);
}

void TCouponView::ClearSpread(int board, QRgb background)
{
    SetSpreadCaption(board, -1);
    const int x = BoardOrigin(board).x;
    FImage->FillRect(x, SpreadBarY(board), x + 7 * kCellSize, SpreadBarY(board) + atlas::kBarHeight, background);
    FImage->Scaled().SetBar(board, true, -1);
}

void TCouponView::SetPunchCaption(int board, int value)
{
    if (board < 1 || board > kMaxBoards)
        return;
    FPunchValues[board - 1] = std::max(value, -1);
    QLabel *label = FPunchLabels[board - 1];
    SetLabelText(label, value < 0 ? QString() : QStringLiteral("Punch  = %1").arg(value));
    // A screen reader hears whose it is.
    label->setAccessibleName(value < 0 ? QString() : QStringLiteral("Board %1 Punch %2").arg(board).arg(value));
}

void TCouponView::SetSpreadCaption(int board, int value)
{
    if (board < 1 || board > kMaxBoards)
        return;
    FSpreadValues[board - 1] = std::max(value, -1);
    QLabel *label = FSpreadLabels[board - 1];
    SetLabelText(label, value < 0 ? QString() : QStringLiteral("Spread = %1").arg(value));
    label->setAccessibleName(value < 0 ? QString() : QStringLiteral("Board %1 Spread %2").arg(board).arg(value));
}
