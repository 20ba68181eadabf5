#pragma once

// The coupon as a screen reader sees it: a table with a row for each board
// in use and a cell for each of its numbers in play, named "Board B,
// number N", checked when marked, unavailable when excluded, with a Toggle
// action that presses the cell as a click does; after the cells, each
// board's two bars with the value they show. The table reads the coupon's
// model; the picture is only where it lies on the screen.

#include "coupon/logic/CouponModel.h"

class TCouponImage;

namespace couponaccess {

// Makes the picture known to the accessibility framework as the table of
// model, until the picture goes.
void Install(TCouponImage *image, const TCouponModel *model);

// Tells a screen reader what changed: every mark (a redraw), one mark, or
// the keyboard's cell.
void Changed(TCouponImage *image, const TCouponChange &change);

} // namespace couponaccess
