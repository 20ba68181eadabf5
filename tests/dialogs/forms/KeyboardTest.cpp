// Every window by keyboard and as a screen reader names it: the tab chains,
// the controls' accessible names and the windows' roles, Escape and Enter.

#include "DialogFixture.h"
#include "dialogs/forms/AboutUnit.h"
#include "dialogs/forms/DrawUnit.h"
#include "dialogs/forms/HelpUnit.h"
#include "dialogs/forms/HistoryUnit.h"
#include "dialogs/forms/LuckUnit.h"
#include "dialogs/forms/WheelUnit.h"

#include <QAccessible>
#include <QPushButton>

namespace {

// Tab stops in the order Tab visits them, from the control that has the
// focus when the window first shows. A control that hands the focus to a
// part of its own (a number field to its text) is named for itself.
QStringList TabStops(QWidget *window)
{
    const auto isStop = [window](QWidget *w) {
        return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisibleTo(window) && w != window
            && !w->focusProxy();
    };
    const auto owner = [](QWidget *w) {
        QWidget *parent = w->parentWidget();
        return parent && parent->focusProxy() == w ? parent : w;
    };
    QWidget *first = window->focusWidget();
    if (!first)
        for (first = window->nextInFocusChain(); first != window && !isStop(first); first = first->nextInFocusChain()) {
        }
    QStringList names{owner(first)->objectName()};
    for (QWidget *w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain())
        if (isStop(w))
            names << owner(w)->objectName();
    return names;
}

QStringList Numbered(const char *pattern, int count)
{
    QStringList names;
    for (int n = 1; n <= count; ++n)
        names << QString::fromLatin1(pattern).arg(n);
    return names;
}

QString AccessibleName(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

QAccessible::Role AccessibleRole(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->role() : QAccessible::NoRole;
}

struct TWindowKeys {
    const char *command; // shows the window; none for the main window
    QWidget *(*window)();
    QStringList tabStops;
    QAccessible::Role role;
};

std::vector<TWindowKeys> Windows()
{
    QStringList preferences = {"CloseBitBtn",   "CancelBitBtn",      "BoardsComboBox",
                               "CellsComboBox", "Marks5RadioButton", "Marks6RadioButton"};
    for (int n = 1; n <= 7; ++n)
        preferences << QStringLiteral("Div%1CheckBox").arg(n) << QStringLiteral("Pay%1MaskEdit").arg(n);
    const QStringList systems = QStringList{"CloseBitBtn", "CancelBitBtn", "ExclusionsCheckBox"}
        + Numbered("Exclude%1", 10) + QStringList{"InclusionsCheckBox"} + Numbered("Include%1", 4)
        + QStringList{"SumsCheckBox", "StDevCheckBox"};
    return {
        {nullptr,
         [] { return static_cast<QWidget *>(TombolixForm); },
         {"PrefBitBtn", "SystemsBitBtn", "ClearBitBtn", "PrintBitBtn", "LuckBitBtn", "CalculateBitBtn", "AboutBitBtn",
          "DrawBitBtn", "ExitBitBtn", "CouponImage"},
         QAccessible::Window},
        {"ShowOptionsAction", [] { return static_cast<QWidget *>(PreferencesForm); }, preferences, QAccessible::Dialog},
        {"SystemsAction", [] { return static_cast<QWidget *>(SystemsForm); }, systems, QAccessible::Dialog},
        {"HelpAction",
         [] { return static_cast<QWidget *>(HelpForm); },
         {"CloseBitBtn", "HelpRichEdit"},
         QAccessible::Dialog},
        {"AboutAction",
         [] { return static_cast<QWidget *>(AboutForm); },
         {"CloseBitBtn", "VisitLottoBitBtn", "VisitVeilmarkBitBtn", "AboutRichEdit"},
         QAccessible::Dialog},
        {"LuckAction",
         [] { return static_cast<QWidget *>(LuckForm); },
         {"DonateBitBtn", "CloseBitBtn", "DonationMaskEdit", "Memo1"},
         QAccessible::Dialog},
        {"DrawAction", [] { return static_cast<QWidget *>(DrawForm); },
         QStringList{"FillBitBtn", "WheelBitBtn"} + Numbered("Main%1SpinBox", 6)
             + QStringList{"BonusSpinBox", "CheckBitBtn", "ClearDrawBitBtn", "HistoryBitBtn", "DrawResultsMemo",
                           "CloseBitBtn"},
         QAccessible::Dialog},
        {"HistoryAction",
         [] { return static_cast<QWidget *>(HistoryForm); },
         {"ImportBitBtn", "PasteBitBtn", "ClearHistoryBitBtn", "DrawsTable", "HistoryResultsMemo", "FrequencyChartView",
          "CloseBitBtn"},
         QAccessible::Dialog},
        {"DrawAction",
         [] {
             Control<QPushButton>(DrawForm, "WheelBitBtn")->click();
             return static_cast<QWidget *>(WheelForm);
         },
         {"WheelNumbersEdit", "WheelGuaranteeBox", "WheelCoverageTable", "WheelFillBitBtn", "CloseBitBtn"},
         QAccessible::Dialog},
        {"PrintAction", [] { return static_cast<QWidget *>(MessageForm); }, {"CloseBitBtn"}, QAccessible::AlertMessage},
    };
}

class Keyboard : public DialogTest {
protected:
    QWidget *Show(const TWindowKeys &row)
    {
        if (row.command)
            Command(row.command)->trigger();
        QCoreApplication::processEvents();
        return row.window();
    }
};

// Each window's tab chain, begun by its given start; every control in it
// named by its label, never by its value alone; the window's role.
TEST_F(Keyboard, TabChainsNamesAndRoles)
{
    StartProgram();
    for (const TWindowKeys &row : Windows()) {
        QWidget *window = Show(row);
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_EQ(TabStops(window), row.tabStops);
        EXPECT_EQ(AccessibleRole(window), row.role);
        for (const QString &name : row.tabStops) {
            const std::string named = name.toStdString();
            QWidget *control = Control(window, named.c_str());
            const QString spoken = AccessibleName(control);
            EXPECT_FALSE(spoken.isEmpty()) << named;
            if (auto *list = qobject_cast<QComboBox *>(control)) {
                EXPECT_NE(spoken, list->currentText()) << named;
            }
        }
    }
    EXPECT_EQ(AccessibleName(Control(PreferencesForm, "Pay3MaskEdit")), QStringLiteral("Division 3 payment"));
    EXPECT_EQ(AccessibleName(Control(PreferencesForm, "Div3CheckBox")), QStringLiteral("Division 3"));
    EXPECT_EQ(AccessibleName(Control(PreferencesForm, "BoardsComboBox")), QStringLiteral("Number of Boards"));
    EXPECT_EQ(AccessibleName(Control(SystemsForm, "Exclude3")), QStringLiteral("Exclusion 3"));
    EXPECT_EQ(AccessibleName(Control(LuckForm, "DonationMaskEdit")), QStringLiteral("Donation amount"));
    EXPECT_EQ(AccessibleName(Control(DrawForm, "Main2SpinBox")), QStringLiteral("Main number 2"));
}

// Tab moves along the chain, and Shift+Tab back.
TEST_F(Keyboard, TabAndShiftTabWalkTheChain)
{
    TPreferencesForm *form = StartWithPreferences();
    form->activateWindow();
    Button(form, "CloseBitBtn")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(form->focusWidget(), Button(form, "CancelBitBtn"));
    QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(form->focusWidget(), ComboBox(form, "BoardsComboBox"));
    QTest::keyClick(form->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(form->focusWidget(), Button(form, "CancelBitBtn"));
}

// Escape does what Cancel or Close does; Enter presses the focused button,
// or Accept or Close where a control that is no button has the focus.
TEST_F(Keyboard, EscapeAndEnterInEveryWindow)
{
    StartProgram();
    for (const TWindowKeys &row : Windows()) {
        if (!row.command)
            continue;
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            QWidget *window = Show(row);
            SCOPED_TRACE(window->objectName().toStdString() + (key == Qt::Key_Escape ? " Escape" : " Enter"));
            ASSERT_TRUE(window->isVisible());
            // The last control of the chain: a button only in the message box.
            QWidget *control = Control(window, row.tabStops.back().toLatin1().constData());
            control->setFocus(Qt::TabFocusReason);
            QTest::keyClick(control, key);
            QCoreApplication::processEvents();
            EXPECT_FALSE(window->isVisible());
        }
    }
}

// Enter on a field of Preferences accepts: what the window shows is stored.
TEST_F(Keyboard, EnterOnAFieldAcceptsAndEscapeCancels)
{
    TPreferencesForm *form = StartWithPreferences();
    QComboBox *boards = ComboBox(form, "BoardsComboBox");
    boards->setFocus(Qt::TabFocusReason);
    QTest::keyClick(boards, Qt::Key_Down); // 12 is the last item: no change
    QTest::keyClick(boards, Qt::Key_Up);
    QTest::keyClick(boards, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(TRegOptions().GetBoards(), 12);

    form = OpenPreferences();
    boards = ComboBox(form, "BoardsComboBox");
    boards->setFocus(Qt::TabFocusReason);
    QTest::keyClick(boards, Qt::Key_Up);
    QTest::keyClick(boards, Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(TRegOptions().GetBoards(), 11);
    EXPECT_EQ(Form()->boards, 11);
}

} // namespace
