// The floor of a start: a bare Qt program that shows one 773 x 647 window
// with a label, paints it once and ends.

#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(773, 647);
    QLabel label(QStringLiteral("Drawvane"), &window);
    label.move(10, 10);
    TQuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
