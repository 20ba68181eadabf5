#pragma once

// The platform's accessibility switched on in the test's process, as the
// presence of a screen reader switches it on, so that the program's
// accessibility events are sent (QTestAccessibility records them).

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QtTest/qtestaccessible.h>

inline void SetScreenReaderListening(bool on)
{
    if (QPlatformAccessibility *accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility())
        accessibility->setActive(on);
}

// The events recorded so far dropped (QTestAccessibility keeps copies that
// it leaves to its user).
inline void ForgetAccessibilityEvents()
{
    qDeleteAll(QTestAccessibility::events());
    QTestAccessibility::clearEvents();
}
