#include "coupon/WindowLayout.h"
#include "coupon/Artwork.h"
#include "coupon/ErrorReport.h"
#include "coupon/ReportText.h"
#include "coupon/WindowPalette.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QToolTip>

#include <algorithm>

QPushButton *MakeGlyphButton(QWidget *parent, const TPlace &place, const QString &caption, const QString &glyph,
                             QSize glyphSize)
{
    auto *button = new QPushButton(caption, parent);
    button->setIcon(QIcon(ArtPixmap(glyph, parent->devicePixelRatioF())));
    button->setIconSize(glyphSize);
    button->setAutoDefault(false);
    button->setDefault(false);
    return Place(button, place);
}

void SetHint(QWidget *widget, const char *hint)
{
    const THint parts = SplitHint(hint);
    widget->setToolTip(QString::fromStdString(parts.shortPart));
    widget->setStatusTip(QString::fromStdString(parts.longPart));
}

namespace {

class TShowHandler : public QObject {
public:
    TShowHandler(QWidget *window, std::function<void()> handler)
        : QObject(window)
        , FHandler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous())
            Guarded(FHandler);
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> FHandler;
};

} // namespace

void CallOnShow(QWidget *window, std::function<void()> handler)
{
    window->installEventFilter(new TShowHandler(window, std::move(handler)));
}

void SetLabelText(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    // Laying a label out again costs more than the rest of a recalculation;
    // only a label whose text changed its size is resized.
    const QSize wanted = label->sizeHint();
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

void SetUpWindow(QWidget *window, const TWindowSetup &setup)
{
    window->setWindowFlags(setup.flags);
    window->setObjectName(QString::fromLatin1(setup.name));
    window->setWindowTitle(QString::fromLatin1(setup.title));
    window->setFixedSize(setup.size);
    window->setFont(setup.font);
    // The whole palette, so that nothing of a dark desktop theme shows
    // through; the tool tips, windows of their own, take it too.
    window->setPalette(ProgramPalette());
    QToolTip::setPalette(ProgramPalette());
    SetBackgroundColour(window, setup.colour);
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
