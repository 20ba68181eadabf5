// The program in a real X session under a window manager: what only the
// window manager shows (titles, minimised windows, stacking) and real clicks
// that reach the program through the X server.

#include "DesktopFixture.h"
#include "app/Application.h"
#include "coupon/CouponImage.h"
#include "coupon/CouponState.h"
#include "coupon/Tombolix.h"
#include "dialogs/AboutUnit.h"
#include "dialogs/HelpUnit.h"
#include "dialogs/LuckUnit.h"
#include "dialogs/MessageUnit.h"
#include "dialogs/PreferencesUnit.h"
#include "dialogs/SystemsUnit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>

namespace {

// Watches for the general error report while a test runs: notes each one
// and what the window manager makes of it, then dismisses it with a real
// click on its OK button.
class TReportWatch {
public:
    TReportWatch()
    {
        FTimer.setInterval(50);
        QObject::connect(&FTimer, &QTimer::timeout, [this] { Look(); });
        FTimer.start();
    }

    struct TSeen {
        QString text;
        QString title;
        bool onTop = false;       // above every other window of the program
        bool clickedAway = false; // a real click on OK dismissed it
    };
    QList<TSeen> seen;

private:
    void Look()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || FBusy)
            return;
        FBusy = true;
        if (x11::WaitFor([&] { return x11::Viewable(Id(box)); })) {
            TSeen report{box->text(), x11::Title(Id(box)), false, false};
            // The window manager needs a moment to restack a new window.
            x11::WaitFor([&] { return !x11::Stacking().isEmpty() && x11::Stacking().last() == Id(box); }, 2000);
            const QList<unsigned long> stack = x11::Stacking();
            report.onTop = !stack.isEmpty() && stack.last() == Id(box);
            x11::Click(CentreOf(box->button(QMessageBox::Ok)));
            report.clickedAway = x11::WaitFor([&] { return QApplication::activeModalWidget() != box; }, 2000);
            // A box the click did not reach is closed here, so that the
            // test goes on to report it.
            if (!report.clickedAway)
                box->button(QMessageBox::Ok)->click();
            seen.append(report);
        }
        FBusy = false;
    }

    QTimer FTimer;
    bool FBusy = false;
};

TEST_F(Desktop, EveryWindowReachesTheWindowManagerWithExactlyItsCaption)
{
    StartProgram();
    TTombolixForm *form = TombolixForm;
    // The open windows cover the toolbar, so the commands are given here
    // without the mouse.
    for (QAction *command : {form->ShowOptionsAction, form->SystemsAction, form->LuckAction, form->AboutAction,
                             form->HelpAction, form->PrintAction})
        command->trigger();

    const struct {
        QWidget *window;
        const char *caption;
    } windows[] = {
        {TombolixForm, "Drawvane"},        {PreferencesForm, "Drawvane Preferences"},
        {SystemsForm, "Drawvane Systems"}, {LuckForm, "Drawvane Luck"},
        {AboutForm, "Drawvane About"},     {HelpForm, "Drawvane Help"},
        {MessageForm, "Drawvane Message"},
    };
    for (const auto &w : windows)
        ASSERT_TRUE(x11::WaitFor([&] { return x11::Viewable(Id(w.window)); })) << w.caption;
    for (const auto &w : windows)
        EXPECT_EQ(x11::Title(Id(w.window)).toStdString(), w.caption);
}

TEST_F(Desktop, CommandsBringMinimisedDialogAndMessageBoxBack)
{
    StartProgram();
    TTombolixForm *form = TombolixForm;
    ASSERT_TRUE(ShowByClick(Control(form, "PrefBitBtn"), PreferencesForm));
    x11::Minimise(Id(PreferencesForm));
    ASSERT_TRUE(x11::WaitFor([] { return x11::Minimised(Id(PreferencesForm)); }));
    EXPECT_TRUE(ShowByClick(Control(form, "PrefBitBtn"), PreferencesForm)) << "Options left Preferences minimised";

    // Nothing is filled: Print answers in the message box.
    ASSERT_TRUE(ShowByClick(Control(form, "PrintBitBtn"), MessageForm));
    x11::Minimise(Id(MessageForm));
    ASSERT_TRUE(x11::WaitFor([] { return x11::Minimised(Id(MessageForm)); }));
    EXPECT_TRUE(ShowByClick(Control(form, "PrintBitBtn"), MessageForm)) << "the next message stayed minimised";
    EXPECT_EQ(MessageForm->MessageLabel->text(), QStringLiteral("Please fill at least one of the boards"));
}

TEST_F(Desktop, ErrorReportStandsAboveTheAlwaysOnTopDialogsAndTheProgramGoesOn)
{
    StartProgram();
    TTombolixForm *form = TombolixForm;
    ASSERT_TRUE(ShowByClick(Control(form, "PrefBitBtn"), PreferencesForm));

    // The exclusion list is damaged behind the program's back.
    std::string text = testsupport::ReadFile(Home().storeFile());
    const std::string header = "[HKEY_CURRENT_USER\\Software\\drawvane\\exclusions]\n";
    const size_t at = text.find(header);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, text.find("\n\n", at) - at, header + "\"0\"=dword:00000000");
    testsupport::WriteFile(Home().storeFile(), text);

    TReportWatch watch;
    x11::Click(CentreOf(Control(form, "SystemsBitBtn")));
    ASSERT_TRUE(x11::WaitFor([&] { return !watch.seen.isEmpty() && !QApplication::activeModalWidget(); }));
    ASSERT_EQ(watch.seen.size(), 1);
    EXPECT_EQ(watch.seen[0].text, QStringLiteral("Failed to get data for '1'"));
    EXPECT_EQ(watch.seen[0].title, QStringLiteral("Drawvane"));
    EXPECT_TRUE(watch.seen[0].onTop) << "the report opened beneath another window";
    EXPECT_TRUE(watch.seen[0].clickedAway) << "the report could not be clicked";

    // The report was dismissed by a real click, and the program goes on.
    ClickNumber(1, 1);
    EXPECT_TRUE(x11::WaitFor([] { return TombolixForm->Coupon().MarkCount(1) == 1; }));
    EXPECT_EQ(watch.seen.size(), 1);
}

TEST_F(Desktop, StoreThatCannotBeWrittenStartsCompleteAndABoardClickedFullShowsItsResults)
{
    const auto blocker = Home().dir() / "blocked";
    std::ofstream(blocker) << "not a folder";
    qputenv("XDG_CONFIG_HOME", QByteArray(blocker.c_str()));

    TReportWatch watch;
    StartProgram();
    ASSERT_TRUE(x11::WaitFor([&] { return !watch.seen.isEmpty() && !QApplication::activeModalWidget(); }));
    EXPECT_EQ(watch.seen[0].text, QStringLiteral("Failed to set data for 'boards'"));
    EXPECT_TRUE(watch.seen[0].onTop);
    EXPECT_TRUE(watch.seen[0].clickedAway);

    // The window as the screen shows it: its panels in their colours, the
    // coupon drawn, the captions empty.
    const QImage shot = TombolixForm->screen()->grabWindow(Id(TombolixForm)).toImage();
    ASSERT_EQ(shot.size(), QSize(773, 647));
    EXPECT_EQ(shot.pixel(3, 92) | 0xFF000000u, 0xFFDC78D2u);                // GamePanel
    EXPECT_EQ(shot.pixel(3, 440) | 0xFF000000u, 0xFFE8DEBAu);               // StatsPanel
    EXPECT_EQ(shot.pixel(3, 350) | 0xFF000000u, 0xFFDEC2C2u);               // CoefficientsPanel
    EXPECT_EQ(shot.pixel(8 + 120, 87 + 8 + 50) | 0xFF000000u, 0xFFDEBED7u); // the coupon's band
    for (int b = 1; b <= 12; ++b)
        EXPECT_TRUE(LabelText(QStringLiteral("p%1").arg(b).toLatin1().constData()).isEmpty());

    for (int n = 1; n <= 6; ++n)
        ClickNumber(2, n);
    ASSERT_TRUE(x11::WaitFor([] { return TombolixForm->Coupon().MarkCount(2) == 6; }));
    EXPECT_EQ(LabelText("WinDiv1Label"), QStringLiteral("0.00000007"));
    EXPECT_EQ(LabelText("TotalWinProbability"), QStringLiteral("0.017650"));
    EXPECT_EQ(LabelText("Odds1Label"), QStringLiteral("1 : 14285713"));
    EXPECT_FALSE(LabelText("p2").isEmpty());
    QTest::qWait(200);
    EXPECT_EQ(watch.seen.size(), 1) << "reading the store reported again";
}

} // namespace
