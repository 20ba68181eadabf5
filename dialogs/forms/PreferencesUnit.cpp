#include "dialogs/forms/PreferencesUnit.h"
#include "dialogs/forms/DialogSetup.h"
#include "dialogs/forms/MaskedNumberEdit.h"
#include "dialogs/forms/MessageUnit.h"
#include "dialogs/rules/PreferencesRules.h"
#include "kit/ErrorReport.h"
#include "kit/KeyboardAccess.h"
#include "kit/WindowMessages.h"
#include "settings/RegistryUnit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

TPreferencesForm *PreferencesForm = nullptr;

namespace {

constexpr TPlace kBevel1{"Bevel1", 5, 5, 221, 220};
constexpr TPlace kBevel2{"Bevel2", 235, 5, 438, 220};
constexpr TPlace kBoardTitleLabel{"BoardTitleLabel", 40, 8, 0, 0};
constexpr TPlace kNoOfBoardsLabel{"NoOfBoardsLabel", 24, 49, 0, 0};
constexpr TPlace kBoardsComboBox{"BoardsComboBox", 160, 40, 49, 0};
constexpr TPlace kNoOfCellsLabel{"NoOfCellsLabel", 24, 105, 0, 0};
constexpr TPlace kCellsComboBox{"CellsComboBox", 160, 101, 49, 0};
constexpr TPlace kMarksRadioGroup{"MarksRadioGroup", 25, 150, 185, 51};
constexpr TPlace kDivisionsLabel{"DivisionsLabel", 256, 8, 0, 0};
constexpr TPlace kLabel2{"Label2", 392, 8, 0, 0};
constexpr TPlace kLabel3{"Label3", 552, 8, 0, 0};
constexpr TPlace kCloseBitBtn{"CloseBitBtn", 405, 232, 106, 50};
constexpr TPlace kCancelBitBtn{"CancelBitBtn", 535, 232, 106, 50};
// The two radio buttons, side by side inside MarksRadioGroup.
constexpr TPlace kMarksItems[2] = {{"Marks5RadioButton", 8, 24, 84, 20}, {"Marks6RadioButton", 96, 24, 84, 20}};

// One row per division n, 24 pixels apart; the payment fields' right edges
// are at 630.
constexpr int kRowPitch = 24;
constexpr TPlace kDivCheckBoxRow{"Div%1CheckBox", 256, 42, 17, 17};
constexpr TPlace kDivisionLabelRow{"", 280, 40, 0, 0};
constexpr TPlace kWinningLabelRow{"", 416, 40, 0, 0};
constexpr int kPayRight = 630;
constexpr int kPayTop = 39;
constexpr int kPayHeight = 22;
constexpr int kPayWidths[7] = {86, 78, 70, 54, 46, 39, 30};

constexpr const char *kDivisionLabelNames[7] = {"Label1", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9"};
constexpr const char *kDivisionCaptions[7] = {
    QT_TRANSLATE_NOOP("Drawvane", "Division one"),   QT_TRANSLATE_NOOP("Drawvane", "Division two"),
    QT_TRANSLATE_NOOP("Drawvane", "Division three"), QT_TRANSLATE_NOOP("Drawvane", "Division four"),
    QT_TRANSLATE_NOOP("Drawvane", "Division five"),  QT_TRANSLATE_NOOP("Drawvane", "Division six"),
    QT_TRANSLATE_NOOP("Drawvane", "Division seven")};
constexpr const char *kWinningCaptions[7] = {
    "6", QT_TRANSLATE_NOOP("Drawvane", "5 + bonus ball"), "5", QT_TRANSLATE_NOOP("Drawvane", "4 + bonus ball"),
    "4", QT_TRANSLATE_NOOP("Drawvane", "3 + bonus ball"), "3"};

QLabel *MakeLabel(QWidget *parent, const TPlace &g, const char *text, bool bold = false, int dy = 0)
{
    auto *label = new QLabel(UiText(text), parent);
    if (bold)
        label->setFont(DialogFont(true));
    return Place(label, g, QPoint(0, dy));
}

QComboBox *MakeCountList(QWidget *parent, const TPlace &g, const prefs::TCountList &list, const char *name)
{
    auto *box = new TNamedList(UiText(name), parent);
    for (int i = 0; i < list.items; ++i)
        box->addItem(QString::number(list.first + i));
    box->setFocusPolicy(Qt::ClickFocus);
    return Place(box, g);
}

} // namespace

TPreferencesForm::TPreferencesForm(QWidget *mainWindow)
    : FMainWindow(mainWindow)
{
    SetUpDialog(this,
                {.name = "PreferencesForm",
                 .title = QT_TRANSLATE_NOOP("Drawvane", "Drawvane Preferences"),
                 .size = QSize(680, 287),
                 .font = DialogFont()});
    BuildOnFirstShowing(this, [this] { CreateControls(); });
    SetWindowKeys(
        this, [this] { return CloseBitBtn; }, [this] { return CancelBitBtn; });
    CentreOnScreen(this);
    CallOnShow(this, [this] { FormShow(); });
}

void TPreferencesForm::CreateControls()
{
    Bevel1 = MakeFrame(this, kBevel1);
    Bevel2 = MakeFrame(this, kBevel2);
    BoardTitleLabel = MakeLabel(this, kBoardTitleLabel, QT_TRANSLATE_NOOP("Drawvane", "Coupon Preferences"), true);
    NoOfBoardsLabel = MakeLabel(this, kNoOfBoardsLabel, QT_TRANSLATE_NOOP("Drawvane", "Number of Boards:"));
    BoardsComboBox =
        MakeCountList(this, kBoardsComboBox, prefs::kBoardsList, QT_TRANSLATE_NOOP("Drawvane", "Number of Boards"));
    NoOfCellsLabel = MakeLabel(this, kNoOfCellsLabel, QT_TRANSLATE_NOOP("Drawvane", "Number of Cells:"));
    CellsComboBox =
        MakeCountList(this, kCellsComboBox, prefs::kCellsList, QT_TRANSLATE_NOOP("Drawvane", "Number of Cells"));

    MarksRadioGroup =
        Place(new QGroupBox(QCoreApplication::translate("Drawvane", "Number of Marks"), this), kMarksRadioGroup);
    FMarksItems = new QButtonGroup(this);
    const char *marksCaptions[2] = {QT_TRANSLATE_NOOP("Drawvane", "5 balls"), QT_TRANSLATE_NOOP("Drawvane", "6 balls")};
    for (int i = 0; i < 2; ++i) {
        FMarksButtons[i] = Place(new QRadioButton(UiText(marksCaptions[i]), MarksRadioGroup), kMarksItems[i]);
        FMarksItems->addButton(FMarksButtons[i], i);
    }
    // The rule runs whenever the selected item changes, by a click or when
    // the opening selects the stored count.
    connect(FMarksItems, &QButtonGroup::idToggled, this, Guard([this](int, bool checked) {
                if (checked)
                    MarksRadioGroupClick();
            }));

    DivisionsLabel = MakeLabel(this, kDivisionsLabel, QT_TRANSLATE_NOOP("Drawvane", "Prize Divisions"), true);
    Label2 = MakeLabel(this, kLabel2, QT_TRANSLATE_NOOP("Drawvane", "Winning Numbers"), true);
    Label3 = MakeLabel(this, kLabel3, QT_TRANSLATE_NOOP("Drawvane", "Payments $"), true);

    for (int n = 0; n < 7; ++n) {
        const int dy = kRowPitch * n;
        auto *box = Place(new QCheckBox(this), kDivCheckBoxRow, QPoint(0, dy));
        box->setObjectName(QString::fromLatin1(kDivCheckBoxRow.name).arg(n + 1));
        box->setFocusPolicy(Qt::ClickFocus);
        DivCheckBoxes[n] = box;
        DivisionLabels[n] = MakeLabel(this, kDivisionLabelRow, kDivisionCaptions[n], false, dy);
        DivisionLabels[n]->setObjectName(QString::fromLatin1(kDivisionLabelNames[n]));
        WinningLabels[n] = MakeLabel(this, kWinningLabelRow, kWinningCaptions[n], false, dy);
        WinningLabels[n]->setObjectName(QStringLiteral("Label%1").arg(10 + n));

        auto *field = new TMaskedNumberEdit(prefs::kPaymentPositions[n], this);
        field->setObjectName(QStringLiteral("Pay%1MaskEdit").arg(n + 1));
        field->setGeometry(kPayRight - kPayWidths[n], kPayTop + dy, kPayWidths[n], kPayHeight);
        field->setFocusPolicy(Qt::ClickFocus);
        PayMaskEdits[n] = field;
    }

    CloseBitBtn = MakeGlyphButton(this, kCloseBitBtn, QCoreApplication::translate("Drawvane", "Accept"),
                                  QStringLiteral(":/glyphs/accept.png"), QSize(37, 42));
    CancelBitBtn = MakeGlyphButton(this, kCancelBitBtn, QCoreApplication::translate("Drawvane", "Cancel"),
                                   QStringLiteral(":/glyphs/cancel.png"), QSize(42, 42));
    connect(CloseBitBtn, &QPushButton::clicked, this, Guard([this] { CloseBitBtnClick(); }));
    connect(CancelBitBtn, &QPushButton::clicked, this, Guard([this] { CancelBitBtnClick(); }));

    // Keyboard: Accept, Cancel, then the controls as they read, the
    // coupon's panel first; each named for a screen reader, by its label.
    QList<QWidget *> chain = {CloseBitBtn,   CancelBitBtn,     BoardsComboBox,
                              CellsComboBox, FMarksButtons[0], FMarksButtons[1]};
    for (int n = 0; n < 7; ++n) {
        chain << DivCheckBoxes[n] << PayMaskEdits[n];
        DivCheckBoxes[n]->setAccessibleName(QCoreApplication::translate("Drawvane", "Division %1").arg(n + 1));
        PayMaskEdits[n]->setAccessibleName(QCoreApplication::translate("Drawvane", "Division %1 payment").arg(n + 1));
        DivisionLabels[n]->setBuddy(DivCheckBoxes[n]);
        WinningLabels[n]->setBuddy(PayMaskEdits[n]);
    }
    SetTabChain(chain);
    NoOfBoardsLabel->setBuddy(BoardsComboBox);
    NoOfCellsLabel->setBuddy(CellsComboBox);
}

int TPreferencesForm::MarksItemIndex() const
{
    return FMarksItems->checkedId();
}

void TPreferencesForm::SetMarksItemIndex(int index)
{
    FMarksButtons[index]->setChecked(true);
}

void TPreferencesForm::FormShow()
{
    SetBackgroundColour(this, kCommonBackground);
    // A failure part way leaves the items not yet read at their defaults;
    // the controls are filled all the same, and the failure is reported.
    TGameSettings stored;
    TErrorCollector errors;
    errors.Run([&] {
        TSettingsReading reading;
        TRegOptions store;
        ReadPreferences(store, stored);
    });
    BoardsComboBox->setCurrentIndex(TPreferencesRules::ItemForCount(stored.boards, prefs::kBoardsList));
    CellsComboBox->setCurrentIndex(TPreferencesRules::ItemForCount(stored.boardsize, prefs::kCellsList));
    SetMarksItemIndex(TPreferencesRules::ItemForCount(stored.marks, prefs::kMarksList));
    // After the marks: the stored switches win over the marks rule.
    for (int n = 0; n < 7; ++n)
        DivCheckBoxes[n]->setChecked(stored.divisions[n] == 1);
    for (int n = 0; n < 7; ++n)
        PayMaskEdits[n]->SetMaskedText(
            QString::fromStdString(TPreferencesRules::PaymentText(stored.payments[n], prefs::kPaymentPositions[n])));
    errors.RethrowFirst();
}

void TPreferencesForm::MarksRadioGroupClick()
{
    const bool on = TPreferencesRules::TopDivisionsOn(MarksItemIndex());
    for (QCheckBox *box : {DivCheckBoxes[0], DivCheckBoxes[1]}) {
        box->setChecked(on);
        box->setEnabled(on);
    }
}

TPreferencesControls TPreferencesForm::ReadControls() const
{
    TPreferencesControls controls;
    controls.boardsIndex = BoardsComboBox->currentIndex();
    controls.cellsIndex = CellsComboBox->currentIndex();
    controls.marksIndex = MarksItemIndex();
    for (int n = 0; n < 7; ++n) {
        controls.divisionChecked[n] = DivCheckBoxes[n]->isChecked();
        controls.paymentText[n] = PayMaskEdits[n]->MaskedText().toStdString();
    }
    return controls;
}

void TPreferencesForm::CloseBitBtnClick()
{
    const TPreferencesControls controls = ReadControls();
    if (!TPreferencesRules::AnyDivision(controls.divisionChecked)) {
        MessageForm->ShowText(UiText(QT_TRANSLATE_NOOP("Drawvane", "Please select at least one division")));
        return;
    }
    TGameSettings working;
    TPreferencesRules::TakeControls(controls, working);
    // The main window's reload reads what was just written.
    TSettingsReading reading;
    {
        TRegOptions store;
        WritePreferences(store, working);
    }
    SendFormMessage(FMainWindow, WM_SETTINGSCHANGED);
    hide();
}

void TPreferencesForm::CancelBitBtnClick()
{
    hide();
}
