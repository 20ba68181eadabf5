#include "DialogSupport.h"

#include <QWidget>

QFont DialogFont(bool bold)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    font.setBold(bold);
    return font;
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
