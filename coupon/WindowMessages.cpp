#include "coupon/WindowMessages.h"

#include <QCoreApplication>
#include <QWidget>

QEvent::Type TWindowMessage::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

intptr_t SendFormMessage(QWidget *form, int msg, intptr_t wParam, intptr_t lParam)
{
    TWindowMessage message(msg, wParam, lParam);
    QCoreApplication::sendEvent(form, &message);
    return message.Result;
}
