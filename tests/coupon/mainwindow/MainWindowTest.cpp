#include "UiFixture.h"
#include "dialogs/forms/MessageUnit.h"
#include "settings/RegistryStore.h"
#include "settings/RegistryStoreForTests.h"

#include <QPainter>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolButton>

#include <fstream>

namespace {

using MainWindow = UiTest;

[[maybe_unused]] std::string ReadFileOr(const std::filesystem::path &path)
{
    return std::filesystem::is_regular_file(path) ? testsupport::ReadFile(path) : std::string("<none>");
}

TEST_F(MainWindow, FirstStartWritesDefaultsAndShowsTheEmptyCoupon)
{
    StartProgram();
    ASSERT_TRUE(Store().Exists());
    EXPECT_EQ(Form()->boards, 12);
    EXPECT_EQ(Form()->boardsize, 49);
    EXPECT_EQ(Form()->marks, 6);
    EXPECT_EQ(Form()->divisions, (std::array<uint8_t, 7>{1, 1, 1, 1, 1, 1, 1}));

    EXPECT_EQ(Form()->windowTitle(), QStringLiteral("Drawvane"));
    EXPECT_EQ(Form()->size(), QSize(773, 647));
    EXPECT_TRUE(Form()->isVisible());
    EXPECT_FALSE(ImagesForm->isVisible());
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Drawvane"));

    for (int b = 1; b <= 12; ++b)
        for (int n = 1; n <= 49; ++n)
            ASSERT_EQ(CellOf(b, n), Cell::Plain) << b << "/" << n;
    // The bands between boards are the coupon colour.
    EXPECT_EQ(Pixel(120, 50), 0xFFDEBED7);
    EXPECT_EQ(Pixel(50, 120), 0xFFDEBED7);
    EXPECT_EQ(Pixel(752, 240), 0xFF000000); // bottom right corner of board 12

    for (const char *name : {"p1", "s1", "p12", "s12", "WinDiv1Label", "TotalWinProbability", "Odds7Label",
                             "OddsTotalLabel", "Pay1Label", "PayTotalLabel"}) {
        auto *label = Control<QLabel>(Form(), name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_TRUE(label->text().isEmpty()) << name;
    }
    EXPECT_EQ(LabelText("MainStatusPanel"), QStringLiteral("Save All"));
}

TEST_F(MainWindow, ControlsAndCommandsCarryTheirNamesAndPlaces)
{
    StartProgram();
    const TPlaceOf places[] = {
        {"CoolBar1", {0, 0, 773, 86}},        {"ToolBar1", {9, 0, 756, 81}},
        {"PrefBitBtn", {0, 2, 81, 74}},       {"SystemsBitBtn", {81, 2, 81, 74}},
        {"ClearBitBtn", {162, 2, 81, 74}},    {"PrintBitBtn", {243, 2, 75, 74}},
        {"LuckBitBtn", {318, 2, 75, 74}},     {"CalculateBitBtn", {393, 2, 81, 74}},
        {"AboutBitBtn", {474, 2, 75, 74}},    {"Bevel1", {549, 2, 127, 74}},
        {"ExitBitBtn", {676, 2, 81, 74}},     {"GamePanel", {0, 87, 773, 259}},
        {"CouponImage", {8, 8, 753, 241}},    {"CoefficientsPanel", {0, 345, 773, 91}},
        {"StatsPanel", {0, 437, 773, 189}},   {"LogoImage", {560, 10, 162, 170}},
        {"MainStatusBar", {0, 625, 773, 22}},
    };
    ExpectPlaces(Form(), places);
    const struct {
        const char *button;
        const char *caption;
    } captions[] = {{"PrefBitBtn", "Options"}, {"SystemsBitBtn", "Systems"}, {"ClearBitBtn", "Clear"},
                    {"PrintBitBtn", "Print"},  {"LuckBitBtn", "Luck"},       {"CalculateBitBtn", "Help"},
                    {"AboutBitBtn", "About"},  {"ExitBitBtn", "Exit"}};
    for (const auto &c : captions)
        EXPECT_EQ(Control<QToolButton>(Form(), c.button)->text(), QString::fromLatin1(c.caption));
    for (const char *name : {"FormCloseAction", "ShowOptionsAction", "CalculateAction", "ClearAction", "SystemsAction",
                             "PrintAction", "LuckAction", "AboutAction", "HelpAction"}) {
        auto *action = Control<QAction>(Form(), name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->property("category").toString(), QStringLiteral("Form"));
    }
    EXPECT_EQ(Control<QAction>(Form(), "LuckAction")->statusTip(), QStringLiteral("Increas you winning chances"));
    for (int b = 1; b <= 12; ++b) {
        auto *p = Form()->findChild<QLabel *>(QStringLiteral("p%1").arg(b));
        auto *s = Form()->findChild<QLabel *>(QStringLiteral("s%1").arg(b));
        ASSERT_TRUE(p && s);
        EXPECT_EQ(p->x(), 10 + 128 * ((b - 1) % 6));
        EXPECT_EQ(p->y(), b <= 6 ? 5 : 50);
        EXPECT_EQ(s->y(), b <= 6 ? 25 : 70);
    }
    // The results panel's headings: text, place and weight.
    const struct {
        QString name;
        QString text;
        QPoint at;
        bool bold;
    } headings[] = {
        {"Label9", "Win Probability", {123, 5}, true}, {"OddsLabel", "Odds", {301, 5}, true},
        {"Label10", "Returns $", {411, 5}, true},      {"Label8", "Totals: ", {14, 164}, true},
        {"Label1", "Division 1", {14, 28}, false},     {"Label4", "Division 4", {14, 85}, false},
        {"Label7", "Division 7", {14, 142}, false},
    };
    for (const auto &h : headings) {
        auto *label = Form()->findChild<QLabel *>(h.name);
        ASSERT_NE(label, nullptr) << h.name.toStdString();
        EXPECT_EQ(label->text(), h.text);
        EXPECT_EQ(label->pos(), h.at) << h.name.toStdString();
        EXPECT_EQ(label->font().bold(), h.bold) << h.name.toStdString();
    }
    EXPECT_EQ(Control<QLabel>(Form(), "PayTotalLabel")->pos(), QPoint(406, 164));
    EXPECT_EQ(Control<QLabel>(Form(), "Odds3Label")->pos(), QPoint(282, 66));
}

TEST_F(MainWindow, PanelColoursAndFont)
{
    StartProgram();
    const auto colour = [&](const char *name) {
        return Control<QWidget>(Form(), name)->palette().color(QPalette::Window).rgb();
    };
    EXPECT_EQ(Form()->palette().color(QPalette::Window).rgb(), 0xFFA6CAF0);
    EXPECT_EQ(colour("CoolBar1"), 0xFFE8DEBA);
    EXPECT_EQ(colour("GamePanel"), 0xFFDC78D2);
    EXPECT_EQ(colour("StatsPanel"), 0xFFE8DEBA);
    EXPECT_EQ(colour("CoefficientsPanel"), 0xFFDEC2C2);
    EXPECT_EQ(Form()->font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(Form()->font().pixelSize(), 16);
    EXPECT_EQ(QFontInfo(Form()->font()).family().toStdString(), "Tahoma");
    const QFontInfo heading(Control<QLabel>(Form(), "Label9")->font());
    EXPECT_EQ(heading.family().toStdString(), "Tahoma");
    EXPECT_TRUE(heading.bold());
    EXPECT_EQ(heading.pixelSize(), 16);
    // The grab shows the coupon where it stands.
    const QImage grab = Form()->grab().toImage();
    EXPECT_EQ(grab.pixelColor(8 + 120, 87 + 8 + 50).rgb(), 0xFFDEBED7);
    EXPECT_EQ(grab.pixelColor(3, 87 + 3).rgb(), 0xFFDC78D2);
}

TEST_F(MainWindow, HintsGoToTheStatusBarAndNoToolTips)
{
    StartProgram();
    // Offscreen, moving the cursor delivers the enter and leave events.
    const auto hover = [&](QWidget *w) {
        QCursor::setPos(w->mapToGlobal(w->rect().center()));
        QCoreApplication::processEvents();
        return LabelText("MainStatusPanel");
    };
    EXPECT_EQ(hover(Control(Form(), "AboutBitBtn")), QStringLiteral("A note about the author and his other programs"));
    EXPECT_EQ(hover(Control(Form(), "CalculateBitBtn")), QStringLiteral("Program usage and explanation"));
    EXPECT_EQ(hover(Control(Form(), "PrefBitBtn")), QStringLiteral("Show Program options"));
    EXPECT_EQ(hover(Control(Form(), "ExitBitBtn")), QStringLiteral("Close window and Exit program"));
    EXPECT_EQ(hover(CouponPicture()), QString());

    for (QWidget *w : Form()->findChildren<QWidget *>())
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
}

TEST_F(MainWindow, ClearRedrawsFromScratchAndKeepsInclusions)
{
    WriteStore([](TRegOptions &store) {
        store.SetPlayInclude(true);
        const uint8_t inclusions[4] = {3, 40, 0, 0};
        store.SetInclusions(inclusions);
        store.SetBoardSize(38);
        store.SetBoards(5);
    });
    StartProgram();
    for (int b = 1; b <= 5; ++b) {
        EXPECT_EQ(CellOf(b, 3), Cell::Marked);
        EXPECT_EQ(Form()->Coupon().MarkCount(b), 1);
    }
    EXPECT_EQ(Form()->Coupon().MarkCount(6), 0);
    EXPECT_FALSE(Form()->Coupon().Marked(1, 40));
    EXPECT_EQ(Pixel(CellOrigin(1, 39).x + 8, CellOrigin(1, 39).y + 8), 0xFFDEBED7); // past the board size
    EXPECT_EQ(Pixel(CellOrigin(6, 1).x + 8, CellOrigin(6, 1).y + 8), 0xFFDEBED7);   // past the boards

    PressNumber(2, 3);
    PressNumber(2, 10);
    PressNumber(1, 11);
    EXPECT_EQ(CellOf(2, 3), Cell::Plain);
    EXPECT_EQ(CellOf(1, 11), Cell::Marked);
    Control<QToolButton>(Form(), "ClearBitBtn")->click();
    EXPECT_EQ(CellOf(2, 3), Cell::Marked);
    EXPECT_EQ(CellOf(2, 10), Cell::Plain);
    EXPECT_EQ(CellOf(1, 11), Cell::Plain);
    EXPECT_EQ(Form()->Coupon().MarkCount(1), 1);
    EXPECT_EQ(Form()->Coupon().MarkCount(2), 1);
}

TEST_F(MainWindow, SystemsMessageRedrawsWithTheStoredSystems)
{
    StartProgram();
    PressNumber(1, 1);
    SetSystems(true, true, {17, 12, 0, 0}, {5, 17, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(SendFormMessage(Form(), WM_SYSTEMSCHANGED), 1);
    EXPECT_EQ(Form()->excludedCount, 2);
    for (int b = 1; b <= 12; ++b) {
        EXPECT_EQ(CellOf(b, 5), Cell::Excluded);
        EXPECT_EQ(CellOf(b, 17), Cell::Excluded); // excluded wins over included
        EXPECT_EQ(CellOf(b, 12), Cell::Marked);
        EXPECT_EQ(CellOf(b, 1), Cell::Plain);
        EXPECT_EQ(Form()->Coupon().MarkCount(b), 1);
    }
    // Excluded numbers do not take marks.
    PressNumber(1, 5);
    EXPECT_FALSE(Form()->Coupon().Marked(1, 5));
    EXPECT_EQ(CellOf(1, 5), Cell::Excluded);
}

TEST_F(MainWindow, SettingsMessageReloadsTheShape)
{
    StartProgram();
    PressNumber(1, 1);
    WriteStore([](TRegOptions &store) {
        store.SetBoards(7);
        store.SetBoardSize(45);
        store.SetMarks(5);
    });
    EXPECT_EQ(SendFormMessage(Form(), WM_SETTINGSCHANGED), 1);
    EXPECT_EQ(Form()->boards, 7);
    EXPECT_EQ(Form()->boardsize, 45);
    EXPECT_EQ(Form()->marks, 5);
    EXPECT_FALSE(Form()->Coupon().Marked(1, 1));
    EXPECT_EQ(CellOf(7, 45), Cell::Plain); // board 7 at the left of the bottom row
    EXPECT_EQ(CellOf(7, 43), Cell::Plain);
    EXPECT_EQ(Pixel(CellOrigin(7, 46).x + 8, CellOrigin(7, 46).y + 8), 0xFFDEBED7);
    EXPECT_EQ(Pixel(CellOrigin(8, 1).x + 8, CellOrigin(8, 1).y + 8), 0xFFDEBED7);
}

#ifndef _WIN32
// Each operation reads the store's file once, however many settings and
// cells it asks about; a click the rules ignore before the exclusions read
// it not at all. One that changes the kept coupon writes it, which reads
// the file once more under the writer's lock.
TEST_F(MainWindow, RedrawsClicksAndMessagesReadTheStoreOnceEach)
{
    SetSystems(true, true, {1, 13, 26, 49}, {2, 5, 11, 17, 23, 29, 31, 37, 41, 47});
    StartProgram();
    const auto readsDuring = [](const std::function<void()> &operation) {
        const uint64_t before = regstore::fortests::FileReads();
        operation();
        return regstore::fortests::FileReads() - before;
    };
    EXPECT_EQ(readsDuring([&] { Control<QToolButton>(Form(), "ClearBitBtn")->click(); }), 3u)
        << "the included numbers kept: the coupon's key made, then its values written";
    EXPECT_EQ(readsDuring([&] { Control<QToolButton>(Form(), "ClearBitBtn")->click(); }), 1u);
    // Board 1 holds the four included numbers.
    EXPECT_EQ(readsDuring([&] { PressNumber(1, 3); }), 1u);
    EXPECT_EQ(readsDuring([&] { Press(120, 50); }), 0u); // the band right of board 1
    EXPECT_EQ(readsDuring([&] { PressNumber(1, 4); }), 2u) << "the click that fills board 1";
    EXPECT_FALSE(LabelText("p1").isEmpty());
    EXPECT_FALSE(LabelText("PayTotalLabel").isEmpty());
    EXPECT_EQ(readsDuring([&] { PressNumber(1, 6); }), 0u) << "a full board takes no new mark";
    EXPECT_EQ(readsDuring([&] { PressNumber(1, 4); }), 2u) << "the click that breaks it";
    EXPECT_EQ(readsDuring([&] { SendFormMessage(Form(), WM_SYSTEMSCHANGED); }), 2u) << "board 1's 3 dropped";
    EXPECT_EQ(readsDuring([&] { SendFormMessage(Form(), WM_SETTINGSCHANGED); }), 1u);
}
#endif

TEST_F(MainWindow, OutOfRangeStoredShapeIsClamped)
{
    WriteStore([](TRegOptions &store) {
        store.SetBoards(200);
        store.SetBoardSize(0);
        store.SetMarks(9);
    });
    StartProgram();
    EXPECT_EQ(Form()->boards, 12);
    EXPECT_EQ(Form()->boardsize, 36);
    EXPECT_EQ(Form()->marks, 6);
    EXPECT_EQ(CellOf(12, 36), Cell::Plain);
    EXPECT_EQ(Pixel(CellOrigin(12, 37).x + 8, CellOrigin(12, 37).y + 8), 0xFFDEBED7);
    for (int n = 1; n <= 7; ++n)
        PressNumber(12, n);
    EXPECT_EQ(Form()->Coupon().MarkCount(12), 6);
    EXPECT_FALSE(Form()->Coupon().Marked(12, 7));
}

TEST_F(MainWindow, StoreFailureReachesTheErrorReportAndTheLoopGoesOn)
{
    StartProgram();
    PressNumber(2, 5);
    // The exclusion list lost its elements from "1" on.
    for (int n = 1; n <= 9; ++n)
        Store().RemoveValue("exclusions", std::to_string(n));
    Store().SetValue("", "playExclude", 1);

    const QString report = TextOfModalBox([&] { Control<QToolButton>(Form(), "ClearBitBtn")->click(); });
    // The quote sorts before the point, so no full stop is added.
    EXPECT_EQ(report.toStdString(), "Failed to get data for '1'");
    EXPECT_TRUE(Form()->isVisible());
    // The coupon was still redrawn whole, plain, with no marks left.
    EXPECT_EQ(CellOf(2, 5), Cell::Plain);
    EXPECT_EQ(CellOf(12, 49), Cell::Plain);
    EXPECT_EQ(Form()->Coupon().MarkCount(2), 0);

    WriteStore([](TRegOptions &store) { store.SetPlayExclude(false); });
    EXPECT_EQ(TextOfModalBox([&] { Control<QToolButton>(Form(), "ClearBitBtn")->click(); }), QString());
}

#ifndef _WIN32
// The file store's own failures: a settings folder that cannot be made, a
// file that is not a registry file.
TEST_F(MainWindow, StoreThatCannotBeWrittenStartsCompleteReportsOnceAndStaysUsable)
{
    // XDG_CONFIG_HOME names a file: nothing can be read or written.
    const auto blocker = Home().dir() / "blocked";
    std::ofstream(blocker) << "not a folder";
    qputenv("XDG_CONFIG_HOME", QByteArray(blocker.c_str()));

    const QStringList reports = TextsOfModalBoxes([&] { StartProgram(); });
    EXPECT_EQ(reports, QStringList{QStringLiteral("Failed to set data for 'boards'")});
    // The defaults serve.
    EXPECT_EQ(Form()->boards, 12);
    EXPECT_EQ(Form()->boardsize, 49);
    EXPECT_EQ(Form()->divisions, (std::array<uint8_t, 7>{1, 1, 1, 1, 1, 1, 1}));
    ExpectFinishedWindow(12, 49);

    // Marking a board full reads the store many times and says nothing of
    // it; that the coupon cannot be kept is told once.
    EXPECT_EQ(
        TextsOfModalBoxes([&] {
            for (int n = 1; n <= 6; ++n)
                PressNumber(4, n);
            PressNumber(4, 6);
            PressNumber(4, 6);
        }),
        QStringList{QStringLiteral("The coupon could not be kept for the next start (Failed to set data for '1.1')")});
    EXPECT_EQ(LabelText("TotalWinProbability"), QStringLiteral("0.018638"));
    EXPECT_FALSE(LabelText("p4").isEmpty());
    EXPECT_EQ(ReadFileOr(blocker), "not a folder");
}

#endif

TEST_F(MainWindow, DamagedStoreAtStartUpIsReportedOnceAndTheWindowStillFinishes)
{
    WriteStore([](TRegOptions &store) { store.SetBoardSize(40); });
    // boards 300, which no byte item can hold.
    Store().SetValue("", "boards", 300);

    const QStringList reports = TextsOfModalBoxes([&] { StartProgram(); });
    EXPECT_EQ(reports, QStringList{QStringLiteral("Range check error.")});
    EXPECT_EQ(Form()->boards, 12);
    EXPECT_EQ(Form()->boardsize, 40);
    ExpectFinishedWindow(12, 40);
}

// The ink of text drawn black on white in font: the sum of darkness over
// its pixels.
double InkOf(const QFont &font, const QString &text)
{
    QImage image(400, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(4, 28), text);
    }
    double ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += 255 - qGray(image.pixel(x, y));
    return ink;
}

TEST_F(MainWindow, BoldLabelsCarryClearlyMoreInkThanRegularOnes)
{
    StartProgram();
    for (const char *name : {"Label9", "OddsLabel", "Label10", "Label8"}) {
        auto *label = Control<QLabel>(Form(), name);
        ASSERT_NE(label, nullptr) << name;
        ASSERT_TRUE(label->font().bold()) << name;
        QFont regular = label->font();
        regular.setBold(false);
        const QString text = QStringLiteral("Win Probability Totals: 0.123456");
        const double ratio = InkOf(label->font(), text) / InkOf(regular, text);
        EXPECT_GE(ratio, 1.15) << name;
    }
}

TEST_F(MainWindow, CommandsBringMinimisedWindowsBack)
{
    StartProgram();
    Command("ShowOptionsAction")->trigger();
    PreferencesForm->showMinimized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(PreferencesForm->isMinimized());
    Command("ShowOptionsAction")->trigger();
    EXPECT_FALSE(PreferencesForm->isMinimized());
    EXPECT_TRUE(PreferencesForm->isVisible());

    Command("PrintAction")->trigger();
    MessageForm->showMinimized();
    QCoreApplication::processEvents();
    Command("PrintAction")->trigger();
    EXPECT_FALSE(MessageForm->isMinimized());
    EXPECT_TRUE(MessageForm->isVisible());
}

// The main window knows no other window: made on its own, its commands that
// open one only ask for it. The program connects the requests.
TEST_F(MainWindow, AloneItsCommandsOnlyAskForTheOtherWindows)
{
    const QImage atlas = atlas::BuildGridAtlas();
    TTombolixForm alone(atlas);
    const std::pair<const char *, void (TTombolixForm::*)()> commands[] = {
        {"ShowOptionsAction", &TTombolixForm::optionsRequested}, {"SystemsAction", &TTombolixForm::systemsRequested},
        {"LuckAction", &TTombolixForm::luckRequested},           {"AboutAction", &TTombolixForm::aboutRequested},
        {"HelpAction", &TTombolixForm::helpRequested},
    };
    for (const auto &[action, request] : commands) {
        QSignalSpy asked(&alone, request);
        Control<QAction>(&alone, action)->trigger();
        EXPECT_EQ(asked.count(), 1) << action;
    }
    QSignalSpy message(&alone, &TTombolixForm::messageRequested);
    Control<QAction>(&alone, "PrintAction")->trigger();
    ASSERT_EQ(message.count(), 1);
    EXPECT_EQ(message.at(0).at(0).toString(), QStringLiteral("Please fill at least one of the boards"));
    EXPECT_EQ(PreferencesForm, nullptr);
    EXPECT_EQ(MessageForm, nullptr);
}

#ifndef _WIN32
TEST_F(MainWindow, UnreadableSettingsFileIsKeptAsideAndReportedOnce)
{
    std::filesystem::create_directories(Home().storeFile().parent_path());
    std::ofstream(Home().storeFile()) << "\x01\x02 not a registry file";
    const QString report = TextOfModalBox([&] {
        StartProgram();
        QCoreApplication::processEvents();
    });
    EXPECT_TRUE(report.startsWith(QStringLiteral("The settings file could not be read and was kept as ")))
        << report.toStdString();
    EXPECT_TRUE(report.endsWith(QStringLiteral(". The default settings are in use."))) << report.toStdString();
    EXPECT_TRUE(report.contains(QString::fromStdString(Home().storeFile().string()) + QStringLiteral(".bad-")));
    EXPECT_EQ(Form()->boards, 12);
    EXPECT_EQ(CellOf(12, 49), Cell::Plain);
    // Once only: a redraw says nothing more.
    EXPECT_EQ(TextOfModalBox([&] { Command("ClearAction")->trigger(); }), QString());
}

#endif

} // namespace
