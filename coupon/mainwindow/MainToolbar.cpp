#include "coupon/mainwindow/MainToolbar.h"
#include "kit/Artwork.h"
#include "kit/HintText.h"

#include <QAction>
#include <QToolButton>

namespace {

constexpr TPlace kCoolBar = {"CoolBar1", 0, 0, 773, 86};
constexpr TPlace kToolBar = {"ToolBar1", 9, 0, 756, 81};
constexpr TPlace kSpacer = {"Bevel1", 549, 2, 127, 74};

} // namespace

TMainToolbar::TMainToolbar(QWidget *window, std::span<const TButton> buttons)
    : QFrame(window)
{
    Place(this, kCoolBar);
    auto *band = Place(new QWidget(this), kToolBar);
    QFont captionFont = window->font();
    captionFont.setPixelSize(12);
    const qreal dpr = devicePixelRatioF();
    // The space between the commands and Exit, beneath the buttons placed in
    // it.
    Place(new QWidget(band), kSpacer);
    for (const TButton &def : buttons) {
        auto *button = Place(new QToolButton(band), def.place);
        // The button takes the command's caption and hint, unless it has a
        // hint of its own. It is not the command's own widget, so the
        // command's text never turns into a tool tip.
        const QString hintText = def.ownHint ? UiText(def.ownHint) : def.action->property("hint").toString();
        const THint hint = SplitHint(hintText.toStdString());
        button->setText(def.action->text());
        button->setStatusTip(QString::fromStdString(hint.longPart));
        button->setToolTip(QString::fromStdString(hint.shortPart));
        const QPixmap picture = ArtPixmap(QString::fromLatin1(def.picture), dpr);
        button->setIcon(QIcon(picture));
        button->setIconSize(picture.deviceIndependentSize().toSize());
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        // Tab reaches the button; a click leaves the focus where it is.
        button->setFocusPolicy(Qt::TabFocus);
        button->setAccessibleDescription(QString::fromStdString(hint.longPart));
        button->setFont(captionFont);
        connect(button, &QToolButton::clicked, def.action, &QAction::trigger);
    }
}
