#pragma once

// Ends the event loop once a window has been painted for the first time:
// how the start-up benchmarks know that a program is up.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

class TQuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            // After this paint has been handled.
            QTimer::singleShot(0, [] { QCoreApplication::quit(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool FSeen = false;
};
