#pragma once

// Draws read from text: a lottery's published results file, or lines pasted
// from a web page, and the history the draws are merged into.
//
// A line's fields are separated by commas, semicolons or tabs, or, on a
// line that has none of them, by runs of spaces. Each field is trimmed of
// spaces and of one pair of double quotes around it. The first field that
// is a date is the draw's date; the draw's main numbers are the first
// `marks` whole numbers (fields of digits alone) after it and the next one
// is the bonus ball, if there is one. A line without a date takes its first
// whole numbers. Fields after those are not read: the files go on with the
// ball set, the machine and the draw's number. A line with no whole number
// (a heading such as "DrawDate,Ball 1,Ball 2") is passed over, as are blank
// lines.
//
// A date has a year of four digits first or, day first, last: 2025-12-06,
// 06.12.2025, 06/12/2025, 06-12-2025, 2025/12/06, 06-Dec-2025 and, where
// commas, semicolons or tabs separate the fields, 6 December 2025; month
// names in English, whole or their first three letters, in any case.
// A month is never read before the day: 12/06/2025 is the 12th of June.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TDrawDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31

    auto operator<=>(const TDrawDate &) const = default;
};

// "2025-12-06".
std::string IsoDate(const TDrawDate &date);

struct THistoryDraw {
    std::optional<TDrawDate> date;
    std::vector<uint8_t> numbers; // the main numbers, in the order the line gives them
    uint8_t bonus = 0;            // 0: the line gives no bonus ball

    bool operator==(const THistoryDraw &) const = default;
};

// Either draws or errors, never both: a text with any bad line gives no
// draw at all. Each error is one line of text, such as
//   "Line 14: 53 is not a number from 1 to 49"
//   "Line 20: 12 appears twice"          (the bonus ball repeating a main number too)
//   "Line 31: 5 numbers, 6 needed"       ("1 number, 6 needed")
//   "Line 9: 31.02.2025 is not a calendar date"
// one for each bad line, in line order (lines counted from 1; \n, \r\n and
// \r each end a line). A text with a NUL byte or that is not UTF-8 gives
// the one error "The file is not a text file"; a text without a single draw
// gives "The file holds no draws".
struct TImportResult {
    std::vector<THistoryDraw> draws; // in the text's order
    std::vector<std::string> errors;
    bool linesAtFault = false; // the errors name lines, rather than the whole text

    bool Ok() const { return errors.empty(); }
};

// The draws of a game of `marks` (5 or 6) main numbers from 1..`boardsize`
// (36..49), from UTF-8 text with or without a byte order mark. Other games
// throw std::invalid_argument.
TImportResult ImportDraws(const std::string &text, uint8_t marks, uint8_t boardsize);

// As ImportDraws, but a text without a draw is no error: the kept history
// of a game not played yet is empty.
TImportResult ReadDrawLines(const std::string &text, uint8_t marks, uint8_t boardsize);

// The same draw: the same date or both without, the same main numbers in
// any order, and the same bonus ball or both without.
bool IsSameDraw(const THistoryDraw &a, const THistoryDraw &b);

struct TMergedHistory {
    std::vector<THistoryDraw> draws;
    size_t added = 0; // draws of the import that the history did not hold
};

// The history with the imported draws that it does not hold yet, each one
// once. Dated draws come first, oldest first, draws of one day in the
// order they were held and then imported; draws without a date follow,
// in the same order.
TMergedHistory MergeDraws(const std::vector<THistoryDraw> &held, const std::vector<THistoryDraw> &imported);
