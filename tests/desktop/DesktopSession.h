#pragma once

// A real X session for the tests: an X server (Xvfb) on a free display and a
// window manager (openbox) on it, started before the application object
// connects and stopped when the run ends. The program's windows are then
// driven the way a player drives them, through the X server (xdotool), and
// what the window manager sees is read back from it (xprop, xwininfo).

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

#include <sys/types.h>

class TDesktopSession {
public:
    // Starts the server and the window manager and points DISPLAY at them.
    // On failure, Error() says why.
    bool Start();
    void Stop();
    ~TDesktopSession() { Stop(); }

    QString Error() const { return FError; }
    QString Display() const { return FDisplay; }

private:
    pid_t FServer = -1;
    pid_t FWindowManager = -1;
    QString FDisplay;
    QString FError;
};

namespace x11 {

// Runs an X tool to its end while the program's event loop goes on, so the
// program can answer the server meanwhile. Returns its standard output;
// ok, when given, tells whether it ran and exited with 0.
QString Run(const QString &program, const QStringList &arguments, bool *ok = nullptr);

// A window's title as the window manager receives it (_NET_WM_NAME, else
// WM_NAME).
QString Title(unsigned long window);

// Whether the window manager shows the window minimised (WM_STATE Iconic or
// _NET_WM_STATE_HIDDEN).
bool Minimised(unsigned long window);

// Whether the window is mapped and viewable.
bool Viewable(unsigned long window);

// The managed windows from the bottom of the stack to its top
// (_NET_CLIENT_LIST_STACKING).
QList<unsigned long> Stacking();

// Asks the window manager to minimise the window, as its title-bar button
// does.
void Minimise(unsigned long window);

// A real click of the left button at a point of the screen.
void Click(QPoint global);

// Waits, with the event loop running, until condition holds or timeoutMs
// passes; returns whether it held.
bool WaitFor(const std::function<bool()> &condition, int timeoutMs = 5000);

} // namespace x11
