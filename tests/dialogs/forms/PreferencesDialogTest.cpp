#include "DialogFixture.h"
#include "dialogs/rules/MaskedDigits.h"

#include <QGroupBox>

namespace {

class Preferences : public DialogTest {
protected:
    static QCheckBox *Division(TPreferencesForm *form, int n) { return Numbered<QCheckBox>(form, "Div%1CheckBox", n); }
    static TMaskedNumberEdit *Payment(TPreferencesForm *form, int n)
    {
        return Numbered<TMaskedNumberEdit>(form, "Pay%1MaskEdit", n);
    }

    // The divisions each checked and enabled, or each neither.
    static void ExpectDivisions(TPreferencesForm *form, std::initializer_list<int> divisions, bool on)
    {
        for (int n : divisions) {
            EXPECT_EQ(Division(form, n)->isChecked(), on) << n;
            EXPECT_EQ(Division(form, n)->isEnabled(), on) << n;
        }
    }
};

QRadioButton *MarksItem(TPreferencesForm *form, const char *caption)
{
    for (QRadioButton *button : Control<QGroupBox>(form, "MarksRadioGroup")->findChildren<QRadioButton *>())
        if (button->text() == QString::fromLatin1(caption))
            return button;
    ADD_FAILURE() << caption;
    return nullptr;
}

// Empties a payment field the way a person does: select all, Delete.
void Empty(TMaskedNumberEdit *field)
{
    Click(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
}

void Type(TMaskedNumberEdit *field, const QString &text)
{
    Empty(field);
    QTest::keyClicks(field, text);
}

TEST_F(Preferences, WindowCarriesItsControlsCaptionsAndPlaces)
{
    TPreferencesForm *form = StartWithPreferences();
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Drawvane Preferences"));
    EXPECT_EQ(form->size(), QSize(680, 287));
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(232, 222, 186));
    EXPECT_EQ(form->font().pixelSize(), 16);

    const TPlaceOf places[] = {
        {"Bevel1", {5, 5, 221, 220}},
        {"Bevel2", {235, 5, 438, 220}},
        {"MarksRadioGroup", {25, 150, 185, 51}},
        {"Div1CheckBox", {256, 42, 17, 17}},
        {"Div7CheckBox", {256, 186, 17, 17}},
        {"Pay1MaskEdit", {544, 39, 86, 22}},
        {"Pay4MaskEdit", {576, 111, 54, 22}},
        {"Pay7MaskEdit", {600, 183, 30, 22}},
        {"CloseBitBtn", {405, 232, 106, 50}},
        {"CancelBitBtn", {535, 232, 106, 50}},
    };
    ExpectPlaces(form, places);
    EXPECT_EQ(Control(form, "BoardsComboBox")->geometry().topLeft(), QPoint(160, 40));
    EXPECT_EQ(Control(form, "CellsComboBox")->width(), 49);
    EXPECT_EQ(Control(form, "Label9")->pos(), QPoint(280, 184));
    EXPECT_EQ(Control(form, "Label16")->pos(), QPoint(416, 184));

    ExpectCaptions<QLabel>(form,
                           {{"BoardTitleLabel", "Coupon Preferences"},
                            {"NoOfBoardsLabel", "Number of Boards:"},
                            {"NoOfCellsLabel", "Number of Cells:"},
                            {"DivisionsLabel", "Prize Divisions"},
                            {"Label2", "Winning Numbers"},
                            {"Label3", "Payments $"},
                            {"Label1", "Division one"},
                            {"Label9", "Division seven"},
                            {"Label10", "6"},
                            {"Label11", "5 + bonus ball"},
                            {"Label16", "3"}});
    EXPECT_TRUE(Control<QLabel>(form, "Label3")->font().bold());
    EXPECT_EQ(Control<QGroupBox>(form, "MarksRadioGroup")->title(), QStringLiteral("Number of Marks"));
    ExpectCaptions<QPushButton>(form, {{"CloseBitBtn", "Accept"}, {"CancelBitBtn", "Cancel"}});
    QComboBox *boards = ComboBox(form, "BoardsComboBox");
    EXPECT_EQ(boards->count(), 9);
    EXPECT_EQ(boards->itemText(0), QStringLiteral("4"));
    EXPECT_EQ(ComboBox(form, "CellsComboBox")->itemText(13), QStringLiteral("49"));
    const int positions[7] = {10, 9, 8, 6, 5, 4, 3};
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(Payment(form, n)->Positions(), positions[n - 1]) << n;

    EXPECT_FALSE(Button(form, "CloseBitBtn")->autoDefault());
}

TEST_F(Preferences, OpeningShowsTheStoredSettings)
{
    TPreferencesForm *form = StartWithPreferences();
    EXPECT_EQ(ComboBox(form, "BoardsComboBox")->currentText(), QStringLiteral("12"));
    EXPECT_EQ(ComboBox(form, "CellsComboBox")->currentText(), QStringLiteral("49"));
    EXPECT_TRUE(MarksItem(form, "6 balls")->isChecked());
    ExpectDivisions(form, {1, 2, 3, 4, 5, 6, 7}, true);
    EXPECT_EQ(Payment(form, 1)->text(), QStringLiteral("___1000000"));
    EXPECT_EQ(Payment(form, 2)->text(), QStringLiteral("___300000"));
    EXPECT_EQ(Payment(form, 7)->text(), QStringLiteral("__2"));
}

TEST_F(Preferences, FiveMarksStoredWithTheTopDivisionsOffShowsThemOffAndDisabled)
{
    WriteStore([](TRegOptions &store) {
        store.SetMarks(5);
        const uint8_t divisions[7] = {0, 0, 1, 1, 1, 1, 1};
        store.SetDivisions(divisions);
    });
    TPreferencesForm *form = StartWithPreferences();
    EXPECT_TRUE(MarksItem(form, "5 balls")->isChecked());
    ExpectDivisions(form, {1, 2}, false);
    EXPECT_TRUE(Division(form, 3)->isEnabled());
}

// The opening selects the marks first and sets the stored switches after:
// what the marks rule did to the top divisions gives way to the store.
TEST_F(Preferences, SixMarksStoredWithTheFirstDivisionOffShowsItOffAndEnabled)
{
    WriteStore([](TRegOptions &store) {
        const uint8_t divisions[7] = {0, 1, 1, 1, 1, 1, 1};
        store.SetDivisions(divisions);
    });
    TPreferencesForm *form = StartWithPreferences();
    EXPECT_TRUE(MarksItem(form, "6 balls")->isChecked());
    EXPECT_FALSE(Division(form, 1)->isChecked());
    EXPECT_TRUE(Division(form, 1)->isEnabled());
    EXPECT_TRUE(Division(form, 2)->isChecked());
}

TEST_F(Preferences, MarksRuleTurnsTheTopDivisionsOffAndOnAgain)
{
    TPreferencesForm *form = StartWithPreferences();
    Click(Division(form, 1));
    Click(Division(form, 5));
    ASSERT_FALSE(Division(form, 1)->isChecked());
    ASSERT_FALSE(Division(form, 5)->isChecked());

    Click(MarksItem(form, "5 balls"));
    ExpectDivisions(form, {1, 2}, false);
    Click(MarksItem(form, "6 balls"));
    ExpectDivisions(form, {1, 2}, true);
    // The other divisions are left as they were.
    EXPECT_FALSE(Division(form, 5)->isChecked());
    EXPECT_TRUE(Division(form, 3)->isChecked());
}

TEST_F(Preferences, AcceptWritesTheChoicesAndTheMainWindowTakesTheNewShape)
{
    StartProgram();
    FillBoard(1, {1, 2, 3});
    TPreferencesForm *form = OpenPreferences();
    ComboBox(form, "BoardsComboBox")->setCurrentText(QStringLiteral("6"));
    ComboBox(form, "CellsComboBox")->setCurrentText(QStringLiteral("40"));
    Click(MarksItem(form, "5 balls"));
    for (int n = 1; n <= 6; ++n)
        if (Division(form, n)->isChecked())
            Click(Division(form, n));
    Type(Payment(form, 1), QStringLiteral("9999999999"));
    Empty(Payment(form, 2));
    Payment(form, 3)->SetMaskedText(QStringLiteral("12 34"));
    Type(Payment(form, 4), QStringLiteral("4x5y"));
    Click(Button(form, "CloseBitBtn"));

    EXPECT_FALSE(form->isVisible());
    const TGameSettings stored = Stored();
    EXPECT_EQ(stored.boards, 6);
    EXPECT_EQ(stored.boardsize, 40);
    EXPECT_EQ(stored.marks, 5);
    EXPECT_EQ(List(stored.divisions), (std::vector<int64_t>{0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(List(stored.payments), (std::vector<int64_t>{1000000, 500000, 1234, 45, 200, 10, 2}));

    // Redrawn before Accept returned: the new shape, no marks.
    EXPECT_EQ(Form()->boards, 6);
    EXPECT_EQ(Form()->boardsize, 40);
    EXPECT_EQ(Form()->marks, 5);
    EXPECT_EQ(Form()->divisions, (std::array<uint8_t, 7>{0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(CellOf(1, 1), Cell::Plain);
    EXPECT_EQ(Form()->Coupon().MarkCount(1), 0);
}

TEST_F(Preferences, AcceptWithoutChangeStillWritesEverythingAndClearsTheCoupon)
{
    StartProgram();
    FillBoard(2, {1, 2, 3, 4, 5, 6});
    ASSERT_EQ(CellOf(2, 6), Cell::Marked);
    TPreferencesForm *form = OpenPreferences();
    // Changed behind the window's back: Accept writes what the window shows.
    WriteStore([](TRegOptions &store) {
        store.SetBoards(5);
        store.SetMarks(5);
        const int64_t payments[7] = {1, 2, 3, 4, 5, 6, 7};
        store.SetPayments(payments);
    });
    Click(Button(form, "CloseBitBtn"));
    const TGameSettings stored = Stored();
    EXPECT_EQ(stored.boards, 12);
    EXPECT_EQ(stored.marks, 6);
    EXPECT_EQ(List(stored.payments), (std::vector<int64_t>{1000000, 300000, 20000, 5000, 200, 10, 2}));
    EXPECT_EQ(CellOf(2, 6), Cell::Plain);
    EXPECT_TRUE(LabelText("WinDiv1Label").isEmpty());
}

TEST_F(Preferences, NoDivisionCheckedIsRefusedInTheMessageBoxAndTheWindowStays)
{
    TPreferencesForm *form = StartWithPreferences();
    ComboBox(form, "BoardsComboBox")->setCurrentIndex(0);
    for (int n = 1; n <= 7; ++n)
        Click(Division(form, n));
    Click(Button(form, "CloseBitBtn"));
    EXPECT_TRUE(form->isVisible());
    ASSERT_TRUE(MessageForm->isVisible());
    EXPECT_EQ(Control<QLabel>(MessageForm, "MessageLabel")->text(),
              QStringLiteral("Please select at least one division"));
    EXPECT_EQ(Stored().boards, 12);

    // Only division seven is enough.
    Click(Division(form, 7));
    Click(Button(form, "CloseBitBtn"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(List(Stored().divisions), (std::vector<int64_t>{0, 0, 0, 0, 0, 0, 1}));
}

TEST_F(Preferences, CancelWritesNothingAndTheNextOpeningShowsTheStore)
{
    StartProgram();
    FillBoard(1, {1, 2});
    TPreferencesForm *form = OpenPreferences();
    ComboBox(form, "BoardsComboBox")->setCurrentIndex(0);
    Click(MarksItem(form, "5 balls"));
    Type(Payment(form, 7), QStringLiteral("77"));
#ifndef _WIN32
    const auto fileBefore = std::filesystem::last_write_time(Home().storeFile());
#endif
    Click(Button(form, "CancelBitBtn"));
    EXPECT_FALSE(form->isVisible());
#ifndef _WIN32
    EXPECT_EQ(std::filesystem::last_write_time(Home().storeFile()), fileBefore);
#endif
    EXPECT_EQ(Stored().boards, 12);
    EXPECT_EQ(CellOf(1, 2), Cell::Marked); // the main window was not told

    OpenPreferences();
    EXPECT_EQ(ComboBox(form, "BoardsComboBox")->currentText(), QStringLiteral("12"));
    EXPECT_TRUE(MarksItem(form, "6 balls")->isChecked());
    EXPECT_TRUE(Division(form, 1)->isEnabled());
    EXPECT_EQ(ReadMaskedDigits(Payment(form, 7)->MaskedText().toStdString()), 2);
}

TEST_F(Preferences, OpeningAgainWhileShownOnlyRaisesTheSameWindow)
{
    TPreferencesForm *form = StartWithPreferences();
    ComboBox(form, "BoardsComboBox")->setCurrentIndex(0);
    EXPECT_EQ(OpenPreferences(), form);
    EXPECT_EQ(ComboBox(form, "BoardsComboBox")->currentText(), QStringLiteral("4"));
}

TEST_F(Preferences, StoredValuesOutsideTheirRangesAreShownSoThatAcceptStoresSaneOnes)
{
    WriteStore([](TRegOptions &store) {
        store.SetBoards(13);
        store.SetBoardSize(30);
        store.SetMarks(9);
        const int64_t payments[7] = {-1, 300000, 20000, 5000, 200, 10, 1000};
        store.SetPayments(payments);
    });
    TPreferencesForm *form = StartWithPreferences();
    EXPECT_EQ(ComboBox(form, "BoardsComboBox")->currentText(), QStringLiteral("12"));
    EXPECT_EQ(ComboBox(form, "CellsComboBox")->currentText(), QStringLiteral("36"));
    EXPECT_TRUE(MarksItem(form, "6 balls")->isChecked());
    EXPECT_EQ(Payment(form, 1)->text(), QStringLiteral("__________"));
    EXPECT_EQ(Payment(form, 7)->text(), QStringLiteral("___"));
    Click(Button(form, "CloseBitBtn"));
    const TGameSettings stored = Stored();
    EXPECT_EQ(stored.boards, 12);
    EXPECT_EQ(stored.boardsize, 36);
    EXPECT_EQ(stored.marks, 6);
    EXPECT_EQ(stored.payments[0], 1000000);
    EXPECT_EQ(stored.payments[6], 5);
}

TEST_F(Preferences, ReadFailureOnOpeningIsReportedAndAcceptStillStoresSaneValues)
{
    WriteStore([](TRegOptions &store) {
        store.SetBoards(9);
        store.SetMarks(5);
    });
    StartProgram();
    // Division "3" is gone: the opening fails part way through the lists.
    Store().RemoveValue("div", "3");

    TPreferencesForm *form = nullptr;
    EXPECT_EQ(TextsOfModalBoxes([&] { form = OpenPreferences(); }),
              QStringList{QStringLiteral("Failed to get data for '3'")});
    // Every control shows something: what was read, the defaults after it.
    EXPECT_EQ(ComboBox(form, "BoardsComboBox")->currentText(), QStringLiteral("9"));
    EXPECT_TRUE(MarksItem(form, "5 balls")->isChecked());
    EXPECT_EQ(Payment(form, 1)->MaskedText().trimmed(), QStringLiteral("1000000"));

    Click(Button(form, "CloseBitBtn"));
    const TGameSettings stored = Stored();
    EXPECT_EQ(stored.boards, 9);
    EXPECT_EQ(stored.marks, 5);
    EXPECT_EQ(stored.divisions[3], 1);
}

TEST_F(Preferences, WindowManagerCloseDoesNotHideIt)
{
    TPreferencesForm *form = StartWithPreferences();
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
}

} // namespace
