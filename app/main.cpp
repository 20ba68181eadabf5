#include "app/Application.h"
#include "coupon/mainwindow/Tombolix.h"

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    CreateForms();
    TombolixForm->show();
    TApplication::exec();
    DestroyForms();
    return 0;
}
