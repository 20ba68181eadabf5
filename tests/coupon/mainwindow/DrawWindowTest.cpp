// The Draw window: quick pick, the coupon kept between runs, and the check
// of a draw with its rings on the coupon.

#include "UiFixture.h"
#include "dialogs/forms/DrawUnit.h"
#include "dialogs/forms/MessageUnit.h"
#include "dialogs/forms/PreferencesUnit.h"
#include "dialogs/forms/WheelUnit.h"
#include "wheels/Wheel.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

namespace {

class DrawWindow : public UiTest {
protected:
    TDrawForm *OpenDraw()
    {
        Command("DrawAction")->trigger();
        QCoreApplication::processEvents();
        return DrawForm;
    }

    // Enters the draw in the fields and presses Check; the lines shown.
    QStringList Check(std::initializer_list<int> numbers)
    {
        int field = 1;
        for (int n : numbers) {
            Numbered<QSpinBox>(DrawForm, field <= 6 ? "Main%1SpinBox" : "BonusSpinBox", field)->setValue(n);
            ++field;
        }
        Click(Button(DrawForm, "CheckBitBtn"));
        const QString text = Control<QPlainTextEdit>(DrawForm, "DrawResultsMemo")->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }

    QString Message() const
    {
        return MessageForm->isVisible() ? Control<QLabel>(MessageForm, "MessageLabel")->text() : QString();
    }

    // Every board's marks, as numbers.
    std::vector<std::vector<int>> Marks() const
    {
        std::vector<std::vector<int>> marks(12);
        for (int b = 1; b <= 12; ++b)
            for (int n = 1; n <= 49; ++n)
                if (Form()->Coupon().Marked(b, n))
                    marks[b - 1].push_back(n);
        return marks;
    }

    // What the window shows of the coupon besides its marks.
    QStringList Figures() const
    {
        QStringList figures;
        for (QLabel *label : Form()->findChildren<QLabel *>())
            if (!label->objectName().isEmpty() && label->objectName() != QStringLiteral("MainStatusPanel"))
                figures << label->objectName() + QLatin1Char('=') + label->text();
        figures.sort();
        return figures;
    }
};

TEST_F(DrawWindow, CommandWindowControlsAndPlaces)
{
    StartProgram();
    auto *button = Control<QToolButton>(Form(), "DrawBitBtn");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("Draw"));
    EXPECT_EQ(button->geometry(), QRect(572, 2, 81, 74));
    EXPECT_EQ(button->statusTip(), QStringLiteral("Quick pick and check the draw"));
    EXPECT_EQ(Command("DrawAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));

    QTest::keyClick(Form(), Qt::Key_D, Qt::ControlModifier);
    TDrawForm *form = DrawForm;
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Drawvane Draw"));
    EXPECT_EQ(form->size(), QSize(440, 560));
    EXPECT_EQ(form->palette().color(form->backgroundRole()).rgb(), 0xFFE8DEBAu);
    EXPECT_EQ(form->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(form->font().pixelSize(), 16);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    ExpectCaptions<QPushButton>(form,
                                {{"FillBitBtn", "Fill Boards"},
                                 {"CheckBitBtn", "Check"},
                                 {"ClearDrawBitBtn", "Clear Draw"},
                                 {"CloseBitBtn", "Close"}});
    ExpectCaptions<QLabel>(form, {{"MainNumbersLabel", "Main numbers"}, {"BonusBallLabel", "Bonus ball"}});
    EXPECT_EQ(Control<QGroupBox>(form, "QuickPickGroupBox")->title(), QStringLiteral("Quick Pick"));
    EXPECT_EQ(Control<QGroupBox>(form, "DrawGroupBox")->title(), QStringLiteral("The Draw"));
    const TPlaceOf places[] = {{"QuickPickGroupBox", {8, 4, 424, 76}}, {"DrawGroupBox", {8, 86, 424, 408}},
                               {"Main1SpinBox", {14, 48, 48, 26}},     {"Main6SpinBox", {274, 48, 48, 26}},
                               {"BonusSpinBox", {336, 48, 48, 26}},    {"DrawResultsMemo", {14, 132, 396, 264}},
                               {"CloseBitBtn", {326, 500, 106, 56}}};
    ExpectPlaces(form, places);
    EXPECT_TRUE(Control<QPlainTextEdit>(form, "DrawResultsMemo")->isReadOnly());
    EXPECT_EQ(Control<QSpinBox>(form, "BonusSpinBox")->maximum(), 49);
    EXPECT_TRUE(Control<QSpinBox>(form, "Main6SpinBox")->isVisible());

    // Five marks on 36 numbers: five main fields, each up to 36.
    Click(Button(form, "CloseBitBtn"));
    EXPECT_FALSE(form->isVisible());
    WriteStore([](TRegOptions &store) {
        store.SetMarks(5);
        store.SetBoardSize(36);
    });
    TWindowMessage message(WM_SETTINGSCHANGED, 0, 0);
    QCoreApplication::sendEvent(Form(), &message);
    OpenDraw();
    EXPECT_FALSE(Control<QSpinBox>(form, "Main6SpinBox")->isVisible());
    EXPECT_EQ(Control<QSpinBox>(form, "Main1SpinBox")->maximum(), 36);
}

// Fill Boards completes the boards as clicks would: the same picture,
// captions and figures as a coupon clicked full with the same numbers.
TEST_F(DrawWindow, FillBoardsIsTheSameAsClickingTheBoardsFull)
{
    StartProgram();
    Form()->SeedQuickPick(5);
    FillBoard(3, {7, 8, 9});
    FillBoard(5, {1, 2, 3, 4, 5, 6});
    OpenDraw();
    Click(Button(DrawForm, "FillBitBtn"));
    const std::vector<std::vector<int>> marks = Marks();
    for (int b = 1; b <= 12; ++b)
        EXPECT_EQ(marks[b - 1].size(), 6u) << b;
    EXPECT_EQ(marks[4], (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(std::ranges::includes(marks[2], std::vector<int>{7, 8, 9}));
    const QImage picture = CouponPicture()->Image();
    const QStringList figures = Figures();
    EXPECT_FALSE(LabelText("TotalWinProbability").isEmpty());

    Command("ClearAction")->trigger();
    for (int b = 1; b <= 12; ++b)
        for (int n : marks[b - 1])
            PressNumber(b, n);
    EXPECT_EQ(CouponPicture()->Image(), picture);
    EXPECT_EQ(Figures(), figures);

    Click(Button(DrawForm, "FillBitBtn"));
    EXPECT_EQ(Message(), QStringLiteral("Every board is already full"));
    EXPECT_EQ(Marks(), marks);
}

TEST_F(DrawWindow, CheckShowsEachFullBoardsPrizeAndRingsTheDrawnNumbers)
{
    StartProgram();
    FillBoard(1, {1, 2, 3, 4, 40, 41});
    FillBoard(2, {1, 2});
    FillBoard(4, {1, 2, 3, 4, 5, 6});
    FillBoard(6, {10, 11, 12, 13, 14, 15});
    OpenDraw();
    const QImage picture = CouponPicture()->Image();
    EXPECT_EQ(Check({1, 2, 3, 4, 5, 6, 40}),
              (QStringList{"Board 1: 4 + bonus ball, $5000", "Board 4: 6, $1000000", "Board 6: no prize",
                           "Prizes: $1005000 on 2 boards"}));
    EXPECT_EQ(CouponPicture()->Rings(1), (QList<int>{1, 2, 3, 4, 40}));
    EXPECT_EQ(CouponPicture()->Rings(2), QList<int>{}); // not full
    EXPECT_EQ(CouponPicture()->Rings(4), (QList<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(CouponPicture()->Image(), picture) << "rings belong to the screen alone";
    // A screen reader hears which numbers were drawn.
    QAccessibleTableInterface *table = QAccessible::queryAccessibleInterface(CouponPicture())->tableInterface();
    EXPECT_EQ(table->cellAt(3, 5)->text(QAccessible::Description), QStringLiteral("drawn"));
    EXPECT_EQ(table->cellAt(5, 9)->text(QAccessible::Description), QString());
    const QImage screen = CouponPicture()->grab().toImage();
    const QPoint ringed = CouponPicture()->CellRect(4, 6).topLeft() + QPoint(8, 2);
    EXPECT_EQ(screen.pixelColor(ringed).rgb() | 0xFF000000, kRingColour) << "no ring on the screen";
    EXPECT_EQ(TRegOptions().GetDraw(), (TKeptDraw{1, 2, 3, 4, 5, 6, 40}));

    // A board that changes loses its rings; the others keep theirs.
    PressNumber(1, 41);
    EXPECT_EQ(CouponPicture()->Rings(1), QList<int>{});
    EXPECT_EQ(CouponPicture()->Rings(4).size(), 6);
    Click(Button(DrawForm, "ClearDrawBitBtn"));
    EXPECT_EQ(CouponPicture()->Rings(4), QList<int>{});
    EXPECT_EQ(TRegOptions().GetDraw(), TKeptDraw{});
    EXPECT_EQ(Control<QSpinBox>(DrawForm, "BonusSpinBox")->value(), 0);

    // A draw that is not one, and a coupon with no full board.
    EXPECT_EQ(Check({1, 2, 3, 4, 5, 6, 6}), QStringList{});
    EXPECT_EQ(Message(),
              QStringLiteral("Enter 6 different numbers from 1 to 49, and a bonus ball that is not one of them"));
    Command("ClearAction")->trigger();
    EXPECT_EQ(Check({1, 2, 3, 4, 5, 6, 7}), QStringList{});
    EXPECT_EQ(Message(), QStringLiteral("Please fill at least one of the boards"));
}

// The coupon outlives the program: what it held comes back at start with
// its coefficients and figures, minus what the settings no longer allow.
TEST_F(DrawWindow, CouponKeptAndTakenBackAtStart)
{
    StartProgram();
    FillBoard(2, {3, 9, 17, 25, 33, 41});
    FillBoard(7, {4, 5});
    Form()->close();
    const QStringList figures = Figures();
    const std::vector<std::vector<int>> marks = Marks();
    DestroyForms();

    StartProgram();
    EXPECT_EQ(Marks(), marks);
    EXPECT_EQ(Figures(), figures);
    OpenDraw();
    EXPECT_EQ(Control<QSpinBox>(DrawForm, "Main1SpinBox")->value(), 0);
    EXPECT_EQ(Check({3, 9, 17, 25, 33, 41, 1}), (QStringList{"Board 2: 6, $1000000", "Prizes: $1000000 on 1 board"}));
    DestroyForms();

    // Hand-edited: numbers above the board, excluded or repeated, boards
    // beyond those in use, values that are no numbers.
    WriteStore([](TRegOptions &store) {
        store.SetBoards(8);
        store.SetPlayExclude(true);
        store.SetExclusions(std::array<uint8_t, 10>{9});
    });
    Store().SetRaw("coupon", "2.1", "\"three\"");
    Store().SetRaw("coupon", "7.3", "dword:00000032"); // 50
    Store().SetRaw("coupon", "7.4", "dword:00000005"); // repeated
    Store().SetRaw("coupon", "9.1", "dword:00000001");
    Store().SetRaw("coupon", "1.1", "hex(4):01,00");
    StartProgram();
    std::vector<std::vector<int>> expected(12);
    expected[1] = {17, 25, 33, 41}; // 3 unreadable, 9 excluded
    expected[6] = {4, 5};
    EXPECT_EQ(Marks(), expected);
    EXPECT_TRUE(LabelText("TotalWinProbability").isEmpty());
    OpenDraw();
    EXPECT_EQ(Control<QSpinBox>(DrawForm, "BonusSpinBox")->value(), 1) << "the kept draw";
}

// Written when a board fills or stops being full, on Clear and when
// Preferences are accepted; a click that completes nothing writes nothing.
TEST_F(DrawWindow, CouponWrittenOnlyWhenABoardFillsOrEmpties)
{
    StartProgram();
    FillBoard(1, {1, 2, 3, 4, 5});
    EXPECT_EQ(TRegOptions().GetCoupon(), TKeptCoupon{});
    const std::string stamp = Store().WriteStamp();
    PressNumber(1, 5);
    PressNumber(1, 5);
    EXPECT_EQ(Store().WriteStamp(), stamp);
    PressNumber(1, 6);
    EXPECT_EQ(TRegOptions().GetCoupon()[0], (std::array<uint8_t, 6>{1, 2, 3, 4, 5, 6}));
    PressNumber(3, 7);
    PressNumber(1, 6);
    EXPECT_EQ(TRegOptions().GetCoupon()[0], (std::array<uint8_t, 6>{1, 2, 3, 4, 5, 0}));
    EXPECT_EQ(TRegOptions().GetCoupon()[2][0], 7);
    Command("ClearAction")->trigger();
    EXPECT_EQ(TRegOptions().GetCoupon(), TKeptCoupon{});

    FillBoard(1, {1, 2, 3, 4, 5, 6});
    Command("ShowOptionsAction")->trigger();
    Click(Button(PreferencesForm, "CloseBitBtn"));
    EXPECT_EQ(TRegOptions().GetCoupon(), TKeptCoupon{});
}

// The Wheel window, opened from the Draw window: the guarantees for the
// numbers typed, the chosen wheel's sentences and coverage, and Fill.
class WheelWindow : public DrawWindow {
protected:
    TWheelForm *OpenWheel(const char *numbers)
    {
        OpenDraw();
        Click(Button(DrawForm, "WheelBitBtn"));
        Control<QLineEdit>(WheelForm, "WheelNumbersEdit")->setText(QString::fromLatin1(numbers));
        return WheelForm;
    }

    QComboBox *Guarantees() const { return Control<QComboBox>(WheelForm, "WheelGuaranteeBox"); }
    QString Sentences() const { return Control<QLabel>(WheelForm, "WheelGuaranteeLabel")->text(); }

    void Choose(const char *guarantee)
    {
        const int index = Guarantees()->findText(QString::fromLatin1(guarantee), Qt::MatchStartsWith);
        ASSERT_GE(index, 0) << guarantee;
        Guarantees()->setCurrentIndex(index);
    }

    QString Fill(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        return ToldByWindow(
            QStringLiteral("Drawvane Wheel"), [] { Click(Button(WheelForm, "WheelFillBitBtn")); }, answer);
    }
};

TEST_F(WheelWindow, GuaranteesSentencesAndCoverageOfTenNumbers)
{
    StartProgram();
    TWheelForm *form = OpenWheel("3 14 15 22 27 31 38 40 44 49");
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Drawvane Wheel"));
    EXPECT_EQ(Button(DrawForm, "WheelBitBtn")->text(), QStringLiteral("Wheel..."));
    // Every wheel of the table for 10 numbers in 12 boards, and no other.
    QStringList listed;
    for (int i = 0; i < Guarantees()->count(); ++i)
        listed << Guarantees()->itemText(i);
    QStringList expected;
    for (const wheels::TWheel &w : wheels::Fitting(6, 10, 12))
        expected << QString::fromStdString(wheels::GuaranteeChoice(w));
    EXPECT_EQ(listed, expected);
    Choose("3 if 4");
    EXPECT_EQ(Sentences(),
              QStringLiteral("If 4 of the 6 numbers drawn are among your 10, at least one board has 3 of "
                             "them.\n4 or more of your 10 numbers are drawn in 1 draw out of 84."));
    auto *table = Control<QTableWidget>(form, "WheelCoverageTable");
    ASSERT_EQ(table->rowCount(), 7);
    ASSERT_EQ(table->columnCount(), 6);
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), QStringLiteral("Best has 3"));
    // With 4 of the numbers drawn, the guarantee: a board with 3 or more.
    const QString three = table->item(4, 2)->text(), four = table->item(4, 3)->text();
    EXPECT_TRUE(three.endsWith(QStringLiteral(" %")));
    EXPECT_DOUBLE_EQ(QLocale::system().toDouble(three.chopped(2)) + QLocale::system().toDouble(four.chopped(2)), 100.0);
    EXPECT_TRUE(table->item(2, 2)->text().isEmpty());

    // Faults are named, live and on Fill.
    Control<QLineEdit>(form, "WheelNumbersEdit")->setText(QStringLiteral("1 2 3 4 5 53 7"));
    EXPECT_EQ(Sentences(), QStringLiteral("53 is not a number from 1 to 49"));
    EXPECT_EQ(Fill(), QStringLiteral("53 is not a number from 1 to 49"));
    EXPECT_EQ(Guarantees()->count(), 0);
}

// Fill marks the wheel's boards as clicks would, asks before it replaces
// marks, and is refused while the inclusions system is on.
TEST_F(WheelWindow, FillIsTheSameAsClickingTheWheelsBoards)
{
    StartProgram();
    FillBoard(12, {1, 2, 3});
    OpenWheel("3 14 15 22 27 31 38 40 44 49");
    Choose("3 if 4");
    EXPECT_EQ(Fill(QMessageBox::No),
              QStringLiteral("The wheel's boards take the place of the marks on the coupon. Go on?"));
    EXPECT_EQ(Marks()[11], (std::vector<int>{1, 2, 3}));
    Fill(QMessageBox::Yes);
    const std::vector<std::vector<int>> marks = Marks();
    EXPECT_TRUE(Guarantees()->currentText().startsWith(QStringLiteral("3 if 4")));
    const std::vector<wheels::TWheel> fitting = wheels::Fitting(6, 10, 12);
    const wheels::TWheel wheel =
        *std::ranges::find_if(fitting, [](const wheels::TWheel &w) { return w.matched == 3 && w.drawn == 4; });
    std::vector<std::vector<int>> expected = wheels::BoardsOf(wheel, {3, 14, 15, 22, 27, 31, 38, 40, 44, 49});
    expected.resize(12);
    EXPECT_EQ(marks, expected);
    const QImage picture = CouponPicture()->Image();
    const QStringList figures = Figures();
    EXPECT_FALSE(LabelText("TotalWinProbability").isEmpty());

    Command("ClearAction")->trigger();
    for (int b = 1; b <= 12; ++b)
        for (int n : marks[b - 1])
            PressNumber(b, n);
    EXPECT_EQ(CouponPicture()->Image(), picture);
    EXPECT_EQ(Figures(), figures);

    SetSystems(true, false, {5, 0, 0, 0}, {});
    EXPECT_EQ(Fill(), QStringLiteral("Turn the inclusions system off to play a wheel"));
    EXPECT_EQ(Marks(), marks);
}

} // namespace
