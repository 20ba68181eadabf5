#include "coupon/mainwindow/ResultsPanel.h"
#include "coupon/logic/ResultFigures.h"
#include "kit/Artwork.h"
#include "kit/WindowLayout.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>

namespace {

constexpr TPlace kStatsPanel = {"StatsPanel", 0, 437, 773, 189};
constexpr TPlace kLogoImage = {"LogoImage", 560, 10, 162, 170};

// A label at its place in the window's font, bold or not. A caption the
// player sees is laid out now; a value label's design-time text is never
// seen (the first redraw empties it), so it is laid out when it is set.
QLabel *MakeLabel(QWidget *parent, const QString &name, int x, int y, const QString &text, bool bold, bool seen)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    if (bold) {
        QFont font = parent->font();
        font.setBold(true);
        label->setFont(font);
    }
    label->move(x, y);
    if (seen)
        label->resize(LabelSize(label));
    return label;
}

// The user's decimal separator, where it is a single character.
char DecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

// A value as a screen reader reads it: with its row and column ("Division 1
// win probability 0.00000007"), since it stands apart from both headings.
void ShowTexts(const std::array<QLabel *, 8> &labels, const TResultColumn &texts, const char *column)
{
    for (size_t i = 0; i < labels.size(); ++i) {
        const QString text = QString::fromStdString(texts[i]);
        SetLabelText(labels[i], text);
        const QString row = i < 7 ? QCoreApplication::translate("TResultsPanel", "Division %1").arg(i + 1)
                                  : QCoreApplication::translate("TResultsPanel", "Totals");
        labels[i]->setAccessibleName(text.isEmpty() ? QString()
                                                    : QStringLiteral("%1 %2 %3").arg(row, UiText(column), text));
    }
}

void ClearTexts(const std::array<QLabel *, 8> &labels)
{
    for (QLabel *label : labels) {
        SetLabelText(label, QString());
        label->setAccessibleName(QString());
    }
}

} // namespace

TResultsPanel::TResultsPanel(QWidget *parent)
    : QFrame(parent)
{
    Place(this, kStatsPanel);
    const auto heading = [this](const char *name, int x, int y, const QString &text, bool bold) {
        MakeLabel(this, QString::fromLatin1(name), x, y, text, bold, true);
    };
    heading("Label9", 123, 5, tr("Win Probability"), true);
    heading("OddsLabel", 301, 5, tr("Odds"), true);
    heading("Label10", 411, 5, tr("Returns $"), true);
    for (int d = 1; d <= 7; ++d) {
        const int top = 28 + 19 * (d - 1);
        MakeLabel(this, QStringLiteral("Label%1").arg(d), 14, top, tr("Division %1").arg(d), false, true);
        FWinLabels[d - 1] = MakeLabel(this, QStringLiteral("WinDiv%1Label").arg(d), 137, top,
                                      QStringLiteral("Win Div %1").arg(d), false, false);
        FOddsLabels[d - 1] = MakeLabel(this, QStringLiteral("Odds%1Label").arg(d), 282, top,
                                       QStringLiteral("Odds %1").arg(d), false, false);
        FPayLabels[d - 1] =
            MakeLabel(this, QStringLiteral("Pay%1Label").arg(d), 416, top, QStringLiteral("Returns"), false, false);
    }
    heading("Label8", 14, 164, tr("Totals: "), true);
    FWinLabels[7] =
        MakeLabel(this, QStringLiteral("TotalWinProbability"), 137, 164, QStringLiteral("Win Total"), true, false);
    FOddsLabels[7] = MakeLabel(this, QStringLiteral("OddsTotalLabel"), 282, 164, QStringLiteral("Odds"), true, false);
    FPayLabels[7] = MakeLabel(this, QStringLiteral("PayTotalLabel"), 406, 164, QStringLiteral("Returns"), true, false);

    auto *logo = Place(new QLabel(this), kLogoImage);
    logo->setPixmap(ArtPixmap(QStringLiteral(":/logo.png"), devicePixelRatioF()));
    logo->setAttribute(Qt::WA_TranslucentBackground);
}

void TResultsPanel::CalculateResults(const TCouponState &coupon, const TCouponShape &shape,
                                     const std::array<uint8_t, 7> &divisions, uint8_t excludedCount,
                                     const std::function<TPayments()> &payments)
{
    const TWinColumn win = WinProbabilities(coupon, shape, divisions, excludedCount, DecimalSeparator());
    if (!win.shown) {
        ClearWinLabels();
        ClearOddsLabels();
        ClearPayLabels();
        return;
    }
    ShowTexts(FWinLabels, win.texts, QT_TRANSLATE_NOOP("Drawvane", "win probability"));
    ShowOdds(win);
    ShowReturns(win, payments());
}

void TResultsPanel::ShowOdds(const TWinColumn &win)
{
    ShowTexts(FOddsLabels, Odds(win), QT_TRANSLATE_NOOP("Drawvane", "odds"));
}

void TResultsPanel::ShowReturns(const TWinColumn &win, const TPayments &payments)
{
    ShowTexts(FPayLabels, Returns(win, payments, DecimalSeparator()), QT_TRANSLATE_NOOP("Drawvane", "return"));
}

void TResultsPanel::ClearWinLabels()
{
    ClearTexts(FWinLabels);
}

void TResultsPanel::ClearOddsLabels()
{
    ClearTexts(FOddsLabels);
}

void TResultsPanel::ClearPayLabels()
{
    ClearTexts(FPayLabels);
}
