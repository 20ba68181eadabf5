#include "settings/RegistryFileFormat.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace regfile {

namespace {

constexpr std::string_view OldHeader = "REGEDIT4";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimRight(std::string_view text)
{
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::string_view TrimLeft(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool StartsWithFolded(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && FoldCase(text.substr(0, prefix.size())) == prefix;
}

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

// UTF-16LE without its byte-order mark to UTF-8; unpaired surrogates become
// U+FFFD and an odd last byte is dropped.
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

// A quoted name or string with \\ and \" escapes; rest moves past the
// closing quote.
bool ParseQuoted(std::string_view &rest, std::string &out)
{
    if (rest.empty() || rest.front() != '"')
        return false;
    for (size_t i = 1; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '\\' && i + 1 < rest.size()) {
            out += rest[++i];
        } else if (c == '"') {
            rest.remove_prefix(i + 1);
            return true;
        } else {
            out += c;
        }
    }
    return false;
}

// Comma-separated two-digit hex bytes; nullopt when malformed.
std::optional<std::vector<uint8_t>> ParseHexBytes(std::string_view data)
{
    std::vector<uint8_t> bytes;
    data = TrimRight(TrimLeft(data));
    if (data.empty())
        return bytes;
    while (true) {
        data = TrimLeft(data);
        if (data.size() < 2 || HexDigit(data[0]) < 0 || HexDigit(data[1]) < 0)
            return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(HexDigit(data[0]) * 16 + HexDigit(data[1])));
        data = TrimLeft(data.substr(2));
        if (data.empty())
            return bytes;
        if (data.front() != ',')
            return std::nullopt;
        data.remove_prefix(1);
    }
}

// Fills kind, name and data of a value line from its logical text (hex
// continuations already joined). Leaves the line Unparsed when it is not one.
void ParseValue(std::string_view logical, TLine &line)
{
    std::string_view rest = TrimRight(logical);
    std::string name;
    if (!rest.empty() && rest.front() == '@') {
        rest.remove_prefix(1);
    } else if (!ParseQuoted(rest, name)) {
        return;
    }
    rest = TrimLeft(rest);
    if (rest.empty() || rest.front() != '=')
        return;
    rest = TrimLeft(rest.substr(1));

    TLine parsed;
    if (!rest.empty() && rest.front() == '"') {
        std::string text;
        if (!ParseQuoted(rest, text) || !TrimLeft(rest).empty())
            return;
        parsed.kind = TLineKind::String;
    } else if (StartsWithFolded(rest, "dword:")) {
        const std::string_view digits = rest.substr(6);
        if (digits.size() != 8) // a line cut short is not a smaller number
            return;
        uint32_t value = 0;
        for (const char c : digits) {
            const int d = HexDigit(c);
            if (d < 0)
                return;
            value = value << 4 | static_cast<uint32_t>(d);
        }
        parsed.kind = TLineKind::Dword;
        parsed.dword = value;
    } else if (StartsWithFolded(rest, "hex")) {
        rest.remove_prefix(3);
        unsigned type = 3; // plain hex: is REG_BINARY
        if (!rest.empty() && rest.front() == '(') {
            const size_t close = rest.find(')');
            if (close == std::string_view::npos || close == 1 || close > 9)
                return;
            type = 0;
            for (const char c : rest.substr(1, close - 1)) {
                const int d = HexDigit(c);
                if (d < 0)
                    return;
                type = type << 4 | static_cast<unsigned>(d);
            }
            rest.remove_prefix(close + 1);
        }
        if (rest.empty() || rest.front() != ':')
            return;
        rest.remove_prefix(1);
        if (type == 4) { // REG_DWORD written out as bytes, little-endian
            const auto bytes = ParseHexBytes(rest);
            if (!bytes)
                return;
            parsed.kind = TLineKind::Dword;
            if (bytes->size() == 4)
                parsed.dword = static_cast<uint32_t>((*bytes)[0]) | static_cast<uint32_t>((*bytes)[1]) << 8
                    | static_cast<uint32_t>((*bytes)[2]) << 16 | static_cast<uint32_t>((*bytes)[3]) << 24;
            else
                parsed.badSize = true;
        } else {
            parsed.kind = TLineKind::Other;
        }
    } else {
        return; // "-" (delete on import) and anything unknown
    }
    line.kind = parsed.kind;
    line.dword = parsed.dword;
    line.badSize = parsed.badSize;
    line.foldedName = FoldCase(name);
    line.name = std::move(name);
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

std::string DwordLine(std::string_view name, uint32_t value)
{
    char data[16];
    std::snprintf(data, sizeof data, "%08x", value);
    return (name.empty() ? std::string("@") : EscapeName(name)) + "=dword:" + data;
}

} // namespace

std::string FoldCase(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

const TLine *TSection::FindValue(std::string_view name) const
{
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        if (it->kind == TLineKind::Unparsed || it->foldedName.size() != name.size())
            continue;
        if (std::equal(name.begin(), name.end(), it->foldedName.begin(), [&](char a, char b) { return fold(a) == b; }))
            return &*it;
    }
    return nullptr;
}

void TSection::SetDword(std::string_view name, uint32_t value)
{
    const std::string folded = FoldCase(name);
    TLine *target = nullptr;
    for (auto it = lines.rbegin(); it != lines.rend() && !target; ++it)
        if (it->kind != TLineKind::Unparsed && it->foldedName == folded)
            target = &*it;
    if (!target) {
        target = &lines.emplace_back();
        target->name = std::string(name);
        target->foldedName = folded;
    }
    // A value keeps the spelling of its name; its type becomes REG_DWORD.
    target->kind = TLineKind::Dword;
    target->dword = value;
    target->badSize = false;
    target->text = DwordLine(target->name, value);
    target->openContinuation = false;
}

const TSection *TDocument::FindSection(std::string_view folded) const
{
    for (const TSection &section : sections)
        if (section.foldedName == folded)
            return &section;
    return nullptr;
}

TSection *TDocument::FindSection(std::string_view folded)
{
    return const_cast<TSection *>(std::as_const(*this).FindSection(folded));
}

bool TDocument::KeyExists(std::string_view folded) const
{
    for (const TSection &section : sections) {
        const std::string_view name = section.foldedName;
        if (name.starts_with(folded) && (name.size() == folded.size() || name[folded.size()] == '\\'))
            return true;
    }
    return false;
}

TSection &TDocument::AddSection(std::string_view name)
{
    TSection &section = sections.emplace_back();
    section.name = std::string(name);
    section.foldedName = FoldCase(name);
    return section;
}

std::optional<TDocument> Parse(std::string_view bytes)
{
    std::string decoded;
    if (bytes.starts_with("\xFF\xFE")) {
        decoded = Utf16LeToUtf8(bytes.substr(2));
        bytes = decoded;
    } else if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }

    std::vector<std::string_view> lines;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }

    TDocument document;
    size_t first = 0;
    while (first < lines.size() && TrimRight(TrimLeft(lines[first])).empty())
        ++first;
    if (first == lines.size())
        return document; // empty file: an empty store
    const std::string_view header = TrimRight(lines[first]);
    if (header != Header && header != OldHeader)
        return std::nullopt;

    TSection *current = nullptr;
    for (size_t i = first + 1; i < lines.size(); ++i) {
        const std::string_view trimmed = TrimRight(TrimLeft(lines[i]));
        if (trimmed.empty())
            continue;
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']' && trimmed[1] != '-') {
            const std::string_view name = trimmed.substr(1, trimmed.size() - 2);
            // A key named twice is one key, as when the file is imported.
            current = document.FindSection(FoldCase(name));
            if (!current)
                current = &document.AddSection(name);
            continue;
        }
        if (!current) {
            document.preamble.emplace_back(TrimRight(lines[i]));
            continue;
        }
        TLine &line = current->lines.emplace_back();
        line.text = std::string(TrimRight(lines[i]));
        std::string logical(trimmed);
        // Hex data goes on over lines that end in a backslash.
        const size_t equals = logical.find("=");
        const bool hex =
            equals != std::string::npos && StartsWithFolded(std::string_view(logical).substr(equals + 1), "hex");
        // A blank line or the end of the file ends the data all the same.
        while (hex && logical.ends_with('\\') && i + 1 < lines.size() && !TrimRight(TrimLeft(lines[i + 1])).empty()) {
            logical.pop_back();
            ++i;
            line.text += '\n';
            line.text += TrimRight(lines[i]);
            logical += TrimRight(TrimLeft(lines[i]));
        }
        line.openContinuation = hex && logical.ends_with('\\');
        ParseValue(logical, line);
    }
    return document;
}

std::string Serialize(const TDocument &document)
{
    std::string out(Header);
    out += "\n\n";
    for (const std::string &line : document.preamble)
        out += line + '\n';
    if (!document.preamble.empty())
        out += '\n';
    for (const TSection &section : document.sections) {
        out += '[';
        out += section.name;
        out += "]\n";
        for (const TLine &line : section.lines) {
            out += line.text;
            out += '\n';
            if (line.openContinuation)
                out += '\n';
        }
        out += '\n';
    }
    return out;
}

} // namespace regfile
