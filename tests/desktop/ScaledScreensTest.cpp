// The program on scaled screens in a real X session, as desktops run it at
// 125 to 200 %: Qt's scale factor on an X server of the screen's size, the
// program driven by real clicks and looked at in screenshots.

#include "DesktopSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct TScreen {
    const char *size; // of the X server
    const char *scale;
    bool smallerThanTheWindow;
};

class ScaledScreens : public ::testing::TestWithParam<TScreen> {
protected:
    void SetUp() override
    {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        if (test.find("TotalsCanBeScrolledIntoView") != std::string::npos && !GetParam().smallerThanTheWindow)
            GTEST_SKIP() << "the window fits";
        ASSERT_TRUE(FSession.Start(GetParam().size)) << FSession.Error().toStdString();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), FHome.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(GetParam().scale));
        FProgram.setProcessEnvironment(env);
        FProgram.start(QStringLiteral(DRAWVANE_PROGRAM), {});
        ASSERT_TRUE(FProgram.waitForStarted());
        FWindow = x11::Run(QStringLiteral("xdotool"), {"search", "--sync", "--onlyvisible", "--name", "^Drawvane$"})
                      .section(QLatin1Char('\n'), 0, 0)
                      .toULong();
        ASSERT_NE(FWindow, 0u);
        QThread::msleep(800); // mapped, placed and painted
        FScale = QString::fromLatin1(GetParam().scale).toDouble();
    }

    void TearDown() override
    {
        FProgram.terminate();
        if (!FProgram.waitForFinished(5000))
            FProgram.kill();
        FProgram.waitForFinished(1000);
        FSession.Stop();
    }

    // A point of the window, in its own pixels at 96 dpi, on the screen.
    QPoint OnScreen(double x, double y) const
    {
        const QRect client = x11::Geometry(FWindow);
        return client.topLeft() + QPoint(int(std::lround(x * FScale)), int(std::lround(y * FScale)));
    }

    // The middle of number n of board 1 (the coupon stands at 8, 95).
    QPoint Cell(int n) const { return OnScreen(8 + 16 * ((n - 1) / 7) + 8, 95 + 16 * ((n - 1) % 7) + 8); }

    void Keep(const QImage &shot, const char *what) const
    {
        const QString dir = QDir::current().filePath(QStringLiteral("desktop-shots/scaled"));
        QDir().mkpath(dir);
        shot.save(QStringLiteral("%1/%2-%3-at-%4.png")
                      .arg(dir, QLatin1String(what), QLatin1String(GetParam().size), QLatin1String(GetParam().scale)));
    }

    unsigned long FWindow = 0;
    double FScale = 1;

private:
    TDesktopSession FSession;
    QTemporaryDir FHome;
    QProcess FProgram;
};

bool IsLine(QRgb pixel)
{
    return qRed(pixel) < 64 && qGreen(pixel) < 64 && qBlue(pixel) < 64;
}

// Device pixels of grid line from `from` on, going right or down.
int LineWidth(const QImage &shot, QPoint from, bool across)
{
    QPoint p = from;
    const QPoint step = across ? QPoint(1, 0) : QPoint(0, 1);
    for (int i = 0; i < 8 && !IsLine(shot.pixel(p)); ++i)
        p += step;
    int width = 0;
    for (; IsLine(shot.pixel(p)); p += step)
        ++width;
    return width;
}

TEST_P(ScaledScreens, CouponClickedFullAndLinesEvenAndTheWindowWhole)
{
    for (int n : {3, 10, 17, 24, 31, 38}) {
        x11::Click(Cell(n));
        QThread::msleep(150);
    }
    QThread::msleep(500);
    const QImage shot = x11::Screen();
    Keep(shot, "board");

    // Each clicked number carries its cross, its neighbour below none.
    const auto crossed = [&](QPoint centre) {
        int green = 0;
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx) {
                const QRgb p = shot.pixel(centre + QPoint(dx, dy));
                green += qGreen(p) > qRed(p) + 30 && qGreen(p) > qBlue(p) + 30 ? 1 : 0;
            }
        return green >= 4;
    };
    for (int n : {3, 10, 17, 24, 31, 38}) {
        EXPECT_TRUE(crossed(Cell(n))) << "number " << n;
        EXPECT_FALSE(crossed(Cell(n + 1))) << "number " << n + 1;
    }
    // The line after board 2's first column and the one under its first
    // row, equally wide.
    const int across = LineWidth(shot, OnScreen(8 + 144, 95 + 24) - QPoint(3, 0), true);
    const int down = LineWidth(shot, OnScreen(8 + 136, 95 + 16) - QPoint(0, 3), false);
    EXPECT_GE(across, 1);
    EXPECT_EQ(across, down);

    // The window lies whole on the screen, its title bar too.
    const QRect client = x11::Geometry(FWindow);
    EXPECT_GE(client.top(), 1);
    EXPECT_LE(client.bottom(), shot.height() - 1);
    EXPECT_LE(client.right(), shot.width() - 1);
}

// Where the screen is smaller than the window, the page scrolls: the wheel
// brings its bottom, the status bar, into view.
TEST_P(ScaledScreens, TotalsCanBeScrolledIntoView)
{
    const QRect client = x11::Geometry(FWindow);
    const QPoint nearBottom(client.left() + 40, client.bottom() - 4);
    // Before: the results panel's colour; after: the status bar's blue.
    const QRgb before = x11::Screen().pixel(nearBottom) | 0xFF000000;
    EXPECT_EQ(before, 0xFFE8DEBAu);
    x11::MoveTo(OnScreen(300, 300));
    for (int i = 0; i < 20; ++i)
        x11::Run(QStringLiteral("xdotool"), {"click", "5"});
    QThread::msleep(500);
    const QImage shot = x11::Screen();
    Keep(shot, "scrolled");
    EXPECT_NE(shot.pixel(nearBottom) | 0xFF000000, before);
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledScreens,
                         ::testing::Values(TScreen{"1920x1200x24", "1.25", false},
                                           TScreen{"1920x1200x24", "1.5", false},
                                           TScreen{"1920x1600x24", "1.75", false}, TScreen{"1920x1600x24", "2", false},
                                           TScreen{"1366x768x24", "1.25", true}, TScreen{"1920x1080x24", "2", true}));

// The program as a German desktop starts it: LANG alone chooses the
// language, and the windows' captions are German.
TEST(DesktopLanguage, GermanDesktopGivesGermanCaptions)
{
    TDesktopSession session;
    ASSERT_TRUE(session.Start()) << session.Error().toStdString();
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(DRAWVANE_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted());
    const auto find = [](const char *caption) {
        return x11::Run(QStringLiteral("xdotool"), {"search", "--sync", "--onlyvisible", "--name", caption})
            .section(QLatin1Char('\n'), 0, 0)
            .toULong();
    };
    const unsigned long main = find("^Drawvane$");
    ASSERT_NE(main, 0u);
    QThread::msleep(500);
    x11::Run(QStringLiteral("xdotool"), {"windowactivate", "--sync", QString::number(main)});
    x11::Run(QStringLiteral("xdotool"), {"key", "--window", QString::number(main), "ctrl+d"});
    EXPECT_NE(find("^Drawvane Ziehung$"), 0u);
    const QString dir = qEnvironmentVariable("DRAWVANE_SCREENS_DIR");
    if (!dir.isEmpty())
        x11::Screen().save(dir + QStringLiteral("/german-desktop.png"));
    program.terminate();
    if (!program.waitForFinished(5000))
        program.kill();
    session.Stop();
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
