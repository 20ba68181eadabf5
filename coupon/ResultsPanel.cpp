// The main window's results panel and per-board coefficient display.

#include "calc/CalculationsUnit.h"
#include "coupon/CouponImage.h"
#include "coupon/GridAtlas.h"
#include "coupon/ImageFormUnit.h"
#include "coupon/ResultFigures.h"
#include "coupon/Tombolix.h"
#include "settings/RegistryUnit.h"

#include <QLabel>
#include <QLocale>

// --- Per-board coefficients -------------------------------------------------

namespace {

// Bars of a board: y of the Punch and Spread bars for the top and the bottom row.
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

void TTombolixForm::ShowPunch(uint8_t board)
{
    TRegOptions store;
    if (!store.GetPlaySums())
        return;
    int32_t sum = 0;
    for (int n = 1; n <= boardsize; ++n)
        if (FCoupon.Marked(board, n))
            sum += n;
    const int32_t value = TLottoCalc().PunchCoefficient(sum, marks, boardsize);
    SetPunchCaption(board, value);
    CouponImage->CopyRect(ImagesForm->Atlas(), 0, atlas::kPunchBarY, BarLength(value), atlas::kBarHeight,
                          BoardOrigin(board).x, PunchBarY(board));
}

void TTombolixForm::ShowSpread(uint8_t board)
{
    TRegOptions store;
    if (!store.GetPlayStdev())
        return;
    const int32_t value = TLottoCalc().SpreadCoefficient(FCoupon.Flags(board), marks, boardsize);
    SetSpreadCaption(board, value);
    CouponImage->CopyRect(ImagesForm->Atlas(), 0, atlas::kSpreadBarY, BarLength(value), atlas::kBarHeight,
                          BoardOrigin(board).x, SpreadBarY(board));
}

void TTombolixForm::ClearPunch(uint8_t board)
{
    SetPunchCaption(board, -1);
    SetSpreadCaption(board, -1);
    const int x = BoardOrigin(board).x;
    CouponImage->FillRect(x, PunchBarY(board), x + 7 * CellSize, PunchBarY(board) + atlas::kBarHeight, CouponColor);
}

void TTombolixForm::ClearSpread(uint8_t board)
{
    SetSpreadCaption(board, -1);
    const int x = BoardOrigin(board).x;
    CouponImage->FillRect(x, SpreadBarY(board), x + 7 * CellSize, SpreadBarY(board) + atlas::kBarHeight, CouponColor);
}

void TTombolixForm::SetPunchCaption(int board, int value)
{
    if (board < 1 || board > 12)
        return;
    SetLabelText(PunchLabels[board - 1], value < 0 ? QString() : QStringLiteral("Punch  = %1").arg(value));
}

void TTombolixForm::SetSpreadCaption(int board, int value)
{
    if (board < 1 || board > 12)
        return;
    SetLabelText(SpreadLabels[board - 1], value < 0 ? QString() : QStringLiteral("Spread = %1").arg(value));
}

// --- Results ----------------------------------------------------------------

namespace {

// The user's decimal separator, where it is a single character.
char DecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

TResultColumn TextsOf(const std::array<QLabel *, 8> &labels)
{
    TResultColumn texts;
    for (size_t i = 0; i < labels.size(); ++i)
        texts[i] = labels[i]->text().toStdString();
    return texts;
}

void ShowTexts(const std::array<QLabel *, 8> &labels, const TResultColumn &texts)
{
    for (size_t i = 0; i < labels.size(); ++i)
        TTombolixForm::SetLabelText(labels[i], QString::fromStdString(texts[i]));
}

} // namespace

uint8_t TTombolixForm::FullBoardCount() const
{
    return FCoupon.FullBoardCount(marks);
}

uint8_t TTombolixForm::CommonNumbers(int a, int b) const
{
    return FCoupon.CommonNumbers(a, b, TCouponShape{boards, boardsize, marks});
}

void TTombolixForm::CalculateResults()
{
    const TWinColumn win =
        WinProbabilities(FCoupon, TCouponShape{boards, boardsize, marks}, divisions, excludedCount, DecimalSeparator());
    if (!win.shown) {
        ClearWinLabels();
        ClearOddsLabels();
        ClearPayLabels();
        return;
    }
    ShowTexts(WinLabels, win.texts);
    ShowOdds();
    ShowReturns();
}

void TTombolixForm::ShowOdds()
{
    ShowTexts(OddsLabels, OddsFromShown(TextsOf(WinLabels), DecimalSeparator()));
}

void TTombolixForm::ShowReturns()
{
    // Payments the store cannot open stay 0.
    std::array<int64_t, 7> payments{};
    TRegOptions().GetPayments(payments);
    ShowTexts(PayLabels, ReturnsFromShown(TextsOf(WinLabels), payments, DecimalSeparator()));
}

void TTombolixForm::ClearWinLabels()
{
    for (QLabel *label : WinLabels)
        SetLabelText(label, QString());
}

void TTombolixForm::ClearOddsLabels()
{
    for (QLabel *label : OddsLabels)
        SetLabelText(label, QString());
}

void TTombolixForm::ClearPayLabels()
{
    for (QLabel *label : PayLabels)
        SetLabelText(label, QString());
}
