// Reading a registry export file: its bytes decoded, its lines told apart,
// and the values the store uses parsed out of them.

#include "settings/RegistryFileFormat.h"
#include "settings/RegistryFileText.h"

#include <cstring>
#include <limits>
#include <utility>

namespace regfile {

namespace {

using text::HexDigit;
using text::ParseQuoted;
using text::StartsWithFolded;
using text::TrimLeft;
using text::TrimRight;
using text::Utf16LeToUtf8;

constexpr std::string_view OldHeader = "REGEDIT4";

// Spans are 32-bit: a text this long is no registry file.
constexpr size_t MaxText = std::numeric_limits<uint32_t>::max() / 2;

// The name in a section header line, trimmed; nullopt when the line is
// none. "[-name]" deletes a key on import and is no section.
std::optional<std::string_view> SectionName(std::string_view trimmed)
{
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']' && trimmed[1] != '-')
        return trimmed.substr(1, trimmed.size() - 2);
    return std::nullopt;
}

// A text's lines one by one, without their line ends ('\n' or "\r\n").
class TLines {
public:
    TLines(std::string_view text, size_t from)
        : FText(text)
        , FAt(from)
    {
    }

    bool AtEnd() const { return FAt >= FText.size(); }

    std::string_view Next()
    {
        size_t end = FText.find('\n', FAt);
        if (end == std::string_view::npos)
            end = FText.size();
        std::string_view line = FText.substr(FAt, end - FAt);
        FAt = end + 1;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        return line;
    }

    std::string_view Peek() const { return TLines(*this).Next(); }

private:
    std::string_view FText;
    size_t FAt;
};

// Comma-separated two-digit hex bytes: how many, and the first four.
struct THexBytes {
    size_t count = 0;
    uint8_t first[4] = {};
};

// nullopt when malformed.
std::optional<THexBytes> ParseHexBytes(std::string_view data)
{
    THexBytes bytes;
    data = TrimRight(TrimLeft(data));
    if (data.empty())
        return bytes;
    while (true) {
        data = TrimLeft(data);
        if (data.size() < 2 || HexDigit(data[0]) < 0 || HexDigit(data[1]) < 0)
            return std::nullopt;
        if (bytes.count < 4)
            bytes.first[bytes.count] = static_cast<uint8_t>(HexDigit(data[0]) * 16 + HexDigit(data[1]));
        ++bytes.count;
        data = TrimLeft(data.substr(2));
        if (data.empty())
            return bytes;
        if (data.front() != ',')
            return std::nullopt;
        data.remove_prefix(1);
    }
}

// What a value line says. name is a part of the text parsed, empty for @.
struct TValue {
    TLineKind kind = TLineKind::Unparsed;
    uint32_t dword = 0;
    bool badSize = false;
    std::string_view name;
    bool escapedName = false;
};

// A value line's logical text (hex continuations already joined); nullopt
// when it is not one.
std::optional<TValue> ParseValue(std::string_view logical)
{
    std::string_view rest = TrimRight(logical);
    TValue value;
    if (!rest.empty() && rest.front() == '@') {
        rest.remove_prefix(1);
    } else if (!ParseQuoted(rest, value.name, value.escapedName)) {
        return std::nullopt;
    }
    rest = TrimLeft(rest);
    if (rest.empty() || rest.front() != '=')
        return std::nullopt;
    rest = TrimLeft(rest.substr(1));

    if (!rest.empty() && rest.front() == '"') {
        std::string_view text;
        bool escaped = false;
        if (!ParseQuoted(rest, text, escaped) || !TrimLeft(rest).empty())
            return std::nullopt;
        value.kind = TLineKind::String;
    } else if (StartsWithFolded(rest, "dword:")) {
        const std::string_view digits = rest.substr(6);
        if (digits.size() != 8) // a line cut short is not a smaller number
            return std::nullopt;
        for (const char c : digits) {
            const int d = HexDigit(c);
            if (d < 0)
                return std::nullopt;
            value.dword = value.dword << 4 | static_cast<uint32_t>(d);
        }
        value.kind = TLineKind::Dword;
    } else if (StartsWithFolded(rest, "hex")) {
        rest.remove_prefix(3);
        unsigned type = 3; // plain hex: is REG_BINARY
        if (!rest.empty() && rest.front() == '(') {
            const size_t close = rest.find(')');
            if (close == std::string_view::npos || close == 1 || close > 9)
                return std::nullopt;
            type = 0;
            for (const char c : rest.substr(1, close - 1)) {
                const int d = HexDigit(c);
                if (d < 0)
                    return std::nullopt;
                type = type << 4 | static_cast<unsigned>(d);
            }
            rest.remove_prefix(close + 1);
        }
        if (rest.empty() || rest.front() != ':')
            return std::nullopt;
        rest.remove_prefix(1);
        if (type == 4) { // REG_DWORD written out as bytes, little-endian
            const auto bytes = ParseHexBytes(rest);
            if (!bytes)
                return std::nullopt;
            value.kind = TLineKind::Dword;
            if (bytes->count == 4)
                value.dword = static_cast<uint32_t>(bytes->first[0]) | static_cast<uint32_t>(bytes->first[1]) << 8
                    | static_cast<uint32_t>(bytes->first[2]) << 16 | static_cast<uint32_t>(bytes->first[3]) << 24;
            else
                value.badSize = true;
        } else {
            value.kind = TLineKind::Other;
        }
    } else {
        return std::nullopt; // "-" (delete on import) and anything unknown
    }
    return value;
}

} // namespace

std::optional<TDocument> Parse(std::string bytes)
{
    TDocument document;
    std::string &text = document.FText;
    size_t start = 0;
    if (std::string_view(bytes).starts_with("\xFF\xFE")) {
        text = Utf16LeToUtf8(std::string_view(bytes).substr(2));
        std::string().swap(bytes);
    } else {
        text = std::move(bytes);
        if (text.starts_with("\xEF\xBB\xBF"))
            start = 3;
    }
    if (text.size() > MaxText)
        return std::nullopt;
    const std::string_view all = text;
    const auto spanOf = [&](std::string_view part) {
        return TSpan{static_cast<uint32_t>(part.data() - all.data()), static_cast<uint32_t>(part.size())};
    };

    TLines lines(all, start);
    std::string_view first; // the first line that is not blank
    while (!lines.AtEnd() && TrimRight(TrimLeft(first)).empty())
        first = lines.Next();
    if (TrimRight(TrimLeft(first)).empty()) {
        std::string().swap(text);
        return document; // empty file: an empty store
    }
    const std::string_view header = TrimRight(first);
    if (header != Header && header != OldHeader)
        return std::nullopt;

    // Room for every section, and in each for its values, counted in a first
    // look at the lines: vectors that grow line by line would hold up to
    // three times their lines while they move.
    std::vector<uint32_t> values; // of each section header in turn
    for (TLines ahead = lines; !ahead.AtEnd();) {
        const std::string_view trimmed = TrimRight(TrimLeft(ahead.Next()));
        if (SectionName(trimmed))
            values.push_back(0);
        else if (!values.empty() && (trimmed.starts_with('"') || trimmed.starts_with('@')))
            ++values.back();
    }
    document.FSections.reserve(values.size());

    // Joins the text of a later line to a span, in the stretch of the text
    // that they and the lines between them held: the span's lines are joined
    // by '\n', and the later line moves down over what ended the one before
    // it ('\r', blanks, blank lines).
    const auto join = [&](TSpan &span, std::string_view later) {
        const size_t end = span.begin + span.size;
        text[end] = '\n';
        std::memmove(text.data() + end + 1, later.data(), later.size());
        span.size += static_cast<uint32_t>(1 + later.size());
    };
    TSection *current = nullptr;
    // The line just parsed means nothing to the store: it joins the line
    // before it when that one means nothing either, as both are written back
    // the same way.
    const auto keepAsItStands = [&] {
        std::vector<TLine> &kept = current->lines;
        if (kept.size() < 2 || kept.back().openContinuation)
            return;
        TLine &before = kept[kept.size() - 2];
        if (before.kind != TLineKind::Unparsed || before.openContinuation)
            return;
        join(before.text, document.Text(kept.back().text));
        kept.pop_back();
    };
    while (!lines.AtEnd()) {
        const std::string_view raw = lines.Next();
        const std::string_view trimmed = TrimRight(TrimLeft(raw));
        if (trimmed.empty())
            continue;
        if (const auto name = SectionName(trimmed)) {
            current = &document.FSections.emplace_back();
            current->name = spanOf(*name);
            current->lines.reserve(values[document.FSections.size() - 1]);
            continue;
        }
        if (!current && document.FPreamble.size == 0) {
            document.FPreamble = spanOf(TrimRight(raw));
            continue;
        }
        if (!current) {
            join(document.FPreamble, TrimRight(raw));
            continue;
        }
        TLine &line = current->lines.emplace_back();
        line.text = spanOf(TrimRight(raw));
        std::string_view logical = trimmed;
        std::string joined;
        // Hex data goes on over lines that end in a backslash.
        const size_t equals = logical.find('=');
        const bool hex = equals != std::string_view::npos && StartsWithFolded(logical.substr(equals + 1), "hex");
        // A blank line or the end of the file ends the data all the same.
        while (hex && logical.ends_with('\\') && !lines.AtEnd() && !TrimRight(TrimLeft(lines.Peek())).empty()) {
            if (joined.empty())
                joined = logical;
            joined.pop_back();
            const std::string_view next = lines.Next();
            joined += TrimRight(TrimLeft(next));
            logical = joined;
            join(line.text, TrimRight(next));
        }
        line.openContinuation = hex && logical.ends_with('\\');
        const std::optional<TValue> value = ParseValue(logical);
        if (!value) {
            keepAsItStands();
            continue;
        }
        // The name, as a part of the first file line of the value. A name
        // that a continued line cut through is none: the line is kept as it
        // stands.
        const size_t nameAt = value->name.empty() ? 0 : static_cast<size_t>(value->name.data() - logical.data());
        const size_t firstSize = joined.empty() ? trimmed.size() : trimmed.size() - 1;
        if (!value->name.empty() && nameAt + value->name.size() >= firstSize) {
            keepAsItStands();
            continue;
        }
        line.kind = value->kind;
        line.dword = value->dword;
        line.badSize = value->badSize;
        line.name = {spanOf(trimmed).begin + static_cast<uint32_t>(nameAt), static_cast<uint32_t>(value->name.size())};
        line.escapedName = value->escapedName;
    }
    document.IndexSections();
    return document;
}

} // namespace regfile
