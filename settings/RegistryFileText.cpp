#include "settings/RegistryFileText.h"

#include "settings/RegistryFileFormat.h"

#include <algorithm>
#include <cstring>

namespace regfile {

namespace text {

namespace {

void AppendUtf8(std::string &out, uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

int CompareFolded(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    size_t i = 0;
    // Bytes that are equal are equal folded: skipped eight at a time, as
    // key names share long beginnings.
    while (i + 8 <= common && std::memcmp(a.data() + i, b.data() + i, 8) == 0)
        i += 8;
    for (; i < common; ++i) {
        const auto x = static_cast<unsigned char>(Fold(a[i]));
        const auto y = static_cast<unsigned char>(Fold(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

bool StartsWithFolded(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && CompareFolded(text.substr(0, prefix.size()), prefix) == 0;
}

std::string Utf16LeToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() / 2);
    const auto unit = [&](size_t i) {
        return static_cast<uint32_t>(static_cast<unsigned char>(bytes[i]))
            | static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        uint32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
            const uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            } else {
                cp = 0xFFFD;
            }
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

bool ParseQuoted(std::string_view &rest, std::string_view &raw, bool &escaped)
{
    if (rest.empty() || rest.front() != '"')
        return false;
    escaped = false;
    for (size_t i = 1; i < rest.size(); ++i) {
        if (rest[i] == '\\' && i + 1 < rest.size()) {
            escaped = true;
            ++i;
        } else if (rest[i] == '"') {
            raw = rest.substr(1, i - 1);
            rest.remove_prefix(i + 1);
            return true;
        }
    }
    return false;
}

std::string EscapeName(std::string_view name)
{
    std::string out = "\"";
    for (const char c : name) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + '"';
}

} // namespace text

std::string FoldCase(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        c = regfile::text::Fold(c);
    return out;
}

} // namespace regfile
