#pragma once

// The information windows' texts are UTF-16 (dialogs/rules/InfoTexts.h);
// these carry them to and from the toolkit's strings without a copy where
// none is needed.

#include <QString>

#include <string_view>

inline QString FromUtf16(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string_view Utf16View(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), static_cast<std::size_t>(text.size())};
}
