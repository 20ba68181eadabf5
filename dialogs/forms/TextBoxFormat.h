#pragma once

// The look of the text boxes of the Help, About and donation windows.

#include <QColor>

#include <string_view>

class QTextEdit;

// The paper colour of a text box (its viewport shows the Base role).
void SetTextBackground(QTextEdit *edit, QRgb colour);

// Finds phrase within the span characters of the box's text from start and
// makes it bold alone in the colour. The formatting goes through a cursor of
// the document, so the box's own caret and scroll position stay where they
// are. Returns the phrase's position, or -1 (nothing changes) when it is not
// in the range.
int EmphasisePhrase(QTextEdit *edit, std::u16string_view text, std::u16string_view phrase, int start, int span,
                    QRgb colour);
