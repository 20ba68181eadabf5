#include "dialogs/forms/MaskedNumberEdit.h"
#include "kit/ErrorReport.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <string>

namespace {

constexpr QChar kBlank = u'_';

QString DigitsOf(const QString &text)
{
    QString digits;
    for (const QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits.append(c);
    return digits;
}

// A body never begins or ends with a blank: the number sits against the
// right edge and the blanks on its left are not part of it.
QString Trimmed(const QString &body)
{
    qsizetype first = 0;
    qsizetype last = body.size();
    while (first < last && body.at(first) == u' ')
        ++first;
    while (last > first && body.at(last - 1) == u' ')
        --last;
    return body.mid(first, last - first);
}

} // namespace

TMaskedNumberEdit::TMaskedNumberEdit(int positions, QWidget *parent)
    : QLineEdit(parent)
    , FPositions(std::max(positions, 1))
{
    setAcceptDrops(false);
    Show(QString(), FPositions);
}

int TMaskedNumberEdit::Positions() const
{
    return FPositions;
}

void TMaskedNumberEdit::SetMaskedText(const QString &text)
{
    QString body;
    for (const QChar c : text)
        if ((c >= u'0' && c <= u'9') || c == u' ')
            body.append(c);
    body = Trimmed(body);
    // A number that does not fit is not cut to a different amount; the
    // field stays empty instead.
    if (body.size() > FPositions)
        body.clear();
    Show(body, FPositions);
}

QString TMaskedNumberEdit::MaskedText() const
{
    return QString(FPositions - FBody.size(), u' ') + FBody;
}

int TMaskedNumberEdit::BodyStart() const
{
    return FPositions - static_cast<int>(FBody.size());
}

void TMaskedNumberEdit::Show(const QString &body, int caret)
{
    FBody = body;
    QString shown = QString(FPositions - body.size(), kBlank) + body;
    shown.replace(u' ', kBlank);
    setText(shown);
    setCursorPosition(std::clamp(caret, 0, FPositions));
}

void TMaskedNumberEdit::InsertDigits(const QString &text)
{
    QString digits = DigitsOf(text);
    if (digits.isEmpty() || isReadOnly())
        return;
    const int start = BodyStart();
    int from = cursorPosition();
    int to = from;
    if (hasSelectedText()) {
        from = selectionStart();
        to = selectionEnd();
    }
    const int k0 = std::clamp(from, start, FPositions) - start;
    const int k1 = std::clamp(to, start, FPositions) - start;
    const int room = FPositions - (static_cast<int>(FBody.size()) - (k1 - k0));
    digits.truncate(room);
    if (digits.isEmpty())
        return;
    const QString body = Trimmed(FBody.left(k0) + digits + FBody.mid(k1));
    // The digits on the caret's left move left; the caret stays after the
    // last digit put in.
    const int newStart = FPositions - static_cast<int>(body.size());
    Show(body, newStart + k0 + static_cast<int>(digits.size()));
}

void TMaskedNumberEdit::DeleteRange(int from, int to)
{
    if (isReadOnly())
        return;
    const int start = BodyStart();
    const int k0 = std::clamp(std::min(from, to), start, FPositions) - start;
    const int k1 = std::clamp(std::max(from, to), start, FPositions) - start;
    if (k0 == k1)
        return;
    const QString rest = FBody.left(k0) + FBody.mid(k1);
    // Blanks that end up at an edge leave the number; count the ones
    // before the caret so that the caret stays beside the same digit.
    qsizetype lead = 0;
    while (lead < k0 && rest.at(lead) == u' ')
        ++lead;
    const QString body = Trimmed(rest);
    const int newStart = FPositions - static_cast<int>(body.size());
    const int caret = newStart + std::min(static_cast<int>(body.size()), k0 - static_cast<int>(lead));
    Show(body, caret);
}

void TMaskedNumberEdit::DeleteSelectionOrChar(bool forward)
{
    if (hasSelectedText()) {
        DeleteRange(selectionStart(), selectionEnd());
        return;
    }
    const int caret = cursorPosition();
    if (forward)
        DeleteRange(caret, caret + 1);
    else
        DeleteRange(caret - 1, caret);
}

void TMaskedNumberEdit::CopySelection() const
{
    if (!hasSelectedText() || echoMode() != QLineEdit::Normal)
        return;
    const QString digits = DigitsOf(selectedText());
    if (!digits.isEmpty())
        QGuiApplication::clipboard()->setText(digits);
}

void TMaskedNumberEdit::PasteFrom(bool selectionClipboard)
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    InsertDigits(clipboard->text(selectionClipboard ? QClipboard::Selection : QClipboard::Clipboard));
}

void TMaskedNumberEdit::keyPressEvent(QKeyEvent *event)
{
    Guarded([&] {
        const int caret = cursorPosition();
        if (event == QKeySequence::Paste) {
            PasteFrom(false);
        } else if (event == QKeySequence::Copy) {
            CopySelection();
        } else if (event == QKeySequence::Cut) {
            CopySelection();
            if (hasSelectedText())
                DeleteSelectionOrChar(false);
        } else if (event == QKeySequence::Undo || event == QKeySequence::Redo) {
            // No edit history: every edit re-aligns the whole field.
        } else if (event == QKeySequence::DeleteStartOfWord) {
            DeleteRange(0, caret);
        } else if (event == QKeySequence::DeleteEndOfWord || event == QKeySequence::DeleteEndOfLine) {
            DeleteRange(caret, FPositions);
        } else if (event == QKeySequence::DeleteCompleteLine) {
            DeleteRange(0, FPositions);
        } else if (event->key() == Qt::Key_Backspace) {
            DeleteSelectionOrChar(false);
        } else if (event->key() == Qt::Key_Delete) {
            DeleteSelectionOrChar(true);
        } else if (!event->text().isEmpty() && event->text().at(0).isPrint()
                   && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
            // Digits go in; letters and signs are dropped without a sound.
            InsertDigits(event->text());
        } else {
            QLineEdit::keyPressEvent(event);
            return;
        }
        event->accept();
    });
}

void TMaskedNumberEdit::inputMethodEvent(QInputMethodEvent *event)
{
    Guarded([&] {
        if (!event->commitString().isEmpty())
            InsertDigits(event->commitString());
        event->accept();
    });
}

void TMaskedNumberEdit::contextMenuEvent(QContextMenuEvent *event)
{
    Guarded([&] {
        // The line edit's own menu inserts text past this field's filter,
        // so the field offers its own.
        QMenu menu(this);
        const bool editable = !isReadOnly();
        const bool selected = hasSelectedText();
        QAction *cut = menu.addAction(tr("Cu&t"), [this] {
            Guarded([this] {
                CopySelection();
                DeleteSelectionOrChar(false);
            });
        });
        cut->setEnabled(editable && selected);
        QAction *copy = menu.addAction(tr("&Copy"), Guard([this] { CopySelection(); }));
        copy->setEnabled(selected);
        QAction *paste = menu.addAction(tr("&Paste"), Guard([this] { PasteFrom(false); }));
        paste->setEnabled(editable && !QGuiApplication::clipboard()->text().isEmpty());
        QAction *remove = menu.addAction(tr("Delete"), Guard([this] { DeleteSelectionOrChar(false); }));
        remove->setEnabled(editable && selected);
        menu.addSeparator();
        menu.addAction(tr("Select All"), Guard([this] { selectAll(); }));
        menu.exec(event->globalPos());
        event->accept();
    });
}

void TMaskedNumberEdit::mouseReleaseEvent(QMouseEvent *event)
{
    Guarded([&] {
        // The X11 middle-button paste also goes through the digit filter.
        if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
            if (!isReadOnly()) {
                deselect();
                setCursorPosition(cursorPositionAt(event->position().toPoint()));
                PasteFrom(true);
            }
            event->accept();
            return;
        }
        QLineEdit::mouseReleaseEvent(event);
    });
}
