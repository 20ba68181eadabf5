#pragma once

// Bringing windows to the front and keeping them above their owner.

class QWidget;

// Makes a window visible and brings it to the front, without modality.
void ShowInFront(QWidget *window);

// Makes owner the window's transient parent, which the window is kept
// above; the owner is told to the window system when the window is first
// shown.
void SetOwner(QWidget *window, QWidget *owner);
