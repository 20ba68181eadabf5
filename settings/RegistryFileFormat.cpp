// The document: its sections found through their index and added, its
// values found and written.

#include "settings/RegistryFileFormat.h"
#include "settings/RegistryFileText.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <numeric>
#include <utility>

namespace regfile {

namespace {

using text::CompareFolded;
using text::EscapeName;
using text::Fold;
using text::StartsWithFolded;

} // namespace

std::string TDocument::NameOf(const TLine &line) const
{
    const std::string_view raw = Text(line.name);
    if (!line.escapedName)
        return std::string(raw);
    std::string name;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size())
            ++i;
        name += raw[i];
    }
    return name;
}

bool TDocument::HasName(const TLine &line, std::string_view name) const
{
    const std::string_view raw = Text(line.name);
    if (!line.escapedName)
        return raw.size() == name.size() && CompareFolded(raw, name) == 0;
    size_t at = 0;
    for (size_t i = 0; i < raw.size(); ++i, ++at) {
        if (raw[i] == '\\' && i + 1 < raw.size())
            ++i;
        if (at == name.size() || Fold(raw[i]) != Fold(name[at]))
            return false;
    }
    return at == name.size();
}

TSpan TDocument::Append(std::string_view text)
{
    const TSpan span{static_cast<uint32_t>(FText.size()), static_cast<uint32_t>(text.size())};
    FText += text;
    return span;
}

std::vector<uint32_t>::const_iterator TDocument::LowerBound(std::string_view name) const
{
    return std::lower_bound(FIndex.begin(), FIndex.end(), name, [&](uint32_t at, std::string_view key) {
        return CompareFolded(NameOf(FSections[at]), key) < 0;
    });
}

const TSection *TDocument::FindSection(std::string_view name) const
{
    const auto at = LowerBound(name);
    if (at == FIndex.end() || CompareFolded(NameOf(FSections[*at]), name) != 0)
        return nullptr;
    return &FSections[*at];
}

TSection *TDocument::FindSection(std::string_view name)
{
    return const_cast<TSection *>(std::as_const(*this).FindSection(name));
}

bool TDocument::KeyExists(std::string_view name) const
{
    if (FindSection(name))
        return true;
    // The names of its subkeys begin with its own and a backslash, and so
    // lie together in the index.
    const std::string subkeys = std::string(name) + '\\';
    const auto at = LowerBound(subkeys);
    return at != FIndex.end() && StartsWithFolded(NameOf(FSections[*at]), subkeys);
}

TSection &TDocument::AddSection(std::string_view name)
{
    const TSpan span = Append(name);
    const auto at = std::upper_bound(FIndex.begin(), FIndex.end(), Text(span), [&](std::string_view key, uint32_t at) {
        return CompareFolded(key, NameOf(FSections[at])) < 0;
    });
    FIndex.insert(at, static_cast<uint32_t>(FSections.size()));
    TSection &section = FSections.emplace_back();
    section.name = span;
    return section;
}

const TLine *TDocument::FindValue(const TSection &section, std::string_view name) const
{
    for (auto it = section.lines.rbegin(); it != section.lines.rend(); ++it)
        if (it->kind != TLineKind::Unparsed && HasName(*it, name))
            return &*it;
    return nullptr;
}

void TDocument::SetDword(TSection &section, std::string_view name, uint32_t value)
{
    TLine *target = nullptr;
    for (auto it = section.lines.rbegin(); it != section.lines.rend() && !target; ++it)
        if (it->kind != TLineKind::Unparsed && HasName(*it, name))
            target = &*it;
    // A value keeps the spelling of its name; its type becomes REG_DWORD.
    const std::string spelling = target ? NameOf(*target) : std::string(name);
    if (!target)
        target = &section.lines.emplace_back();
    std::string text = spelling.empty() ? std::string("@") : EscapeName(spelling);
    const size_t nameSize = spelling.empty() ? 0 : text.size() - 2;
    char data[16];
    std::snprintf(data, sizeof data, "%08x", value);
    text += "=dword:";
    text += data;
    target->text = Append(text);
    target->name = {target->text.begin + (spelling.empty() ? 0 : 1), static_cast<uint32_t>(nameSize)};
    target->escapedName = nameSize != spelling.size();
    target->kind = TLineKind::Dword;
    target->dword = value;
    target->badSize = false;
    target->openContinuation = false;
}

void TDocument::IndexSections()
{
    const size_t count = FSections.size();
    FIndex.resize(count);
    std::iota(FIndex.begin(), FIndex.end(), 0u);
    std::sort(FIndex.begin(), FIndex.end(), [&](uint32_t a, uint32_t b) {
        const int order = CompareFolded(NameOf(FSections[a]), NameOf(FSections[b]));
        return order < 0 || (order == 0 && a < b);
    });

    // A key named twice is one key, as when the file is imported: the lines
    // of its later sections go to its first, in the order of the file.
    constexpr uint32_t Merged = std::numeric_limits<uint32_t>::max();
    std::vector<uint32_t> moved; // each section's new position, or Merged
    for (size_t run = 0; run < count;) {
        const uint32_t first = FIndex[run];
        size_t next = run + 1;
        for (; next < count && CompareFolded(NameOf(FSections[FIndex[next]]), NameOf(FSections[first])) == 0; ++next) {
            std::vector<TLine> &lines = FSections[first].lines;
            std::vector<TLine> &later = FSections[FIndex[next]].lines;
            lines.insert(lines.end(), later.begin(), later.end());
            std::vector<TLine>().swap(later);
            if (moved.empty())
                moved.assign(count, 0);
            moved[FIndex[next]] = Merged;
        }
        run = next;
    }
    if (moved.empty())
        return;
    uint32_t kept = 0;
    for (uint32_t at = 0; at < count; ++at) {
        if (moved[at] == Merged)
            continue;
        moved[at] = kept;
        if (kept != at)
            FSections[kept] = std::move(FSections[at]);
        ++kept;
    }
    FSections.resize(kept);
    size_t out = 0;
    for (const uint32_t at : FIndex)
        if (moved[at] != Merged)
            FIndex[out++] = moved[at];
    FIndex.resize(out);
}

} // namespace regfile
