// The program on a 200 % screen: the coupon is its own picture with every
// pixel doubled, never smoothed.

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
// factor) of image; reports the first few.
int DifferingPixels(const QImage &grab, const QImage &image, int factor)
{
    int differing = 0;
    for (int y = 0; y < grab.height(); ++y)
        for (int x = 0; x < grab.width(); ++x) {
            const QRgb want = image.pixel(x / factor, y / factor) | 0xFF000000;
            const QRgb got = grab.pixel(x, y) | 0xFF000000;
            if (want != got && ++differing <= 5)
                ADD_FAILURE() << "device pixel " << x << "," << y << " is " << std::hex << got << ", not " << want;
        }
    return differing;
}

TEST_F(HiDpi, CouponIsItsImageDoubledPixelForPixel)
{
    ASSERT_TRUE(kScaledScreen);
    StartProgram();
    // Marks and their coefficient bars put sharp edges all over the picture.
    for (int n : {1, 9, 17, 25, 33, 49})
        PressNumber(1, n);
    for (int n : {7, 14, 21, 28, 35, 42})
        PressNumber(12, n);
    QCoreApplication::processEvents();

    TCouponImage *coupon = CouponPicture();
    ASSERT_DOUBLE_EQ(coupon->devicePixelRatioF(), 2.0);
    ASSERT_EQ(coupon->size(), QSize(753, 241));

    const QPixmap grab = coupon->grab();
    EXPECT_DOUBLE_EQ(grab.devicePixelRatio(), 2.0);
    ASSERT_EQ(grab.size(), QSize(1506, 482));
    const QImage image = coupon->Image();
    ASSERT_EQ(image.size(), QSize(753, 241));
    EXPECT_EQ(DifferingPixels(grab.toImage().convertToFormat(QImage::Format_RGB32), image, 2), 0);
}

} // namespace
