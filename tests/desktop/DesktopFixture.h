#pragma once

// The started program in the real X session, driven through the X server.

#include "DesktopSession.h"

#include "TestSupport.h"
#include "WindowControls.h"
#include "app/Application.h"
#include "coupon/logic/CouponForTests.h"
#include "coupon/logic/CouponState.h"
#include "coupon/mainwindow/CouponImage.h"
#include "coupon/mainwindow/Tombolix.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using fortests::CellOrigin;

inline unsigned long Id(QWidget *window)
{
    return static_cast<unsigned long>(window->winId());
}

inline QPoint CentreOf(QWidget *widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

// A point of the main window, whose client area is at main, that covers no
// control with a command and lies outside the frame of the other window,
// whose client area is at other.
inline QPoint MainWindowPointBeside(const QRect &main, const QRect &other, QWidget *window)
{
    const QRect frame = other.adjusted(-40, -60, 40, 40);
    // The status bar, the toolbar's spacer, the results and the captions.
    for (const QPoint local : {QPoint(10, 636), QPoint(740, 636), QPoint(600, 40), QPoint(10, 400), QPoint(300, 600)})
        if (!frame.contains(main.topLeft() + local))
            return main.topLeft() + local;
    ADD_FAILURE() << window->objectName().toStdString() << " covers the whole main window";
    return main.topLeft();
}

// Keeps what the screen shows, as name.png, in the folder that
// DRAWVANE_SCREENS_DIR names, for a person to look at; nothing without it.
inline void KeepScreen(const char *name)
{
    const QString dir = qEnvironmentVariable("DRAWVANE_SCREENS_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    EXPECT_TRUE(x11::Screen().save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"))) << name;
}

// What the screen shows when the running test has failed, kept as
// desktop-failures/<test>.png beside the tests.
inline void KeepScreenOfAFailure()
{
    if (!::testing::Test::HasFailure())
        return;
    const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
    QDir().mkpath(QStringLiteral("desktop-failures"));
    const QString file = QStringLiteral("desktop-failures/%1.png").arg(QLatin1String(test->name()));
    if (x11::Screen().save(file))
        std::printf("screenshot of the failure: %s\n", qPrintable(QDir().absoluteFilePath(file)));
}

class Desktop : public ::testing::Test {
protected:
    void SetUp() override { FHome = std::make_unique<testsupport::ScopedConfigHome>(); }

    void TearDown() override
    {
        // Before the windows go.
        KeepScreenOfAFailure();
        if (TombolixForm)
            DestroyForms();
        FHome.reset();
    }

    void StartProgram()
    {
        CreateForms();
        TombolixForm->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(TombolixForm));
        ASSERT_TRUE(x11::WaitFor([] { return x11::Viewable(Id(TombolixForm)); }));
        // Placed by the window manager before anything is clicked.
        QTest::qWait(100);
    }

    // Opens the six secondary windows. They cover the toolbar once open, so
    // the commands are given without the mouse.
    static void OpenEveryWindow()
    {
        for (const char *command : {"ShowOptionsAction", "SystemsAction", "LuckAction", "AboutAction", "HelpAction",
                                    "DrawAction", "PrintAction"})
            Command(command)->trigger();
    }

    // Shows window with a real click on button, and waits until the window
    // manager shows it.
    static bool ShowByClick(QWidget *button, QWidget *window)
    {
        x11::Click(CentreOf(button));
        return x11::WaitFor(
            [&] { return window->isVisible() && x11::Viewable(Id(window)) && !x11::Minimised(Id(window)); });
    }

    void ClickNumber(int board, int number)
    {
        const TPoint p = CellOrigin(board, number);
        x11::Click(CouponPicture()->mapToGlobal(QPoint(p.x + 8, p.y + 8)));
    }

    const testsupport::ScopedConfigHome &Home() const { return *FHome; }

    // What the screen shows of a window's client area. Xwayland keeps no
    // picture of a window, so in a Wayland desktop it is cut from the
    // compositor's output.
    static QImage Shot(QWidget *window)
    {
        if (qEnvironmentVariableIsEmpty("DRAWVANE_POINTER_DISPLAY"))
            return window->screen()->grabWindow(Id(window)).toImage();
        return x11::Screen().copy(x11::Geometry(Id(window)));
    }

private:
    std::unique_ptr<testsupport::ScopedConfigHome> FHome;
};
