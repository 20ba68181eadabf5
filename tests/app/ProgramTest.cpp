// The program's windows made and torn down as the program does it, and its
// version record.

#include "UiFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

using Program = UiTest;

TEST_F(Program, ProgramCarriesItsVersionRecord)
{
    StartProgram();
    EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral("1.1.1.27"));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Drawvane"));
}

TEST_F(Program, CreatingAndClosingManyTimesLeavesNothingBehind)
{
    for (int i = 0; i < 5; ++i) {
        StartProgram();
        Control<QToolButton>(Form(), "ExitBitBtn")->click();
        EXPECT_FALSE(Form()->isVisible());
        DestroyForms();
        EXPECT_EQ(TombolixForm, nullptr);
        EXPECT_EQ(ImagesForm, nullptr);
    }
    // A later event loop still runs until it is told to stop.
    StartProgram();
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QCoreApplication::exec(), 7);
    EXPECT_TRUE(ran);
}

TEST_F(Program, ClosingTheMainWindowEndsTheEventLoop)
{
    StartProgram();
    QTimer::singleShot(0, [] { TombolixForm->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(3); }); // safety net
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

#ifndef _WIN32
// The program as a terminal starts it: --help and --version answer on
// standard output without a display and without the settings; without a
// display one line says so.
TEST(CommandLine, AnswersInATerminalAndSaysWhenThereIsNoDisplay)
{
    const struct {
        QStringList arguments;
        const char *display; // DISPLAY, none where empty
        int exitCode;
        const char *out;
        const char *err;
    } rows[] = {
        {{"--version"}, "", 0, "drawvane " DRAWVANE_VERSION_TEXT "\n", ""},
        {{"-platform", "xcb", "--version"}, "", 0, "drawvane " DRAWVANE_VERSION_TEXT "\n", ""},
        {{}, "", 1, "", "drawvane: cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set\n"},
        {{"some", "--other"},
         ":4321",
         1,
         "",
         "drawvane: cannot open a display: no X server answers at DISPLAY :4321\n"},
        // A language the program does not carry: English, and one line.
        {{"--lang", "xx", "--version"},
         "",
         0,
         "drawvane " DRAWVANE_VERSION_TEXT "\n",
         "drawvane: no translation into \"xx\"; the program speaks English\n"},
        {{"--lang", "en_GB", "--version"}, "", 0, "drawvane " DRAWVANE_VERSION_TEXT "\n", ""},
    };
    for (const auto &row : rows) {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        if (*row.display)
            env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(row.display));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(DRAWVANE_PROGRAM), row.arguments);
        ASSERT_TRUE(program.waitForFinished(20000));
        const std::string arguments = row.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << arguments;
        EXPECT_EQ(program.exitCode(), row.exitCode) << arguments;
        EXPECT_EQ(program.readAllStandardOutput().toStdString(), row.out) << arguments;
        EXPECT_EQ(program.readAllStandardError().toStdString(), row.err) << arguments;
        EXPECT_TRUE(QDir(home.path()).isEmpty()) << arguments << ": the settings were touched";
    }
    // The help names both options.
    QProcess help;
    help.start(QStringLiteral(DRAWVANE_PROGRAM), {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(20000));
    EXPECT_EQ(help.exitCode(), 0);
    const QString text = QString::fromLocal8Bit(help.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("--version")) && text.contains(QStringLiteral("--help"))
                && text.contains(QStringLiteral("--lang <language>")))
        << text.toStdString();
    // In the language asked for.
    QProcess german;
    german.start(QStringLiteral(DRAWVANE_PROGRAM),
                 {QStringLiteral("--lang"), QStringLiteral("de"), QStringLiteral("--help")});
    ASSERT_TRUE(german.waitForFinished(20000));
    const QString deutsch = QString::fromUtf8(german.readAllStandardOutput());
    EXPECT_TRUE(deutsch.contains(QStringLiteral("--lang <Sprache>"))
                && deutsch.contains(QStringLiteral("Gewinnklasse")))
        << deutsch.toStdString();
}
#endif

} // namespace
