#pragma once

// The text of a registry export file ("Windows Registry Editor Version
// 5.00"), as the file store keeps it: sections named by their full key path,
// and value lines under them. Everything the store does not understand is
// kept as it stood, so that a hand-edited or Windows-made file survives a
// rewrite.
//
// A document holds its file's text once, as UTF-8; sections and lines are
// spans of it, and lines that mean nothing to the store, one after another,
// are one span, so that a parsed file takes little more memory than its
// bytes. Sections are found through an index sorted by name, made once as
// the file is read: no lookup walks the whole file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regfile {

inline constexpr std::string_view Header = "Windows Registry Editor Version 5.00";

enum class TLineKind : uint8_t {
    Unparsed, // kept verbatim, means nothing to the store
    Dword,    // "name"=dword:xxxxxxxx, or hex(4): with its bytes
    String,   // "name"="text" (REG_SZ)
    Other     // any other typed value: hex:, hex(2):, hex(b): ...
};

// A stretch of a document's text: its first byte and its length.
struct TSpan {
    uint32_t begin = 0;
    uint32_t size = 0;
};

// One line of a section; a hex value continued with trailing backslashes
// spans several file lines, kept together in text.
struct TLine {
    TSpan text; // as written back, file lines joined by '\n'
    // The value name as written between its quotes, with its \\ and \"
    // escapes; empty for @.
    TSpan name;
    uint32_t dword = 0;
    TLineKind kind = TLineKind::Unparsed;
    bool escapedName = false; // name holds a backslash escape
    bool badSize = false;     // a hex(4): value whose data is not 4 bytes
    // Hex data whose last line ends in a backslash with nothing to continue
    // it (the end of the file, a blank line): written back with a blank line
    // after it, so that a rewrite never joins it to the next line.
    bool openContinuation = false;
};

struct TSection {
    TSpan name; // the text between the brackets
    std::vector<TLine> lines;
};

class TDocument {
public:
    std::string_view Text(TSpan span) const { return std::string_view(FText).substr(span.begin, span.size); }
    std::string_view NameOf(const TSection &section) const { return Text(section.name); }
    // A value's name unescaped.
    std::string NameOf(const TLine &line) const;

    // The lines before the first section, joined by '\n'.
    std::string_view Preamble() const { return Text(FPreamble); }
    const std::vector<TSection> &Sections() const { return FSections; }

    // The section of a key, its name in any case; nullptr when there is none.
    const TSection *FindSection(std::string_view name) const;
    TSection *FindSection(std::string_view name);
    // A key exists when it has a section of its own or a subkey has one.
    bool KeyExists(std::string_view name) const;
    // Adds a section at the end of the file. Pointers to sections that were
    // found before may no longer be valid.
    TSection &AddSection(std::string_view name);

    // The last line of the section holding the named value, the name in any
    // case (a later line wins, as on import); nullptr when there is none.
    const TLine *FindValue(const TSection &section, std::string_view name) const;
    // Writes a 32-bit value, replacing a value of that name of any type.
    void SetDword(TSection &section, std::string_view name, uint32_t value);

private:
    friend std::optional<TDocument> Parse(std::string bytes);

    TSpan Append(std::string_view text);
    // Sorts the index, and makes the sections of a key named twice one.
    void IndexSections();
    bool HasName(const TLine &line, std::string_view name) const;
    // Positions in FSections, sorted by name without regard to case; of
    // sections of one name, the first comes first.
    std::vector<uint32_t>::const_iterator LowerBound(std::string_view name) const;

    std::string FText;
    TSpan FPreamble;
    std::vector<TSection> FSections;
    std::vector<uint32_t> FIndex;
};

// ASCII lower case: the registry compares key and value names without
// regard to case.
std::string FoldCase(std::string_view text);

// Parses a file's bytes: UTF-8 (with or without a byte-order mark) or
// UTF-16LE with its byte-order mark, LF or CRLF line ends. An empty file is
// an empty document; nullopt means the bytes are not a registry file. The
// document keeps the bytes as its text: pass them by std::move when they are
// not needed afterwards.
std::optional<TDocument> Parse(std::string bytes);

// The document as UTF-8 with '\n' line ends.
std::string Serialize(const TDocument &document);

} // namespace regfile
