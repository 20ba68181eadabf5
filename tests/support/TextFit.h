#pragma once

// Whether every text of a shown window fits its control, measured with the
// control's own font: a label, a button's caption beside its picture, a
// check box's or radio button's caption beside its mark, a group box's
// title, a table's headings; and whether a control runs out of its parent
// or over a sibling that shows text. Each fault is one line.

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

namespace textfit {

// The width a control's text needs beyond the room the control gives it, or
// a negative number where it fits; 0 for a control whose text is not
// measured here (word-wrapped labels wrap, rich texts scroll, and the
// others' texts are the player's own).
inline int Overflow(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return 0;
        int widest = 0;
        for (const QString &line : label->text().split(QLatin1Char('\n')))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        return widest - label->contentsRect().width() - 1;
    }
    const auto *button = qobject_cast<QAbstractButton *>(w);
    if (button && !button->text().isEmpty()) {
        const int text = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (qobject_cast<const QCheckBox *>(button))
            return text - button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button).width() - 1;
        if (qobject_cast<const QRadioButton *>(button))
            return text - button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button).width() - 1;
        if (qobject_cast<const QPushButton *>(button)) {
            // The picture and the caption side by side, centred in the
            // button's contents.
            const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const int picture = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            return picture + text - contents.width() - 1;
        }
        // A tool button: the caption under its picture.
        return text - button->width() - 1;
    }
    if (auto *group = qobject_cast<QGroupBox *>(w))
        return group->title().isEmpty() ? 0
                                        : group->fontMetrics().horizontalAdvance(group->title()) + 16 - group->width();
    return 0;
}

inline bool ShowsText(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return !label->text().isEmpty() && !label->wordWrap();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return !button->text().isEmpty();
    return false;
}

inline QStringList Faults(QWidget *window)
{
    QStringList faults;
    const auto name = [](QWidget *w) {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QString text =
            w->property("text").toString().isEmpty() ? w->property("title").toString() : w->property("text").toString();
        const int overflow = Overflow(w);
        if (overflow > 0)
            faults << QStringLiteral("%1: \"%2\" is cut by %3 px").arg(name(w), text).arg(overflow);
        // What shows of a control inside its parent.
        if (ShowsText(w) && w->parentWidget() && w->parentWidget() != window) {
            const QRect shown = w->geometry().intersected(w->parentWidget()->rect());
            const int hidden = w->width() - shown.width();
            if (hidden > 0 && hidden > -overflow)
                faults << QStringLiteral("%1 runs out of %2").arg(name(w), name(w->parentWidget()));
        }
        // A text box that does not scroll holds its whole text.
        if (auto *box = qobject_cast<QTextEdit *>(w); box && box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
            && box->document()->size().height() > box->viewport()->height() + 1)
            faults << QStringLiteral("%1: its text runs past its bottom").arg(name(w));
        if (auto *table = qobject_cast<QTableWidget *>(w)) {
            QHeaderView *header = table->horizontalHeader();
            for (int c = 0; c < table->columnCount(); ++c) {
                const QTableWidgetItem *item = table->horizontalHeaderItem(c);
                const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
                if (item && header->fontMetrics().horizontalAdvance(item->text()) + 2 * margin > header->sectionSize(c))
                    faults << QStringLiteral("%1: heading \"%2\" wider than its column").arg(name(w), item->text());
            }
        }
    }
    // Texts that run over each other.
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *a : all)
        for (QWidget *b : all)
            if (a < b && a->parentWidget() == b->parentWidget() && a->isVisibleTo(window) && b->isVisibleTo(window)
                && ShowsText(a) && ShowsText(b) && a->geometry().intersects(b->geometry()))
                faults << QStringLiteral("%1 over %2").arg(name(a), name(b));
    return faults;
}

} // namespace textfit
