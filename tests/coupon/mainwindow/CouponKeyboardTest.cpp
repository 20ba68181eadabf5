// The coupon by keyboard and as a screen reader reads it.

#include "ScreenReader.h"
#include "UiFixture.h"
#include "kit/KeyboardAccess.h"

#include <QAccessible>

namespace {

class CouponKeys : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        QTestAccessibility::initialize();
        SetScreenReaderListening(true);
    }
    void TearDown() override
    {
        SetScreenReaderListening(false);
        ForgetAccessibilityEvents();
        QTestAccessibility::cleanup();
        UiTest::TearDown();
    }

    void Keys(std::initializer_list<Qt::Key> keys)
    {
        for (const Qt::Key key : keys)
            QTest::keyClick(CouponPicture(), key);
        QCoreApplication::processEvents();
    }

    QAccessibleInterface *Table() const { return QAccessible::queryAccessibleInterface(CouponPicture()); }
    QAccessibleInterface *Cell(int board, int number) const
    {
        return Table()->tableInterface()->cellAt(board - 1, number - 1);
    }
};

// A board filled by keys alone gets what clicks give it: the marks drawn,
// the coefficients and the results.
TEST_F(CouponKeys, BoardFilledByKeysAloneIsABoardFilledByClicks)
{
    StartProgram();
    Form()->activateWindow();
    CouponPicture()->setFocus(Qt::TabFocusReason);
    // Board 2 by Page Down, 3 by typing, then across the row: 10, 17, 24,
    // 31 and 38.
    Keys({Qt::Key_PageDown, Qt::Key_3, Qt::Key_Space});
    for (int n = 0; n < 5; ++n)
        Keys({Qt::Key_Right, n % 2 ? Qt::Key_Return : Qt::Key_Space});
    EXPECT_EQ(Form()->Coupon().MarkCount(2), 6);
    for (int n : {3, 10, 17, 24, 31, 38})
        EXPECT_EQ(CellOf(2, n), Cell::Marked) << n;
    const QString byKeys = LabelText("TotalWinProbability");
    const QString punch = LabelText("p2");
    EXPECT_EQ(byKeys, QStringLiteral("0.018638"));

    Form()->ClearActionExecute();
    FillBoard(2, {3, 10, 17, 24, 31, 38});
    EXPECT_EQ(LabelText("TotalWinProbability"), byKeys);
    EXPECT_EQ(LabelText("p2"), punch);
    // Space again takes the last mark off, as a second click does.
    Keys({Qt::Key_Space});
    EXPECT_EQ(Form()->Coupon().MarkCount(2), 5);
    EXPECT_TRUE(LabelText("TotalWinProbability").isEmpty());
}

// The cursor is framed on the screen while the keyboard is in use, never in
// the picture that is printed and copied from; a click hides it again.
TEST_F(CouponKeys, CursorFrameOnlyOnTheScreenAndOnlyForTheKeyboard)
{
    StartProgram();
    Form()->activateWindow();
    CouponPicture()->setFocus(Qt::TabFocusReason);
    const QImage before = CouponPicture()->Image();
    Keys({Qt::Key_Down});
    ASSERT_TRUE(KeyboardInUse());
    EXPECT_EQ(CouponPicture()->Image(), before);
    const TPoint cell = CellOrigin(1, 2);
    const QImage shown = CouponPicture()->grab().toImage();
    EXPECT_EQ(shown.pixel(cell.x + 1, cell.y + 8) | 0xFF000000, kFocusFrameColour);
    EXPECT_EQ(shown.pixel(cell.x + 8, cell.y + 1) | 0xFF000000, kFocusFrameColour);

    PressNumber(1, 9);
    EXPECT_FALSE(KeyboardInUse());
    EXPECT_NE(CouponPicture()->grab().toImage().pixel(cell.x + 1, cell.y + 8) | 0xFF000000, kFocusFrameColour);
}

// The coupon is a table of the numbers in play of the boards in use, each
// named, checked when marked, unavailable when excluded, with a Toggle that
// is a click; marks and the cursor send their events.
TEST_F(CouponKeys, ScreenReaderReadsAndMarksTheCells)
{
    SetSystems(false, true, {}, {5, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    WriteStore([](TRegOptions &store) {
        store.SetBoards(8);
        store.SetBoardSize(40);
    });
    StartProgram();
    QAccessibleInterface *table = Table();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->tableInterface()->rowCount(), 8);
    EXPECT_EQ(table->tableInterface()->columnCount(), 40);
    EXPECT_EQ(Cell(3, 17)->text(QAccessible::Name), QStringLiteral("Board 3, number 17"));
    EXPECT_EQ(Cell(9, 1), nullptr);
    EXPECT_EQ(Cell(1, 41), nullptr);
    EXPECT_TRUE(Cell(3, 5)->state().disabled);
    EXPECT_FALSE(Cell(3, 17)->state().checked);

    ForgetAccessibilityEvents();
    PressNumber(3, 17);
    EXPECT_TRUE(Cell(3, 17)->state().checked);
    QAccessible::State checked;
    checked.checked = true;
    QAccessibleStateChangeEvent byMouse(Cell(3, 17), checked);
    EXPECT_TRUE(QTestAccessibility::containsEvent(&byMouse));

    ForgetAccessibilityEvents();
    Cell(3, 18)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(Cell(3, 18)->state().checked);
    EXPECT_EQ(Form()->Coupon().MarkCount(3), 2);
    QAccessibleStateChangeEvent byAction(Cell(3, 18), checked);
    EXPECT_TRUE(QTestAccessibility::containsEvent(&byAction));
    // An excluded number stays unmarked, as under a click.
    Cell(3, 5)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(Cell(3, 5)->state().checked);

    Form()->activateWindow();
    CouponPicture()->setFocus(Qt::TabFocusReason);
    ForgetAccessibilityEvents();
    Keys({Qt::Key_End});
    QAccessibleEvent focus(Cell(3, 40), QAccessible::Focus);
    EXPECT_TRUE(QTestAccessibility::containsEvent(&focus));
    EXPECT_TRUE(Cell(3, 40)->state().focused);
}

// A smaller board changes which cell stands where in the table, not what
// a cell already known stands for.
TEST_F(CouponKeys, CellsKeepTheirNumberWhenTheBoardChangesSize)
{
    StartProgram();
    QAccessibleInterface *cell = Cell(2, 5);
    EXPECT_EQ(Table()->indexOfChild(cell), 49 + 4);
    WriteStore([](TRegOptions &store) { store.SetBoardSize(40); });
    EXPECT_EQ(SendFormMessage(Form(), WM_SETTINGSCHANGED), 1);
    EXPECT_EQ(Cell(2, 5)->text(QAccessible::Name), QStringLiteral("Board 2, number 5"));
    EXPECT_EQ(Table()->indexOfChild(Cell(2, 5)), 40 + 4);
    EXPECT_EQ(Cell(2, 14)->text(QAccessible::Name), QStringLiteral("Board 2, number 14"));
    EXPECT_EQ(Cell(2, 41), nullptr);
}

// What the results and the coefficients say to a screen reader.
TEST_F(CouponKeys, FiguresAreNamedWithTheirRowColumnAndBoard)
{
    StartProgram();
    FillBoard(1, {13, 19, 20, 33, 38, 43});
    const auto spoken = [](const char *name) {
        return QAccessible::queryAccessibleInterface(Control(TombolixForm, name))->text(QAccessible::Name);
    };
    EXPECT_EQ(spoken("WinDiv1Label"), QStringLiteral("Division 1 win probability 0.00000007"));
    EXPECT_EQ(spoken("Odds1Label"), QStringLiteral("Division 1 odds 1 : 13983815"));
    EXPECT_EQ(spoken("PayTotalLabel"), QStringLiteral("Totals return 1.02"));
    EXPECT_EQ(spoken("p1"), QStringLiteral("Board 1 Punch 89"));
    EXPECT_EQ(spoken("s1"), QStringLiteral("Board 1 Spread 100"));
    QAccessibleInterface *table = Table();
    QAccessibleInterface *bar = table->child(table->tableInterface()->rowCount() * 49);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
    EXPECT_EQ(bar->text(QAccessible::Name), QStringLiteral("Board 1 Punch bar"));
    EXPECT_EQ(bar->valueInterface()->currentValue().toInt(), 89);
}

// Tab goes from the toolbar to the coupon; a click on a button leaves the
// focus where it is; the commands have their keys.
TEST_F(CouponKeys, ToolbarTabChainAndShortcuts)
{
    StartProgram();
    QWidget *options = Control(Form(), "PrefBitBtn");
    EXPECT_EQ(options->focusPolicy(), Qt::TabFocus);
    CouponPicture()->setFocus(Qt::TabFocusReason);
    Click(Control(Form(), "ClearBitBtn"));
    EXPECT_TRUE(CouponPicture()->hasFocus());
    EXPECT_EQ(Command("PrintAction")->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_EQ(Command("HelpAction")->shortcut(), QKeySequence(QKeySequence::HelpContents));
    EXPECT_EQ(Command("ClearAction")->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_EQ(Command("FormCloseAction")->shortcut(), QKeySequence(QKeySequence::Quit));
    Form()->activateWindow();
    QTest::keyClick(CouponPicture(), Qt::Key_F1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(HelpForm->isVisible());
}

} // namespace
