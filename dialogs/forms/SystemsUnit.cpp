#include "dialogs/forms/SystemsUnit.h"
#include "dialogs/forms/DialogSetup.h"
#include "dialogs/rules/SystemsRules.h"
#include "kit/ErrorReport.h"
#include "kit/KeyboardAccess.h"
#include "kit/WindowMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QStringListModel>
#include <QStyleOptionComplex>

TSystemsForm *SystemsForm = nullptr;

namespace {

constexpr QRgb kExclusionsColour = 0xFFD4BADE;
constexpr QRgb kInclusionsColour = 0xFFE8C8BA;
constexpr QRgb kPanel2Colour = 0xFFDEC2C2;

// Positions inside a panel are relative to the panel.
constexpr TPlace kBevel1{"Bevel1", 10, 5, 491, 196};
constexpr TPlace kExclusionsCheckBox{"ExclusionsCheckBox", 25, 10, 171, 17};
constexpr TPlace kExclusionsPanel{"ExclusionsPanel", 15, 30, 476, 66};
constexpr TPlace kLabel1{"Label1", 15, 5, 0, 0};
constexpr TPlace kInclusionsCheckBox{"InclusionsCheckBox", 25, 105, 171, 17};
constexpr TPlace kInclusionsPanel{"InclusionsPanel", 15, 125, 246, 66};
constexpr TPlace kLabel2{"Label2", 15, 5, 0, 0};
constexpr TPlace kPanel2{"Panel2", 265, 125, 226, 66};
constexpr TPlace kSumsCheckBox{"SumsCheckBox", 30, 10, 176, 17};
constexpr TPlace kStDevCheckBox{"StDevCheckBox", 30, 40, 186, 17};
constexpr TPlace kCloseBitBtn{"CloseBitBtn", 265, 205, 100, 51};
constexpr TPlace kCancelBitBtn{"CancelBitBtn", 390, 205, 100, 51};
// Number list n of either panel, 45 pixels apart.
constexpr TPlace kNumberListRow{"", 15, 30, 41, 0};
constexpr int kListPitch = 45;

// "tooltip|status bar text"
constexpr const char *kExclusionsHint =
    QT_TRANSLATE_NOOP("Drawvane", "Exclude some numbers|Assume that some numbers would not be drawn");
constexpr const char *kInclusionsHint =
    QT_TRANSLATE_NOOP("Drawvane", "Include some numbers|Assume some numbers to be certain");
constexpr const char *kCloseHint = QT_TRANSLATE_NOOP("Drawvane", "Close|Close Systems Window");

QCheckBox *MakeCheckBox(QWidget *parent, const TPlace &g, const char *text, QStyle *style)
{
    auto *box = new QCheckBox(UiText(text), parent);
    box->setStyle(style);
    box->setFocusPolicy(Qt::ClickFocus);
    return Place(box, g);
}

// The window's controls are narrow for their texts. The lists are 41
// pixels wide: with the style's own drop-down button the second digit of a
// number disappears under it, so the button keeps to a narrow strip at the
// right and the rest goes to the number. The check boxes' captions fill
// their boxes' widths: a narrow gap after the tick box keeps the last
// letters in view. (A style sheet would do the gap too, but a control with
// a style sheet takes the desktop's palette instead of its window's.)
class TSystemsStyle : public QProxyStyle {
public:
    static constexpr int kArrowWidth = 13;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_CheckBoxLabelSpacing)
            return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                         const QWidget *widget) const override
    {
        if (control != CC_ComboBox)
            return QProxyStyle::subControlRect(control, option, sub, widget);
        const QRect frame = option->rect.adjusted(2, 2, -2, -2);
        switch (sub) {
        case SC_ComboBoxArrow:
            return visualRect(option->direction, option->rect,
                              QRect(frame.right() - kArrowWidth + 1, frame.top(), kArrowWidth, frame.height()));
        case SC_ComboBoxEditField:
            return visualRect(option->direction, option->rect,
                              QRect(frame.left() + 1, frame.top(), frame.width() - kArrowWidth - 2, frame.height()));
        default:
            return QProxyStyle::subControlRect(control, option, sub, widget);
        }
    }
};

// Items "0" to "49": item n is the number n, 0 an empty slot. Not editable,
// so that a list always has a selected item. The fourteen lists share one
// model of the items; each has its own selection.
QComboBox *MakeNumberList(QWidget *panel, const QString &name, const QString &spoken, int index,
                          QAbstractItemModel *numbers, QStyle *style)
{
    auto *list = new TNamedList(spoken, panel);
    list->setStyle(style);
    list->setObjectName(name);
    list->setEditable(false);
    list->setModel(numbers);
    list->setFocusPolicy(Qt::ClickFocus);
    return Place(list, kNumberListRow, QPoint(kListPitch * index, 0));
}

} // namespace

TSystemsForm::TSystemsForm(QWidget *mainWindow)
    : FMainWindow(mainWindow)
{
    SetUpDialog(this,
                {.name = "SystemsForm",
                 .title = QT_TRANSLATE_NOOP("Drawvane", "Drawvane Systems"),
                 .size = QSize(509, 260),
                 .font = DialogFont()});
    BuildOnFirstShowing(this, [this] { CreateControls(); });
    SetWindowKeys(
        this, [this] { return CloseBitBtn; }, [this] { return CancelBitBtn; });
    CentreOnScreen(this);
    CallOnShow(this, [this] { FormShow(); });
}

void TSystemsForm::CreateControls()
{
    FStyle = new TSystemsStyle;
    FStyle->setParent(this);
    auto *numbers = new QStringListModel(this);
    QStringList items;
    for (int number = 0; number <= systems::kLargestItem; ++number)
        items.append(QString::number(number));
    numbers->setStringList(items);
    Bevel1 = MakeFrame(this, kBevel1);

    ExclusionsCheckBox =
        MakeCheckBox(this, kExclusionsCheckBox, QT_TRANSLATE_NOOP("Drawvane", "Play Exclusions System"), FStyle);
    SetHint(ExclusionsCheckBox, kExclusionsHint);
    ExclusionsPanel = MakeFrame(this, kExclusionsPanel);
    Label1 =
        Place(new QLabel(QCoreApplication::translate("Drawvane", "I expect that none of these numbers would be drawn"),
                         ExclusionsPanel),
              kLabel1);
    for (int i = 0; i < systems::kExclusionSlots; ++i) {
        ExcludeLists[i] =
            MakeNumberList(ExclusionsPanel, QStringLiteral("Exclude%1").arg(i + 1),
                           QCoreApplication::translate("Drawvane", "Exclusion %1").arg(i + 1), i, numbers, FStyle);
        // Only the player's pick is vetted, once per pick; the selections
        // the window makes itself are not.
        connect(ExcludeLists[i], &QComboBox::activated, this,
                Guard([this, i](int index) { ExcludeChange(i + 1, index); }));
    }

    InclusionsCheckBox =
        MakeCheckBox(this, kInclusionsCheckBox, QT_TRANSLATE_NOOP("Drawvane", "Play Inclusions System"), FStyle);
    SetHint(InclusionsCheckBox, kInclusionsHint);
    InclusionsPanel = MakeFrame(this, kInclusionsPanel);
    Label2 = Place(
        new QLabel(QCoreApplication::translate("Drawvane", "I expect these numbers to be drawn"), InclusionsPanel),
        kLabel2);
    for (int i = 0; i < systems::kInclusionSlots; ++i) {
        IncludeLists[i] =
            MakeNumberList(InclusionsPanel, QStringLiteral("Include%1").arg(i + 1),
                           QCoreApplication::translate("Drawvane", "Inclusion %1").arg(i + 1), i, numbers, FStyle);
        connect(IncludeLists[i], &QComboBox::activated, this,
                Guard([this, i](int index) { IncludeChange(i + 1, index); }));
    }

    Panel2 = MakeFrame(this, kPanel2);
    SumsCheckBox = MakeCheckBox(Panel2, kSumsCheckBox, QT_TRANSLATE_NOOP("Drawvane", "Show Punch Estimation"), FStyle);
    StDevCheckBox =
        MakeCheckBox(Panel2, kStDevCheckBox, QT_TRANSLATE_NOOP("Drawvane", "Show Spread Estimation"), FStyle);

    // A change of state runs the panel update, whether by a click or by the
    // opening setting the stored switch.
    connect(ExclusionsCheckBox, &QCheckBox::toggled, this, Guard([this] { ExclusionsCheckBoxClick(); }));
    connect(InclusionsCheckBox, &QCheckBox::toggled, this, Guard([this] { InclusionsCheckBoxClick(); }));

    CloseBitBtn = MakeGlyphButton(this, kCloseBitBtn, QCoreApplication::translate("Drawvane", "Accept"),
                                  QStringLiteral(":/glyphs/accept.png"), QSize(37, 42));
    SetHint(CloseBitBtn, kCloseHint);
    CancelBitBtn = MakeGlyphButton(this, kCancelBitBtn, QCoreApplication::translate("Drawvane", "Cancel"),
                                   QStringLiteral(":/glyphs/cancel.png"), QSize(42, 42));
    connect(CloseBitBtn, &QPushButton::clicked, this, Guard([this] { CloseBitBtnClick(); }));
    connect(CancelBitBtn, &QPushButton::clicked, this, Guard([this] { CancelBitBtnClick(); }));

    // Keyboard: Accept, Cancel, then the controls as they read.
    QList<QWidget *> chain = {CloseBitBtn, CancelBitBtn, ExclusionsCheckBox};
    for (QComboBox *list : ExcludeLists)
        chain << list;
    chain << InclusionsCheckBox;
    for (QComboBox *list : IncludeLists)
        chain << list;
    chain << SumsCheckBox << StDevCheckBox;
    SetTabChain(chain);
}

bool TSystemsForm::event(QEvent *event)
{
    // Status tips stop at a window; the long hints belong in the main
    // window's status bar.
    if (event->type() == QEvent::StatusTip) {
        if (FMainWindow)
            QCoreApplication::sendEvent(FMainWindow, event);
        return true;
    }
    return QWidget::event(event);
}

void TSystemsForm::FormShow()
{
    SetBackgroundColour(this, kCommonBackground);
    SetBackgroundColour(ExclusionsPanel, kExclusionsColour);
    SetBackgroundColour(InclusionsPanel, kInclusionsColour);
    SetBackgroundColour(Panel2, kPanel2Colour);
    {
        TSettingsReading reading;
        TRegOptions store;
        ReadSystems(store, FWorking);
    }
    TSystemsRules::DropUnlistedNumbers(FWorking);
    InclusionsCheckBox->setChecked(FWorking.playInclude);
    ExclusionsCheckBox->setChecked(FWorking.playExclude);
    SumsCheckBox->setChecked(FWorking.playSums);
    StDevCheckBox->setChecked(FWorking.playstdev);
    UpdateExclusionsPanel();
    UpdateInclusionsPanel();
}

void TSystemsForm::ExclusionsCheckBoxClick()
{
    UpdateExclusionsPanel();
}

void TSystemsForm::InclusionsCheckBoxClick()
{
    UpdateInclusionsPanel();
}

void TSystemsForm::UpdateExclusionsPanel()
{
    const bool on = ExclusionsCheckBox->isChecked();
    if (!on)
        TSystemsRules::ClearExclusions(FWorking);
    for (int i = 0; i < systems::kExclusionSlots; ++i) {
        ExcludeLists[i]->setEnabled(on);
        ExcludeLists[i]->setCurrentIndex(FWorking.exclusions[i]);
    }
}

void TSystemsForm::UpdateInclusionsPanel()
{
    const bool on = InclusionsCheckBox->isChecked();
    if (!on)
        TSystemsRules::ClearInclusions(FWorking);
    for (int i = 0; i < systems::kInclusionSlots; ++i) {
        IncludeLists[i]->setEnabled(on);
        IncludeLists[i]->setCurrentIndex(FWorking.inclusions[i]);
    }
}

void TSystemsForm::ExcludeChange(int n, int index)
{
    // Picking the number the slot already holds changes nothing.
    if (index == FWorking.exclusions[n - 1])
        return;
    ExcludeLists[n - 1]->setCurrentIndex(TSystemsRules::PickExclusion(FWorking, n, index));
}

void TSystemsForm::IncludeChange(int n, int index)
{
    if (index == FWorking.inclusions[n - 1])
        return;
    IncludeLists[n - 1]->setCurrentIndex(TSystemsRules::PickInclusion(FWorking, n, index));
}

void TSystemsForm::CloseBitBtnClick()
{
    FWorking.playInclude = InclusionsCheckBox->isChecked();
    FWorking.playExclude = ExclusionsCheckBox->isChecked();
    FWorking.playSums = SumsCheckBox->isChecked();
    FWorking.playstdev = StDevCheckBox->isChecked();
    if (FWorking.playInclude)
        for (int i = 0; i < systems::kInclusionSlots; ++i)
            FWorking.inclusions[i] = static_cast<uint8_t>(IncludeLists[i]->currentIndex());
    if (FWorking.playExclude)
        for (int i = 0; i < systems::kExclusionSlots; ++i)
            FWorking.exclusions[i] = static_cast<uint8_t>(ExcludeLists[i]->currentIndex());
    // The main window's redraw reads what was just written.
    TSettingsReading reading;
    {
        TRegOptions store;
        WriteSystems(store, FWorking);
    }
    SendFormMessage(FMainWindow, WM_SYSTEMSCHANGED);
    hide();
}

void TSystemsForm::CancelBitBtnClick()
{
    hide();
}
