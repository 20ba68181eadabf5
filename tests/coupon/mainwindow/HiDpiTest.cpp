// The program on a 200 % screen: the coupon is drawn at the screen's own
// resolution, not its 96-dpi picture enlarged.

#include "UiFixture.h"

#include <QCoreApplication>
#include <QPixmap>

#include <cstdlib>

namespace {

// Before the application object exists: Qt reads the factor once, when it
// creates the screens.
const bool kScaledScreen = [] {
    qputenv("QT_SCALE_FACTOR", "2");
    return true;
}();

using HiDpi = UiTest;

// Counts the device pixels of grab that are not pixel (x / factor, y /
// factor) of image.
int DifferingPixels(const QImage &grab, const QImage &image, int factor)
{
    int differing = 0;
    for (int y = 0; y < grab.height(); ++y)
        for (int x = 0; x < grab.width(); ++x)
            if ((image.pixel(x / factor, y / factor) | 0xFF000000) != (grab.pixel(x, y) | 0xFF000000))
                ++differing;
    return differing;
}

// The run of grid-line pixels from (x, y) on, going right or down.
int LineWidth(const QImage &image, int x, int y, bool across)
{
    int width = 0;
    while ((image.pixel(x, y) | 0xFF000000) == 0xFF000000) {
        ++width;
        (across ? x : y) += 1;
    }
    return width;
}

TEST_F(HiDpi, CouponIsDrawnAtTheScreensResolution)
{
    ASSERT_TRUE(kScaledScreen);
    StartProgram();
    // Marks and their coefficient bars put sharp edges all over the picture.
    for (int n : {1, 9, 17, 25, 33, 49})
        PressNumber(1, n);
    for (int n : {7, 14, 21, 28, 35, 42})
        PressNumber(12, n);
    QCoreApplication::processEvents();
    EXPECT_EQ(Form()->Coupon().MarkCount(1), 6);
    EXPECT_EQ(Form()->Coupon().MarkCount(12), 6);

    TCouponImage *coupon = CouponPicture();
    ASSERT_DOUBLE_EQ(coupon->devicePixelRatioF(), 2.0);
    ASSERT_EQ(coupon->size(), QSize(753, 241));
    const QImage grab = coupon->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(grab.size(), QSize(1506, 482));
    // Not the 96-dpi picture with every pixel doubled.
    EXPECT_GT(DifferingPixels(grab, coupon->Image(), 2), 1000);
    // Grid lines of two device pixels, across and down alike: the line
    // after column 1 of board 2 (x 144), the line under row 1 (y 16).
    EXPECT_EQ(LineWidth(grab, 2 * 144, 2 * 20, true), 2);
    EXPECT_EQ(LineWidth(grab, 2 * 136, 2 * 16, false), 2);
    // The marked cell 9 of board 1 shows its cross in the middle.
    const TPoint nine = CellOrigin(1, 9);
    EXPECT_EQ(grab.pixel(2 * nine.x + 16, 2 * nine.y + 16) | 0xFF000000, atlas::kCross);
}

} // namespace
