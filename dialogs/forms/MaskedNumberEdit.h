#pragma once

#include <QLineEdit>
#include <QString>

#include <cstdint>
#include <optional>

// A digits-only field of `positions` optional digit positions, blanks shown as '_',
// the number right-aligned with the blanks on its left (like an input mask "!9999999;1;_").
//
// The field owns its editing: typed and pasted text keeps its digits only, and
// every edit re-aligns the number to the right, so the caret stays where the
// person left it relative to the right edge.
class TMaskedNumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskedNumberEdit(int positions, QWidget *parent = nullptr);
    int Positions() const;
    // Shows text (digits and spaces, as stored in a mask's edit text) right-aligned in the field.
    void SetMaskedText(const QString &text);
    // The field's text with blanks as spaces, `positions` characters long.
    QString MaskedText() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The characters from the first digit to the right edge; the positions
    // left of it are blanks. Interior blanks (from a stored edit text) stay.
    QString FBody;
    int FPositions;

    int BodyStart() const;
    void Show(const QString &body, int caret);
    // Replaces the selection (or inserts at the caret) with the digits of text.
    void InsertDigits(const QString &text);
    // Deletes the body characters between two field positions.
    void DeleteRange(int from, int to);
    void DeleteSelectionOrChar(bool forward);
    void CopySelection() const;
    void PasteFrom(bool selectionClipboard);
};
