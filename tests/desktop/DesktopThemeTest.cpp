// The windows under a dark desktop theme in a real X session: GNOME's
// Adwaita dark reaching the program through Qt's gtk3 platform theme,
// against the plain light session. The platform theme is chosen when the
// application starts, so each session is a run of this program of its own
// that shoots every window; this test compares the shots.

#include "Contrast.h"
#include "DesktopFixture.h"
#include "dialogs/forms/DrawUnit.h"
#include "dialogs/forms/HistoryUnit.h"
#include "dialogs/forms/MessageUnit.h"
#include "dialogs/forms/WheelUnit.h"
#include "kit/Language.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr const char *kShotsVariable = "DRAWVANE_SHOTS_DIR";
constexpr const char *kLanguageVariable = "DRAWVANE_SHOTS_LANGUAGE";

// The font a control is drawn in, whatever the desktop's font is.
void ExpectFont(QWidget *window, const QString &family)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (contrast::TextArea(w).isEmpty())
            continue;
        const QFontInfo font(w->font());
        const int size = qobject_cast<QToolButton *>(w) ? 12 : 16;
        EXPECT_EQ(w->font().family(), family) << w->objectName().toStdString();
        EXPECT_EQ(font.pixelSize(), size) << w->objectName().toStdString();
    }
}

// In a session of its own: every window shot into DRAWVANE_SHOTS_DIR, with
// its texts readable and its fonts its own; desktop.txt says what the
// desktop's theme gave the application.
TEST_F(Desktop, ShotsOfEveryWindow)
{
    const QString dir = qEnvironmentVariable(kShotsVariable);
    if (dir.isEmpty())
        GTEST_SKIP() << "run by DarkDesktopThemeChangesNoWindow in a session of its own";
    UseLanguage(qEnvironmentVariable(kLanguageVariable));
    QFile desktop(dir + QStringLiteral("/desktop.txt"));
    ASSERT_TRUE(desktop.open(QIODevice::WriteOnly));
    desktop.write(QApplication::palette().color(QPalette::Window).name().toLatin1() + "\n");

    StartProgram();
    for (int n = 1; n <= 6; ++n)
        ClickNumber(1, n);
    ASSERT_TRUE(x11::WaitFor([] { return TombolixForm->Coupon().MarkCount(1) == 6; }));
    const auto shoot = [&](QWidget *window, const QString &family) {
        ASSERT_TRUE(x11::WaitFor([&] { return x11::Viewable(Id(window)); })) << window->objectName().toStdString();
        QTest::qWait(150);
        EXPECT_TRUE(Shot(window).save(dir + QLatin1Char('/') + window->objectName() + QStringLiteral(".png")));
        contrast::ExpectReadableTexts(window, [](QWidget *w) {
            QTest::qWait(150);
            return Shot(w);
        });
        ExpectFont(window, family);
    };
    shoot(TombolixForm, QStringLiteral("Tahoma"));
    for (const auto &[command, window] : CommandedDialogs()) {
        command->trigger();
        shoot(window, window == LuckForm ? QStringLiteral("Tahoma") : QStringLiteral("Times New Roman"));
        window->hide();
    }
    Command("HistoryAction")->trigger();
    shoot(HistoryForm, QStringLiteral("Times New Roman"));
    HistoryForm->hide();
    Command("DrawAction")->trigger();
    Control<QPushButton>(DrawForm, "WheelBitBtn")->click();
    Control<QLineEdit>(WheelForm, "WheelNumbersEdit")->setText(QStringLiteral("3 14 15 22 27 31 38 40 44 49"));
    shoot(WheelForm, QStringLiteral("Times New Roman"));
    WheelForm->hide();
    DrawForm->hide();
    MessageForm->ShowText(QCoreApplication::translate("TTombolixForm", "Please fill at least one of the boards"));
    shoot(MessageForm, QStringLiteral("Times New Roman"));
    UseLanguage({});
}

// Runs the shots in a session of their own, with the environment changed.
bool ShootIn(const QString &dir, const QProcessEnvironment &environment, QString &output)
{
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    QProcessEnvironment env = environment;
    env.insert(QLatin1String(kShotsVariable), dir);
    QProcess run;
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=Desktop.ShotsOfEveryWindow")});
    const bool finished = run.waitForFinished(90000);
    output = QString::fromLocal8Bit(run.readAll());
    return finished && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
}

TEST_F(Desktop, DarkDesktopThemeChangesNoWindow)
{
    if (!qEnvironmentVariableIsEmpty(kShotsVariable))
        GTEST_SKIP() << "the shots' own session";
    const QString plugin =
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platformthemes/libqgtk3.so");
    ASSERT_TRUE(QFile::exists(plugin)) << "Qt's gtk3 platform theme is not installed (Debian: qt6-gtk-platformtheme, "
                                          "which make test installs)";

    QProcessEnvironment light = QProcessEnvironment::systemEnvironment();
    light.remove(QStringLiteral("QT_QPA_PLATFORMTHEME"));
    light.remove(QStringLiteral("GTK_THEME"));
    QProcessEnvironment dark = light;
    dark.insert(QStringLiteral("QT_QPA_PLATFORMTHEME"), QStringLiteral("gtk3"));
    dark.insert(QStringLiteral("GTK_THEME"), QStringLiteral("Adwaita:dark"));

    const QString shots = QDir().absoluteFilePath(QStringLiteral("desktop-shots"));
    QString output;
    ASSERT_TRUE(ShootIn(shots + QStringLiteral("/light"), light, output)) << output.toStdString();
    ASSERT_TRUE(ShootIn(shots + QStringLiteral("/dark"), dark, output)) << output.toStdString();

    // The dark session was dark: the desktop's own window colour.
    QFile desktop(shots + QStringLiteral("/dark/desktop.txt"));
    ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
    EXPECT_LT(contrast::Luminance(QColor(QString::fromLatin1(desktop.readLine().trimmed())).rgb()), 0.1);

    for (const char *window : {"TombolixForm", "PreferencesForm", "SystemsForm", "HelpForm", "AboutForm", "LuckForm",
                               "DrawForm", "HistoryForm", "WheelForm", "MessageForm"}) {
        const QImage a(shots + QStringLiteral("/light/%1.png").arg(QLatin1String(window)));
        const QImage b(shots + QStringLiteral("/dark/%1.png").arg(QLatin1String(window)));
        ASSERT_FALSE(a.isNull()) << window;
        ASSERT_EQ(a.size(), b.size()) << window;
        int differing = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                differing += a.pixel(x, y) != b.pixel(x, y);
        EXPECT_EQ(differing, 0) << window << ": pixels that follow the desktop's theme (" << shots.toStdString() << ")";
    }
}

// Every window shot in each language the program carries, each in a
// session of its own, with its texts readable and its fonts its own; the
// shots stay in desktop-shots/<language>/ for a person to look at.
TEST_F(Desktop, EveryWindowInEachLanguage)
{
    if (!qEnvironmentVariableIsEmpty(kShotsVariable))
        GTEST_SKIP() << "the shots' own session";
    const QString shots = QDir().absoluteFilePath(QStringLiteral("desktop-shots"));
    for (const QString &language : CarriedLanguages()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORMTHEME"));
        env.insert(QLatin1String(kLanguageVariable), language);
        QString output;
        EXPECT_TRUE(ShootIn(shots + QLatin1Char('/') + language, env, output)) << language.toStdString() << "\n"
                                                                               << output.toStdString();
        EXPECT_TRUE(QFile::exists(shots + QLatin1Char('/') + language + QStringLiteral("/DrawForm.png")));
    }
}

} // namespace
