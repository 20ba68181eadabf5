#include "kit/WindowStacking.h"
#include "kit/WindowLayout.h"
#include "kit/Wine.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

void ShowInFront(QWidget *window)
{
    // Window managers that ignore the dialogs' hints let the player
    // minimise them; showing one brings it back. The toolkit's native window
    // only learns of a minimising that it asked for itself, so it is told
    // first, then restored; the widget's own state follows. Under Wine a
    // window without a minimise button of its own stays minimised on the X
    // side while Windows takes it for shown, so a shown one is restored so
    // too.
    if (window->isMinimized() || (RunsUnderWine() && window->isVisible())) {
        if (QWindow *handle = window->windowHandle()) {
            handle->setWindowStates(Qt::WindowMinimized);
            handle->setWindowStates(Qt::WindowNoState);
        }
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void SetOwner(QWidget *window, QWidget *owner)
{
    // The window system learns of the owner as the window is first shown:
    // X11 as WM_TRANSIENT_FOR, Wayland as the toplevel's parent, and a
    // Wayland compositor then keeps the window above its owner. Windows
    // keeps the dialogs on top without an owner, and an owned window there
    // that was minimised (Wine lets the player do it) does not come back
    // when it is shown again.
#ifdef Q_OS_WIN
    Q_UNUSED(window);
    Q_UNUSED(owner);
#else
    WhenFirstShown(window, [owner = QPointer<QWidget>(owner)](QWidget *w) {
        QWindow *handle = w->windowHandle();
        if (handle && owner)
            handle->setTransientParent(owner->window()->windowHandle());
    });
#endif
}
