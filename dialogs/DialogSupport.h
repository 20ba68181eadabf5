#pragma once

// Small helpers the secondary windows share.

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// Times New Roman (or its metric twin) at 16 pixels, the dialogs' font.
QFont DialogFont(bool bold = false);

// Sets a widget's background colour; applied each time a window is shown.
void SetBackgroundColour(QWidget *widget, QRgb colour);

// Centres a top-level window on the primary screen, keeping its title bar
// on the screen.
void CentreOnScreen(QWidget *window);

// Makes a window visible and brings it to the front, without modality.
void ShowInFront(QWidget *window);

// Window flags of a fixed dialog that stays on top and has no title-bar
// buttons.
Qt::WindowFlags FixedDialogFlags();
