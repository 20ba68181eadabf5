#include "Application.h"
#include "Tombolix.h"

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    CreateForms();
    TombolixForm->show();
    TApplication::exec();
    DestroyForms();
    return 0;
}
