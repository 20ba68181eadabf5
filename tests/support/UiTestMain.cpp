// Runs widget tests on the offscreen platform with the program's own
// application object.

#include "KeepLibrariesLoaded.h"
#include "app/Application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    KeepLibrariesLoaded();
    return result;
}
