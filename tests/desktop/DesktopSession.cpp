#include "DesktopSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
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

} // namespace

bool TDesktopSession::Start()
{
    for (const char *tool : {"Xvfb", "openbox", "xdotool", "xprop", "xwininfo"}) {
        if (!Found(tool)) {
            FError = QStringLiteral("%1 is not installed (make test installs it through tools/install-deps)")
                         .arg(QLatin1String(tool));
            return false;
        }
    }

    // The server picks a free display itself and writes its number to the
    // pipe once it accepts connections.
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        FError = QStringLiteral("no pipe for the X server");
        return false;
    }
    FServer = Spawn(
        "Xvfb", {"-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"},
        fds[1]);
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
    if (number.empty()) {
        FError = QStringLiteral("the X server did not start");
        Stop();
        return false;
    }
    FDisplay = QStringLiteral(":") + QString::fromStdString(number);
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

namespace x11 {

QString Run(const QString &program, const QStringList &arguments, bool *ok)
{
    QProcess process;
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
    return QString::fromLocal8Bit(process.readAllStandardOutput());
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

void Click(QPoint global)
{
    // Not --sync: a move to where the pointer already is never completes.
    Run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
    // Let the program see the pointer arrive before the button goes down.
    WaitFor([] { return false; }, 60);
    Run(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
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
