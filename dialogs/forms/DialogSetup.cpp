#include "dialogs/forms/DialogSetup.h"

#include <QEvent>
#include <QFrame>
#include <QStringList>
#include <QWidget>

QFont DialogFont(bool bold)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    font.setBold(bold);
    return font;
}

QFrame *MakeFrame(QWidget *parent, const TPlace &place)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return Place(frame, place);
}

namespace {

class TCloseRefusal : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return QObject::eventFilter(watched, event);
        event->ignore();
        return true;
    }
};

} // namespace

void RefuseWindowManagerClose(QWidget *window)
{
    window->installEventFilter(new TCloseRefusal(window));
}

void SetUpDialog(QWidget *dialog, TWindowSetup setup)
{
    setup.flags = FixedDialogFlags();
    if (setup.role == QAccessible::Window)
        setup.role = QAccessible::Dialog;
    SetUpWindow(dialog, setup);
    RefuseWindowManagerClose(dialog);
}

bool DesktopIsKde()
{
    // XDG_CURRENT_DESKTOP is a colon-separated list, such as "KDE" or
    // "ubuntu:GNOME".
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'));
    return desktops.contains(QStringLiteral("KDE"), Qt::CaseInsensitive);
}

Qt::WindowFlags FixedDialogFlags()
{
    // KWin gives every dialog that takes the keyboard a minimise button: it
    // ignores the minimise function of the Motif hints, and the allowed
    // actions are its own to set. Only the window type counts, and a
    // utility window gets none. Under KDE the dialogs are therefore utility
    // windows (KWin then hides them while another program is active, as it
    // does every program's utility windows); elsewhere the window managers
    // take the hints, and the dialogs stay dialogs.
    const Qt::WindowType type = DesktopIsKde() ? Qt::Tool : Qt::Dialog;
    return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint;
}
