#include "dialogs/forms/DrawUnit.h"
#include "dialogs/forms/DialogSetup.h"
#include "kit/ErrorReport.h"
#include "kit/KeyboardAccess.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include <utility>

TDrawForm *DrawForm = nullptr;

namespace {

constexpr QSize kClientSize(440, 560);
constexpr TPlace kQuickPickGroupBox = {"QuickPickGroupBox", 8, 4, 424, 76};
constexpr TPlace kFillBitBtn = {"FillBitBtn", 14, 28, 130, 36}; // within QuickPickGroupBox
constexpr TPlace kWheelBitBtn = {"WheelBitBtn", 154, 28, 130, 36};
constexpr TPlace kDrawGroupBox = {"DrawGroupBox", 8, 86, 424, 408};
// Within DrawGroupBox: the six main fields 52 pixels apart, the bonus ball
// beside them; the results hold a line for each of twelve boards and the
// prizes.
constexpr TPlace kMainNumbersLabel = {"MainNumbersLabel", 14, 26, 0, 0};
constexpr TPlace kMainSpinBoxRow = {"Main%1SpinBox", 14, 48, 48, 26};
constexpr int kMainPitch = 52;
constexpr TPlace kBonusBallLabel = {"BonusBallLabel", 336, 26, 0, 0};
constexpr TPlace kBonusSpinBox = {"BonusSpinBox", 336, 48, 48, 26};
constexpr TPlace kCheckBitBtn = {"CheckBitBtn", 14, 86, 130, 36};
constexpr TPlace kClearDrawBitBtn = {"ClearDrawBitBtn", 154, 86, 130, 36};
constexpr TPlace kHistoryBitBtn = {"HistoryBitBtn", 294, 86, 116, 36};
constexpr TPlace kDrawResultsMemo = {"DrawResultsMemo", 14, 132, 396, 264};
constexpr TPlace kCloseBitBtn = {"CloseBitBtn", 326, 500, 106, 56};

QPushButton *MakeButton(QWidget *parent, const TPlace &place, const char *caption)
{
    auto *button = new QPushButton(UiText(caption), parent);
    button->setAutoDefault(false);
    return Place(button, place);
}

// A number of the draw; empty until one is entered.
QSpinBox *MakeNumberField(QWidget *parent, const TPlace &place, const QString &name, QPoint offset = {})
{
    auto *field = new QSpinBox(parent);
    field->setSpecialValueText(QStringLiteral(" "));
    field->setRange(0, 49);
    field->setAlignment(Qt::AlignRight);
    field->setAccessibleName(name);
    Place(field, place, offset);
    return field;
}

} // namespace

TDrawForm::TDrawForm(QWidget *parent)
    : QWidget(parent)
{
    SetUpDialog(this,
                {.name = "DrawForm",
                 .title = QT_TRANSLATE_NOOP("Drawvane", "Drawvane Draw"),
                 .size = kClientSize,
                 .font = DialogFont()});
    // What only the shown window needs: its controls.
    BuildOnFirstShowing(this, [this] {
        QuickPickGroupBox =
            Place(new QGroupBox(QCoreApplication::translate("Drawvane", "Quick Pick"), this), kQuickPickGroupBox);
        FillBitBtn = MakeButton(QuickPickGroupBox, kFillBitBtn, QT_TRANSLATE_NOOP("Drawvane", "Fill Boards"));
        WheelBitBtn = MakeButton(QuickPickGroupBox, kWheelBitBtn, QT_TRANSLATE_NOOP("Drawvane", "Wheel..."));

        DrawGroupBox = Place(new QGroupBox(QCoreApplication::translate("Drawvane", "The Draw"), this), kDrawGroupBox);
        MainNumbersLabel =
            Place(new QLabel(QCoreApplication::translate("Drawvane", "Main numbers"), DrawGroupBox), kMainNumbersLabel);
        for (int i = 0; i < 6; ++i) {
            const QString name = QString::fromLatin1(kMainSpinBoxRow.name).arg(i + 1);
            MainSpinBoxes[i] = MakeNumberField(DrawGroupBox, kMainSpinBoxRow,
                                               QCoreApplication::translate("Drawvane", "Main number %1").arg(i + 1),
                                               QPoint(kMainPitch * i, 0));
            MainSpinBoxes[i]->setObjectName(name);
        }
        MainNumbersLabel->setBuddy(MainSpinBoxes[0]);
        BonusBallLabel = Place(
            new QLabel(QCoreApplication::translate("Drawvane", "Bonus ball", "above its field in the Draw window"),
                       DrawGroupBox),
            kBonusBallLabel);
        BonusSpinBox =
            MakeNumberField(DrawGroupBox, kBonusSpinBox, QCoreApplication::translate("Drawvane", "Bonus ball"));
        BonusBallLabel->setBuddy(BonusSpinBox);
        CheckBitBtn = MakeButton(DrawGroupBox, kCheckBitBtn, QT_TRANSLATE_NOOP("Drawvane", "Check"));
        ClearDrawBitBtn = MakeButton(DrawGroupBox, kClearDrawBitBtn, QT_TRANSLATE_NOOP("Drawvane", "Clear Draw"));
        HistoryBitBtn = MakeButton(DrawGroupBox, kHistoryBitBtn, QT_TRANSLATE_NOOP("Drawvane", "Past Draws"));
        DrawResultsMemo = Place(new QPlainTextEdit(DrawGroupBox), kDrawResultsMemo);
        DrawResultsMemo->setReadOnly(true);
        DrawResultsMemo->setAccessibleName(QCoreApplication::translate("Drawvane", "Draw results"));

        CloseBitBtn = MakeGlyphButton(this, kCloseBitBtn, UiText(QT_TRANSLATE_NOOP("Drawvane", "Close")),
                                      QStringLiteral(":/glyphs/close.png"));

        connect(FillBitBtn, &QPushButton::clicked, this, Guard([this] { FillBitBtnClick(); }));
        connect(CheckBitBtn, &QPushButton::clicked, this, Guard([this] { CheckBitBtnClick(); }));
        connect(ClearDrawBitBtn, &QPushButton::clicked, this, Guard([this] { ClearDrawBitBtnClick(); }));
        connect(CloseBitBtn, &QPushButton::clicked, this, Guard([this] { CloseBitBtnClick(); }));
        connect(HistoryBitBtn, &QPushButton::clicked, this, Guard([this] {
                    if (OnHistory)
                        OnHistory();
                }));
        connect(WheelBitBtn, &QPushButton::clicked, this, Guard([this] {
                    if (OnWheel)
                        OnWheel();
                }));

        SetTabChain({FillBitBtn, WheelBitBtn, MainSpinBoxes[0], MainSpinBoxes[1], MainSpinBoxes[2], MainSpinBoxes[3],
                     MainSpinBoxes[4], MainSpinBoxes[5], BonusSpinBox, CheckBitBtn, ClearDrawBitBtn, HistoryBitBtn,
                     DrawResultsMemo, CloseBitBtn});
    });
    // Enter in a number field checks the draw.
    SetWindowKeys(
        this, [this] { return CheckBitBtn; }, [this] { return CloseBitBtn; });
    CallOnShow(this, [this] { FormShow(); });
}

std::array<QSpinBox *, 7> TDrawForm::Fields() const
{
    return {MainSpinBoxes[0], MainSpinBoxes[1], MainSpinBoxes[2], MainSpinBoxes[3],
            MainSpinBoxes[4], MainSpinBoxes[5], BonusSpinBox};
}

void TDrawForm::FormShow()
{
    SetBackgroundColour(this, kCommonBackground);
    ReadShape();
    if (!std::exchange(FKeptDrawShown, true) && OnKeptDraw) {
        const std::array<int, 7> kept = OnKeptDraw();
        const std::array<QSpinBox *, 7> fields = Fields();
        for (size_t i = 0; i < fields.size(); ++i)
            fields[i]->setValue(kept[i]);
    }
}

void TDrawForm::ReadShape()
{
    if (!OnShape || !BonusSpinBox)
        return;
    const TShape shape = OnShape();
    for (QSpinBox *field : Fields())
        field->setMaximum(shape.boardsize);
    MainSpinBoxes[5]->setVisible(shape.marks >= 6);
}

void TDrawForm::FillBitBtnClick()
{
    if (OnFill)
        OnFill();
}

void TDrawForm::CheckBitBtnClick()
{
    std::array<int, 7> draw{};
    const std::array<QSpinBox *, 7> fields = Fields();
    for (size_t i = 0; i < fields.size(); ++i)
        draw[i] = fields[i]->value();
    DrawResultsMemo->clear();
    if (OnCheck)
        DrawResultsMemo->setPlainText(OnCheck(draw).join(QLatin1Char('\n')));
}

void TDrawForm::CheckDraw(const std::array<int, 7> &draw)
{
    const std::array<QSpinBox *, 7> fields = Fields();
    if (!fields[0])
        return;
    for (size_t i = 0; i < fields.size(); ++i)
        fields[i]->setValue(draw[i]);
    CheckBitBtnClick();
}

void TDrawForm::ClearDrawBitBtnClick()
{
    for (QSpinBox *field : Fields())
        field->setValue(0);
    DrawResultsMemo->clear();
    if (OnClearDraw)
        OnClearDraw();
}

void TDrawForm::CloseBitBtnClick()
{
    hide();
}
