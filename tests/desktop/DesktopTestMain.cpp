// Starts a private X server and window manager and runs the desktop tests
// against them with the program's application object. Run inside a nested
// Wayland desktop (WaylandDesktopTest.cpp), it starts nothing and leaves the
// platform to the program, as a Wayland session starts it.

#include "DesktopSession.h"
#include "KeepLibrariesLoaded.h"
#include "app/Application.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TDesktopSession session;
    if (qEnvironmentVariableIsEmpty("DRAWVANE_POINTER_DISPLAY")) {
        // A screen of another size where the run asks for one ("3200x1800x24").
        const QByteArray screen = qgetenv("DRAWVANE_DESKTOP_SCREEN");
        if (!session.Start(screen.isEmpty() ? "1280x1024x24" : screen.constData())) {
            std::fprintf(stderr, "desktop tests: %s\n", qPrintable(session.Error()));
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    int result = 1;
    {
        TApplication app(argc, argv);
        result = RUN_ALL_TESTS();
        KeepLibrariesLoaded();
    }
    session.Stop();
    return result;
}
