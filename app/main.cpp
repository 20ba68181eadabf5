#include "app/Application.h"
#include "app/CommandLine.h"
#include "coupon/mainwindow/Tombolix.h"
#include "kit/Language.h"

int main(int argc, char **argv)
{
    const TCommandLine line = AnswerCommandLine(argc, argv);
    if (line.ended)
        return *line.ended;
    TApplication app(argc, argv);
    UseLanguage(line.language);
    CreateForms();
    TombolixForm->show();
    TApplication::exec();
    DestroyForms();
    return 0;
}
