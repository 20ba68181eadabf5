#include "app/Application.h"
#include "coupon/Tombolix.h"

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    CreateForms();
    TombolixForm->show();
    TApplication::exec();
    DestroyForms();
    return 0;
}
