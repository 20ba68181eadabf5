#pragma once

// The text of a registry export file ("Windows Registry Editor Version
// 5.00"), as the file store keeps it: sections named by their full key path,
// and value lines under them. Everything the store does not understand is
// kept as it stood, so that a hand-edited or Windows-made file survives a
// rewrite.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regfile {

inline constexpr std::string_view Header = "Windows Registry Editor Version 5.00";

enum class TLineKind {
    Unparsed, // kept verbatim, means nothing to the store
    Dword,    // "name"=dword:xxxxxxxx, or hex(4): with its bytes
    String,   // "name"="text" (REG_SZ)
    Other     // any other typed value: hex:, hex(2):, hex(b): ...
};

// One line of a section; a hex value continued with trailing backslashes
// spans several file lines, kept together in text.
struct TLine {
    TLineKind kind = TLineKind::Unparsed;
    std::string text;       // as written back, file lines joined by '\n'
    std::string name;       // the value name, unescaped; "" for @
    std::string foldedName; // name in lower case, for lookups
    uint32_t dword = 0;
    bool badSize = false; // a hex(4): value whose data is not 4 bytes
    // Hex data whose last line ends in a backslash with nothing to continue
    // it (the end of the file, a blank line): written back with a blank line
    // after it, so that a rewrite never joins it to the next line.
    bool openContinuation = false;
};

struct TSection {
    std::string name; // the text between the brackets
    std::string foldedName;
    std::vector<TLine> lines;

    // The last line holding the named value, the name in any case (a later
    // line wins, as on import); nullptr when there is none.
    const TLine *FindValue(std::string_view name) const;
    // Writes a 32-bit value, replacing a value of that name of any type.
    void SetDword(std::string_view name, uint32_t value);
};

struct TDocument {
    std::vector<std::string> preamble; // lines before the first section
    std::vector<TSection> sections;

    const TSection *FindSection(std::string_view folded) const;
    TSection *FindSection(std::string_view folded);
    // A key exists when it has a section of its own or a subkey has one.
    bool KeyExists(std::string_view folded) const;
    TSection &AddSection(std::string_view name);
};

// ASCII lower case: the registry compares key and value names without
// regard to case.
std::string FoldCase(std::string_view text);

// Parses a file's bytes: UTF-8 (with or without a byte-order mark) or
// UTF-16LE with its byte-order mark, LF or CRLF line ends. An empty file is
// an empty document; nullopt means the bytes are not a registry file.
std::optional<TDocument> Parse(std::string_view bytes);

// The document as UTF-8 with '\n' line ends.
std::string Serialize(const TDocument &document);

} // namespace regfile
