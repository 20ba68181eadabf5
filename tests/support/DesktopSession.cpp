#include "DesktopSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

pid_t Spawn(const std::string &program, const std::vector<std::string> &arguments, int keepFd = -1)
{
    const pid_t child = fork();
    if (child != 0)
        return child;
    // The child: its own process group, so that stopping it stops what it
    // started; output kept off the test's own.
    setpgid(0, 0);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    if (!std::getenv("DRAWVANE_DESKTOP_VERBOSE"))
        dup2(null, STDERR_FILENO);
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &a : arguments)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    if (keepFd >= 0)
        fcntl(keepFd, F_SETFD, 0);
    execvp(program.c_str(), argv.data());
    _exit(127);
}

void Terminate(pid_t &pid)
{
    if (pid <= 0)
        return;
    kill(-pid, SIGTERM);
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            return;
        }
        usleep(20000);
    }
    kill(-pid, SIGKILL);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

bool Found(const char *program)
{
    const std::string probe = std::string("command -v ") + program + " >/dev/null 2>&1";
    return std::system(probe.c_str()) == 0;
}

// Starts Xvfb on a free display; it writes the display's number to a pipe
// once it accepts connections.
bool StartServer(const char *screen, pid_t &server, QString &display)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return false;
    server = Spawn(
        "Xvfb", {"-displayfd", std::to_string(fds[1]), "-screen", "0", screen, "-nolisten", "tcp", "-noreset"}, fds[1]);
    close(fds[1]);
    std::string number;
    pollfd wait{fds[0], POLLIN, 0};
    while (poll(&wait, 1, 10000) > 0) {
        char c;
        const ssize_t n = read(fds[0], &c, 1);
        if (n <= 0 || c == '\n')
            break;
        number += c;
    }
    close(fds[0]);
    display = QStringLiteral(":") + QString::fromStdString(number);
    return !number.empty();
}

QString Missing(std::initializer_list<const char *> tools)
{
    for (const char *tool : tools)
        if (!Found(tool))
            return QStringLiteral("%1 is not installed (make test installs it through tools/install-deps)")
                .arg(QLatin1String(tool));
    return {};
}

} // namespace

bool TDesktopSession::Start(const char *screen)
{
    FError = Missing({"Xvfb", "openbox", "xdotool", "xprop", "xwininfo"});
    if (!FError.isEmpty())
        return false;
    if (!StartServer(screen, FServer, FDisplay)) {
        FError = QStringLiteral("the X server did not start");
        Stop();
        return false;
    }
    qputenv("DISPLAY", FDisplay.toLocal8Bit());

    FWindowManager = Spawn("openbox", {"--sm-disable"});
    // The window manager is up once it has claimed the root window.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        QProcess probe;
        probe.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        probe.waitForFinished(2000);
        if (probe.readAllStandardOutput().contains("window id"))
            return true;
        QThread::msleep(50);
    }
    FError = QStringLiteral("the window manager did not start on %1").arg(FDisplay);
    Stop();
    return false;
}

void TDesktopSession::Stop()
{
    Terminate(FWindowManager);
    Terminate(FServer);
}

namespace {

// The X display that the compositor serves through Xwayland: the lowest
// whose lock file names the compositor or a child of it. A lock or socket
// left by a server that died earlier names neither.
QString XwaylandOf(pid_t compositor)
{
    const auto parentOf = [](long pid) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            return -1L;
        // pid (comm) state ppid ...
        const QByteArray text = stat.readAll();
        return text.mid(text.lastIndexOf(')') + 2).split(' ').value(1).toLong();
    };
    int lowest = -1;
    const QStringList locks =
        QDir(QStringLiteral("/tmp")).entryList({QStringLiteral(".X*-lock")}, QDir::Files | QDir::Hidden);
    for (const QString &lock : locks) {
        QFile file(QStringLiteral("/tmp/") + lock);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const long pid = file.readAll().trimmed().toLong();
        const int number = lock.mid(2, lock.size() - 7).toInt();
        if (pid > 0 && (pid == compositor || parentOf(pid) == compositor)
            && QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) && (lowest < 0 || number < lowest))
            lowest = number;
    }
    return lowest < 0 ? QString() : QStringLiteral(":%1").arg(lowest);
}

// Runs program with the environment changed; the child's own environment
// is the test's, as Spawn leaves it, plus these.
pid_t SpawnWith(const QProcessEnvironment &changes, const std::string &program,
                const std::vector<std::string> &arguments, int keepFd = -1)
{
    QProcessEnvironment saved = QProcessEnvironment::systemEnvironment();
    for (const QString &name : changes.keys())
        qputenv(name.toLocal8Bit().constData(), changes.value(name).toLocal8Bit());
    const pid_t child = Spawn(program, arguments, keepFd);
    for (const QString &name : changes.keys()) {
        if (saved.contains(name))
            qputenv(name.toLocal8Bit().constData(), saved.value(name).toLocal8Bit());
        else
            qunsetenv(name.toLocal8Bit().constData());
    }
    return child;
}

} // namespace

bool TWaylandDesktop::Start()
{
    const bool gnome = FKind == TKind::Gnome;
    FError = Missing({"Xvfb", "xdotool", "xprop", "xwininfo", "import", "dbus-daemon", "Xwayland",
                      gnome ? "mutter" : "kwin_wayland"});
    if (!FError.isEmpty())
        return false;
    const auto fail = [this](const QString &error) {
        FError = error;
        Stop();
        return false;
    };
    // The output, and room beside it for the pointer to leave it.
    if (!StartServer("1300x950x24", FServer, FServerDisplay))
        return fail(QStringLiteral("the X server did not start"));

    char runtime[] = "/tmp/drawvane-wayland-XXXXXX";
    if (!mkdtemp(runtime))
        return fail(QStringLiteral("no runtime folder"));
    FRuntime = QString::fromLatin1(runtime);
    QProcessEnvironment base;
    base.insert(QStringLiteral("XDG_RUNTIME_DIR"), FRuntime);
    base.insert(QStringLiteral("DISPLAY"), FServerDisplay);
    // The compositors' own settings stay out of the player's folder.
    base.insert(QStringLiteral("XDG_CONFIG_HOME"), FRuntime + QStringLiteral("/config"));

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return fail(QStringLiteral("no pipe for the session bus"));
    FBus =
        SpawnWith(base, "dbus-daemon", {"--session", "--nofork", "--print-address=" + std::to_string(fds[1])}, fds[1]);
    close(fds[1]);
    QByteArray address;
    pollfd wait{fds[0], POLLIN, 0};
    while (poll(&wait, 1, 10000) > 0) {
        char c;
        if (read(fds[0], &c, 1) <= 0 || c == '\n')
            break;
        address += c;
    }
    close(fds[0]);
    if (address.isEmpty())
        return fail(QStringLiteral("the session bus did not start"));
    FBusAddress = QString::fromLatin1(address);
    base.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), FBusAddress);

    const std::string width = std::to_string(kOutput.width());
    const std::string height = std::to_string(kOutput.height());
    if (gnome) {
        QProcessEnvironment env = base;
        env.insert(QStringLiteral("MUTTER_DEBUG_DUMMY_MODE_SPECS"),
                   QStringLiteral("%1x%2").arg(kOutput.width()).arg(kOutput.height()));
        FCompositor = SpawnWith(env, "mutter", {"--nested", "--wayland", "--wayland-display=wayland-drawvane"});
    } else {
        // The packaged KWin carries a file capability that a container may
        // not grant; a copy of its own, under the same name, carries none.
        const QString copy = FRuntime + QStringLiteral("/kwin_wayland");
        const QString installed = QStandardPaths::findExecutable(QStringLiteral("kwin_wayland"));
        if (!QFile::copy(installed, copy))
            return fail(QStringLiteral("cannot copy %1").arg(installed));
        FCompositor = SpawnWith(base, copy.toStdString(),
                                {"--x11-display", FServerDisplay.toStdString(), "--socket", "wayland-drawvane",
                                 "--xwayland", "--width", width, "--height", height});
    }

    // Up once its Wayland socket and its Xwayland display are there.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000 && FXwayland.isEmpty()) {
        QThread::msleep(100);
        if (QFile::exists(FRuntime + QStringLiteral("/wayland-drawvane")))
            FXwayland = XwaylandOf(FCompositor);
    }
    if (FXwayland.isEmpty())
        return fail(QStringLiteral("the compositor did not start on %1").arg(FServerDisplay));
    if (gnome) {
        const QStringList auth =
            QDir(FRuntime).entryList({QStringLiteral(".mutter-Xwaylandauth.*")}, QDir::Files | QDir::Hidden);
        if (!auth.isEmpty())
            FXauthority = FRuntime + QLatin1Char('/') + auth.first();
    }
    // Xwayland answers once the compositor manages it.
    while (clock.elapsed() < 20000) {
        QProcess probe;
        probe.setProcessEnvironment(Environment());
        probe.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        probe.waitForFinished(2000);
        if (probe.readAllStandardOutput().contains("window id"))
            return true;
        QThread::msleep(100);
    }
    return fail(QStringLiteral("Xwayland %1 did not answer").arg(FXwayland));
}

QProcessEnvironment TWaylandDesktop::Environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("XAUTHORITY"));
    env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"),
               FKind == TKind::Gnome ? QStringLiteral("GNOME") : QStringLiteral("KDE"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), FRuntime);
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-drawvane"));
    env.insert(QStringLiteral("DISPLAY"), FXwayland);
    if (!FXauthority.isEmpty())
        env.insert(QStringLiteral("XAUTHORITY"), FXauthority);
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), FBusAddress);
    env.insert(QStringLiteral("DRAWVANE_POINTER_DISPLAY"), FServerDisplay);
    return env;
}

void TWaylandDesktop::Stop()
{
    Terminate(FCompositor);
    Terminate(FBus);
    Terminate(FServer);
    if (!FRuntime.isEmpty())
        QDir(FRuntime).removeRecursively();
    FRuntime.clear();
}

namespace x11 {

namespace {

QByteArray RunIn(const QProcessEnvironment &environment, const QString &program, const QStringList &arguments,
                 bool *ok = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted(5000)) {
        if (ok)
            *ok = false;
        return {};
    }
    QElapsedTimer clock;
    clock.start();
    // The program's events are handled meanwhile, and may open a modal box
    // whose own loop sees the tool end: the loop asks for its state.
    while (process.state() != QProcess::NotRunning && clock.elapsed() < 10000) {
        process.waitForFinished(5);
        QCoreApplication::processEvents();
    }
    if (std::getenv("DRAWVANE_DESKTOP_VERBOSE"))
        std::fprintf(stderr, "%s %s: %lld ms\n", qPrintable(program), qPrintable(arguments.join(QLatin1Char(' '))),
                     static_cast<long long>(clock.elapsed()));
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
    if (ok)
        *ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return process.readAllStandardOutput();
}

// What a tool run on the pointer display sees: the environment is never
// changed in place, as the program's events, handled while a tool runs,
// may run other tools meanwhile.
QProcessEnvironment PointerEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString display = qEnvironmentVariable("DRAWVANE_POINTER_DISPLAY");
    if (!display.isEmpty()) {
        env.insert(QStringLiteral("DISPLAY"), display);
        env.remove(QStringLiteral("XAUTHORITY"));
    }
    return env;
}

} // namespace

QString Run(const QString &program, const QStringList &arguments, bool *ok)
{
    return QString::fromLocal8Bit(RunIn(QProcessEnvironment::systemEnvironment(), program, arguments, ok));
}

namespace {

QString Id(unsigned long window)
{
    return QStringLiteral("0x%1").arg(window, 0, 16);
}

} // namespace

QString Title(unsigned long window)
{
    // _NET_WM_NAME(UTF8_STRING) = "Drawvane Help"
    for (const char *atom : {"_NET_WM_NAME", "WM_NAME"}) {
        const QString line = Run(QStringLiteral("xprop"), {QStringLiteral("-id"), Id(window), QLatin1String(atom)});
        const qsizetype first = line.indexOf(QLatin1Char('"'));
        const qsizetype last = line.lastIndexOf(QLatin1Char('"'));
        if (first >= 0 && last > first)
            return line.mid(first + 1, last - first - 1);
    }
    return {};
}

bool Minimised(unsigned long window)
{
    const QString state =
        Run(QStringLiteral("xprop"),
            {QStringLiteral("-id"), Id(window), QStringLiteral("WM_STATE"), QStringLiteral("_NET_WM_STATE")});
    return state.contains(QStringLiteral("Iconic")) || state.contains(QStringLiteral("_NET_WM_STATE_HIDDEN"));
}

bool Viewable(unsigned long window)
{
    return Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), Id(window)})
        .contains(QStringLiteral("Map State: IsViewable"));
}

QStringList AllowedActions(unsigned long window)
{
    // _NET_WM_ALLOWED_ACTIONS(ATOM) = _NET_WM_ACTION_MOVE, _NET_WM_ACTION_CLOSE
    const QString line =
        Run(QStringLiteral("xprop"), {QStringLiteral("-id"), Id(window), QStringLiteral("_NET_WM_ALLOWED_ACTIONS")});
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    QStringList actions;
    if (equals >= 0)
        for (const QString &action : line.mid(equals + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
            actions.append(action.trimmed());
    return actions;
}

QString WindowManager()
{
    const QString check =
        Run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    const qsizetype hash = check.indexOf(QLatin1Char('#'));
    return hash < 0 ? QString() : Title(check.mid(hash + 1).trimmed().toULong(nullptr, 16));
}

unsigned MotifDecorations(unsigned long window)
{
    // _MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = 0x1, 0x6, 0x2e, 0x0, 0x0
    const QString line =
        Run(QStringLiteral("xprop"), {QStringLiteral("-id"), Id(window), QStringLiteral("_MOTIF_WM_HINTS")});
    const QStringList fields = line.section(QLatin1Char('='), 1).split(QLatin1Char(','));
    return fields.size() >= 3 ? fields[2].trimmed().toUInt(nullptr, 16) : 0;
}

void Activate(unsigned long window)
{
    Run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QString::number(window)});
}

unsigned long TransientFor(unsigned long window)
{
    // WM_TRANSIENT_FOR(WINDOW): window id # 0x400006
    const QString line =
        Run(QStringLiteral("xprop"), {QStringLiteral("-id"), Id(window), QStringLiteral("WM_TRANSIENT_FOR")});
    const qsizetype hash = line.indexOf(QLatin1Char('#'));
    return hash < 0 ? 0 : line.mid(hash + 1).trimmed().toULong(nullptr, 16);
}

QRect Geometry(unsigned long window)
{
    const QString info = Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), Id(window)});
    const auto field = [&](const char *name) {
        const qsizetype at = info.indexOf(QLatin1String(name));
        return at < 0 ? -1 : info.mid(at + qsizetype(qstrlen(name))).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
    };
    return {field("Absolute upper-left X:"), field("Absolute upper-left Y:"), field("Width:"), field("Height:")};
}

QList<unsigned long> Stacking()
{
    // _NET_CLIENT_LIST_STACKING(WINDOW): window id # 0x200003, 0x400005
    const QString line =
        Run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QList<unsigned long> windows;
    const qsizetype hash = line.indexOf(QLatin1Char('#'));
    if (hash < 0)
        return windows;
    for (const QString &part : line.mid(hash + 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const unsigned long id = part.trimmed().toULong(&ok, 16);
        if (ok)
            windows.append(id);
    }
    return windows;
}

void Minimise(unsigned long window)
{
    Run(QStringLiteral("xdotool"),
        {QStringLiteral("windowminimize"), QStringLiteral("--sync"), QString::number(window)});
}

namespace {

// xdotool on the display that has the pointer.
void Pointer(const QStringList &arguments)
{
    RunIn(PointerEnvironment(), QStringLiteral("xdotool"), arguments);
}

} // namespace

void MoveTo(QPoint global)
{
    if (!qEnvironmentVariableIsEmpty("DRAWVANE_POINTER_DISPLAY")) {
        const QSize output = TWaylandDesktop::kOutput;
        Pointer(
            {QStringLiteral("mousemove"), QString::number(output.width() + 10), QString::number(output.height() + 10)});
        WaitFor([] { return false; }, 60);
    }
    // Not --sync: a move to where the pointer already is never completes.
    Pointer({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
    // Let the program see the pointer arrive before the button goes down.
    WaitFor([] { return false; }, 60);
}

void ClickWhereThePointerIs()
{
    Pointer({QStringLiteral("click"), QStringLiteral("1")});
}

void Click(QPoint global)
{
    MoveTo(global);
    ClickWhereThePointerIs();
}

QImage Screen(unsigned long window)
{
    // As PPM: compressing a PNG of the screen took a second of every look.
    const QByteArray picture =
        RunIn(PointerEnvironment(), QStringLiteral("import"),
              {QStringLiteral("-window"), window ? Id(window) : QStringLiteral("root"), QStringLiteral("ppm:-")});
    return QImage::fromData(picture, "PPM").convertToFormat(QImage::Format_RGB32);
}

bool WaitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) {
            if (std::getenv("DRAWVANE_DESKTOP_VERBOSE"))
                std::fprintf(stderr, "waited %d ms in vain\n", timeoutMs);
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

} // namespace x11
