#pragma once

// The text of a registry export file below the level of its lines: blanks,
// hex digits, names compared without regard to case, the UTF-16LE that
// Windows writes, and quoted names with their \\ and \" escapes. Shared by
// the document and by the file's reader; callers include
// RegistryFileFormat.h.

#include <cstdint>
#include <string>
#include <string_view>

namespace regfile::text {

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline std::string_view TrimRight(std::string_view text)
{
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

inline std::string_view TrimLeft(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

// The value of a hex digit of either case; -1 for any other character.
inline int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// ASCII lower case of one byte; other bytes, UTF-8 ones among them, as they
// are.
inline char Fold(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// FoldCase(a) compared with FoldCase(b), byte by byte as unsigned, without
// making either.
int CompareFolded(std::string_view a, std::string_view b);

bool StartsWithFolded(std::string_view text, std::string_view prefix);

// UTF-16LE without its byte-order mark to UTF-8; unpaired surrogates become
// U+FFFD and an odd last byte is dropped.
std::string Utf16LeToUtf8(std::string_view bytes);

// A quoted name or string with \\ and \" escapes: raw receives what lies
// between the quotes as written, escaped whether it holds an escape; rest
// moves past the closing quote.
bool ParseQuoted(std::string_view &rest, std::string_view &raw, bool &escaped);

// A value name as written in a value line: quoted, with its backslashes and
// quotes escaped.
std::string EscapeName(std::string_view name);

} // namespace regfile::text
