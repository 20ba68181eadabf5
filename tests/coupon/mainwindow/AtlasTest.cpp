#include "coupon/mainwindow/CouponImage.h"
#include "coupon/mainwindow/GridAtlas.h"
#include "coupon/mainwindow/ImageFormUnit.h"
#include "kit/Artwork.h"

#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <iterator>

namespace {

// The coupon's colours, written out here rather than taken from the atlas's
// own names, so that a changed colour there shows as a failure here.
constexpr QRgb kLine = 0xFF000000;
constexpr QRgb kPlainCell = 0xFFFFFFFF;
constexpr QRgb kPlainDigit = 0xFF030345;
constexpr QRgb kCross = 0xFF376A35;
constexpr QRgb kExcludedCell = 0xFFEFF099;
constexpr QRgb kExcludedDigit = 0xFF9292AF;
constexpr QRgb kRest = 0xFFFFFFFF;

QRgb At(const QImage &image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000;
}

// Copies onto the coupon picture are clipped against both pictures: a
// start outside either moves both starts and shortens the run.
TEST(CouponImage, CopiesAreClippedAgainstBothImages)
{
    constexpr QRgb kPaper = 0xFFFFFFFF;
    QImage source(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            source.setPixel(x, y, qRgb(10 * x, 10 * y, 200));
    const auto copied = [&](int sx, int sy, int dx, int dy) {
        TCouponImage image;
        image.FillRect(0, 0, TCouponImage::kWidth, TCouponImage::kHeight, kPaper);
        image.CopyRect(source, sx, sy, 4, 3, dx, dy);
        return image.Image();
    };
    constexpr int W = TCouponImage::kWidth;
    constexpr int H = TCouponImage::kHeight;

    // Left of and above the picture: the source's lower right part lands at 0, 0.
    QImage image = copied(0, 0, -2, -1);
    EXPECT_EQ(At(image, 0, 0), At(source, 2, 1));
    EXPECT_EQ(At(image, 1, 1), At(source, 3, 2));
    EXPECT_EQ(At(image, 2, 0), kPaper);
    EXPECT_EQ(At(image, 0, 2), kPaper);

    // Left of and above the source: the run starts one in on the picture.
    image = copied(-1, -1, 10, 10);
    EXPECT_EQ(At(image, 10, 10), kPaper);
    EXPECT_EQ(At(image, 11, 11), At(source, 0, 0));
    EXPECT_EQ(At(image, 13, 12), At(source, 2, 1));
    EXPECT_EQ(At(image, 14, 11), kPaper);

    // Past the right and bottom edges: what fits, and nothing wraps.
    image = copied(0, 0, W - 2, H - 1);
    EXPECT_EQ(At(image, W - 2, H - 1), At(source, 0, 0));
    EXPECT_EQ(At(image, W - 1, H - 1), At(source, 1, 0));
    EXPECT_EQ(At(image, 0, 0), kPaper);
}

TEST(GridAtlas, SizeAndTheThreeGridsLines)
{
    const QImage grid = atlas::BuildGridAtlas();
    ASSERT_EQ(grid.size(), QSize(339, 143));
    for (int k = 0; k <= 7; ++k) {
        for (int t = 0; t <= 112; ++t) {
            EXPECT_EQ(At(grid, 16 * k, t), kLine) << "plain vertical " << k;
            EXPECT_EQ(At(grid, t, 16 * k), kLine) << "plain horizontal " << k;
            EXPECT_EQ(At(grid, 226 + 16 * k, t), kLine) << "excluded vertical " << k;
            EXPECT_EQ(At(grid, 226 + t, 16 * k), kLine) << "excluded horizontal " << k;
            EXPECT_EQ(At(grid, 112 + t, 16 * k), kLine) << "marked horizontal " << k;
        }
    }
    // The marked grid's vertical lines after the first stand one pixel right.
    for (int x : {112, 129, 145, 161, 177, 193, 209, 225})
        for (int t = 0; t <= 112; ++t)
            EXPECT_EQ(At(grid, x, t), kLine) << "marked vertical at " << x;
    for (int x : {128, 144, 160, 176, 192, 208, 224})
        EXPECT_NE(At(grid, x, 8), kLine) << "no marked line at " << x;
}

TEST(GridAtlas, CellInteriorsDigitsAndCrosses)
{
    const QImage grid = atlas::BuildGridAtlas();
    // Each grid's vertical lines, its cell and digit colours, and whether
    // its cells are crossed.
    const struct {
        const char *name;
        std::array<int, 8> lines;
        QRgb cell, digit;
        bool crossed;
    } grids[] = {
        {"plain", {0, 16, 32, 48, 64, 80, 96, 112}, kPlainCell, kPlainDigit, false},
        {"marked", {112, 129, 145, 161, 177, 193, 209, 225}, kPlainCell, kPlainDigit, true},
        {"excluded", {226, 242, 258, 274, 290, 306, 322, 338}, kExcludedCell, kExcludedDigit, false},
    };
    std::array<int, 3> digitPixels{};
    for (std::size_t k = 0; k < std::size(grids); ++k) {
        const auto &g = grids[k];
        int &digits = digitPixels[k];
        for (int c = 0; c < 7; ++c) {
            const int left = g.lines[c] + 1;
            for (int r = 0; r < 7; ++r) {
                // Top interior row and the rows under the digits are bare.
                if (!g.crossed) {
                    EXPECT_EQ(At(grid, left, 16 * r + 1), g.cell) << g.name;
                    EXPECT_EQ(At(grid, left + 7, 16 * r + 14), g.cell) << g.name;
                }
                for (int y = 1; y < 16; ++y) {
                    for (int x = 0; x < 15; ++x) {
                        // Away from the cross and its smoothing, a cell
                        // shows its colour or its digit's.
                        const int i = y - 1;
                        if (g.crossed && (std::abs(x - i) <= 1 || std::abs(x + i - 14) <= 1))
                            continue;
                        const QRgb pixel = At(grid, left + x, 16 * r + y);
                        EXPECT_TRUE(pixel == g.cell || pixel == g.digit)
                            << g.name << " cell " << 7 * c + r + 1 << " at " << x << "," << y;
                        digits += pixel == g.digit;
                        // Digits stay within cell rows 4..12.
                        if (y < 4 || y > 12) {
                            EXPECT_EQ(pixel, g.cell) << g.name;
                        }
                    }
                }
                if (g.crossed) {
                    // The cross runs corner to corner over the marked cell.
                    EXPECT_EQ(At(grid, left, 16 * r + 1), kCross);
                    EXPECT_EQ(At(grid, left + 14, 16 * r + 15), kCross);
                    EXPECT_EQ(At(grid, left + 14, 16 * r + 1), kCross);
                    EXPECT_EQ(At(grid, left + 7, 16 * r + 8), kCross);
                }
            }
        }
    }
    EXPECT_EQ(digitPixels[0], digitPixels[2]);
    EXPECT_GT(digitPixels[0], 49 * 10);
    EXPECT_GT(digitPixels[1], 49 * 4);
}

TEST(GridAtlas, ColourRampsThroughTheirStops)
{
    const QImage grid = atlas::BuildGridAtlas();
    const struct {
        int x, y;
        QRgb colour;
    } stops[] = {
        {0, 113, 0xFFFF0400}, {48, 114, 0xFFFFEE00}, {52, 115, 0xFFFAFF00}, {112, 116, 0xFF00FF2E},
        {0, 117, 0xFF2F0067}, {24, 118, 0xFF000287}, {72, 119, 0xFF00C7C8}, {112, 120, 0xFF00FE33},
    };
    for (const auto &s : stops)
        EXPECT_EQ(At(grid, s.x, s.y), s.colour) << s.x << "," << s.y;
    for (int x = 0; x <= 112; ++x) {
        for (int y = 113; y <= 116; ++y)
            EXPECT_EQ(At(grid, x, y), At(grid, x, 113));
        for (int y = 117; y <= 120; ++y)
            EXPECT_EQ(At(grid, x, y), At(grid, x, 117));
        // Red to green: green rises, red falls after yellow.
        if (x > 0 && x <= 48) {
            EXPECT_GE(qGreen(At(grid, x, 113)), qGreen(At(grid, x - 1, 113)));
        }
    }
    for (int x = 113; x < 339; ++x)
        for (int y = 113; y <= 120; ++y)
            EXPECT_EQ(At(grid, x, y), kRest);
    for (int x = 0; x < 339; ++x)
        for (int y = 121; y < 143; ++y)
            EXPECT_EQ(At(grid, x, y), kRest);
}

TEST(GridAtlas, ImagesFormShowsTheAtlasOneToOne)
{
    TImagesForm form;
    EXPECT_EQ(form.objectName(), QStringLiteral("ImagesForm"));
    auto *label = form.findChild<QLabel *>(QStringLiteral("GridImage"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), QRect(0, 0, 339, 143));
    const QImage shown = label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, atlas::BuildGridAtlas().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(shown, form.Atlas());
    EXPECT_FALSE(form.isVisible());
}

// The artwork comes rendered for each usual screen scale: a screen gets the
// picture made for it, or for the next denser one, never one enlarged.
TEST(Artwork, EachScreenScaleGetsThePictureRenderedForIt)
{
    const struct {
        qreal screen;
        qreal picture;
    } rows[] = {{1.0, 1.0}, {1.1, 1.25}, {1.25, 1.25}, {1.5, 1.5}, {1.75, 1.75}, {2.0, 2.0}, {3.0, 2.0}};
    for (const char *art : {":/toolbar/options.png", ":/logo.png", ":/icons/ball23.png", ":/glyphs/close.png"}) {
        const QSize own = ArtPixmap(QString::fromLatin1(art), 1.0).size();
        ASSERT_FALSE(own.isEmpty()) << art;
        for (const auto &row : rows) {
            const QPixmap picture = ArtPixmap(QString::fromLatin1(art), row.screen);
            EXPECT_EQ(picture.devicePixelRatio(), row.picture) << art << " on " << row.screen;
            EXPECT_EQ(picture.size(), QSize(qRound(own.width() * row.picture), qRound(own.height() * row.picture)))
                << art << " on " << row.screen;
        }
    }
}

} // namespace
