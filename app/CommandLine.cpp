#include "app/CommandLine.h"
#include "DrawvaneVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <xcb/xcb.h>
#endif

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
// Whether an X server answers at `display`.
bool XServerAnswers(const QByteArray &display)
{
    xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// The display the program would fail to open, said in one line; empty
// where one can be opened, or where the player chose the platform.
QString MissingDisplay()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return {};
    const QByteArray x11 = qgetenv("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (x11.isEmpty() && !wayland)
        return QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
    // Without an X server the program takes Wayland where there is one.
    if (!wayland && !XServerAnswers(x11))
        return QStringLiteral("no X server answers at DISPLAY %1").arg(QString::fromLocal8Bit(x11));
    return {};
}
#else
QString MissingDisplay()
{
    return {};
}
#endif

} // namespace

std::optional<int> AnswerCommandLine(int argc, char **argv)
{
    {
        // A core application only: it needs no display.
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("drawvane"));
        QCoreApplication::setApplicationVersion(QStringLiteral(DRAWVANE_FILE_VERSION));
        QCommandLineParser parser;
        parser.setApplicationDescription(
            QStringLiteral("A lottery coupon that shows the chance of winning each prize division."));
        const QCommandLineOption help = parser.addHelpOption();
        const QCommandLineOption version = parser.addVersionOption();
        // Qt's own options and anything else are no error here.
        parser.parse(QCoreApplication::arguments());
        if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
            std::fputs(qPrintable(parser.helpText()), stdout);
            return 0;
        }
        if (parser.isSet(version)) {
            std::printf("drawvane %s\n", DRAWVANE_FILE_VERSION);
            return 0;
        }
    }
    const QString missing = MissingDisplay();
    if (!missing.isEmpty()) {
        std::fprintf(stderr, "drawvane: cannot open a display: %s\n", qPrintable(missing));
        return 1;
    }
    return std::nullopt;
}
