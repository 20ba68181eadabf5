#pragma once

// A real X session for the tests: an X server (Xvfb) on a free display and a
// window manager (openbox) on it, started before the application object
// connects and stopped when the run ends. The program's windows are then
// driven the way a player drives them, through the X server (xdotool), and
// what the window manager sees is read back from it (xprop, xwininfo).

#include <QImage>
#include <QList>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

#include <sys/types.h>

class TDesktopSession {
public:
    // Starts the server, with a screen of `screen` ("WIDTHxHEIGHTxDEPTH"),
    // and the window manager, and points DISPLAY at them. On failure,
    // Error() says why.
    bool Start(const char *screen = "1280x1024x24");
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

// A Wayland desktop as GNOME or Plasma starts it, nested on an X server of
// its own (Xvfb): a session bus, the compositor (mutter or KWin) and its
// Xwayland. A program started with Environment() runs as a Wayland session
// starts it; the pointer is driven on the X server under the compositor,
// whose output covers it from its top left corner.
class TWaylandDesktop {
public:
    enum class TKind { Gnome, Plasma };

    explicit TWaylandDesktop(TKind kind)
        : FKind(kind)
    {
    }
    bool Start();
    void Stop();
    ~TWaylandDesktop() { Stop(); }

    QString Error() const { return FError; }
    // XDG_SESSION_TYPE wayland, WAYLAND_DISPLAY and DISPLAY (Xwayland) set,
    // QT_QPA_PLATFORM unset, and the pointer display for x11::Click.
    QProcessEnvironment Environment() const;

    static constexpr QSize kOutput{1280, 900};

private:
    TKind FKind;
    pid_t FServer = -1;
    pid_t FBus = -1;
    pid_t FCompositor = -1;
    QString FServerDisplay;
    QString FXwayland;
    QString FXauthority;
    QString FBusAddress;
    QString FRuntime;
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

// What the window manager lets the player do with a window
// (_NET_WM_ALLOWED_ACTIONS), such as "_NET_WM_ACTION_MINIMIZE".
QStringList AllowedActions(unsigned long window);

// The name the window manager gives itself (_NET_WM_NAME of its check
// window), such as "Openbox", "GNOME Shell" or "KWin".
QString WindowManager();

// The decorations that the window's Motif hints ask for (_MOTIF_WM_HINTS).
unsigned MotifDecorations(unsigned long window);

// Asks the window manager to activate the window, restoring it when it is
// minimised, as its task-bar button does.
void Activate(unsigned long window);

// The window that the window is transient for (WM_TRANSIENT_FOR), or 0.
unsigned long TransientFor(unsigned long window);

// Where the window's client area is on the screen.
QRect Geometry(unsigned long window);

// The managed windows from the bottom of the stack to its top
// (_NET_CLIENT_LIST_STACKING).
QList<unsigned long> Stacking();

// Asks the window manager to minimise the window, as its title-bar button
// does.
void Minimise(unsigned long window);

// Moves the pointer to a point of the screen. In a nested Wayland desktop
// (DRAWVANE_POINTER_DISPLAY set) the pointer is moved on the X server under
// the compositor, first off the compositor's output and back, so that the
// compositor sees it enter.
void MoveTo(QPoint global);

// A real click of the left button where the pointer is.
void ClickWhereThePointerIs();

// A real click of the left button at a point of the screen: MoveTo, then
// the click.
void Click(QPoint global);

// The screen as it is shown: the root window of the X server, or of the
// pointer display in a nested Wayland desktop; or the one window given.
QImage Screen(unsigned long window = 0);

// Waits, with the event loop running, until condition holds or timeoutMs
// passes; returns whether it held.
bool WaitFor(const std::function<bool()> &condition, int timeoutMs = 5000);

} // namespace x11
