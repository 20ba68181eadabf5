#include "kit/WindowStacking.h"
#include "kit/WindowLayout.h"
#include "kit/Wine.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>
#include <utility>

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

void ShowBeside(QWidget *window, const QWidget *owner)
{
    if (!window->isVisible() && owner && owner->isVisible() && owner->screen()) {
        const QRect room = owner->screen()->availableGeometry();
        const QRect main = owner->frameGeometry();
        // The window's frame is known once it was shown; before that it is
        // taken to be the owner's.
        const QMargins ownFrame(owner->geometry().left() - main.left(), owner->geometry().top() - main.top(),
                                main.right() - owner->geometry().right(), main.bottom() - owner->geometry().bottom());
        const QRect shown = window->frameGeometry();
        const QSize outer = window->testAttribute(Qt::WA_WState_Created) && shown.size() != window->size()
            ? shown.size()
            : window->size().grownBy(ownFrame);
        // Within the screen where it fits; its title bar on it in any case.
        const auto onScreen = [&](QPoint p) {
            p.setX(std::max(room.left(), std::min(p.x(), room.right() + 1 - outer.width())));
            p.setY(std::max(room.top(), std::min(p.y(), room.bottom() + 1 - outer.height())));
            return QRect(p, outer);
        };
        // Right and left first beside the owner's top, then beside its
        // bottom, so that two such windows can stand one above the other.
        const std::array<QRect, 6> places = {
            onScreen({main.right() + 1, main.top()}),
            onScreen({main.left(), main.bottom() + 1}),
            onScreen({main.left() - outer.width(), main.top()}),
            onScreen({main.left(), main.top() - outer.height()}),
            onScreen({main.right() + 1, main.bottom() + 1 - outer.height()}),
            onScreen({main.left() - outer.width(), main.bottom() + 1 - outer.height()})};
        const auto area = [](const QRect &a, const QRect &b) {
            const QRect both = a.intersected(b);
            return both.isEmpty() ? 0LL : static_cast<long long>(both.width()) * both.height();
        };
        // The other windows shown, which it had better not cover either.
        QList<QRect> others;
        for (const QWidget *w : QApplication::topLevelWidgets())
            if (w != window && w != owner && w->isVisible() && !w->isMinimized())
                others.append(w->frameGeometry());
        const auto cost = [&](const QRect &place) {
            long long coveredOthers = 0;
            for (const QRect &other : others)
                coveredOthers += area(place, other);
            return std::pair(area(place, main), coveredOthers);
        };
        // The first place that covers nothing, else the one that covers
        // least of the owner, then of the other windows.
        const QRect best = *std::min_element(places.begin(), places.end(),
                                             [&](const QRect &a, const QRect &b) { return cost(a) < cost(b); });
        window->move(best.topLeft());
    }
    ShowInFront(window);
}
