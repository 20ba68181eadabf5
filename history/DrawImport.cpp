#include "history/DrawImport.h"
#include "texts/Texts.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cctype>
#include <set>
#include <stdexcept>
#include <string_view>
#include <tuple>

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"january",   "february", "march",    "april",
                                                      "may",       "june",     "july",     "august",
                                                      "september", "october",  "november", "december"};

// Well-formed UTF-8: no overlong form, no surrogate, nothing past U+10FFFF.
bool IsUtf8Text(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead == 0)
            return false;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t length = 0;
        unsigned lowest = 0x80; // the second byte's range, which rules out overlong and surrogate forms
        unsigned highest = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            lowest = lead == 0xE0 ? 0xA0 : 0x80;
            highest = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            lowest = lead == 0xF0 ? 0x90 : 0x80;
            highest = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (text.size() - i < length)
            return false;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            const unsigned low = k == 1 ? lowest : 0x80;
            const unsigned high = k == 1 ? highest : 0xBF;
            if (next < low || next > high)
                return false;
        }
        i += length;
    }
    return true;
}

bool IsDigits(std::string_view text)
{
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

int ToInt(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// A field without the spaces and the one pair of double quotes around it.
std::string_view FieldText(std::string_view text)
{
    text = Trimmed(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = Trimmed(text.substr(1, text.size() - 2));
    return text;
}

std::vector<std::string_view> SplitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    if (line.find_first_of(",;\t") == std::string_view::npos) {
        size_t at = 0;
        while (at < line.size()) {
            const size_t start = line.find_first_not_of(' ', at);
            if (start == std::string_view::npos)
                break;
            const size_t end = std::min(line.find(' ', start), line.size());
            fields.push_back(FieldText(line.substr(start, end - start)));
            at = end;
        }
        return fields;
    }
    size_t start = 0;
    while (true) {
        const size_t end = line.find_first_of(",;\t", start);
        fields.push_back(FieldText(line.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return fields;
}

// 1..12 for an English month's name or its first three letters, in any
// case; 0 for anything else.
int MonthNamed(std::string_view name)
{
    std::string lower(name);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (size_t m = 0; m < kMonths.size(); ++m)
        if (lower == kMonths[m] || (lower.size() == 3 && kMonths[m].starts_with(lower)))
            return static_cast<int>(m) + 1;
    return 0;
}

enum class TDateField { None, Valid, NotCalendar };

bool IsCalendarDay(const TDrawDate &date)
{
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1)
        return false;
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    const int days = kDays[static_cast<size_t>(date.month - 1)] + (date.month == 2 && leap ? 1 : 0);
    return date.day <= days;
}

// The three parts of `text` between two `separator`s.
bool SplitInThree(std::string_view text, char separator, std::array<std::string_view, 3> &parts)
{
    const size_t first = text.find(separator);
    const size_t second = first == std::string_view::npos ? first : text.find(separator, first + 1);
    if (second == std::string_view::npos || text.find(separator, second + 1) != std::string_view::npos)
        return false;
    parts = {text.substr(0, first), text.substr(first + 1, second - first - 1), text.substr(second + 1)};
    return true;
}

bool IsDayOrMonth(std::string_view text)
{
    return IsDigits(text) && text.size() <= 2;
}

bool IsYear(std::string_view text)
{
    return IsDigits(text) && text.size() == 4;
}

// Whether the field has the shape of a date, and then whether it is a day
// of the calendar. A date is three parts between two '-', '.' or '/', with
// a year of four digits first or last (and then the day first), the month
// a number or an English name; or day, month name and year between spaces,
// which only a line split at commas, semicolons or tabs holds in one field.
TDateField ReadDate(std::string_view field, TDrawDate &date)
{
    std::array<std::string_view, 3> parts;
    bool split = false;
    for (const char separator : {'-', '.', '/'})
        split = split || SplitInThree(field, separator, parts);
    if (!split) {
        const std::vector<std::string_view> words = SplitFields(field);
        if (words.size() != 3 || IsDigits(words[1]))
            return TDateField::None;
        parts = {words[0], words[1], words[2]};
    }
    const int month = IsDayOrMonth(parts[1]) ? ToInt(parts[1]) : MonthNamed(parts[1]);
    if (month == 0 && !IsDigits(parts[1]))
        return TDateField::None;
    if (IsYear(parts[0]) && IsDayOrMonth(parts[2]))
        date = {ToInt(parts[0]), month, ToInt(parts[2])};
    else if (IsDayOrMonth(parts[0]) && IsYear(parts[2]))
        date = {ToInt(parts[2]), month, ToInt(parts[0])};
    else
        return TDateField::None;
    return IsCalendarDay(date) ? TDateField::Valid : TDateField::NotCalendar;
}

std::string NumberText(std::string_view digits)
{
    const size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string("0") : std::string(digits.substr(first));
}

// The draw on one line, or the line's error, or neither for a line to pass over.
struct TLineResult {
    std::optional<THistoryDraw> draw;
    std::string error;
};

TLineResult ReadLine(std::string_view line, uint8_t marks, uint8_t boardsize)
{
    const std::vector<std::string_view> fields = SplitFields(line);
    if (std::ranges::none_of(fields, IsDigits))
        return {};

    THistoryDraw draw;
    size_t first = 0; // the first field that may hold a number
    for (size_t i = 0; i < fields.size(); ++i) {
        TDrawDate date;
        const TDateField kind = ReadDate(fields[i], date);
        if (kind == TDateField::NotCalendar)
            return {{}, texts::Arg(DRAWVANE_TR("Drawvane", "%1 is not a calendar date"), {std::string(fields[i])})};
        if (kind == TDateField::Valid) {
            draw.date = date;
            first = i + 1;
            break;
        }
    }

    // The numbers stand in fields one after another: an empty field or a
    // word ends them, so that a ball left out of a line is missed rather
    // than made up from the fields after it.
    std::bitset<256> seen;
    for (size_t i = first; i < fields.size() && draw.numbers.size() < marks + 1u; ++i) {
        if (!IsDigits(fields[i])) {
            if (draw.numbers.empty())
                continue;
            break;
        }
        const std::string text = NumberText(fields[i]);
        const int value = text.size() <= 3 ? ToInt(text) : 0;
        if (value < 1 || value > boardsize)
            return {{},
                    texts::Arg(DRAWVANE_TR("Drawvane", "%1 is not a number from 1 to %2"),
                               {text, std::to_string(boardsize)})};
        if (seen[static_cast<size_t>(value)])
            return {{}, texts::Arg(DRAWVANE_TR("Drawvane", "%1 appears twice"), {text})};
        seen.set(static_cast<size_t>(value));
        draw.numbers.push_back(static_cast<uint8_t>(value));
    }
    if (draw.numbers.size() < marks) {
        const size_t count = draw.numbers.size();
        return {{},
                count == 1 ? texts::Arg(DRAWVANE_TR("Drawvane", "1 number, %1 needed"), {std::to_string(marks)})
                           : texts::Arg(DRAWVANE_TR("Drawvane", "%1 numbers, %2 needed"),
                                        {std::to_string(count), std::to_string(marks)})};
    }
    if (draw.numbers.size() > marks) {
        draw.bonus = draw.numbers.back();
        draw.numbers.pop_back();
    }
    return {std::move(draw), {}};
}

// The text without its byte order mark, each no-break space (U+00A0, as web
// pages put between a day and its month) made a plain space.
std::string PlainText(const std::string &text)
{
    std::string_view rest(text);
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    std::string plain;
    plain.reserve(rest.size());
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '\xC2' && i + 1 < rest.size() && rest[i + 1] == '\xA0') {
            plain += ' ';
            ++i;
        } else {
            plain += rest[i];
        }
    }
    return plain;
}

// What makes two draws the same: the main numbers as a set.
struct TDrawKey {
    bool dated;
    TDrawDate date;
    std::vector<uint8_t> numbers; // ascending
    uint8_t bonus;

    auto operator<=>(const TDrawKey &) const = default;
};

TDrawKey KeyOf(const THistoryDraw &draw)
{
    TDrawKey key{draw.date.has_value(), draw.date.value_or(TDrawDate{}), draw.numbers, draw.bonus};
    std::ranges::sort(key.numbers);
    return key;
}

} // namespace

std::string IsoDate(const TDrawDate &date)
{
    const auto padded = [](int value, size_t width) {
        std::string text = std::to_string(value);
        return std::string(text.size() < width ? width - text.size() : 0, '0') + text;
    };
    return padded(date.year, 4) + "-" + padded(date.month, 2) + "-" + padded(date.day, 2);
}

TImportResult ReadDrawLines(const std::string &text, uint8_t marks, uint8_t boardsize)
{
    if ((marks != 5 && marks != 6) || boardsize < 36 || boardsize > 49)
        throw std::invalid_argument("ReadDrawLines: a game of 5 or 6 numbers from 36 to 49");
    TImportResult result;
    if (!IsUtf8Text(text)) {
        result.errors.push_back(DRAWVANE_TR("Drawvane", "The file is not a text file"));
        return result;
    }
    const std::string plain = PlainText(text);
    const std::string_view all(plain);
    size_t start = 0;
    for (int number = 1; start < all.size(); ++number) {
        const size_t end = std::min(all.find_first_of("\r\n", start), all.size());
        TLineResult line = ReadLine(all.substr(start, end - start), marks, boardsize);
        if (!line.error.empty()) {
            result.errors.push_back(
                texts::Arg(DRAWVANE_TR("Drawvane", "Line %1: %2"), {std::to_string(number), line.error}));
            result.linesAtFault = true;
        } else if (line.draw) {
            result.draws.push_back(std::move(*line.draw));
        }
        start = end + (all.substr(end).starts_with("\r\n") ? 2 : 1);
    }
    if (!result.errors.empty())
        result.draws.clear();
    return result;
}

TImportResult ImportDraws(const std::string &text, uint8_t marks, uint8_t boardsize)
{
    TImportResult result = ReadDrawLines(text, marks, boardsize);
    if (result.Ok() && result.draws.empty())
        result.errors.push_back(DRAWVANE_TR("Drawvane", "The file holds no draws"));
    return result;
}

bool IsSameDraw(const THistoryDraw &a, const THistoryDraw &b)
{
    return KeyOf(a) == KeyOf(b);
}

TMergedHistory MergeDraws(const std::vector<THistoryDraw> &held, const std::vector<THistoryDraw> &imported)
{
    TMergedHistory merged;
    merged.draws = held;
    std::set<TDrawKey> keys;
    for (const THistoryDraw &draw : held)
        keys.insert(KeyOf(draw));
    for (const THistoryDraw &draw : imported) {
        if (keys.insert(KeyOf(draw)).second) {
            merged.draws.push_back(draw);
            ++merged.added;
        }
    }
    std::ranges::stable_sort(merged.draws, [](const THistoryDraw &a, const THistoryDraw &b) {
        if (a.date && b.date)
            return *a.date < *b.date;
        return a.date.has_value() && !b.date.has_value();
    });
    return merged;
}
