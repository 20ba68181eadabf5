#pragma once

#include <QPalette>

// The program's own colours for every window: the light desktop's, in full,
// whatever the desktop's theme is, so that the fixed light backgrounds of
// the coupon and the dialogs always carry dark text. Disabled texts are a
// shade darker than the light desktop's, so that a disabled list still
// reads on a panel.
QPalette ProgramPalette();
