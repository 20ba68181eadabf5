#pragma once

// The information windows' texts are UTF-16 (dialogs/rules/InfoTexts.h);
// these carry them to and from the toolkit's strings without a copy where
// none is needed.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

inline QString FromUtf16(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string_view Utf16View(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// A line of an information window in the player's language: the English
// line is its key in the context's translations; an empty line stays empty.
inline QString TranslatedLine(std::u16string_view line, const char *context)
{
    return line.empty() ? QString() : QCoreApplication::translate(context, FromUtf16(line).toUtf8().constData());
}

// The lines translated and joined by line feeds, none after the last.
inline QString TranslatedLines(std::span<const std::u16string_view> lines, const char *context)
{
    QStringList joined;
    for (const std::u16string_view line : lines)
        joined.append(TranslatedLine(line, context));
    return joined.join(QLatin1Char('\n'));
}
