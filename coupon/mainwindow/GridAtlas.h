#pragma once

// The grid atlas: the 339 x 143 picture from which every cell and bar of the
// coupon is copied. Three 7 x 7 grids side by side (plain, marked, excluded)
// and the two colour ramps under the plain grid.

#include <QImage>

namespace atlas {

inline constexpr int kWidth = 339;
inline constexpr int kHeight = 143;

// x offsets of the three grids as the drawing code addresses them.
inline constexpr int kPlainX = 0;
inline constexpr int kMarkedX = 112;   // 7 cells
inline constexpr int kExcludedX = 226; // 14 cells + 2

inline constexpr int kPunchBarY = 113;  // rows 113..116
inline constexpr int kSpreadBarY = 117; // rows 117..120
inline constexpr int kBarHeight = 4;
inline constexpr int kBarWidth = 113; // x 0..112

inline constexpr QRgb kLine = 0xFF000000;
inline constexpr QRgb kPlainCell = 0xFFFFFFFF;
inline constexpr QRgb kPlainDigit = 0xFF030345;
inline constexpr QRgb kCross = 0xFF376A35;
inline constexpr QRgb kExcludedCell = 0xFFEFF099;
inline constexpr QRgb kExcludedDigit = 0xFF9292AF;
inline constexpr QRgb kRest = 0xFFFFFFFF;

// Builds the atlas; the same pixels on every run and every machine, since
// it uses no system font and no smoothing of the toolkit's.
QImage BuildGridAtlas();

// Colour of a ramp at x (0..112).
QRgb PunchRamp(int x);
QRgb SpreadRamp(int x);

} // namespace atlas
