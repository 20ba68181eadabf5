#include "kit/WindowLayout.h"
#include "kit/Artwork.h"
#include "kit/ErrorReport.h"
#include "kit/HintText.h"
#include "kit/KeyboardAccess.h"
#include "kit/WindowPalette.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <QToolTip>
#include <QWindow>

#include <algorithm>
#include <utility>

QPushButton *MakeGlyphButton(QWidget *parent, const TPlace &place, const QString &caption, const QString &glyph,
                             QSize glyphSize)
{
    auto *button = new QPushButton(caption, parent);
    button->setIconSize(glyphSize);
    WhenFirstShown(button, [glyph](QWidget *w) {
        static_cast<QPushButton *>(w)->setIcon(QIcon(ArtPixmap(glyph, w->devicePixelRatioF())));
    });
    button->setAutoDefault(false);
    button->setDefault(false);
    return Place(button, place);
}

QString UiText(const char *text)
{
    return QCoreApplication::translate("Drawvane", text);
}

void SetHint(QWidget *widget, const char *hint)
{
    const THint parts = SplitHint(UiText(hint).toStdString());
    widget->setToolTip(QString::fromStdString(parts.shortPart));
    widget->setStatusTip(QString::fromStdString(parts.longPart));
}

namespace {

// What a window does when the program shows it. The first time: it builds
// the controls that wait for it and shows them with the window, then does
// the work that waits for it (natural sizes, pictures); every time: its
// show handler. The window's Show event comes after its controls were
// shown and before the window system shows it, so nothing of this shows
// half done.
class TWindowShowing : public QObject {
public:
    explicit TWindowShowing(QWidget *window)
        : QObject(window)
        , FWindow(window)
    {
        window->installEventFilter(this);
    }

    static TWindowShowing &Of(QWidget *window)
    {
        for (QObject *child : window->children())
            if (auto *showing = dynamic_cast<TWindowShowing *>(child))
                return *showing;
        return *new TWindowShowing(window);
    }

    std::function<void()> build;
    std::function<void()> handler;
    QList<QPair<QPointer<QWidget>, std::function<void(QWidget *)>>> waiting;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show || event->spontaneous())
            return QObject::eventFilter(watched, event);
        Guarded([this] {
            if (build) {
                std::exchange(build, {})();
                // Controls made for a shown window are shown by hand.
                for (QWidget *control : FWindow->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
                    if (!control->isWindow() && !control->testAttribute(Qt::WA_WState_ExplicitShowHide))
                        control->show();
            }
            for (const auto &[widget, work] : std::exchange(waiting, {}))
                if (widget)
                    work(widget);
            FitOnScreen(FWindow);
            // The first showing gives the focus to the start of the tab
            // chain; later ones leave it where the player left it.
            if (!std::exchange(FShownBefore, true))
                if (auto *first = qobject_cast<QWidget *>(FWindow->property(kFirstFocusProperty).value<QObject *>()))
                    first->setFocus(Qt::OtherFocusReason);
            if (handler)
                handler();
        });
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *FWindow;
    bool FShownBefore = false;
};

} // namespace

void BuildOnFirstShowing(QWidget *window, std::function<void()> build)
{
    TWindowShowing::Of(window).build = std::move(build);
}

void WhenFirstShown(QWidget *widget, std::function<void(QWidget *)> work)
{
    TWindowShowing::Of(widget->window()).waiting.append({widget, std::move(work)});
}

QSize LabelSize(const QLabel *label)
{
    // A text in a script the label's font lacks (Chinese, Korean) is drawn
    // in a fallback font whose lines are taller; the label keeps the lines
    // of its own font, so that the fixed rows of the windows stay apart.
    const QSize natural = label->sizeHint();
    if (label->wordWrap() || label->textFormat() == Qt::RichText)
        return natural;
    const int lines = static_cast<int>(label->text().count(QLatin1Char('\n'))) + 1;
    const int own = lines * label->fontMetrics().height() + 2 * label->margin() + 2 * label->frameWidth();
    return {natural.width(), std::min(natural.height(), own)};
}

void PlaceNaturally(QWidget *widget, const QRect &place)
{
    widget->move(place.topLeft());
    WhenFirstShown(widget, [wanted = place.size()](QWidget *w) {
        const auto *label = qobject_cast<const QLabel *>(w);
        const QSize natural = label ? LabelSize(label) : w->sizeHint();
        w->resize(wanted.width() ? wanted.width() : natural.width(),
                  wanted.height() ? wanted.height() : natural.height());
    });
}

void CallOnShow(QWidget *window, std::function<void()> handler)
{
    TWindowShowing::Of(window).handler = std::move(handler);
}

void SetLabelText(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    // Laying a label out again costs more than the rest of a recalculation;
    // only a label whose text changed its size is resized.
    const QSize wanted = LabelSize(label);
    if (wanted != label->size())
        label->resize(wanted);
}

void SetBackgroundColour(QWidget *widget, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void FitOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    const QSize designed = window->property(kDesignedSizeProperty).toSize();
    if (!screen || designed.isEmpty())
        return;
    // The frame the window system puts around the window; before the
    // window is mapped, a title bar's worth.
    QMargins frame = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    if (frame.isNull())
        frame = QMargins(4, 30, 4, 4);
    const QRect available = screen->availableGeometry();
    const QSize room(available.width() - frame.left() - frame.right(),
                     available.height() - frame.top() - frame.bottom());
    auto *area = window->findChild<QScrollArea *>(QStringLiteral("WindowScrollArea"), Qt::FindDirectChildrenOnly);
    if (designed.width() <= room.width() && designed.height() <= room.height() && !area)
        return;
    if (!area) {
        // The window's controls move, as they stand, onto a page that
        // scrolls inside the window.
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("WindowPage"));
        page->setFixedSize(designed);
        page->setAutoFillBackground(true);
        page->setPalette(window->palette());
        const QObjectList children = window->children(); // a copy: each move takes one out
        for (QObject *child : children)
            if (auto *control = qobject_cast<QWidget *>(child); control && !control->isWindow()) {
                const QRect place = control->geometry();
                const bool shown = !control->isHidden();
                control->setParent(page);
                control->setGeometry(place);
                control->setVisible(shown);
            }
        area = new QScrollArea(window);
        area->setObjectName(QStringLiteral("WindowScrollArea"));
        area->setFrameShape(QFrame::NoFrame);
        area->setWidget(page);
        area->show();
        // The control that takes the focus is scrolled into view.
        QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget *, QWidget *now) {
            if (now && area->widget()->isAncestorOf(now))
                area->ensureWidgetVisible(now);
        });
    }
    // Room for the scroll bars that the page needs, where the screen has it.
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    const bool down = designed.height() > room.height();
    const int width = std::min(designed.width() + (down ? bar : 0), room.width());
    const bool across = width < designed.width() + (down ? bar : 0);
    const QSize size(width, std::min(designed.height() + (across ? bar : 0), room.height()));
    window->setFixedSize(size);
    area->setGeometry(0, 0, size.width(), size.height());
    // The title bar on the screen, the window centred across it.
    window->move(available.left() + frame.left() + std::max(0, (room.width() - size.width()) / 2),
                 available.top() + frame.top() + std::max(0, (room.height() - size.height()) / 2));
}

void SetUpWindow(QWidget *window, const TWindowSetup &setup)
{
    window->setWindowFlags(setup.flags);
    window->setObjectName(QString::fromLatin1(setup.name));
    window->setWindowTitle(UiText(setup.title));
    window->setFixedSize(setup.size);
    window->setProperty(kDesignedSizeProperty, setup.size);
    window->setFont(setup.font);
    // The whole palette, so that nothing of a dark desktop theme shows
    // through; the tool tips, windows of their own, take it too.
    window->setPalette(ProgramPalette());
    QToolTip::setPalette(ProgramPalette());
    SetBackgroundColour(window, setup.colour);
    SetAccessibleRole(window, setup.role);
}

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->availableGeometry();
    const QPoint topLeft = desktop.center() - window->rect().center();
    window->move(std::max(topLeft.x(), desktop.left()), std::max(topLeft.y(), desktop.top()));
}
