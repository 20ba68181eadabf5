#include "app/Application.h"
#include "app/CommandLine.h"
#include "coupon/mainwindow/Tombolix.h"

int main(int argc, char **argv)
{
    if (const std::optional<int> ended = AnswerCommandLine(argc, argv))
        return *ended;
    TApplication app(argc, argv);
    CreateForms();
    TombolixForm->show();
    TApplication::exec();
    DestroyForms();
    return 0;
}
