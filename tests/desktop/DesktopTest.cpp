// The program in a real X session under a window manager: what only the
// window manager shows (titles, minimised windows, stacking) and real clicks
// that reach the program through the X server.

#include "DesktopFixture.h"
#include "dialogs/forms/DrawUnit.h"
#include "dialogs/forms/HistoryUnit.h"
#include "dialogs/forms/MessageUnit.h"
#include "dialogs/forms/WheelUnit.h"
#include "kit/WindowStacking.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <random>

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
    OpenEveryWindow();

    const struct {
        QWidget *window;
        const char *caption;
    } windows[] = {
        {TombolixForm, "Drawvane"},        {PreferencesForm, "Drawvane Preferences"},
        {SystemsForm, "Drawvane Systems"}, {LuckForm, "Drawvane Luck"},
        {AboutForm, "Drawvane About"},     {HelpForm, "Drawvane Help"},
        {DrawForm, "Drawvane Draw"},       {MessageForm, "Drawvane Message"},
    };
    for (const auto &w : windows)
        ASSERT_TRUE(x11::WaitFor([&] { return x11::Viewable(Id(w.window)); })) << w.caption;
    for (const auto &w : windows)
        EXPECT_EQ(x11::Title(Id(w.window)).toStdString(), w.caption);
}

// The secondary windows, each with the toolbar button that shows it.
struct TDialog {
    const char *button;
    QWidget *window;
};

std::vector<TDialog> DialogsAndButtons()
{
    return {{"PrefBitBtn", PreferencesForm}, {"SystemsBitBtn", SystemsForm}, {"LuckBitBtn", LuckForm},
            {"AboutBitBtn", AboutForm},      {"CalculateBitBtn", HelpForm},  {"DrawBitBtn", DrawForm},
            {"PrintBitBtn", MessageForm}};
}

// Where the stacking has the window, from the bottom; -1 when it is not
// managed.
qsizetype StackPlace(QWidget *window)
{
    return x11::Stacking().indexOf(Id(window));
}

TEST_F(Desktop, SecondaryWindowsBelongToTheMainWindowAreCentredOrBesideItAndHaveNoButtons)
{
    StartProgram();
    OpenEveryWindow();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto expectCentred = [&](QWidget *window) {
        // The client area; the title bar above it moves it down.
        const QRect client = x11::Geometry(Id(window));
        EXPECT_EQ(client.size(), window->size()) << window->objectName().toStdString();
        EXPECT_LE(std::abs(client.center().x() - screen.center().x()), 2) << window->objectName().toStdString();
        EXPECT_LE(std::abs(client.center().y() - screen.center().y()), 60) << window->objectName().toStdString();
    };
    const auto has = [](const QStringList &actions, const char *action) {
        return actions.contains(QLatin1String(action));
    };

    ASSERT_TRUE(x11::WaitFor([] { return x11::Viewable(Id(TombolixForm)); }));
    const bool openbox = x11::WindowManager() == QStringLiteral("Openbox");
    constexpr unsigned kMotifMinimise = 0x20;
    constexpr unsigned kMotifMaximise = 0x40;
    const QStringList main = x11::AllowedActions(Id(TombolixForm));
    EXPECT_TRUE(has(main, "_NET_WM_ACTION_MINIMIZE")) << main.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(has(main, "_NET_WM_ACTION_MAXIMIZE_HORZ") || has(main, "_NET_WM_ACTION_MAXIMIZE_VERT"))
        << main.join(QLatin1Char(' ')).toStdString();
    expectCentred(TombolixForm);
    for (const TDialog &dialog : DialogsAndButtons()) {
        QWidget *window = dialog.window;
        const std::string name = window->objectName().toStdString();
        ASSERT_TRUE(x11::WaitFor([&] { return x11::Viewable(Id(window)); })) << name;
        EXPECT_EQ(x11::TransientFor(Id(window)), Id(TombolixForm)) << name;
        if (openbox) {
            // Openbox lets every window be minimised, and draws only the
            // buttons that the Motif decorations ask for.
            EXPECT_EQ(x11::MotifDecorations(Id(window)) & (kMotifMinimise | kMotifMaximise), 0u) << name;
            continue;
        }
        const QStringList actions = x11::AllowedActions(Id(window));
        for (const char *action :
             {"_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"})
            EXPECT_FALSE(has(actions, action)) << name << ": " << action;
        // The Draw window opens beside the coupon; on this screen, too small
        // for both side by side, over as little of it as it can.
        if (window == DrawForm)
            EXPECT_GT(x11::Geometry(Id(window)).left(), x11::Geometry(Id(TombolixForm)).center().x()) << name;
        else
            expectCentred(window);
    }
    KeepScreen("every-window");
}

TEST_F(Desktop, SecondaryWindowsStayAboveTheMainWindowWhenItIsClicked)
{
    StartProgram();
    for (const TDialog &dialog : DialogsAndButtons()) {
        QWidget *window = dialog.window;
        const std::string name = window->objectName().toStdString();
        ASSERT_TRUE(ShowByClick(Control(TombolixForm, dialog.button), window)) << name;
        x11::Click(MainWindowPointBeside(x11::Geometry(Id(TombolixForm)), x11::Geometry(Id(window)), window));
        // The click has reached the main window once it is active.
        EXPECT_TRUE(x11::WaitFor([] { return TombolixForm->isActiveWindow(); }, 3000)) << name;
        QTest::qWait(100);
        EXPECT_GT(StackPlace(window), StackPlace(TombolixForm)) << name << " fell behind the main window";
        if (window == AboutForm)
            KeepScreen("about-above-the-clicked-main-window");
        window->hide();
    }
}

TEST_F(Desktop, OptionsAndPrintBringALoweredOrHiddenWindowToTheFront)
{
    StartProgram();
    TTombolixForm *form = TombolixForm;
    ASSERT_TRUE(ShowByClick(Control(form, "PrefBitBtn"), PreferencesForm));
    ASSERT_TRUE(ShowByClick(Control(form, "SystemsBitBtn"), SystemsForm));
    ASSERT_TRUE(x11::WaitFor([] { return StackPlace(SystemsForm) > StackPlace(PreferencesForm); }));

    // Lowered beneath Systems: Options brings Preferences above it.
    x11::Click(CentreOf(Control(form, "PrefBitBtn")));
    EXPECT_TRUE(x11::WaitFor([] { return StackPlace(PreferencesForm) > StackPlace(SystemsForm); }))
        << "Options left Preferences beneath Systems";

    // Nothing is filled: Print answers in the message box, above the rest.
    x11::Click(CentreOf(Control(form, "PrintBitBtn")));
    EXPECT_TRUE(x11::WaitFor([] {
        return x11::Viewable(Id(MessageForm)) && x11::Stacking().last() == Id(MessageForm);
    })) << "the message box opened beneath another window";

    // Hidden by its own button: Options shows it again, in front.
    x11::Click(CentreOf(Control(PreferencesForm, "CancelBitBtn")));
    ASSERT_TRUE(x11::WaitFor([] { return !PreferencesForm->isVisible(); }));
    x11::Click(CentreOf(Control(form, "PrefBitBtn")));
    EXPECT_TRUE(x11::WaitFor([] {
        return x11::Viewable(Id(PreferencesForm)) && StackPlace(PreferencesForm) > StackPlace(SystemsForm);
    })) << "Options did not bring the hidden Preferences back in front";
}

// A window manager that minimises an owned window may take its owner with
// it, as openbox does; the player then brings the main window back first.
void MinimiseWithItsOwner(QWidget *window)
{
    x11::Minimise(Id(window));
    ASSERT_TRUE(x11::WaitFor([&] { return x11::Minimised(Id(window)); }));
    if (x11::Minimised(Id(TombolixForm))) {
        x11::Activate(Id(TombolixForm));
        ASSERT_TRUE(x11::WaitFor([] { return !x11::Minimised(Id(TombolixForm)); }));
    }
}

TEST_F(Desktop, CommandsBringMinimisedDialogAndMessageBoxBack)
{
    StartProgram();
    TTombolixForm *form = TombolixForm;
    ASSERT_TRUE(ShowByClick(Control(form, "PrefBitBtn"), PreferencesForm));
    MinimiseWithItsOwner(PreferencesForm);
    EXPECT_TRUE(ShowByClick(Control(form, "PrefBitBtn"), PreferencesForm)) << "Options left Preferences minimised";

    // Nothing is filled: Print answers in the message box.
    ASSERT_TRUE(ShowByClick(Control(form, "PrintBitBtn"), MessageForm));
    MinimiseWithItsOwner(MessageForm);
    EXPECT_TRUE(ShowByClick(Control(form, "PrintBitBtn"), MessageForm)) << "the next message stayed minimised";
    EXPECT_EQ(Control<QLabel>(MessageForm, "MessageLabel")->text(),
              QStringLiteral("Please fill at least one of the boards"));
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
    const QImage shot = Shot(TombolixForm);
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
    EXPECT_EQ(LabelText("TotalWinProbability"), QStringLiteral("0.018638"));
    EXPECT_EQ(LabelText("Odds1Label"), QStringLiteral("1 : 13983815"));
    EXPECT_FALSE(LabelText("p2").isEmpty());
    // Keeping the coupon fails, which is told once, whatever fills later.
    ASSERT_TRUE(x11::WaitFor([&] { return watch.seen.size() == 2 && !QApplication::activeModalWidget(); }));
    EXPECT_EQ(watch.seen[1].text,
              QStringLiteral("The coupon could not be kept for the next start (Failed to set data for '1.1')"));
    for (int n = 1; n <= 6; ++n)
        ClickNumber(3, n);
    ASSERT_TRUE(x11::WaitFor([] { return TombolixForm->Coupon().MarkCount(3) == 6; }));
    QTest::qWait(200);
    EXPECT_EQ(watch.seen.size(), 2) << "reading the store reported again";
}

// A board filled by real clicks, the Draw window opened by its button and a
// draw checked by its keys: the prize listed, and the drawn numbers ringed
// on the screen while the coupon's picture stays as it was.
TEST_F(Desktop, DrawCheckedRingsTheDrawnNumbersOnTheScreen)
{
    StartProgram();
    for (int n : {3, 9, 17, 25, 33, 41})
        ClickNumber(4, n);
    ASSERT_TRUE(x11::WaitFor([] { return TombolixForm->Coupon().MarkCount(4) == 6; }));
    const QImage picture = CouponPicture()->Image();
    ASSERT_TRUE(ShowByClick(Control(TombolixForm, "DrawBitBtn"), DrawForm));
    QWidget *first = Control(DrawForm, "Main1SpinBox");
    x11::Click(CentreOf(first));
    ASSERT_TRUE(x11::WaitFor([&] { return first->hasFocus() || first->focusProxy()->hasFocus(); }));
    const auto keys = [](const QStringList &arguments) { x11::Run(QStringLiteral("xdotool"), arguments); };
    for (const char *number : {"3", "9", "17", "40", "41", "42", "25"}) {
        keys({"key", "ctrl+a"});
        keys({"type", "--delay", "30", QString::fromLatin1(number)});
        keys({"key", "Tab"});
    }
    keys({"key", "Return"});
    auto *memo = Control<QPlainTextEdit>(DrawForm, "DrawResultsMemo");
    ASSERT_TRUE(x11::WaitFor([&] { return !memo->toPlainText().isEmpty(); }));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Board 4: 4 + bonus ball, $5000\nPrizes: $5000 on 1 board"));

    DrawForm->hide();
    ASSERT_TRUE(x11::WaitFor([] { return !x11::Viewable(Id(DrawForm)); }));
    // A click on the status bar: the keys' cursor frame goes from the coupon.
    x11::Click(TombolixForm->mapToGlobal(QPoint(10, 636)));
    QTest::qWait(200);
    const QImage shot = Shot(TombolixForm);
    const QPoint coupon = CouponPicture()->mapTo(TombolixForm, QPoint(0, 0));
    for (int n : {3, 9, 17, 25, 33, 41}) {
        const QPoint top = coupon + TCouponImage::CellRect(4, n).topLeft() + QPoint(8, 2);
        const bool drawn = n != 33;
        EXPECT_EQ((shot.pixel(top) | 0xFF000000u) == kRingColour, drawn) << n;
    }
    EXPECT_EQ(CouponPicture()->Image(), picture);
    KeepScreen("draw-checked");
}

// On a screen with room beside the main window, the windows that work on
// the coupon open there, over none of it, with a history pasted in and a
// past draw checked from it.
TEST_F(Desktop, DrawHistoryAndWheelOpenBesideTheCoupon)
{
    if (QGuiApplication::primaryScreen()->availableGeometry().width() < 3000)
        GTEST_SKIP() << "run by desktop_wide, on a screen with room beside the main window";
    StartProgram();
    for (int n : {3, 9, 17, 25, 33, 41})
        ClickNumber(1, n);
    ASSERT_TRUE(x11::WaitFor([] { return TombolixForm->Coupon().MarkCount(1) == 6; }));
    ASSERT_TRUE(ShowByClick(Control(TombolixForm, "DrawBitBtn"), DrawForm));
    ASSERT_TRUE(ShowByClick(Control(DrawForm, "HistoryBitBtn"), HistoryForm));
    ASSERT_TRUE(ShowByClick(Control(DrawForm, "WheelBitBtn"), WheelForm));
    QTest::qWait(300);
    const QRect main = x11::Geometry(Id(TombolixForm));
    for (QWidget *window :
         {static_cast<QWidget *>(DrawForm), static_cast<QWidget *>(HistoryForm), static_cast<QWidget *>(WheelForm)})
        EXPECT_FALSE(x11::Geometry(Id(window)).intersects(main)) << window->objectName().toStdString();

    // A thousand fair draws, pasted in as a results table.
    std::mt19937 random(49);
    QString history;
    for (int d = 0; d < 1000; ++d) {
        std::vector<int> balls(49);
        std::iota(balls.begin(), balls.end(), 1);
        std::shuffle(balls.begin(), balls.end(), random);
        std::sort(balls.begin(), balls.begin() + 6);
        history += QDate(2016, 1, 2).addDays(d * 7 / 2).toString(Qt::ISODate);
        for (int i = 0; i < 7; ++i)
            history += QLatin1Char(',') + QString::number(balls[static_cast<size_t>(i)]);
        history += QLatin1Char('\n');
    }
    HistoryForm->ImportText(history.toUtf8());
    auto *draws = Control<QTableWidget>(HistoryForm, "DrawsTable");
    ASSERT_EQ(draws->rowCount(), 1000);
    x11::Click(draws->viewport()->mapToGlobal(draws->visualItemRect(draws->item(0, 0)).center()));
    x11::Run(QStringLiteral("xdotool"), {"key", "Return"});
    auto *memo = Control<QPlainTextEdit>(DrawForm, "DrawResultsMemo");
    ASSERT_TRUE(x11::WaitFor([&] { return !memo->toPlainText().isEmpty(); }));
    KeepScreen("draw-history-and-wheel-beside");

    // A wheel of ten numbers typed in and filled, over the board clicked.
    QWidget *numbers = Control(WheelForm, "WheelNumbersEdit");
    ShowInFront(WheelForm);
    x11::Click(CentreOf(numbers));
    ASSERT_TRUE(x11::WaitFor([&] { return numbers->hasFocus(); }));
    const QString ten = QStringLiteral("3 14 15 22 27 31 38 40 44 49");
    x11::Run(QStringLiteral("xdotool"), {"type", "--delay", "20", ten});
    ASSERT_TRUE(x11::WaitFor([&] { return qobject_cast<QLineEdit *>(numbers)->text() == ten; }));
    auto *guarantees = Control<QComboBox>(WheelForm, "WheelGuaranteeBox");
    guarantees->setCurrentIndex(guarantees->findText(QStringLiteral("3 if 4"), Qt::MatchStartsWith));
    // The question before the board's marks go, answered Yes by a click.
    QTimer answer;
    answer.setInterval(100);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            answer.stop();
            QTest::qWait(200);
            x11::Click(CentreOf(box->button(QMessageBox::Yes)));
        }
    });
    answer.start();
    x11::Click(CentreOf(Control(WheelForm, "WheelFillBitBtn")));
    ASSERT_TRUE(x11::WaitFor([] { return TombolixForm->Coupon().FullBoardCount(6) >= 2; }));
    QTest::qWait(300);
    KeepScreen("wheel-filled");
}

} // namespace
