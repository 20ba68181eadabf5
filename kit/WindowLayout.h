#pragma once

// Fixed layouts: every window of the program places its controls by number,
// from one table per window.

#include <QAccessible>
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

// The common background of the program's windows and panels.
inline constexpr QRgb kCommonBackground = 0xFFE8DEBA;

// A text of the program's own in the player's language (English where no
// translation is installed). A text handed on as a const char * is marked
// for the translators where it is written, with QT_TRANSLATE_NOOP and the
// context "Drawvane".
QString UiText(const char *text);

// One control: its objectName and its place in pixels relative to its
// parent. A width or height of 0 takes the control's natural size.
struct TPlace {
    const char *name;
    int x, y, w, h;
};

// Builds a window's controls when it is first shown, before any of it shows
// and before its show handler: a window that the player may never open
// costs the program's start nothing but itself.
void BuildOnFirstShowing(QWidget *window, std::function<void()> build);

// Does work on a control when its window is first shown: what only a shown
// window needs (the natural sizes of its controls, their pictures) need not
// slow the program's start.
void WhenFirstShown(QWidget *widget, std::function<void(QWidget *)> work);

// Places a control whose width or height is 0 at its natural size, which
// is measured when its window is first shown: measuring lays out the
// control's text, and a window's texts need not be laid out before anyone
// can see them.
void PlaceNaturally(QWidget *widget, const QRect &place);

// Names and places a control, shifted by offset (for rows of alike controls).
template <typename W>
W *Place(W *widget, const TPlace &place, QPoint offset = {})
{
    if (place.name && *place.name)
        widget->setObjectName(QString::fromLatin1(place.name));
    const QRect rect(place.x + offset.x(), place.y + offset.y(), place.w, place.h);
    if (place.w && place.h)
        widget->setGeometry(rect);
    else
        PlaceNaturally(widget, rect);
    return widget;
}

// A push button with a glyph of the artwork beside its caption, given when
// its window is first shown. Neither Enter nor Escape presses it.
QPushButton *MakeGlyphButton(QWidget *parent, const TPlace &place, const QString &caption, const QString &glyph,
                             QSize glyphSize = QSize(32, 32));

// Gives a control a hint "short|long": the short part is its tool tip, the
// long part its status-bar text.
void SetHint(QWidget *widget, const char *hint);

// The opening every window of the program shares.
struct TWindowSetup {
    const char *name;  // objectName
    const char *title; // caption
    QSize size;        // fixed size
    QFont font;
    Qt::WindowFlags flags = Qt::Window;
    QRgb colour = kCommonBackground;
    QAccessible::Role role = QAccessible::Window; // as a screen reader names it
};

// Names the window and gives it its caption, flags, fixed size, font and
// background colour; the first thing a window's constructor does.
void SetUpWindow(QWidget *window, const TWindowSetup &setup);

// Runs handler, guarded, each time the program shows the window (not when
// the window system shows it again, after a minimise): its FormShow.
void CallOnShow(QWidget *window, std::function<void()> handler);

// A label's natural size for its text, in lines of its own font.
QSize LabelSize(const QLabel *label);

// Labels size themselves to their text; a label is laid out again only
// when its size changes.
void SetLabelText(QLabel *label, const QString &text);

// Sets a widget's background colour; windows apply theirs each time they
// are shown.
void SetBackgroundColour(QWidget *widget, QRgb colour);

// Centres a top-level window on the primary screen, but never with its
// title bar above the top of a screen smaller than the window.
void CentreOnScreen(QWidget *window);

// A window larger than its screen's available area (a small screen at a
// large scale): its controls scroll inside it (WindowScrollArea, holding
// them as they stand on WindowPage), it is no larger than the screen, and
// its title bar is on the screen; the control that takes the focus
// scrolls into view. A window that fits is left as it is. The program's
// windows do this each time they are shown.
void FitOnScreen(QWidget *window);
inline constexpr const char *kDesignedSizeProperty = "designedSize";
