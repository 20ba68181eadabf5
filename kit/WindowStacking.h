#pragma once

// Bringing windows to the front and keeping them above their owner.

class QWidget;

// Makes a window visible and brings it to the front, without modality.
void ShowInFront(QWidget *window);

// Shows a window that works on the coupon beside its owner, so that the
// coupon stays in sight: to the right of the owner where the screen has
// room, else below it, else where it covers least of it, and of the
// program's other windows shown. A window already shown is only brought to
// the front, where the player left it.
void ShowBeside(QWidget *window, const QWidget *owner);

// Makes owner the window's transient parent, which the window is kept
// above; the owner is told to the window system when the window is first
// shown.
void SetOwner(QWidget *window, QWidget *owner);
