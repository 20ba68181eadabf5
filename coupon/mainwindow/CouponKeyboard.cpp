#include "coupon/mainwindow/CouponKeyboard.h"
#include "coupon/logic/CouponModel.h"
#include "coupon/mainwindow/CouponImage.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <chrono>

namespace {

int64_t SteadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

TCouponKeyboard::TCouponKeyboard(TCouponImage *image, TCouponModel &model)
    : QObject(image)
    , Clock(SteadyMilliseconds)
    , FImage(image)
    , FModel(model)
{
    image->installEventFilter(this);
    MoveTo(1, 1);
}

void TCouponKeyboard::MoveTo(int board, int number)
{
    FCursor.MoveTo(board, number, FModel.Shape());
    Moved();
}

void TCouponKeyboard::Moved()
{
    FModel.SetCursor(FCursor.Board(), FCursor.Number());
}

void TCouponKeyboard::Press()
{
    FCursor.Fit(FModel.Shape());
    FImage->PressCell(FCursor.Board(), FCursor.Number());
}

bool TCouponKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        return KeyPressed(key->key());
    }
    if (event->type() == QEvent::MouseButtonPress) {
        // The cursor follows the mouse, so that the keys go on from there.
        const QPoint p = static_cast<QMouseEvent *>(event)->position().toPoint();
        const auto hit = CouponHitTest(p.x(), p.y());
        if (hit && hit->board <= FModel.Shape().boards && hit->number <= FModel.Shape().boardsize) {
            FCursor.MoveTo(hit->board, hit->number, FModel.Shape());
            Moved();
        }
    }
    return QObject::eventFilter(watched, event);
}

bool TCouponKeyboard::KeyPressed(int key)
{
    using TMove = TCouponCursor::TMove;
    const TCouponShape &shape = FModel.Shape();
    const auto move = [&](TMove way) {
        FCursor.Move(way, shape);
        Moved();
        return true;
    };
    switch (key) {
    case Qt::Key_Up:
        return move(TMove::Up);
    case Qt::Key_Down:
        return move(TMove::Down);
    case Qt::Key_Left:
        return move(TMove::Left);
    case Qt::Key_Right:
        return move(TMove::Right);
    case Qt::Key_PageUp:
        return move(TMove::PreviousBoard);
    case Qt::Key_PageDown:
        return move(TMove::NextBoard);
    case Qt::Key_Home:
        return move(TMove::First);
    case Qt::Key_End:
        return move(TMove::Last);
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Press();
        return true;
    default:
        break;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        if (FCursor.Type(key - Qt::Key_0, Clock(), shape))
            Moved();
        return true;
    }
    return false;
}
