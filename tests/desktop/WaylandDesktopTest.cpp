// The program on the desktops players start today: GNOME (mutter) and KDE
// Plasma (KWin) Wayland sessions, nested on an X server of their own. Each
// session runs this program inside it as the session starts a program, and
// the window rules are checked there: through Xwayland, which the program
// takes by default, with the desktop tests of the X11 session; and with
// native Wayland forced, from screenshots, since a Wayland client learns
// nothing of where its windows are.

#include "DesktopFixture.h"
#include "dialogs/forms/MessageUnit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <memory>
#include <optional>
#include <ostream>
#include <vector>

namespace {

struct TSessionRun {
    const char *label;
    TWaylandDesktop::TKind desktop;
    bool nativeWayland; // QT_QPA_PLATFORM=wayland, as a player may choose
    const char *tests;  // what runs in the session
};

void PrintTo(const TSessionRun &run, std::ostream *os)
{
    *os << run.label;
}

class WaylandDesktops : public ::testing::TestWithParam<TSessionRun> {};

TEST_P(WaylandDesktops, KeepTheWindowRules)
{
    if (!qEnvironmentVariableIsEmpty("DRAWVANE_POINTER_DISPLAY"))
        GTEST_SKIP() << "the session's own run";
    const TSessionRun &row = GetParam();
    TWaylandDesktop desktop(row.desktop);
    ASSERT_TRUE(desktop.Start()) << desktop.Error().toStdString();

    QProcessEnvironment env = desktop.Environment();
    if (row.nativeWayland)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    const QString screens =
        QDir().absoluteFilePath(QStringLiteral("desktop-shots/wayland/%1").arg(QLatin1String(row.label)));
    QDir(screens).removeRecursively();
    env.insert(QStringLiteral("DRAWVANE_SCREENS_DIR"), screens);
    QProcess run;
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    // DRAWVANE_SESSION_TESTS runs other tests in the session, when a developer looks into one.
    const QString tests = qEnvironmentVariableIsEmpty("DRAWVANE_SESSION_TESTS")
        ? QLatin1String(row.tests)
        : qEnvironmentVariable("DRAWVANE_SESSION_TESTS");
    run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + tests});
    const bool finished = run.waitForFinished(100000);
    const QString output = QString::fromLocal8Bit(run.readAll());
    EXPECT_TRUE(finished && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ]"))) << output.toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("[  SKIPPED ]"))) << output.toStdString();
}

// Neither mutter nor KWin minimises a dialog of the program, so there is
// none to bring back from its minimised state.
INSTANTIATE_TEST_SUITE_P(
    Sessions, WaylandDesktops,
    ::testing::Values(TSessionRun{"gnome", TWaylandDesktop::TKind::Gnome, false,
                                  "Desktop.*-Desktop.DarkDesktopTheme*:Desktop.ShotsOfEveryWindow:Desktop."
                                  "CommandsBringMinimisedDialogAndMessageBoxBack:*BesideTheCoupon:*InEachLanguage"},
                      TSessionRun{"gnome_native", TWaylandDesktop::TKind::Gnome, true, "NativeWayland.*"},
                      TSessionRun{"plasma", TWaylandDesktop::TKind::Plasma, false,
                                  "Desktop.*-Desktop.DarkDesktopTheme*:Desktop.ShotsOfEveryWindow:Desktop."
                                  "CommandsBringMinimisedDialogAndMessageBoxBack:*BesideTheCoupon:*InEachLanguage"},
                      TSessionRun{"plasma_native", TWaylandDesktop::TKind::Plasma, true, "NativeWayland.*"}),
    [](const auto &info) { return std::string(info.param.label); });

// In a Wayland session the program takes Xwayland by itself, and what it
// starts sees the player's environment.
TEST_F(Desktop, WaylandSessionRunsTheProgramThroughXwayland)
{
    if (qEnvironmentVariable("XDG_SESSION_TYPE") != QStringLiteral("wayland"))
        GTEST_SKIP() << "run in a Wayland session";
    EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    EXPECT_TRUE(qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"));
}

// Where a window shows on the screen, and how much of it.
struct TSeen {
    QPoint topLeft;
    double visible = 0; // of its pixels, as the window draws them
};

std::optional<TSeen> Find(const QImage &screen, QWidget *window)
{
    const QImage own = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (own.isNull() || screen.format() != QImage::Format_RGB32 || own.width() > screen.width()
        || own.height() > screen.height())
        return std::nullopt;
    const auto at = [](const QImage &image, int x, int y) {
        return reinterpret_cast<const QRgb *>(image.constScanLine(y))[x];
    };
    // A grid of samples over the window; a place whose samples nearly all
    // match is where it shows.
    struct TSample {
        QPoint place;
        QRgb colour;
    };
    QList<TSample> samples;
    for (int i = 0; i < 16; ++i)
        for (int j = 0; j < 8; ++j) {
            const QPoint p((2 * i + 1) * own.width() / 32, (2 * j + 1) * own.height() / 16);
            samples.append({p, at(own, p.x(), p.y())});
        }
    const int allowed = static_cast<int>(samples.size()) / 10;
    std::optional<QPoint> best;
    int fewest = allowed + 1;
    // The screen's rows once, for the search over every place.
    std::vector<const QRgb *> rows;
    for (int y = 0; y < screen.height(); ++y)
        rows.push_back(reinterpret_cast<const QRgb *>(screen.constScanLine(y)));
    const TSample *const first = samples.constData();
    const TSample *const last = first + samples.size();
    for (int y = 0; y + own.height() <= screen.height(); ++y) {
        for (int x = 0; x + own.width() <= screen.width(); ++x) {
            int misses = 0;
            for (const TSample *sample = first; sample != last; ++sample)
                if (rows[y + sample->place.y()][x + sample->place.x()] != sample->colour && ++misses >= fewest)
                    break;
            if (misses < fewest) {
                fewest = misses;
                best = QPoint(x, y);
            }
        }
    }
    if (!best)
        return std::nullopt;
    qint64 same = 0;
    for (int y = 0; y < own.height(); ++y)
        for (int x = 0; x < own.width(); ++x)
            same += rows[best->y() + y][best->x() + x] == at(own, x, y);
    return TSeen{*best, double(same) / (double(own.width()) * own.height())};
}

// Where the screen shows the window whole, if it does.
std::optional<QPoint> ShownWhole(QWidget *window)
{
    const std::optional<TSeen> seen = Find(x11::Screen(), window);
    if (seen && seen->visible >= 0.97)
        return seen->topLeft;
    return std::nullopt;
}

// Waits until the screen shows the window whole; returns where.
std::optional<QPoint> WaitUntilShownWhole(QWidget *window)
{
    std::optional<QPoint> where;
    x11::WaitFor([&] { return (where = ShownWhole(window)).has_value(); }, 8000);
    return where;
}

// Sends the pointer to a control and waits until the control has it;
// returns where its window shows. mutter may show a new window for a
// moment at another place than the one it keeps, and may for a moment
// deliver the pointer by the place the window had before: the window is
// looked for and the move made again until the control has the pointer.
std::optional<QPoint> PointAt(QWidget *control)
{
    for (int tries = 0; tries < 5; ++tries) {
        const std::optional<QPoint> origin = WaitUntilShownWhole(control->window());
        if (!origin)
            return std::nullopt;
        x11::MoveTo(*origin + control->mapTo(control->window(), control->rect().center()));
        if (x11::WaitFor([control] { return control->underMouse(); }, 1000))
            return origin;
    }
    return std::nullopt;
}

// A real click on a control, once the pointer is seen to reach it; returns
// where its window shows.
std::optional<QPoint> ClickOn(QWidget *control)
{
    const std::optional<QPoint> origin = PointAt(control);
    if (origin)
        x11::ClickWhereThePointerIs();
    return origin;
}

class NativeWayland : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QStringLiteral("wayland"))
            GTEST_SKIP() << "run on native Wayland";
        FHome = std::make_unique<testsupport::ScopedConfigHome>();
        CreateForms();
        TombolixForm->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(TombolixForm));
        // mutter may place a new window anew a moment after it first
        // shows; the tests start once it has stayed in its place a while.
        std::optional<QPoint> place;
        QElapsedTimer still;
        const bool settled = x11::WaitFor(
            [&] {
                const std::optional<QPoint> now = ShownWhole(TombolixForm);
                if (now != place || !still.isValid())
                    still.start();
                place = now;
                return place && still.elapsed() >= 1000;
            },
            10000);
        ASSERT_TRUE(settled) << "the main window does not stay whole in one place on the screen";
        ASSERT_TRUE(PointAt(Control(TombolixForm, "PrefBitBtn"))) << "the pointer does not reach the main window";
    }

    void TearDown() override
    {
        KeepScreenOfAFailure();
        if (TombolixForm)
            DestroyForms();
        FHome.reset();
    }

private:
    std::unique_ptr<testsupport::ScopedConfigHome> FHome;
};

// The compositor keeps an owned window above its owner: a click on the main
// window leaves Preferences and the message box in front of it.
TEST_F(NativeWayland, DialogAndMessageBoxStayAboveTheMainWindowWhenItIsClicked)
{
    TTombolixForm *form = TombolixForm;
    for (const auto &[button, window] : {std::pair<const char *, QWidget *>{"PrefBitBtn", PreferencesForm},
                                         std::pair<const char *, QWidget *>{"PrintBitBtn", MessageForm}}) {
        const std::string name = window->objectName().toStdString();
        const std::optional<QPoint> main = ClickOn(Control(form, button));
        ASSERT_TRUE(main) << name;
        const QRect mainPlace(*main, form->size());
        const std::optional<QPoint> shown = WaitUntilShownWhole(window);
        ASSERT_TRUE(shown) << name << " did not show";
        // The compositor places windows as it likes: mutter puts the
        // message box beside the main window, where a click on it cannot
        // cover the box. Preferences it puts over the main window.
        const bool over = QRect(*shown, window->size()).intersects(mainPlace);
        if (window == PreferencesForm) {
            EXPECT_TRUE(over) << "Preferences was placed beside the main window: the click proves nothing";
        }
        if (!over) {
            std::printf("%s: placed beside the main window\n", name.c_str());
            window->hide();
            continue;
        }

        x11::Click(MainWindowPointBeside(mainPlace, QRect(*shown, window->size()), window));
        EXPECT_TRUE(x11::WaitFor([] { return TombolixForm->isActiveWindow(); }, 3000)) << name;
        QTest::qWait(300);
        const std::optional<TSeen> seen = Find(x11::Screen(), window);
        ASSERT_TRUE(seen) << name;
        EXPECT_GE(seen->visible, 0.97) << name << " fell behind the main window";
        KeepScreen(window == MessageForm ? "message-above-the-clicked-main-window"
                                         : "preferences-above-the-clicked-main-window");
        window->hide();
    }
}

TEST_F(NativeWayland, OptionsBringsHiddenPreferencesBackAboveTheMainWindow)
{
    TTombolixForm *form = TombolixForm;
    const std::optional<QPoint> main = ClickOn(Control(form, "PrefBitBtn"));
    ASSERT_TRUE(main);
    const std::optional<QPoint> shown = WaitUntilShownWhole(PreferencesForm);
    ASSERT_TRUE(shown);
    ASSERT_TRUE(ClickOn(Control(PreferencesForm, "CancelBitBtn")));
    ASSERT_TRUE(x11::WaitFor([] { return !PreferencesForm->isVisible(); }));

    x11::Click(
        MainWindowPointBeside(QRect(*main, form->size()), QRect(*shown, PreferencesForm->size()), PreferencesForm));
    ASSERT_TRUE(ClickOn(Control(form, "PrefBitBtn")));
    EXPECT_TRUE(WaitUntilShownWhole(PreferencesForm)) << "Options did not bring Preferences back in front";
}

} // namespace
