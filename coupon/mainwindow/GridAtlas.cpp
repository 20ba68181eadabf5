#include "coupon/mainwindow/GridAtlas.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace atlas {

namespace {

// Digits of 5 x 9 pixels with 1-pixel strokes; bit 4 is the leftmost column.
constexpr int kDigitWidth = 5;
constexpr int kDigitHeight = 9;
constexpr int kDigitTop = 4; // cell rows 4..12 of 16
constexpr std::array<std::array<uint8_t, kDigitHeight>, 10> kDigits = {{
    {0b01110, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110}, // 0
    {0b00100, 0b01100, 0b10100, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b11111}, // 1
    {0b01110, 0b10001, 0b00001, 0b00001, 0b00010, 0b00100, 0b01000, 0b10000, 0b11111}, // 2
    {0b01110, 0b10001, 0b00001, 0b00001, 0b00110, 0b00001, 0b00001, 0b10001, 0b01110}, // 3
    {0b00010, 0b00110, 0b01010, 0b10010, 0b10010, 0b11111, 0b00010, 0b00010, 0b00010}, // 4
    {0b11111, 0b10000, 0b10000, 0b11110, 0b00001, 0b00001, 0b00001, 0b10001, 0b01110}, // 5
    {0b01110, 0b10000, 0b10000, 0b11110, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110}, // 6
    {0b11111, 0b00001, 0b00001, 0b00010, 0b00010, 0b00100, 0b00100, 0b01000, 0b01000}, // 7
    {0b01110, 0b10001, 0b10001, 0b10001, 0b01110, 0b10001, 0b10001, 0b10001, 0b01110}, // 8
    {0b01110, 0b10001, 0b10001, 0b10001, 0b01111, 0b00001, 0b00001, 0b00001, 0b01110}, // 9
}};

struct Stop {
    int x;
    QRgb colour;
};

QRgb Blend(QRgb over, QRgb under, int alpha256)
{
    const auto mix = [alpha256](int a, int b) { return (a * alpha256 + b * (256 - alpha256) + 128) / 256; };
    return qRgb(mix(qRed(over), qRed(under)), mix(qGreen(over), qGreen(under)), mix(qBlue(over), qBlue(under)));
}

template <size_t N>
QRgb Ramp(const std::array<Stop, N> &stops, int x)
{
    if (x <= stops.front().x)
        return stops.front().colour;
    for (size_t i = 1; i < N; ++i) {
        if (x <= stops[i].x) {
            const Stop &a = stops[i - 1];
            const Stop &b = stops[i];
            const int span = b.x - a.x;
            const auto lerp = [&](int ca, int cb) {
                return ca + static_cast<int>(std::lround(double(cb - ca) * (x - a.x) / span));
            };
            return qRgb(lerp(qRed(a.colour), qRed(b.colour)), lerp(qGreen(a.colour), qGreen(b.colour)),
                        lerp(qBlue(a.colour), qBlue(b.colour)));
        }
    }
    return stops.back().colour;
}

void Fill(QImage &image, int left, int top, int width, int height, QRgb colour)
{
    for (int y = top; y < top + height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = left; x < left + width; ++x)
            line[x] = colour;
    }
}

// Draws number n centred in the interior that starts at (left, top) and is
// `width` pixels wide.
void DrawNumber(QImage &image, int n, int left, int top, int width, QRgb colour)
{
    const bool twoDigits = n >= 10;
    const int textWidth = twoDigits ? 2 * kDigitWidth + 1 : kDigitWidth;
    int x = left + (width - textWidth) / 2;
    const auto drawDigit = [&](int digit) {
        for (int row = 0; row < kDigitHeight; ++row)
            for (int col = 0; col < kDigitWidth; ++col)
                if (kDigits[digit][row] & (1 << (kDigitWidth - 1 - col)))
                    image.setPixel(x + col, top + kDigitTop + row, colour);
        x += kDigitWidth + 1;
    };
    if (twoDigits)
        drawDigit(n / 10);
    drawDigit(n % 10);
}

// Both diagonals of a 15 x 15 interior at (left, top): the diagonal pixels in
// full colour, their neighbours across the stroke at a third, which smooths
// the stairs of a 45-degree line.
void DrawCross(QImage &image, int left, int top)
{
    constexpr int size = 15;
    constexpr int edge = 96; // of 256
    const auto blendAt = [&](int x, int y, int alpha) {
        if (x < left || y < top || x >= left + size || y >= top + size)
            return;
        image.setPixel(x, y, Blend(kCross, image.pixel(x, y), alpha));
    };
    for (int i = 0; i < size; ++i) {
        const int x1 = left + i;
        const int y1 = top + i;
        const int x2 = left + size - 1 - i;
        blendAt(x1 + 1, y1, edge);
        blendAt(x1, y1 + 1, edge);
        blendAt(x2 - 1, y1, edge);
        blendAt(x2, y1 + 1, edge);
    }
    for (int i = 0; i < size; ++i) {
        image.setPixel(left + i, top + i, kCross);
        image.setPixel(left + size - 1 - i, top + i, kCross);
    }
}

// One 7 x 7 grid: lines at the given x positions and y = 0, 16, ..., 112.
void DrawGrid(QImage &image, const std::array<int, 8> &lineX, QRgb cell, QRgb digit, bool crossed)
{
    const int left = lineX.front();
    const int right = lineX.back();
    Fill(image, left, 0, right - left + 1, 113, cell);
    for (int k = 0; k <= 7; ++k) {
        Fill(image, left, 16 * k, right - left + 1, 1, kLine);
        Fill(image, lineX[k], 0, 1, 113, kLine);
    }
    for (int c = 0; c < 7; ++c) {
        const int interiorLeft = lineX[c] + 1;
        const int interiorWidth = lineX[c + 1] - interiorLeft;
        for (int r = 0; r < 7; ++r) {
            const int n = 7 * c + r + 1;
            const int top = 16 * r + 1;
            DrawNumber(image, n, interiorLeft, 16 * r, interiorWidth, digit);
            if (crossed)
                DrawCross(image, interiorLeft, top);
        }
    }
}

constexpr std::array<Stop, 4> kPunchStops = {{{0, 0xFFFF0400}, {48, 0xFFFFEE00}, {52, 0xFFFAFF00}, {112, 0xFF00FF2E}}};
constexpr std::array<Stop, 4> kSpreadStops = {{{0, 0xFF2F0067}, {24, 0xFF000287}, {72, 0xFF00C7C8}, {112, 0xFF00FE33}}};

} // namespace

QRgb PunchRamp(int x)
{
    return Ramp(kPunchStops, x);
}

QRgb SpreadRamp(int x)
{
    return Ramp(kSpreadStops, x);
}

QImage BuildGridAtlas()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kRest);

    DrawGrid(image, {0, 16, 32, 48, 64, 80, 96, 112}, kPlainCell, kPlainDigit, false);
    // The marked grid's lines after its first stand one pixel right of the pitch.
    DrawGrid(image, {112, 129, 145, 161, 177, 193, 209, 225}, kPlainCell, kPlainDigit, true);
    DrawGrid(image, {226, 242, 258, 274, 290, 306, 322, 338}, kExcludedCell, kExcludedDigit, false);

    for (int x = 0; x < kBarWidth; ++x) {
        Fill(image, x, kPunchBarY, 1, kBarHeight, PunchRamp(x));
        Fill(image, x, kSpreadBarY, 1, kBarHeight, SpreadRamp(x));
    }
    return image;
}

} // namespace atlas
