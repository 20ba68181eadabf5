#include "dialogs/forms/WheelUnit.h"
#include "dialogs/forms/DialogSetup.h"
#include "kit/ErrorReport.h"
#include "kit/KeyboardAccess.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

#include <utility>

TWheelForm *WheelForm = nullptr;

namespace {

constexpr QSize kClientSize(560, 600);
constexpr TPlace kNumbersLabel = {"WheelNumbersLabel", 14, 12, 0, 0};
constexpr TPlace kNumbersEdit = {"WheelNumbersEdit", 14, 34, 532, 28};
constexpr TPlace kGuaranteeCaption = {"WheelGuaranteeCaption", 14, 74, 0, 0};
constexpr TPlace kGuaranteeBox = {"WheelGuaranteeBox", 14, 96, 532, 28};
// Two sentences of up to two lines each.
constexpr TPlace kGuaranteeLabel = {"WheelGuaranteeLabel", 14, 134, 532, 84};
constexpr TPlace kCoverageLabel = {"WheelCoverageLabel", 14, 224, 0, 0};
// A header and seven rows, the last of them for 6 of the player's numbers.
constexpr TPlace kCoverageTable = {"WheelCoverageTable", 14, 246, 532, 256};
constexpr TPlace kFillBitBtn = {"WheelFillBitBtn", 14, 530, 130, 36};
constexpr TPlace kCloseBitBtn = {"CloseBitBtn", 440, 520, 106, 56};

// A chance as a percentage with two significant digits at least: the
// chances of the coverage table run from certainty to a few in a million.
QString Percent(double chance)
{
    const double percent = 100 * chance;
    int decimals = 2;
    for (double shown = 0.1; percent > 0 && percent < shown && decimals < 8; shown /= 10)
        ++decimals;
    return QLocale::system().toString(percent, 'f', decimals).remove(QLocale::system().groupSeparator())
        + QStringLiteral(" %");
}

} // namespace

TWheelForm::TWheelForm(QWidget *parent)
    : QWidget(parent)
{
    SetUpDialog(this,
                {.name = "WheelForm",
                 .title = QT_TRANSLATE_NOOP("Drawvane", "Drawvane Wheel"),
                 .size = kClientSize,
                 .font = DialogFont()});
    BuildOnFirstShowing(this, [this] { Build(); });
    SetWindowKeys(
        this, [this] { return WheelFillBitBtn; }, [this] { return CloseBitBtn; });
    CallOnShow(this, [this] { FormShow(); });
}

void TWheelForm::Build()
{
    WheelNumbersLabel = Place(new QLabel(QCoreApplication::translate("Drawvane", "Your numbers"), this), kNumbersLabel);
    WheelNumbersEdit = Place(new QLineEdit(this), kNumbersEdit);
    WheelNumbersEdit->setAccessibleName(QCoreApplication::translate("Drawvane", "Your numbers"));
    WheelNumbersLabel->setBuddy(WheelNumbersEdit);
    WheelGuaranteeCaption =
        Place(new QLabel(QCoreApplication::translate("Drawvane", "Guarantee"), this), kGuaranteeCaption);
    WheelGuaranteeBox = Place(new QComboBox(this), kGuaranteeBox);
    WheelGuaranteeBox->setAccessibleName(QCoreApplication::translate("Drawvane", "Guarantee"));
    WheelGuaranteeCaption->setBuddy(WheelGuaranteeBox);
    WheelGuaranteeLabel = Place(new QLabel(this), kGuaranteeLabel);
    WheelGuaranteeLabel->setWordWrap(true);
    WheelGuaranteeLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    WheelGuaranteeLabel->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    WheelCoverageLabel =
        Place(new QLabel(QCoreApplication::translate(
                             "Drawvane", "In every draw: how many of yours are drawn, and the best board's match"),
                         this),
              kCoverageLabel);

    WheelCoverageTable = Place(new QTableWidget(this), kCoverageTable);
    WheelCoverageTable->setAccessibleName(QCoreApplication::translate("Drawvane", "Coverage of the draws"));
    WheelCoverageTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    WheelCoverageTable->setSelectionMode(QAbstractItemView::SingleSelection);
    WheelCoverageTable->verticalHeader()->hide();
    WheelCoverageTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    WheelCoverageTable->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    WheelCoverageLabel->setBuddy(WheelCoverageTable);

    WheelFillBitBtn = Place(new QPushButton(QCoreApplication::translate("Drawvane", "Fill"), this), kFillBitBtn);
    WheelFillBitBtn->setAutoDefault(false);
    CloseBitBtn = MakeGlyphButton(this, kCloseBitBtn, UiText(QT_TRANSLATE_NOOP("Drawvane", "Close")),
                                  QStringLiteral(":/glyphs/close.png"));

    connect(WheelNumbersEdit, &QLineEdit::textChanged, this, Guard([this] { ReadNumbers(); }));
    connect(WheelGuaranteeBox, &QComboBox::currentIndexChanged, this, Guard([this] { ShowGuarantee(); }));
    connect(WheelFillBitBtn, &QPushButton::clicked, this, Guard([this] { FillBitBtnClick(); }));
    connect(CloseBitBtn, &QPushButton::clicked, this, Guard([this] { CloseBitBtnClick(); }));
    SetTabChain({WheelNumbersEdit, WheelGuaranteeBox, WheelCoverageTable, WheelFillBitBtn, CloseBitBtn});
}

void TWheelForm::FormShow()
{
    SetBackgroundColour(this, kCommonBackground);
    ReadNumbers();
}

void TWheelForm::ReadNumbers()
{
    if (!WheelNumbersEdit)
        return;
    // The guarantee chosen stays chosen while it is offered.
    const int chosen = WheelGuaranteeBox->currentIndex();
    const std::pair<int, int> kept = chosen >= 0 && chosen < static_cast<int>(FWheels.size())
        ? std::pair(FWheels[static_cast<size_t>(chosen)].matched, FWheels[static_cast<size_t>(chosen)].drawn)
        : std::pair(0, 0);
    FGame = OnGame ? OnGame() : TGame{};
    FNumbers =
        wheels::ReadNumbers(WheelNumbersEdit->text().toStdString(), FGame.marks, FGame.boardsize, FGame.excluded);
    FWheels.clear();
    if (FNumbers.error.empty())
        FWheels = wheels::Fitting(FGame.marks, static_cast<int>(FNumbers.numbers.size()), FGame.boards);
    const QSignalBlocker quiet(WheelGuaranteeBox);
    WheelGuaranteeBox->clear();
    for (const wheels::TWheel &wheel : FWheels) {
        WheelGuaranteeBox->addItem(QString::fromStdString(wheels::GuaranteeChoice(wheel)));
        if (std::pair(wheel.matched, wheel.drawn) == kept)
            WheelGuaranteeBox->setCurrentIndex(WheelGuaranteeBox->count() - 1);
    }
    WheelGuaranteeBox->setEnabled(!FWheels.empty());
    ShowGuarantee();
}

void TWheelForm::ShowGuarantee()
{
    const int chosen = WheelGuaranteeBox->currentIndex();
    WheelCoverageTable->clear();
    WheelCoverageTable->setRowCount(0);
    WheelCoverageTable->setColumnCount(0);
    if (WheelNumbersEdit->text().trimmed().isEmpty()) {
        WheelGuaranteeLabel->setText(QCoreApplication::translate("Drawvane", "Type from %1 to %2 numbers.")
                                         .arg(FGame.marks + 1)
                                         .arg(wheels::kMaxPool));
        return;
    }
    if (!FNumbers.error.empty()) {
        WheelGuaranteeLabel->setText(QString::fromStdString(FNumbers.error));
        return;
    }
    if (chosen < 0 || chosen >= static_cast<int>(FWheels.size())) {
        WheelGuaranteeLabel->setText(QString::fromStdString(wheels::NothingFits(FGame.boards)));
        return;
    }
    const wheels::TWheel &wheel = FWheels[static_cast<size_t>(chosen)];
    WheelGuaranteeLabel->setText(QString::fromStdString(wheels::GuaranteeSentence(wheel)) + QLatin1Char('\n')
                                 + QString::fromStdString(wheels::ChanceSentence(wheel, FGame.boardsize)));

    // One column for each match from 3 to the marks: the smaller matches win
    // nothing.
    const std::vector<wheels::TCoverageRow> rows = wheels::Coverage(wheel, FGame.boardsize);
    constexpr int kLeastMatch = 3;
    const int matches = wheel.marks - kLeastMatch + 1;
    WheelCoverageTable->setColumnCount(2 + matches);
    QStringList headers = {QCoreApplication::translate("Drawvane", "Yours drawn"),
                           QCoreApplication::translate("Drawvane", "Chance")};
    for (int h = kLeastMatch; h <= wheel.marks; ++h)
        headers.append(QCoreApplication::translate("Drawvane", "Best has %1").arg(h));
    WheelCoverageTable->setHorizontalHeaderLabels(headers);
    WheelCoverageTable->setRowCount(static_cast<int>(rows.size()));
    const auto cell = [&](int row, int column, const QString &text) {
        auto *item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        WheelCoverageTable->setItem(row, column, item);
    };
    for (const wheels::TCoverageRow &row : rows) {
        cell(row.among, 0, QString::number(row.among));
        cell(row.among, 1, Percent(row.chance));
        // A board cannot match more of the drawn numbers than are yours.
        for (int h = kLeastMatch; h <= wheel.marks; ++h)
            cell(row.among, 2 + h - kLeastMatch,
                 h <= row.among ? Percent(row.best[static_cast<size_t>(h)]) : QString());
    }
}

void TWheelForm::FillBitBtnClick()
{
    ReadNumbers();
    if (FGame.inclusions) {
        Message(QCoreApplication::translate("Drawvane", "Turn the inclusions system off to play a wheel"));
        return;
    }
    if (!FNumbers.error.empty()) {
        Message(QString::fromStdString(FNumbers.error));
        return;
    }
    const int chosen = WheelGuaranteeBox->currentIndex();
    if (chosen < 0 || chosen >= static_cast<int>(FWheels.size())) {
        Message(QString::fromStdString(wheels::NothingFits(FGame.boards)));
        return;
    }
    if (FGame.marked) {
        QMessageBox ask(QMessageBox::Question, windowTitle(),
                        QCoreApplication::translate(
                            "Drawvane", "The wheel's boards take the place of the marks on the coupon. Go on?"),
                        QMessageBox::Yes | QMessageBox::No, this);
        ask.setObjectName(QStringLiteral("WheelFillQuestion"));
        ask.setDefaultButton(QMessageBox::No);
        if (ask.exec() != QMessageBox::Yes)
            return;
    }
    if (OnFill)
        OnFill(wheels::BoardsOf(FWheels[static_cast<size_t>(chosen)], FNumbers.numbers));
}

void TWheelForm::CloseBitBtnClick()
{
    hide();
}

void TWheelForm::Message(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("WheelMessageBox"));
    box.exec();
}
