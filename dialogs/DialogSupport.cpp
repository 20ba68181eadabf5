#include "DialogSupport.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QFont DialogFont(bool bold)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    font.setBold(bold);
    return font;
}

void SetBackgroundColour(QWidget *widget, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->availableGeometry();
    const QPoint topLeft = desktop.center() - window->rect().center();
    window->move(std::max(topLeft.x(), desktop.left()), std::max(topLeft.y(), desktop.top()));
}

void ShowInFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

Qt::WindowFlags FixedDialogFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint;
}
