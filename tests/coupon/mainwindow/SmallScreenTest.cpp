// The program on a small screen at a large scale: 1366 x 768 at 125 %,
// where the main window is taller than the screen.

#include "UiFixture.h"
#include "kit/WindowLayout.h"

#include <QFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// Before the application object exists: the offscreen platform's screen,
// and Qt's scale.
const bool kSmallScreen = [] {
    // In the working folder and named without a folder: the platform's
    // arguments are split at colons, and a Windows path starts with a drive
    // letter and one (the temporary folder may lie on another drive).
    const QString config = QStringLiteral("drawvane-small-screen.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,)"
               R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "1.25");
    return true;
}();

using SmallScreen = UiTest;

TEST_F(SmallScreen, MainWindowLiesWholeOnTheScreenAndItsTotalsScrollIntoView)
{
    ASSERT_TRUE(kSmallScreen);
    StartProgram();
    const QRect available = Form()->screen()->availableGeometry();
    ASSERT_EQ(available.size(), QSize(1093, 614));
    EXPECT_LE(Form()->height(), available.height());
    EXPECT_GE(Form()->y(), available.top());
    auto *area = Form()->findChild<QScrollArea *>(QStringLiteral("WindowScrollArea"));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->widget()->size(), QSize(773, 647));

    // A board clicked full at the scale marks its numbers and shows the
    // totals, which scroll into view.
    FillBoard(3, {2, 9, 16, 23, 30, 37});
    EXPECT_EQ(Form()->Coupon().MarkCount(3), 6);
    QLabel *totals = Control<QLabel>(Form(), "TotalWinProbability");
    EXPECT_EQ(totals->text(), QStringLiteral("0.018638"));
    // The page runs on below the window; scrolled down, the totals stand
    // whole in view.
    const auto inView = [&] {
        const int top = totals->mapTo(area->viewport(), QPoint()).y();
        return top >= 0 && top + totals->height() <= area->viewport()->height();
    };
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    EXPECT_TRUE(inView());
}

// A window that fits keeps its size and has nothing that scrolls.
TEST_F(SmallScreen, WindowsThatFitAreLeftAsTheyAre)
{
    StartProgram();
    for (const auto &[command, window] : CommandedDialogs()) {
        command->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(window->findChild<QScrollArea *>(QStringLiteral("WindowScrollArea")), nullptr)
            << window->objectName().toStdString();
        EXPECT_EQ(window->size(), window->property(kDesignedSizeProperty).toSize());
    }
}

} // namespace
