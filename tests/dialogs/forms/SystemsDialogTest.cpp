#include "DialogFixture.h"

#ifndef _WIN32
#include "settings/RegistryFileFormat.h"
#endif

#include <QCursor>
#include <QStyleOptionComboBox>

#include <filesystem>
#include <string>

namespace {

class Systems : public DialogTest {
protected:
    static QComboBox *Exclude(TSystemsForm *form, int n) { return Numbered<QComboBox>(form, "Exclude%1", n); }
    static QComboBox *Include(TSystemsForm *form, int n) { return Numbered<QComboBox>(form, "Include%1", n); }
};

TEST_F(Systems, WindowCarriesItsControlsCaptionsColoursAndHints)
{
    TSystemsForm *form = StartWithSystems();
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Drawvane Systems"));
    EXPECT_EQ(form->size(), QSize(509, 260));
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form->isModal());

    const TPlaceOf places[] = {
        {"Bevel1", {10, 5, 491, 196}},           {"ExclusionsCheckBox", {25, 10, 171, 17}},
        {"ExclusionsPanel", {15, 30, 476, 66}},  {"InclusionsCheckBox", {25, 105, 171, 17}},
        {"InclusionsPanel", {15, 125, 246, 66}}, {"Panel2", {265, 125, 226, 66}},
        {"SumsCheckBox", {30, 10, 176, 17}},     {"StDevCheckBox", {30, 40, 186, 17}},
        {"CloseBitBtn", {265, 205, 100, 51}},    {"CancelBitBtn", {390, 205, 100, 51}},
    };
    ExpectPlaces(form, places);
    EXPECT_EQ(Exclude(form, 10)->parentWidget(), Control<QFrame>(form, "ExclusionsPanel"));
    EXPECT_EQ(Exclude(form, 10)->geometry().topLeft(), QPoint(420, 30));
    QComboBox *last = Include(form, 4), *first = Include(form, 1);
    EXPECT_EQ(last->parentWidget(), Control<QFrame>(form, "InclusionsPanel"));
    EXPECT_EQ(last->geometry().topLeft(), QPoint(150, 30));
    EXPECT_EQ(last->width(), 41);
    EXPECT_EQ(first->count(), 50);
    EXPECT_EQ(first->itemText(49), QStringLiteral("49"));
    EXPECT_FALSE(first->isEditable());
    ExpectCaptions<QLabel>(form,
                           {{"Label1", "I expect that none of these numbers would be drawn"},
                            {"Label2", "I expect these numbers to be drawn"}});
    ExpectCaptions<QCheckBox>(form,
                              {{"ExclusionsCheckBox", "Play Exclusions System"},
                               {"InclusionsCheckBox", "Play Inclusions System"},
                               {"SumsCheckBox", "Show Punch Estimation"},
                               {"StDevCheckBox", "Show Spread Estimation"}});

    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(232, 222, 186));
    EXPECT_EQ(Control<QFrame>(form, "ExclusionsPanel")->palette().color(QPalette::Window), QColor(212, 186, 222));
    EXPECT_EQ(Control<QFrame>(form, "InclusionsPanel")->palette().color(QPalette::Window), QColor(232, 200, 186));
    EXPECT_EQ(Control<QFrame>(form, "Panel2")->palette().color(QPalette::Window), QColor(222, 194, 194));

    EXPECT_EQ(CheckBox(form, "ExclusionsCheckBox")->toolTip(), QStringLiteral("Exclude some numbers"));
    EXPECT_EQ(CheckBox(form, "InclusionsCheckBox")->toolTip(), QStringLiteral("Include some numbers"));
    EXPECT_EQ(Button(form, "CloseBitBtn")->toolTip(), QStringLiteral("Close"));
}

TEST_F(Systems, EveryNumberIsReadableWholeInEveryList)
{
    TSystemsForm *form = StartWithSystems();
    for (QComboBox *list : form->findChildren<QComboBox *>()) {
        ASSERT_EQ(list->width(), 41);
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        option.subControls = QStyle::SC_All;
        const QRect field =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        const QRect arrow = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list);
        EXPECT_FALSE(field.intersects(arrow)) << list->objectName().toStdString();
        const QFontMetrics metrics(list->font());
        for (int i = 0; i < list->count(); ++i) {
            // The label is drawn one pixel in from each side of the field.
            EXPECT_LE(metrics.horizontalAdvance(list->itemText(i)) + 2, field.width())
                << list->objectName().toStdString() << " " << list->itemText(i).toStdString();
        }
    }
}

TEST_F(Systems, LongHintsShowInTheMainWindowsStatusBar)
{
    TSystemsForm *form = StartWithSystems();
    const struct {
        QWidget *control;
        const char *text;
    } hints[] = {{CheckBox(form, "ExclusionsCheckBox"), "Assume that some numbers would not be drawn"},
                 {CheckBox(form, "InclusionsCheckBox"), "Assume some numbers to be certain"},
                 {Button(form, "CloseBitBtn"), "Close Systems Window"}};
    // Offscreen the pointer enters the first window under it, which would
    // be the main window beneath the dialog; move that one aside.
    Form()->move(Form()->x(), Form()->y() + 2000);
    for (const auto &h : hints) {
        QCursor::setPos(h.control->mapToGlobal(h.control->rect().center()));
        QCoreApplication::processEvents();
        EXPECT_EQ(LabelText("MainStatusPanel"), QString::fromLatin1(h.text));
    }
}

TEST_F(Systems, OpeningShowsTheStoredSystemsAndSwitches)
{
    SetSystems(true, true, {3, 0, 0, 60}, {7, 8, 0, 0, 0, 0, 0, 0, 0, 45});
    WriteStore([](TRegOptions &store) {
        store.SetPlaySums(false);
        store.SetBoardSize(40);
    });
    TSystemsForm *form = StartWithSystems();
    EXPECT_TRUE(CheckBox(form, "ExclusionsCheckBox")->isChecked());
    EXPECT_TRUE(CheckBox(form, "InclusionsCheckBox")->isChecked());
    EXPECT_FALSE(CheckBox(form, "SumsCheckBox")->isChecked());
    EXPECT_TRUE(CheckBox(form, "StDevCheckBox")->isChecked());
    EXPECT_EQ(Include(form, 1)->currentText(), QStringLiteral("3"));
    // 60 is in no list: shown as an empty slot. 45 is above the board but stays.
    EXPECT_EQ(Include(form, 4)->currentText(), QStringLiteral("0"));
    EXPECT_EQ(Exclude(form, 2)->currentText(), QStringLiteral("8"));
    EXPECT_EQ(Exclude(form, 10)->currentText(), QStringLiteral("45"));
    EXPECT_TRUE(Exclude(form, 1)->isEnabled());
}

TEST_F(Systems, NumberBeyondTheBoardIsRefusedAndOneOnItTaken)
{
    WriteStore([](TRegOptions &store) {
        store.SetBoardSize(40);
        store.SetPlayExclude(true);
    });
    TSystemsForm *form = StartWithSystems();
    // Every list is vetted.
    Click(CheckBox(form, "InclusionsCheckBox"));
    for (const auto &[list, count] : {std::pair{&Exclude, 10}, std::pair{&Include, 4}})
        for (int n = 1; n <= count; ++n) {
            Pick(list(form, n), 41);
            EXPECT_EQ(list(form, n)->currentText(), QStringLiteral("0")) << list(form, n)->objectName().toStdString();
        }
    Pick(Exclude(form, 3), 40);
    EXPECT_EQ(Exclude(form, 3)->currentText(), QStringLiteral("40"));
    Click(Button(form, "CloseBitBtn"));
    EXPECT_EQ(Stored().exclusions[2], 40);
}

TEST_F(Systems, NumberTakenElsewhereEmptiesTheSlotBeingChanged)
{
    SetSystems(true, true, {0, 12, 0, 0}, {});
    TSystemsForm *form = StartWithSystems();
    // Picks in turn, each with what its list shows afterwards.
    const struct {
        QComboBox *(*list)(TSystemsForm *, int);
        int n;
        int number;
        const char *shown;
    } picks[] = {
        {Exclude, 1, 30, "30"}, {Exclude, 5, 30, "0"}, // in another exclusion slot
        {Exclude, 7, 12, "0"},                         // in an inclusion slot
        {Include, 3, 30, "0"},                         // in an exclusion slot
        {Include, 1, 30, "0"},                         // in the exclusion slot of the same place
        {Include, 1, 12, "0"},                         // in the next inclusion slot
        {Exclude, 1, 30, "30"},                        // the number the slot holds: nothing changes
    };
    for (const auto &p : picks) {
        Pick(p.list(form, p.n), p.number);
        EXPECT_EQ(p.list(form, p.n)->currentText(), QString::fromLatin1(p.shown))
            << p.list(form, p.n)->objectName().toStdString() << " picking " << p.number;
    }
    EXPECT_EQ(Include(form, 2)->currentText(), QStringLiteral("12"));
}

TEST_F(Systems, InclusionsOffFreesAStoredInclusionForTheExclusions)
{
    SetSystems(false, true, {12, 0, 0, 0}, {});
    TSystemsForm *form = StartWithSystems();
    EXPECT_EQ(Include(form, 1)->currentText(), QStringLiteral("0"));
    EXPECT_FALSE(Include(form, 1)->isEnabled());
    Pick(Exclude(form, 1), 12);
    EXPECT_EQ(Exclude(form, 1)->currentText(), QStringLiteral("12"));
}

TEST_F(Systems, SwitchingASystemOffEmptiesAndDisablesItsLists)
{
    SetSystems(false, true, {}, {5, 6, 7, 0, 0, 0, 0, 0, 0, 9});
    TSystemsForm *form = StartWithSystems();
    ASSERT_EQ(Exclude(form, 1)->currentText(), QStringLiteral("5"));
    // Off, then on again: the lists stay empty either way.
    QCheckBox *exclusions = CheckBox(form, "ExclusionsCheckBox");
    for (const bool on : {false, true}) {
        Click(exclusions);
        ASSERT_EQ(exclusions->isChecked(), on);
        for (int n = 1; n <= 10; ++n) {
            EXPECT_EQ(Exclude(form, n)->currentText(), QStringLiteral("0")) << n;
            EXPECT_EQ(Exclude(form, n)->isEnabled(), on) << n;
        }
        EXPECT_TRUE(Control<QFrame>(form, "ExclusionsPanel")->isEnabled());
    }
}

TEST_F(Systems, AcceptLeavesTheListOfASystemThatIsOffUntouchedAndWritesTheSwitches)
{
    SetSystems(true, true, {1, 2, 0, 0}, {5, 6, 0, 0, 0, 0, 0, 0, 0, 0});
    TSystemsForm *form = StartWithSystems();
    Click(CheckBox(form, "ExclusionsCheckBox")); // off
    Pick(Include(form, 3), 3);
    Click(CheckBox(form, "SumsCheckBox"));
    Click(Button(form, "CloseBitBtn"));
    EXPECT_FALSE(form->isVisible());
    TGameSettings stored = Stored();
    EXPECT_FALSE(stored.playExclude);
    EXPECT_TRUE(stored.playInclude);
    EXPECT_FALSE(stored.playSums);
    EXPECT_TRUE(stored.playstdev);
    EXPECT_EQ(List(stored.inclusions), (std::vector<int64_t>{1, 2, 3, 0}));
    EXPECT_EQ(List(stored.exclusions), (std::vector<int64_t>{5, 6, 0, 0, 0, 0, 0, 0, 0, 0}));

    // Both off: only the switches; the estimation switches on every Accept.
    OpenSystems();
    Click(CheckBox(form, "InclusionsCheckBox"));
    Click(CheckBox(form, "StDevCheckBox"));
    Click(Button(form, "CloseBitBtn"));
    stored = Stored();
    EXPECT_FALSE(stored.playInclude);
    EXPECT_FALSE(stored.playstdev);
    EXPECT_EQ(List(stored.inclusions), (std::vector<int64_t>{1, 2, 3, 0}));
}

TEST_F(Systems, MainWindowRedrawsWithTheNewSystemsRightAfterAccept)
{
    StartProgram();
    FillBoard(1, {1, 2, 3, 4});
    TSystemsForm *form = OpenSystems();
    Click(CheckBox(form, "ExclusionsCheckBox"));
    Click(CheckBox(form, "InclusionsCheckBox"));
    Pick(Exclude(form, 1), 7);
    Pick(Include(form, 1), 12);
    Click(Button(form, "CloseBitBtn"));
    for (int board : {1, 12}) {
        EXPECT_EQ(CellOf(board, 7), Cell::Excluded) << board;
        EXPECT_EQ(CellOf(board, 12), Cell::Marked) << board;
        EXPECT_EQ(CellOf(board, 2), Cell::Plain) << board;
    }
    EXPECT_EQ(Form()->Coupon().MarkCount(1), 1);

    // Accept without change still clears the marks; Cancel does not.
    PressNumber(3, 20);
    OpenSystems();
    Click(Button(form, "CancelBitBtn"));
    EXPECT_EQ(CellOf(3, 20), Cell::Marked);
    OpenSystems();
    Click(Button(form, "CloseBitBtn"));
    EXPECT_EQ(CellOf(3, 20), Cell::Plain);
    EXPECT_EQ(CellOf(3, 12), Cell::Marked);
}

TEST_F(Systems, CancelWritesNothingAndTheNextOpeningRefills)
{
    TSystemsForm *form = StartWithSystems();
    Click(CheckBox(form, "ExclusionsCheckBox"));
    Pick(Exclude(form, 2), 9);
    Click(CheckBox(form, "SumsCheckBox"));
    Click(Button(form, "CancelBitBtn"));
    EXPECT_FALSE(form->isVisible());
    const TGameSettings stored = Stored();
    EXPECT_FALSE(stored.playExclude);
    EXPECT_TRUE(stored.playSums);
    EXPECT_EQ(stored.exclusions[1], 0);
    OpenSystems();
    EXPECT_FALSE(CheckBox(form, "ExclusionsCheckBox")->isChecked());
    EXPECT_TRUE(CheckBox(form, "SumsCheckBox")->isChecked());
    EXPECT_EQ(Exclude(form, 2)->currentText(), QStringLiteral("0"));
}

#ifndef _WIN32
// A backup of the settings folder, made from the store as it is now with
// the exclusions system on and these exclusions; returns its drawvane
// folder.
std::filesystem::path BackupWithExclusions(const std::filesystem::path &storeFile, const std::filesystem::path &where,
                                           const std::array<uint8_t, 10> &exclusions)
{
    std::optional<regfile::TDocument> document = regfile::Parse(testsupport::ReadFile(storeFile));
    EXPECT_TRUE(document);
    if (!document)
        return {};
    document->SetDword(*document->FindSection("HKEY_CURRENT_USER\\Software\\drawvane"), "playExclude", 1);
    regfile::TSection *list = document->FindSection("HKEY_CURRENT_USER\\Software\\drawvane\\exclusions");
    for (size_t i = 0; i < exclusions.size(); ++i)
        document->SetDword(*list, std::to_string(i), exclusions[i]);
    testsupport::WriteFile(where / "drawvane" / "registry.reg", regfile::Serialize(*document));
    return where / "drawvane";
}

TEST_F(Systems, SettingsFolderRestoredTwiceWhileRunningShowsEachRestoreAndAcceptKeepsIt)
{
    StartProgram();
    namespace fs = std::filesystem;
    const fs::path folder = Home().storeFile().parent_path();
    const fs::path first = BackupWithExclusions(Home().storeFile(), Home().dir() / "backup1", {5, 17});
    const fs::path second = BackupWithExclusions(Home().storeFile(), Home().dir() / "backup2", {9, 30});

    // Each restore, with the numbers its exclusions hold and the ones they
    // no longer hold.
    const struct {
        fs::path backup;
        std::vector<int> excluded, plain;
    } restores[] = {{first, {5, 17}, {9}}, {second, {9, 30}, {5, 17}}};
    for (const auto &r : restores) {
        fs::remove_all(folder);
        fs::rename(r.backup, folder);
        Command("ClearAction")->trigger();
        for (int board : {1, 12}) {
            for (int n : r.excluded)
                EXPECT_EQ(CellOf(board, n), Cell::Excluded) << board << "/" << n;
            for (int n : r.plain)
                EXPECT_EQ(CellOf(board, n), Cell::Plain) << board << "/" << n;
        }
    }

    TSystemsForm *form = OpenSystems();
    EXPECT_TRUE(CheckBox(form, "ExclusionsCheckBox")->isChecked());
    EXPECT_EQ(Exclude(form, 1)->currentText(), QStringLiteral("9"));
    EXPECT_EQ(Exclude(form, 2)->currentText(), QStringLiteral("30"));
    Click(Button(form, "CloseBitBtn"));
    const TGameSettings stored = Stored();
    EXPECT_TRUE(stored.playExclude);
    EXPECT_EQ(List(stored.exclusions), (std::vector<int64_t>{9, 30, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(Systems, DamagedListThenANewStoreFromTheDefaultsOpensWithoutAReport)
{
    StartProgram();
    Store().SetValue("", "playExclude", 1);
    for (int n = 6; n <= 9; ++n)
        Store().RemoveValue("exclusions", std::to_string(n));
    TSystemsForm *form = nullptr;
    EXPECT_EQ(TextOfModalBox([&] { form = OpenSystems(); }), QStringLiteral("Failed to get data for '6'"));
    Click(Button(form, "CancelBitBtn"));

    // Another copy of the program writes a new store with its defaults.
    std::filesystem::remove_all(Home().storeFile().parent_path());
    ASSERT_TRUE(testsupport::InOtherProcess([] { return TRegOptions().InitDefaults(); }));
    EXPECT_EQ(TextOfModalBox([&] { OpenSystems(); }), QString());
    EXPECT_FALSE(CheckBox(form, "ExclusionsCheckBox")->isChecked());
    EXPECT_EQ(Exclude(form, 6)->currentText(), QStringLiteral("0"));
}
#endif

} // namespace
