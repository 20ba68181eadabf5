#pragma once

// The coupon as a screen reader sees it: a table with a row for each board
// in use and a cell for each of its numbers in play, named "Board B,
// number N", checked when marked, unavailable when excluded, with a Toggle
// action that presses the cell as a click does; after the cells, each
// board's two bars with the value they show.

class TCouponView;

namespace couponaccess {

// Makes the view's picture known to the accessibility framework, from the
// view's making to its end.
void Install(const TCouponView *view);
void Uninstall(const TCouponView *view);

// Tells a screen reader that a mark changed (board 0: every mark may have
// changed), and that the keyboard's cursor went to a cell.
void MarksChanged(const TCouponView *view, int board, int number);
void CursorMoved(const TCouponView *view, int board, int number);

} // namespace couponaccess
