// The program's own start, as app/main.cpp runs it, ending once the main
// window has been painted for the first time.

#include "FirstPaint.h"

#include "app/Application.h"
#include "coupon/mainwindow/Tombolix.h"

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    CreateForms();
    TQuitAfterFirstPaint quit;
    TombolixForm->installEventFilter(&quit);
    TombolixForm->show();
    TApplication::exec();
    DestroyForms();
    return 0;
}
