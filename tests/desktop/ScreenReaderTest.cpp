// The program as a screen reader meets it: run in a real X session with a
// session bus and the AT-SPI bus, filled by keyboard alone (keys through
// the X server), and read back over the bus with the reader's own library
// (pyatspi), as Orca reads it.

#include "DesktopSession.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// A session bus with the accessibility bus on it, for one test.
class TAccessibilityBus {
public:
    bool Start()
    {
        FBus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address"});
        if (!FBus.waitForStarted() || !FBus.waitForReadyRead(5000))
            return false;
        FAddress = QString::fromLocal8Bit(FBus.readLine()).trimmed();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), FAddress);
        FLauncher.setProcessEnvironment(env);
        FLauncher.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {"--launch-immediately"});
        return FLauncher.waitForStarted() && !FAddress.isEmpty();
    }

    ~TAccessibilityBus()
    {
        for (QProcess *process : {&FLauncher, &FBus}) {
            process->terminate();
            if (!process->waitForFinished(3000))
                process->kill();
            process->waitForFinished(1000);
        }
    }

    QString Address() const { return FAddress; }

private:
    QProcess FBus;
    QProcess FLauncher;
    QString FAddress;
};

class ScreenReader : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FBus.Start()) << "no session bus or accessibility bus";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), FBus.Address());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), FHome.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // What a desktop with a screen reader running sets on the bus.
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        FEnvironment = env;
        FProgram.setProcessEnvironment(env);
        FProgram.start(QStringLiteral(DRAWVANE_PROGRAM), {});
        ASSERT_TRUE(FProgram.waitForStarted());
        const QString window =
            x11::Run(QStringLiteral("xdotool"), {"search", "--sync", "--onlyvisible", "--name", "^Drawvane$"})
                .trimmed();
        ASSERT_FALSE(window.isEmpty());
        x11::Run(QStringLiteral("xdotool"), {"windowactivate", "--sync", window.section(QLatin1Char('\n'), 0, 0)});
    }

    void TearDown() override
    {
        FProgram.terminate();
        if (!FProgram.waitForFinished(5000))
            FProgram.kill();
        FProgram.waitForFinished(1000);
    }

    static void Keys(const QStringList &keys)
    {
        QStringList arguments{"key", "--delay", "60"};
        x11::Run(QStringLiteral("xdotool"), arguments + keys);
        QThread::msleep(300);
    }

    // What the reader says, a line each.
    QStringList Read(const QStringList &arguments = {}) const
    {
        QProcess reader;
        reader.setProcessEnvironment(FEnvironment);
        reader.start(QStringLiteral("/usr/bin/python3"),
                     QStringList{QStringLiteral(DRAWVANE_SOURCE_DIR "/tests/desktop/read-coupon.py")} + arguments);
        reader.waitForFinished(60000);
        const QString errors = QString::fromLocal8Bit(reader.readAllStandardError());
        EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
        return QString::fromLocal8Bit(reader.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    TAccessibilityBus FBus;
    QTemporaryDir FHome;
    QProcessEnvironment FEnvironment;
    QProcess FProgram;
};

TEST_F(ScreenReader, BoardFilledByKeyboardAloneIsReadBackCellByCell)
{
    // Shift+Tab from the first button reaches the coupon; typing 3 goes to
    // number 3 of board 1, Space marks it; then along the row.
    Keys({"shift+Tab", "3", "space"});
    for (int n = 0; n < 5; ++n)
        Keys({"Right", n % 2 ? "Return" : "space"});
    const QStringList said = Read();
    EXPECT_TRUE(said.contains(QStringLiteral("role frame"))) << said.join(QLatin1Char('|')).toStdString();
    QStringList marked;
    for (int n : {3, 10, 17, 24, 31, 38})
        marked << QStringLiteral("marked Board 1, number %1").arg(n);
    EXPECT_EQ(said.filter(QStringLiteral("marked ")), marked);
    EXPECT_TRUE(said.contains(QStringLiteral("focused Board 1, number 38")));
    EXPECT_TRUE(said.contains(QStringLiteral("figure Division 1 win probability 0.00000007")));
    EXPECT_TRUE(said.contains(QStringLiteral("figure Totals win probability 0.018638")));

    // The reader's Toggle marks a number as a click does.
    const QStringList after = Read({QStringLiteral("toggle"), QStringLiteral("Board 2, number 5")});
    EXPECT_TRUE(after.contains(QStringLiteral("marked Board 2, number 5")))
        << after.join(QLatin1Char('|')).toStdString();
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    TDesktopSession session;
    if (!session.Start()) {
        std::fprintf(stderr, "screen reader test: %s\n", qPrintable(session.Error()));
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    session.Stop();
    return result;
}
