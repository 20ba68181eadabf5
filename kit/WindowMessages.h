#pragma once

// The main window's private window messages. The dialogs send them
// synchronously, after they have written the store, to the window they were
// given; they know nothing else of it.

#include <QCoreApplication>
#include <QEvent>

#include <cstdint>

inline constexpr int WM_USER = 0x400;
inline constexpr int WM_SETTINGSCHANGED = WM_USER + 1;
inline constexpr int WM_SYSTEMSCHANGED = WM_USER + 2;

class TWindowMessage : public QEvent {
public:
    static QEvent::Type EventType()
    {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    TWindowMessage(int msg, intptr_t wParam, intptr_t lParam)
        : QEvent(EventType())
        , Msg(msg)
        , WParam(wParam)
        , LParam(lParam)
    {
    }
    int Msg;
    intptr_t WParam;
    intptr_t LParam;
    intptr_t Result = 0;
};

// Sends a message to a window and returns its result once handled. The
// dialogs send the parameters 1 and 4, which the main window does not read.
inline intptr_t SendFormMessage(QObject *form, int msg, intptr_t wParam = 1, intptr_t lParam = 4)
{
    TWindowMessage message(msg, wParam, lParam);
    QCoreApplication::sendEvent(form, &message);
    return message.Result;
}
