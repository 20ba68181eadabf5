#include "dialogs/forms/TextBoxFormat.h"
#include "dialogs/rules/InfoTexts.h"

#include <QPalette>
#include <QTextCursor>
#include <QTextEdit>

void SetTextBackground(QTextEdit *edit, QRgb colour)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(colour));
    edit->setPalette(palette);
}

int EmphasisePhrase(QTextEdit *edit, std::u16string_view text, std::u16string_view phrase, int start, int span,
                    QRgb colour)
{
    const int found = infotexts::FindPhrase(text, phrase, start, span);
    if (found < 0)
        return -1;
    QTextCursor cursor(edit->document());
    cursor.setPosition(found);
    cursor.setPosition(found + static_cast<int>(phrase.size()), QTextCursor::KeepAnchor);
    // Bold alone: the other style flags are cleared.
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    format.setFontStrikeOut(false);
    format.setForeground(QColor::fromRgb(colour));
    cursor.mergeCharFormat(format);
    cursor.clearSelection();
    return found;
}
