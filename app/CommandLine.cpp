#include "app/CommandLine.h"
#include "DrawvaneVersion.h"
#include "kit/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

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

TCommandLine AnswerCommandLine(int argc, char **argv)
{
    TCommandLine answer;
    {
        // A core application only: it needs no display.
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("drawvane"));
        QCoreApplication::setApplicationVersion(QStringLiteral(DRAWVANE_FILE_VERSION));
        QCommandLineParser language;
        const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("language"));
        language.addOption(lang);
        language.parse(QCoreApplication::arguments());
        answer.language = DesktopLanguage(QLocale::system().uiLanguages());
        if (language.isSet(lang)) {
            const QString asked = language.value(lang);
            answer.language = CarriedLanguage(asked);
            const bool english = asked.startsWith(QStringLiteral("en"), Qt::CaseInsensitive);
            if (answer.language.isEmpty() && !english)
                std::fprintf(stderr, "drawvane: no translation into \"%s\"; the program speaks English\n",
                             qPrintable(asked));
        }
        // --help in the language chosen.
        UseLanguage(answer.language);

        QCommandLineParser parser;
        //: Note for translators: Drawvane is a desktop program for players of lotteries that draw six
        //: numbers and a bonus ball from 36 to 49 (Mark Six, Lotto 6 aus 45, La Primitiva, Lotto 6/45).
        //: Use the words your lottery's players know, such as its name for the bonus ball. Do not
        //: translate the names of controls, settings or files, nor "Drawvane", "Punch" and "Spread".
        //: Keep each text about as long as the English: the windows have fixed layouts.
        parser.setApplicationDescription(QCoreApplication::translate(
            "CommandLine", "A lottery coupon that shows the chance of winning each prize division."));
        const QCommandLineOption help = parser.addHelpOption();
        const QCommandLineOption version = parser.addVersionOption();
        parser.addOption(QCommandLineOption(
            QStringLiteral("lang"),
            QCoreApplication::translate("CommandLine",
                                        "Speak <language> (%1) in this run, instead of the desktop's language.")
                .arg(QStringList(QStringList{QStringLiteral("en")} + CarriedLanguages()).join(QStringLiteral(", "))),
            QCoreApplication::translate("CommandLine", "language")));
        // Qt's own options and anything else are no error here.
        parser.parse(QCoreApplication::arguments());
        if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
            std::fputs(qPrintable(parser.helpText()), stdout);
            answer.ended = 0;
        } else if (parser.isSet(version)) {
            std::printf("drawvane %s\n", DRAWVANE_FILE_VERSION);
            answer.ended = 0;
        }
        UseLanguage({});
    }
    if (answer.ended)
        return answer;
    const QString missing = MissingDisplay();
    if (!missing.isEmpty()) {
        std::fprintf(stderr, "drawvane: cannot open a display: %s\n", qPrintable(missing));
        answer.ended = 1;
    }
    return answer;
}
