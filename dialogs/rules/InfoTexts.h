#pragma once

// The texts of the Help, About and donation windows, and the phrases that are
// picked out in bold colour in the first two.
//
// The texts are UTF-16, as the text boxes hold them, so that a position here
// is a position in the box: one unit per character (every character of these
// texts is in the Basic Multilingual Plane) and one per line break.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A line of these texts, marked for Qt's lupdate (which reads it as
// QT_TRANSLATE_NOOP) in the context of its window: the windows look the
// English line up in the player's translation.
#define DRAWVANE_TEXT16(context, text) u"" text

namespace infotexts {

// 64 lines; several keep a trailing blank, and line 34 has a typographic
// apostrophe (U+2019). The Draw and Past Draws windows' sections follow the
// two blank lines that end the rest.
extern const std::array<std::u16string_view, 64> kHelpLines;

// Bold blue, in this order.
extern const std::array<std::u16string_view, 11> kCommandHeadings;
// Bold green, in this order, after the commands.
extern const std::array<std::u16string_view, 10> kTopicHeadings;

inline constexpr std::u16string_view kAuthorName = DRAWVANE_TEXT16("About", "The Drawvane developers");
inline constexpr std::u16string_view kContactAddress = u"drawvane@example.org";
inline constexpr std::u16string_view kDrawvaneSite = u"http://drawvane.example.org/";
inline constexpr std::u16string_view kVeilmarkSite = u"http://veilmark.example.com/";

// The About page, line by line; the author's paragraph follows the statement
// of purpose so that its first word lies beyond character 800.
extern const std::array<std::u16string_view, 16> kAboutLines;

// The appeal of the donation window, 12 lines, shown centred.
extern const std::array<std::u16string_view, 12> kAppealLines;

// Lines joined by line feeds, with none after the last; a text box holds
// each line as one paragraph.
std::u16string JoinLines(std::span<const std::u16string_view> lines);

// A phrase of the About page and the range it is looked for in. The ranges
// are fixed: they fit the text above, and the name in the "Author:" line
// lies before the range in which the author's name is looked for.
struct TPhraseRange {
    std::u16string_view phrase;
    int start;
    int span;
};
extern const std::array<TPhraseRange, 5> kAboutPhrases;

// Position of the first occurrence of phrase, matching case, that lies
// wholly within the span characters from start (clipped to the text);
// -1 when there is none. Whole words are not required.
int FindPhrase(std::u16string_view text, std::u16string_view phrase, int start, int span);

} // namespace infotexts
