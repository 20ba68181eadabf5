#pragma once

// The opening, the look and the window flags the dialogs share.

#include "kit/WindowLayout.h"

#include <QFont>

class QFrame;
class QWidget;

// Times New Roman (or its metric twin) at 16 pixels, the dialogs' font.
QFont DialogFont(bool bold = false);

// A sunken box around a group of a dialog's controls.
QFrame *MakeFrame(QWidget *parent, const TPlace &place);

// Only the window's own buttons hide it: the window manager's close request
// (the title bar, Alt+F4) is refused.
void RefuseWindowManagerClose(QWidget *window);

// The opening of a dialog: the window setup with the dialogs' flags, and
// only its own buttons close it.
void SetUpDialog(QWidget *dialog, TWindowSetup setup);

// Window flags of a fixed dialog that stays on top and has no title-bar
// buttons.
Qt::WindowFlags FixedDialogFlags();

// Whether the desktop is KDE Plasma, whose window manager reads a dialog's
// title-bar buttons off its window type alone.
bool DesktopIsKde();
