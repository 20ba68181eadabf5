#pragma once

// The coupon by keyboard: a cursor cell that the arrow keys, Page Up and
// Page Down, Home, End and typed numbers move, and Space or Enter, which
// press the cell as a click does.

#include "coupon/logic/CouponCursor.h"

#include <QObject>

#include <cstdint>
#include <functional>

class TCouponImage;
class TCouponModel;

class TCouponKeyboard : public QObject {
public:
    // Watches the coupon's picture, whose child it becomes, and moves the
    // model's cursor.
    TCouponKeyboard(TCouponImage *image, TCouponModel &model);

    const TCouponCursor &Cursor() const { return FCursor; }
    // Milliseconds since some fixed moment: when digits were typed.
    std::function<int64_t()> Clock;

    // The cursor on a board and number, and the cell they show it on.
    void MoveTo(int board, int number);
    // Presses the cursor's cell, under the rules of a click.
    void Press();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool KeyPressed(int key);
    void Moved();

    TCouponImage *FImage;
    TCouponModel &FModel;
    TCouponCursor FCursor;
};
