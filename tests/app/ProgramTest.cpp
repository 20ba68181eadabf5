// The program's windows made and torn down as the program does it, and its
// version record.

#include "UiFixture.h"

#include <QCoreApplication>
#include <QToolButton>

namespace {

using Program = UiTest;

TEST_F(Program, ProgramCarriesItsVersionRecord)
{
    StartProgram();
    EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral("1.1.1.27"));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Drawvane"));
}

TEST_F(Program, CreatingAndClosingManyTimesLeavesNothingBehind)
{
    for (int i = 0; i < 5; ++i) {
        StartProgram();
        Control<QToolButton>(Form(), "ExitBitBtn")->click();
        EXPECT_FALSE(Form()->isVisible());
        DestroyForms();
        EXPECT_EQ(TombolixForm, nullptr);
        EXPECT_EQ(ImagesForm, nullptr);
    }
    // A later event loop still runs until it is told to stop.
    StartProgram();
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QCoreApplication::exec(), 7);
    EXPECT_TRUE(ran);
}

TEST_F(Program, ClosingTheMainWindowEndsTheEventLoop)
{
    StartProgram();
    QTimer::singleShot(0, [] { TombolixForm->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(3); }); // safety net
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

} // namespace
