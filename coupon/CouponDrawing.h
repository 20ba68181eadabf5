#pragma once

#include <QImage>

#include <cstdint>

class TCouponImage;
class TCouponState;
class TCouponSystems;

// The full redraw of the boards' cells, column by column, each column from
// top to bottom. Each cell copies a 17 x 17 block from the atlas, so that it
// carries its right and bottom lines; the next block overwrites the shared
// line. The systems pick each cell's grid, and an included number is marked
// on every board of the coupon state.
void DrawCouponCells(TCouponImage &coupon, const QImage &grid, uint8_t boards, uint8_t boardsize,
                     const TCouponSystems &systems, TCouponState &state);
