#pragma once

// The keyboard in the program's windows, and what a screen reader is told
// of them: the frame around the control that has the keyboard focus, the
// tab chains, Escape and Enter, and the windows' accessible roles.

#include <QAccessible>
#include <QColor>
#include <QComboBox>
#include <QList>

#include <functional>
#include <initializer_list>

class QAbstractButton;

// The colour of every focus frame: at least 3:1 against every background of
// the program's windows and panels.
inline constexpr QRgb kFocusFrameColour = 0xFF002B80;
// Its width in device pixels, whatever the screen's scale.
inline constexpr int kFocusFrameWidth = 2;

// While the player uses the keyboard (from a key press until the next
// mouse press), a frame is drawn around the control that has the keyboard
// focus; a mouse player sees none. Call once, after the application
// object is made. A control that draws its own focus (the coupon) carries
// the property "drawsOwnFocus".
void ShowKeyboardFocus();
bool KeyboardInUse();

// The property of a window that names the control to have the focus when
// the window first shows.
inline constexpr const char *kFirstFocusProperty = "firstFocus";

// The window's tab chain begins with `chain`, in that order, whose first
// control has the focus when the window first shows, and each of them
// takes the focus by Tab. Push and tool buttons take it by Tab alone
// (a click leaves the focus where it is); the other controls by Tab and by
// a click.
void SetTabChain(const QList<QWidget *> &chain);

// Escape presses the button `escape` gives. Enter and Return press the
// focused button, or the one `enter` gives where no button has the focus.
// Called where the window is made: the buttons may be made later, when it
// is first shown (and a window's event filters are not to change while it
// is being shown).
using TButtonOf = std::function<QAbstractButton *()>;
void SetWindowKeys(QWidget *window, TButtonOf enter, TButtonOf escape);

// A drop-down list that a screen reader names by its label (its
// accessibleName), with the item shown as its value. Qt names a plain list
// by its value on Linux and leaves the label to a relation, which not
// every screen reader reads.
class TNamedList : public QComboBox {
    Q_OBJECT
public:
    TNamedList(const QString &name, QWidget *parent);
};

// The accessible role of a window (a window, a dialog, an alert); a screen
// reader is told an alert's text when it is shown (AnnounceAlert).
void SetAccessibleRole(QWidget *window, QAccessible::Role role);
void AnnounceAlert(QWidget *window);
// Installs the program's accessible interfaces: the windows' roles, and
// drop-down lists named by their labels. Call once, after the application
// object is made.
void InstallAccessibleRoles();
