#include "kit/KeyboardAccess.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

namespace {

const char *const kRoleProperty = "accessibleRole";
const char *const kOwnFocusProperty = "drawsOwnFocus";

// The frame: a child of the focused control's window laid over the
// control, which lets the mouse through and paints nothing but its edge.
class TFocusFrame : public QWidget {
public:
    explicit TFocusFrame(QWidget *window)
        : QWidget(window)
    {
        setObjectName(QStringLiteral("KeyboardFocusFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

    void Surround(QWidget *control)
    {
        const QRect inWindow(control->mapTo(parentWidget(), QPoint(0, 0)), control->size());
        // Just outside the control, so that nothing of it is covered.
        const int margin = FrameWidth() + 1;
        setGeometry(inWindow.adjusted(-margin, -margin, margin, margin));
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const int width = FrameWidth();
        const QColor colour = QColor::fromRgb(kFocusFrameColour);
        const QRect r = rect();
        painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
        painter.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
        painter.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
        painter.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
    }

private:
    // Whole logical pixels that give at least kFocusFrameWidth device pixels.
    int FrameWidth() const
    {
        const qreal ratio = devicePixelRatioF();
        int width = 1;
        while (width * ratio < kFocusFrameWidth)
            ++width;
        return width;
    }
};

class TKeyboardWatch : public QObject {
public:
    TKeyboardWatch()
    {
        connect(qApp, &QApplication::focusChanged, this, [this] { Update(); });
    }

    bool InUse() const { return FInUse; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (!FInUse) {
                FInUse = true;
                Update();
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
            if (FInUse) {
                FInUse = false;
                Update();
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Update()
    {
        QWidget *control = QApplication::focusWidget();
        const bool framed = FInUse && control && !control->property(kOwnFocusProperty).toBool() && control->window()
            && control != control->window();
        if (FFrame && (!framed || FFrame->parentWidget() != control->window())) {
            FFrame->hide();
            FFrame->deleteLater();
            FFrame = nullptr;
        }
        if (framed) {
            if (!FFrame)
                FFrame = new TFocusFrame(control->window());
            FFrame->Surround(control);
        }
        // Controls that draw their own focus redraw it.
        if (control && control->property(kOwnFocusProperty).toBool())
            control->update();
    }

    bool FInUse = false;
    QPointer<TFocusFrame> FFrame;
};

TKeyboardWatch *Watch = nullptr;

class TWindowKeys : public QObject {
public:
    TWindowKeys(QWidget *window, TButtonOf enter, TButtonOf escape)
        : QObject(window)
        , FWindow(window)
        , FEnter(std::move(enter))
        , FEscape(std::move(escape))
    {
    }

protected:
    // Keys reach the window when the focused control leaves them, as an
    // edit field or a list leaves Enter and a button Escape.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != FWindow || event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
            return false;
        QAbstractButton *button = nullptr;
        if (key->key() == Qt::Key_Escape) {
            button = FEscape();
        } else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // A check box or radio button is no button to press here.
            auto *focused = qobject_cast<QPushButton *>(FWindow->focusWidget());
            button = focused ? focused : FEnter();
        } else {
            return false;
        }
        if (button && button->isEnabled())
            button->click();
        return true;
    }

private:
    QWidget *FWindow;
    TButtonOf FEnter;
    TButtonOf FEscape;
};

// A top-level window of the program, with the role it was given.
class TNamedListAccessible : public QAccessibleWidget {
public:
    explicit TNamedListAccessible(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return List()->currentText();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction(), setFocusAction()}; }

    void doAction(const QString &name) override
    {
        if (name == showMenuAction() || name == pressAction())
            List()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QComboBox *List() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *WindowInterface(const QString &, QObject *object)
{
    if (auto *list = qobject_cast<TNamedList *>(object))
        return new TNamedListAccessible(list);
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->isWindow())
        return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

TNamedList::TNamedList(const QString &name, QWidget *parent)
    : QComboBox(parent)
{
    setAccessibleName(name);
}

void ShowKeyboardFocus()
{
    if (Watch)
        return;
    Watch = new TKeyboardWatch;
    Watch->setParent(qApp);
    qApp->installEventFilter(Watch);
}

bool KeyboardInUse()
{
    return Watch && Watch->InUse();
}

void SetTabChain(const QList<QWidget *> &chain)
{
    QWidget *previous = nullptr;
    for (QWidget *control : chain) {
        const bool pushed = qobject_cast<QPushButton *>(control) || qobject_cast<QToolButton *>(control);
        control->setFocusPolicy(pushed ? Qt::TabFocus : Qt::StrongFocus);
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
    // The chain's start has the focus when the window first shows.
    if (!chain.isEmpty())
        chain.front()->window()->setProperty(kFirstFocusProperty, QVariant::fromValue<QObject *>(chain.front()));
}

void SetWindowKeys(QWidget *window, TButtonOf enter, TButtonOf escape)
{
    window->installEventFilter(new TWindowKeys(window, std::move(enter), std::move(escape)));
}

void SetAccessibleRole(QWidget *window, QAccessible::Role role)
{
    window->setProperty(kRoleProperty, static_cast<int>(role));
}

void AnnounceAlert(QWidget *window)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(window, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

void InstallAccessibleRoles()
{
    QAccessible::installFactory(WindowInterface);
}
