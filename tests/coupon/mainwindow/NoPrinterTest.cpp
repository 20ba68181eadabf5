// Printing on a machine with no printing system at all.

#include "UiFixture.h"
#include "dialogs/forms/MessageUnit.h"

#include <cstdlib>

namespace {

class NoPrinter : public UiTest {
protected:
    void SetUp() override
    {
        // A scheduler address where none listens: no printer, no default.
        setenv("CUPS_SERVER", "/nonexistent/drawvane/cups.sock", 1);
        UiTest::SetUp();
    }
};

TEST_F(NoPrinter, PrintGivesTheErrorReportAndNoMessage)
{
    StartProgram();
    for (int n : {1, 2, 3, 4, 5, 6})
        PressNumber(1, n);
    const QImage before = CouponPicture()->Image();
    const QString report = TextOfModalBox([&] { Command("PrintAction")->trigger(); });
    EXPECT_EQ(report.toStdString(), "No default printer is installed.");
    EXPECT_FALSE(MessageForm->isVisible());
    EXPECT_EQ(CouponPicture()->Image(), before);
    EXPECT_EQ(Form()->Coupon().MarkCount(1), 6);
    EXPECT_EQ(Form()->findChild<QLabel *>(QStringLiteral("p1"))->text(), QStringLiteral("Punch  = 0"));
}

TEST_F(NoPrinter, EmptyCouponStillAsksForAFilledBoard)
{
    StartProgram();
    Command("PrintAction")->trigger();
    EXPECT_TRUE(MessageForm->isVisible());
    EXPECT_EQ(Control<QLabel>(MessageForm, "MessageLabel")->text(),
              QStringLiteral("Please fill at least one of the boards"));
}

TEST_F(NoPrinter, MessageBoxShowsTheLatestTextInOneWindow)
{
    StartProgram();
    MessageForm->ShowText(QStringLiteral("Please fill at least one of the boards"));
    MessageForm->ShowText(QStringLiteral("Printing the selected numbers..."));
    EXPECT_TRUE(MessageForm->isVisible());
    EXPECT_EQ(Control<QLabel>(MessageForm, "MessageLabel")->text(), QStringLiteral("Printing the selected numbers..."));
    int shown = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        shown += w->isVisible() && w->objectName() == QStringLiteral("MessageForm");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(MessageForm->windowTitle(), QStringLiteral("Drawvane Message"));
    EXPECT_EQ(MessageForm->size(), QSize(290, 108));
    EXPECT_TRUE(MessageForm->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(MessageForm->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(MessageForm->palette().color(QPalette::Window).rgb(), 0xFFE8DEBA);
    EXPECT_EQ(Control<QFrame>(MessageForm, "Panel1")->palette().color(QPalette::Window).rgb(), 0xFFD4BADE);

    // The window manager cannot close it; Close hides it and leaves the rest.
    MessageForm->close();
    EXPECT_TRUE(MessageForm->isVisible());
    Button(MessageForm, "CloseBitBtn")->click();
    EXPECT_FALSE(MessageForm->isVisible());
    EXPECT_TRUE(Form()->isVisible());
}

} // namespace
