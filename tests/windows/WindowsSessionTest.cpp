// The installed Windows program as a player meets it: drawvane.exe on Qt's
// windows platform under Wine, in a real X session (Xvfb and openbox, as
// tests/desktop starts them), driven through the X server with xdotool and
// read back with xprop, xwininfo and screenshots. Run by make windows after
// the installer has put the program in a Wine prefix:
//   DRAWVANE_WINDOWS_EXE   the installed drawvane.exe (a Unix path)
//   WINEPREFIX             the prefix it is installed in
//   DRAWVANE_CUPS_SANDBOX  tests/coupon/mainwindow/cups-sandbox, for the printing case

#include "DesktopSession.h"
#include "dialogs/rules/DonationAddress.h"
#include "dialogs/rules/InfoTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>

namespace {

QString Wine(const QStringList &arguments)
{
    return x11::Run(QStringLiteral("wine"), arguments);
}

// The registry key of the program's settings, through Wine's reg.
const QString kKey = QStringLiteral("HKCU\\Software\\drawvane");

void SetValue(const QString &subkey, const QString &name, const QString &type, const QString &data)
{
    Wine({QStringLiteral("reg"), QStringLiteral("add"), subkey.isEmpty() ? kKey : kKey + QLatin1Char('\\') + subkey,
          QStringLiteral("/v"), name, QStringLiteral("/t"), type, QStringLiteral("/d"), data, QStringLiteral("/f")});
}

// The visible windows titled exactly so.
QList<unsigned long> WindowsTitled(const QString &title)
{
    QList<unsigned long> found;
    const QString out = x11::Run(QStringLiteral("xdotool"),
                                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                  QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$')});
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        found.append(line.trimmed().toULong());
    return found;
}

constexpr unsigned kTitle = 0x08;
constexpr unsigned kMenu = 0x10;
constexpr unsigned kMinimise = 0x20;
constexpr unsigned kMaximise = 0x40;

// The installed program, started afresh for each test in the test's own
// settings, and stopped with everything Wine runs.
class WindowsSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        FExe = qEnvironmentVariable("DRAWVANE_WINDOWS_EXE");
        if (FExe.isEmpty() || !QFile::exists(FExe))
            GTEST_SKIP() << "DRAWVANE_WINDOWS_EXE names no installed drawvane.exe (make windows runs this)";
        Wine({QStringLiteral("reg"), QStringLiteral("delete"), kKey, QStringLiteral("/f")});
    }

    void TearDown() override
    {
        x11::Run(QStringLiteral("wineserver"), {QStringLiteral("-k")});
        x11::WaitFor([] { return false; }, 500);
    }

    // Starts the program and waits for its main window.
    unsigned long Start(const QStringList &environment = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &assignment : environment)
            env.insert(assignment.section(QLatin1Char('='), 0, 0), assignment.section(QLatin1Char('='), 1));
        FProgram.setProcessEnvironment(env);
        FProgram.setWorkingDirectory(QFileInfo(FExe).absolutePath());
        FProgram.start(QStringLiteral("wine"), {FExe});
        unsigned long main = 0;
        x11::WaitFor(
            [&] {
                const auto found = WindowsTitled(QStringLiteral("Drawvane"));
                main = found.isEmpty() ? 0 : found.first();
                return main != 0;
            },
            30000);
        // Drawn and placed before anything is clicked.
        x11::WaitFor([] { return false; }, 1500);
        FMain = main;
        return main;
    }

    // A real click at a point of a window's client area.
    void ClickIn(unsigned long window, QPoint at)
    {
        x11::Click(x11::Geometry(window).topLeft() + at);
        x11::WaitFor([] { return false; }, 400);
    }

    // The toolbar button of a command: the band starts 9 pixels in, the
    // buttons 2 pixels down, 74 high.
    void Command(int left, int width) { ClickIn(FMain, QPoint(9 + left + width / 2, 2 + 37)); }
    void Options() { Command(0, 81); }
    void Systems() { Command(81, 81); }
    void Print() { Command(243, 75); }
    void Luck() { Command(318, 75); }
    void Help() { Command(393, 81); }
    void About() { Command(474, 75); }

    // Clicks number n of board 1 (in the first column: numbers 1 to 7).
    void ClickNumber(int n) { ClickIn(FMain, QPoint(8 + 8 + 16 * ((n - 1) / 7), 87 + 8 + 8 + 16 * ((n - 1) % 7))); }

    unsigned long WaitFor(const QString &title)
    {
        unsigned long window = 0;
        x11::WaitFor(
            [&] {
                const auto found = WindowsTitled(title);
                window = found.isEmpty() ? 0 : found.last();
                return window != 0 && !x11::Minimised(window);
            },
            10000);
        return window;
    }

    // The general error reports that are open: windows titled "Drawvane"
    // besides the main window.
    QList<unsigned long> Reports()
    {
        QList<unsigned long> reports = WindowsTitled(QStringLiteral("Drawvane"));
        reports.removeAll(FMain);
        return reports;
    }

    // The report's OK button, at the bottom right of the box.
    void ClickOk(unsigned long report)
    {
        const QRect box = x11::Geometry(report);
        ClickIn(report, QPoint(box.width() - 11 - 37, box.height() - 11 - 11));
    }

    unsigned long FMain = 0;

private:
    QString FExe;
    QProcess FProgram;
};

TEST_F(WindowsSession, SevenTitlesTheirTitleBarButtonsAndTheDialogsAboveTheMainWindow)
{
    const unsigned long main = Start();
    ASSERT_NE(main, 0u);
    // In an order in which no dialog covers the next command's button.
    Options();
    Systems();
    Luck();
    About();
    Print();
    Help();
    const char *dialogs[] = {"Drawvane Preferences", "Drawvane Systems", "Drawvane Luck",
                             "Drawvane About",       "Drawvane Message", "Drawvane Help"};
    EXPECT_EQ(x11::Title(main), QStringLiteral("Drawvane"));
    // The title-bar buttons that Wine asks the window manager for.
    const unsigned mainButtons = x11::MotifDecorations(main);
    EXPECT_TRUE(mainButtons & kMenu) << "the main window has its system menu";
    EXPECT_TRUE(mainButtons & kMinimise);
    EXPECT_FALSE(mainButtons & kMaximise);
    const QList<unsigned long> stack = x11::Stacking();
    for (const char *title : dialogs) {
        const unsigned long dialog = WaitFor(QString::fromLatin1(title));
        ASSERT_NE(dialog, 0u) << title;
        EXPECT_EQ(x11::Title(dialog), QString::fromLatin1(title));
        const unsigned buttons = x11::MotifDecorations(dialog);
        EXPECT_TRUE(buttons & kTitle) << title;
        EXPECT_FALSE(buttons & (kMenu | kMinimise | kMaximise)) << title << ": title-bar buttons";
        EXPECT_GT(stack.indexOf(dialog), stack.indexOf(main)) << title << " is beneath the main window";
    }
}

TEST_F(WindowsSession, ErrorReportStandsAboveTheDialogsAndARealClickDismissesIt)
{
    SetValue({}, QStringLiteral("playExclude"), QStringLiteral("REG_DWORD"), QStringLiteral("1"));
    const unsigned long main = Start();
    ASSERT_NE(main, 0u);
    Options();
    ASSERT_NE(WaitFor(QStringLiteral("Drawvane Preferences")), 0u);
    // The exclusion list, damaged while the program runs.
    SetValue(QStringLiteral("exclusions"), QStringLiteral("0"), QStringLiteral("REG_SZ"), QStringLiteral("five"));
    Systems();
    ASSERT_TRUE(x11::WaitFor([&] { return Reports().size() == 1; }, 10000));
    const unsigned long report = Reports().first();
    x11::WaitFor([&] { return x11::Stacking().last() == report; }, 3000);
    EXPECT_EQ(x11::Stacking().last(), report) << "the report opened beneath another window";
    ClickOk(report);
    EXPECT_TRUE(x11::WaitFor([&] { return Reports().isEmpty(); }, 5000)) << "the report could not be clicked away";
    // The program goes on: a click marks a number, drawn in the atlas's
    // green cross.
    ClickNumber(1);
    const QImage shot = x11::Screen(main);
    int cross = 0;
    for (int y = 87 + 8; y < 87 + 8 + 16; ++y)
        for (int x = 8; x < 8 + 16; ++x)
            cross += qGreen(shot.pixel(x, y)) > 0x50 && qRed(shot.pixel(x, y)) < 0x60 && qBlue(shot.pixel(x, y)) < 0x60;
    EXPECT_GT(cross, 10) << "number 1 of board 1 was not marked";
}

TEST_F(WindowsSession, OptionsAndPrintBringTheMinimisedDialogAndMessageBoxBack)
{
    ASSERT_NE(Start(), 0u);
    // The command's window minimised, then the command given again.
    const auto reopened = [&](const std::function<void()> &command, const char *title) {
        command();
        const unsigned long window = WaitFor(QString::fromLatin1(title));
        EXPECT_NE(window, 0u) << title;
        if (!window)
            return window;
        x11::Minimise(window);
        EXPECT_TRUE(x11::WaitFor([&] { return x11::Minimised(window); })) << title;
        command();
        EXPECT_TRUE(x11::WaitFor([&] { return x11::Viewable(window) && !x11::Minimised(window); }))
            << title << " stayed minimised";
        return window;
    };
    ClickIn(reopened([&] { Options(); }, "Drawvane Preferences"), QPoint(535 + 53, 232 + 25)); // Cancel
    reopened([&] { Print(); }, "Drawvane Message"); // nothing filled: the message box answers
}

TEST_F(WindowsSession, DamagedStoreIsReportedOnceAndTheWindowIsComplete)
{
    // A first start writes the defaults; then a value is damaged.
    ASSERT_NE(Start(), 0u);
    x11::Run(QStringLiteral("wineserver"), {QStringLiteral("-k")});
    SetValue({}, QStringLiteral("boards"), QStringLiteral("REG_SZ"), QStringLiteral("twelve"));
    const unsigned long main = Start();
    ASSERT_NE(main, 0u);
    ASSERT_TRUE(x11::WaitFor([&] { return Reports().size() == 1; }, 10000));
    ClickOk(Reports().first());
    ASSERT_TRUE(x11::WaitFor([&] { return Reports().isEmpty(); }, 5000));
    x11::WaitFor([] { return false; }, 1500);
    EXPECT_TRUE(Reports().isEmpty()) << "reported again";
    const QImage shot = x11::Screen(main);
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.pixel(3, 92) | 0xFF000000u, 0xFFDC78D2u);  // GamePanel
    EXPECT_EQ(shot.pixel(3, 440) | 0xFF000000u, 0xFFE8DEBAu); // StatsPanel
    EXPECT_EQ(shot.pixel(3, 350) | 0xFF000000u, 0xFFDEC2C2u); // CoefficientsPanel
    EXPECT_EQ(shot.pixel(8 + 120, 87 + 8 + 50) | 0xFF000000u, 0xFFDEBED7u);
}

// Each "0" of a figure is as heavy on its left as on its right: a glyph cut
// of its leftmost column reads as a reversed "C".
TEST_F(WindowsSession, TextIsWhole)
{
    const unsigned long main = Start();
    ASSERT_NE(main, 0u);
    for (int n = 1; n <= 6; ++n)
        ClickNumber(n);
    x11::WaitFor([] { return false; }, 800);
    const QImage shot = x11::Screen(main);
    ASSERT_FALSE(shot.isNull());
    // WinDiv1Label, "0.00000007", at (137, 28) of the panel at (0, 437).
    const QRect label(137, 437 + 28, 90, 19);
    const auto ink = [&](int x, int y) { return qGray(shot.pixel(x, y)) < 128; };
    QList<QPair<int, int>> glyphs; // runs of columns with ink
    int start = -1;
    for (int x = label.left(); x <= label.right() + 1; ++x) {
        bool any = false;
        for (int y = label.top(); y <= label.bottom() && x <= label.right(); ++y)
            any = any || ink(x, y);
        if (any && start < 0)
            start = x;
        if (!any && start >= 0) {
            glyphs.append({start, x});
            start = -1;
        }
    }
    ASSERT_EQ(glyphs.size(), 10) << "0.00000007 in ten glyphs";
    for (int g : {0, 2, 3, 4, 5, 6, 7, 8}) {
        const auto [from, to] = glyphs[g];
        const int middle = (from + to) / 2;
        int left = 0;
        int right = 0;
        for (int y = label.top(); y <= label.bottom(); ++y)
            for (int x = from; x < to; ++x)
                (x < middle ? left : right) += ink(x, y) ? 1 : 0;
        EXPECT_GE(left * 10, right * 6) << "glyph " << g << " of 0.00000007 lost its left side";
        EXPECT_GE(right * 10, left * 6) << "glyph " << g << " of 0.00000007 lost its right side";
    }
}

TEST_F(WindowsSession, TwoFullBoardsPrintAsOneTitledJobThroughCups)
{
    const QString sandbox = qEnvironmentVariable("DRAWVANE_CUPS_SANDBOX");
    QTemporaryDir dir;
    ASSERT_TRUE(QProcess::execute(QStringLiteral("bash"), {sandbox, QStringLiteral("start"), dir.path()}) == 0)
        << "no private CUPS scheduler";
    const QString server = dir.path() + QStringLiteral("/cups.sock");
    const unsigned long main = Start({QStringLiteral("CUPS_SERVER=") + server});
    ASSERT_NE(main, 0u);
    for (int n = 1; n <= 6; ++n)
        ClickNumber(n);
    // Board 2: numbers 1 to 6 of its first column.
    for (int n = 1; n <= 6; ++n)
        ClickIn(main, QPoint(128 + 8 + 8, 87 + 8 + 8 + 16 * (n - 1)));
    Print();
    EXPECT_NE(WaitFor(QStringLiteral("Drawvane Message")), 0u);
    const QString pdf = dir.path() + QStringLiteral("/out/job.pdf");
    x11::WaitFor([&] { return QFile(pdf).size() > 0; }, 30000);
    x11::WaitFor([] { return false; }, 1000);
    const QString info = x11::Run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+The Winning Numbers"))))
        << info.toStdString();
    const QString text =
        x11::Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("Here are your lucky number guessess"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Board: 1 Numbers: 1 2 3 4 5 6"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Board: 2 Numbers: 1 2 3 4 5 6"))) << text.toStdString();
    QProcess::execute(QStringLiteral("bash"), {sandbox, QStringLiteral("stop"), dir.path()});
}

TEST_F(WindowsSession, DonateAndTheWebSitesHandTheBrowserTheirAddresses)
{
    // Wine's browser: a script of ours that writes down what it is given.
    QTemporaryDir dir;
    const QString log = dir.path() + QStringLiteral("/opened.txt");
    const QString browser = dir.path() + QStringLiteral("/browser");
    QFile script(browser);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\n").arg(log).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    Wine({QStringLiteral("reg"), QStringLiteral("add"), QStringLiteral("HKCU\\Software\\Wine\\WineBrowser"),
          QStringLiteral("/v"), QStringLiteral("Browsers"), QStringLiteral("/t"), QStringLiteral("REG_SZ"),
          QStringLiteral("/d"), browser, QStringLiteral("/f")});

    ASSERT_NE(Start(), 0u);
    Luck();
    const unsigned long luck = WaitFor(QStringLiteral("Drawvane Luck"));
    ASSERT_NE(luck, 0u);
    ClickIn(luck, QPoint(155 + 53, 280 + 28)); // Donate
    About();
    const unsigned long about = WaitFor(QStringLiteral("Drawvane About"));
    ASSERT_NE(about, 0u);
    ClickIn(about, QPoint(5 + 113, 415 + 28));   // Visit Drawvane's Website
    ClickIn(about, QPoint(245 + 113, 415 + 28)); // Visit Veilmark's Website
    QStringList opened;
    x11::WaitFor(
        [&] {
            QFile file(log);
            opened = file.open(QIODevice::ReadOnly)
                ? QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                : QStringList();
            return opened.size() >= 3;
        },
        15000);
    const auto u16 = [](std::u16string_view text) {
        return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    };
    EXPECT_EQ(opened,
              (QStringList{QString::fromStdString(donation::PaymentAddress(donation::kDefaultAmount)),
                           u16(infotexts::kDrawvaneSite), u16(infotexts::kVeilmarkSite)}));
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TDesktopSession session;
    if (!session.Start()) {
        std::fprintf(stderr, "windows session tests: %s\n", qPrintable(session.Error()));
        return 1;
    }
    qputenv("WINEDEBUG", "-all");
    // The tests' own application needs no display of its own.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 1;
    {
        QGuiApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    x11::Run(QStringLiteral("wineserver"), {QStringLiteral("-k")});
    session.Stop();
    return result;
}
