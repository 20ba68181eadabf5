#include "coupon/mainwindow/CouponView.h"
#include "coupon/mainwindow/CouponImage.h"
#include "coupon/mainwindow/GridAtlas.h"
#include "kit/WindowLayout.h"

#include <QCoreApplication>
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

TCouponView::TCouponView(QWidget *gamePanel, QWidget *coefficientsPanel, const QImage &atlas, const TCouponModel &model)
    : FAtlas(atlas)
    , FModel(model)
    , FImage(Place(new TCouponImage(gamePanel), kCouponImage))
{
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

void TCouponView::Changed(const TCouponChange &change)
{
    using TKind = TCouponChange::TKind;
    switch (change.kind) {
    case TKind::Coupon:
        Redraw();
        break;
    case TKind::Marks:
        DrawCell(change.board, change.number);
        break;
    case TKind::Coefficients:
        ShowCoefficients(change.board);
        break;
    case TKind::Rings:
        if (change.board == 0)
            FImage->ClearRings();
        else
            ShowRings(change.board);
        break;
    case TKind::Cursor:
        FImage->SetCursorCell(TCouponImage::CellRect(change.board, change.number));
        break;
    case TKind::FullBoards:
        break;
    }
}

void TCouponView::Redraw()
{
    FImage->ClearRings();
    FImage->FillRect(0, 0, TCouponImage::kWidth, TCouponImage::kHeight, FBackground);
    FImage->Scaled().Fill(FBackground);
    for (int b = 1; b <= kMaxBoards; ++b) {
        SetPunchCaption(b, -1);
        SetSpreadCaption(b, -1);
    }
    const TCouponShape &shape = FModel.Shape();
    for (int b = 1; b <= shape.boards && b <= kMaxBoards; ++b) {
        const TPoint origin = BoardOrigin(b);
        int j = 0;
        for (int c = 0; c < 7 && j < shape.boardsize; ++c) {
            for (int r = 0; r < 7 && j < shape.boardsize; ++r) {
                const int n = j + 1;
                const int excludedOffset = FModel.IsExcluded(n) ? atlas::kExcludedX : 0;
                const int includedOffset = FModel.IsIncluded(n) ? atlas::kMarkedX : 0;
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
}

void TCouponView::DrawCell(int board, int number)
{
    const TCouponHit hit = HitOf(board, number);
    const TPoint origin = BoardOrigin(board);
    const int column = kCellSize * (hit.column - 1);
    const int row = kCellSize * (hit.row - 1);
    const bool marked = FModel.Coupon().Marked(board, number);
    const int grid = marked ? atlas::kMarkedX : atlas::kPlainX;
    FImage->CopyRect(FAtlas, grid + column, row, kCellSize, kCellSize, origin.x + column, origin.y + row);
    FImage->Scaled().SetCell(board, number, marked ? TScaledCoupon::TCell::Marked : TScaledCoupon::TCell::Plain);
}

void TCouponView::ShowCoefficients(int board)
{
    const int x = BoardOrigin(board).x;
    const auto show = [&](int value, int y, int atlasY, bool spread) {
        if (value >= 0)
            FImage->CopyRect(FAtlas, 0, atlasY, BarLength(value), atlas::kBarHeight, x, y);
        else
            FImage->FillRect(x, y, x + 7 * kCellSize, y + atlas::kBarHeight, FBackground);
        FImage->Scaled().SetBar(board, spread, value);
    };
    const int punch = FModel.PunchValue(board);
    const int spread = FModel.SpreadValue(board);
    SetPunchCaption(board, punch);
    show(punch, PunchBarY(board), atlas::kPunchBarY, false);
    SetSpreadCaption(board, spread);
    show(spread, SpreadBarY(board), atlas::kSpreadBarY, true);
}

void TCouponView::ShowRings(int board)
{
    QList<int> numbers;
    const uint64_t rings = FModel.Rings(board);
    for (int n = 1; n <= kMaxNumbers; ++n)
        if (rings >> n & 1)
            numbers.append(n);
    FImage->SetRings(board, numbers);
}

void TCouponView::SetPunchCaption(int board, int value)
{
    QLabel *label = FPunchLabels[board - 1];
    SetLabelText(label, value < 0 ? QString() : QCoreApplication::translate("Drawvane", "Punch  = %1").arg(value));
    // A screen reader hears whose it is.
    label->setAccessibleName(
        value < 0 ? QString() : QCoreApplication::translate("Drawvane", "Board %1 Punch %2").arg(board).arg(value));
}

void TCouponView::SetSpreadCaption(int board, int value)
{
    QLabel *label = FSpreadLabels[board - 1];
    SetLabelText(label, value < 0 ? QString() : QCoreApplication::translate("Drawvane", "Spread = %1").arg(value));
    label->setAccessibleName(
        value < 0 ? QString() : QCoreApplication::translate("Drawvane", "Board %1 Spread %2").arg(board).arg(value));
}
