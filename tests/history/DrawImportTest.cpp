#include "history/DrawImport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

THistoryDraw Dated(int year, int month, int day, std::vector<uint8_t> numbers, uint8_t bonus = 0)
{
    return {TDrawDate{year, month, day}, std::move(numbers), bonus};
}

THistoryDraw Undated(std::vector<uint8_t> numbers, uint8_t bonus = 0)
{
    return {std::nullopt, std::move(numbers), bonus};
}

const std::vector<uint8_t> kSix = {3, 11, 17, 25, 33, 41};

struct TReadCase {
    const char *name;
    std::string text;
    std::vector<THistoryDraw> draws;
    uint8_t marks = 6;
    uint8_t boardsize = 49;
};

void PrintTo(const TReadCase &row, std::ostream *out)
{
    *out << row.name;
}

class ReadsDraws : public testing::TestWithParam<TReadCase> {};

TEST_P(ReadsDraws, GivesTheLinesDraws)
{
    const TReadCase &row = GetParam();
    const TImportResult result = ImportDraws(row.text, row.marks, row.boardsize);
    EXPECT_EQ(result.errors, std::vector<std::string>{});
    EXPECT_EQ(result.draws, row.draws);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadsDraws,
    testing::Values(
        TReadCase{"IsoDateCommas", "2025-12-06,3,11,17,25,33,41,45", {Dated(2025, 12, 6, kSix, 45)}},
        TReadCase{"DottedDateSemicolons", "06.12.2025;3;11;17;25;33;41;45", {Dated(2025, 12, 6, kSix, 45)}},
        TReadCase{"SlashedDateIsDayFirst", "06/12/2025\t3\t11\t17\t25\t33\t41\t45", {Dated(2025, 12, 6, kSix, 45)}},
        TReadCase{"YearFirstOrLastWithAnySeparator",
                  "06-12-2025,3,11,17,25,33,41,45\n2025/12/07,3,11,17,25,33,41,45\n2025.12.8,3,11,17,25,33,41,45",
                  {Dated(2025, 12, 6, kSix, 45), Dated(2025, 12, 7, kSix, 45), Dated(2025, 12, 8, kSix, 45)}},
        TReadCase{"MonthAbbreviationAnyCase",
                  "06-Dec-2025,3,11,17,25,33,41,45\n7-DEC-2025,3,11,17,25,33,41,45",
                  {Dated(2025, 12, 6, kSix, 45), Dated(2025, 12, 7, kSix, 45)}},
        TReadCase{"FullMonthName",
                  "6 December 2025, 3, 11, 17, 25, 33, 41, 45\n"
                  "1 march 2024;3;11;17;25;33;41\n"
                  "9 Dec 2025\t3\t11\t17\t25\t33\t41",
                  {Dated(2025, 12, 6, kSix, 45), Dated(2024, 3, 1, kSix), Dated(2025, 12, 9, kSix)}},
        TReadCase{"NoBreakSpacesOfAWebPage",
                  "6\xC2\xA0"
                  "December\xC2\xA0"
                  "2025\t3\t11\t17\t25\t33\t41\t45",
                  {Dated(2025, 12, 6, kSix, 45)}},
        TReadCase{"RunsOfSpaces", "  2025-12-06   3 11  17 25 33 41    45  ", {Dated(2025, 12, 6, kSix, 45)}},
        TReadCase{"WithoutDate", "3 11 17 25 33 41 45\n3,11,17,25,33,41", {Undated(kSix, 45), Undated(kSix)}},
        TReadCase{"PublishedFileWithHeadingAndTrailingFields",
                  "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine,DrawNumber\r\n"
                  "06-Dec-2025,41,3,17,25,33,11,45,4,Guinevere,3111\r\n"
                  "03-Dec-2025,1,2,3,4,5,6,7,8,Lancelot,3110\r\n",
                  {Dated(2025, 12, 6, {41, 3, 17, 25, 33, 11}, 45), Dated(2025, 12, 3, {1, 2, 3, 4, 5, 6}, 7)}},
        TReadCase{"DrawNumberBeforeTheDate", "3111,2025-12-06,3,11,17,25,33,41,45", {Dated(2025, 12, 6, kSix, 45)}},
        TReadCase{"QuotedFieldsAndLeadingZeros",
                  "\"2025-12-06\",\"03\",\" 11 \",17,25,33,41,045",
                  {Dated(2025, 12, 6, kSix, 45)}},
        TReadCase{"ByteOrderMarkAndOldMacLineEnds",
                  "\xEF\xBB\xBF"
                  "2025-12-06,3,11,17,25,33,41,45\r2024-02-29,3,11,17,25,33,41,45\r",
                  {Dated(2025, 12, 6, kSix, 45), Dated(2024, 2, 29, kSix, 45)}},
        TReadCase{"BlankLinesAndHeadingsPassedOver",
                  "Results\n\n   \nDate;Numbers\n2000-02-29;3;11;17;25;33;41;45\n,,,\n",
                  {Dated(2000, 2, 29, kSix, 45)}},
        TReadCase{"TextAroundInOtherScripts",
                  "Tirage,Numéros\n2025-12-06,3,11,17,25,33,41,45,Mär",
                  {Dated(2025, 12, 6, kSix, 45)}},
        TReadCase{"FiveOfThirtySix",
                  "2025-12-06,36,1,17,25,33,9\n2025-12-07,36,1,17,25,33",
                  {Dated(2025, 12, 6, {36, 1, 17, 25, 33}, 9), Dated(2025, 12, 7, {36, 1, 17, 25, 33})},
                  5,
                  36}),
    [](const testing::TestParamInfo<TReadCase> &info) { return std::string(info.param.name); });

struct TErrorCase {
    const char *name;
    std::string text;
    std::vector<std::string> errors;
};

void PrintTo(const TErrorCase &row, std::ostream *out)
{
    *out << row.name;
}

class RefusesText : public testing::TestWithParam<TErrorCase> {};

TEST_P(RefusesText, WithEveryBadLineAndNoDraw)
{
    const TErrorCase &row = GetParam();
    const TImportResult result = ImportDraws(row.text, 6, 49);
    EXPECT_EQ(result.errors, row.errors);
    EXPECT_TRUE(result.draws.empty());
    EXPECT_FALSE(result.Ok());
}

const std::string kGood = "2025-12-06,3,11,17,25,33,41,45\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusesText,
    testing::Values(
        TErrorCase{"NumberAboveTheBoard",
                   kGood + "2025-12-09,3,11,17,25,33,53,45",
                   {"Line 2: 53 is not a number from 1 to 49"}},
        TErrorCase{"Zero", "0 3 11 17 25 33", {"Line 1: 0 is not a number from 1 to 49"}},
        TErrorCase{"HugeNumber",
                   "3,11,17,25,33,00012345678901234567890",
                   {"Line 1: 12345678901234567890 is not a number from 1 to 49"}},
        TErrorCase{"BonusAboveTheBoard", "3,11,17,25,33,41,50", {"Line 1: 50 is not a number from 1 to 49"}},
        TErrorCase{"MainNumberTwice", "2025-12-06,12,11,17,25,012,41,45", {"Line 1: 12 appears twice"}},
        TErrorCase{"BonusIsAMainNumber", "2025-12-06,3,11,17,25,33,41,11", {"Line 1: 11 appears twice"}},
        TErrorCase{"FiveNumbers", kGood + kGood + "2025-12-09,3,11,17,25,33", {"Line 3: 5 numbers, 6 needed"}},
        TErrorCase{"HeadingSeparatedBySpaces", "Ball 1 Ball 2", {"Line 1: 1 number, 6 needed"}},
        TErrorCase{"ABallLeftOut", "2025-12-06,3,11,17,25,33,,45,4", {"Line 1: 5 numbers, 6 needed"}},
        TErrorCase{"OneNumberSingular", "Draw;7", {"Line 1: 1 number, 6 needed"}},
        TErrorCase{"NumbersBeforeTheDateOnly", "3,11,17,25,33,41,2025-12-06", {"Line 1: 0 numbers, 6 needed"}},
        TErrorCase{"NotACalendarDay",
                   "31.02.2025,3,11,17,25,33,41,45\n29-Feb-2025,3,11,17,25,33,41\n"
                   "1900-02-29,3,11,17,25,33,41\n2025-13-01,3,11,17,25,33,41\n00/12/2025,3,11,17,25,33,41",
                   {"Line 1: 31.02.2025 is not a calendar date", "Line 2: 29-Feb-2025 is not a calendar date",
                    "Line 3: 1900-02-29 is not a calendar date", "Line 4: 2025-13-01 is not a calendar date",
                    "Line 5: 00/12/2025 is not a calendar date"}},
        TErrorCase{
            "MonthBeforeTheDay", "12/31/2025,3,11,17,25,33,41,45", {"Line 1: 12/31/2025 is not a calendar date"}},
        TErrorCase{
            "EveryBadLineCountedOverAllLineEnds",
            "\r\n" + kGood + "\r3,11,17,25,33,99\n\n2025-12-06;1;1;2;3;4;5\r\n" + kGood + "1,2,3",
            {"Line 4: 99 is not a number from 1 to 49", "Line 6: 1 appears twice", "Line 8: 3 numbers, 6 needed"}},
        TErrorCase{"NulByte", kGood + std::string(1, '\0'), {"The file is not a text file"}},
        TErrorCase{"Latin1", "Tirage n\xB0 1\n" + kGood, {"The file is not a text file"}},
        TErrorCase{"OverlongUtf8", kGood + "\xC0\xAF", {"The file is not a text file"}},
        TErrorCase{"Utf8Surrogate", kGood + "\xED\xA0\x80", {"The file is not a text file"}},
        TErrorCase{"CutUtf8", kGood + "\xE2\x82", {"The file is not a text file"}},
        TErrorCase{"Empty", "", {"The file holds no draws"}},
        TErrorCase{"HeadingsAndBlankLinesOnly",
                   "\xEF\xBB\xBF\r\nDrawDate,Ball 1,Ball 2\r\n\r\n",
                   {"The file holds no draws"}}),
    [](const testing::TestParamInfo<TErrorCase> &info) { return std::string(info.param.name); });

TEST(DrawImport, RefusesGamesOutsideTheProgram)
{
    EXPECT_THROW(ImportDraws(kGood, 7, 49), std::invalid_argument);
    EXPECT_THROW(ImportDraws(kGood, 6, 50), std::invalid_argument);
    EXPECT_THROW(ImportDraws(kGood, 6, 35), std::invalid_argument);
}

TEST(DrawImport, IsoDateHasFourAndTwoDigits)
{
    EXPECT_EQ(IsoDate({2025, 12, 6}), "2025-12-06");
    EXPECT_EQ(IsoDate({987, 1, 31}), "0987-01-31");
}

// Rows: what is held, what is imported, the merged history and how many
// were added.
TEST(DrawImport, MergeAddsEachNewDrawOnceInDateOrder)
{
    const THistoryDraw a = Dated(2025, 12, 6, kSix, 45);
    const THistoryDraw aShuffled = Dated(2025, 12, 6, {41, 33, 25, 17, 11, 3}, 45);
    const THistoryDraw aOtherBonus = Dated(2025, 12, 6, kSix, 44);
    const THistoryDraw aNoBonus = Dated(2025, 12, 6, kSix);
    const THistoryDraw b = Dated(2025, 12, 9, {1, 2, 3, 4, 5, 6}, 7);
    const THistoryDraw c = Dated(2024, 1, 31, {1, 2, 3, 4, 5, 6}, 7);
    const THistoryDraw u1 = Undated({1, 2, 3, 4, 5, 6}, 7);
    const THistoryDraw u2 = Undated(kSix);
    const struct {
        std::vector<THistoryDraw> held;
        std::vector<THistoryDraw> imported;
        std::vector<THistoryDraw> merged;
        size_t added;
    } rows[] = {
        {{}, {b, a, c}, {c, a, b}, 3},
        {{a, b}, {aShuffled, b}, {a, b}, 0},
        {{a}, {aOtherBonus, aNoBonus, a}, {a, aOtherBonus, aNoBonus}, 2},
        {{a}, {b, b, aShuffled, c}, {c, a, b}, 2},
        {{u2, b}, {u1, a, u2, u1}, {a, b, u2, u1}, 2},
        {{c, a}, {}, {c, a}, 0},
    };
    for (size_t r = 0; r < std::size(rows); ++r) {
        SCOPED_TRACE(r);
        const TMergedHistory merged = MergeDraws(rows[r].held, rows[r].imported);
        EXPECT_EQ(merged.draws, rows[r].merged);
        EXPECT_EQ(merged.added, rows[r].added);
    }
}

TEST(DrawImport, SameDrawIsTheSameSetOfNumbers)
{
    EXPECT_TRUE(IsSameDraw(Dated(2025, 12, 6, kSix, 45), Dated(2025, 12, 6, {41, 3, 25, 17, 33, 11}, 45)));
    EXPECT_FALSE(IsSameDraw(Dated(2025, 12, 6, kSix, 45), Undated(kSix, 45)));
    EXPECT_FALSE(IsSameDraw(Dated(2025, 12, 6, kSix, 45), Dated(2025, 12, 6, {3, 11, 17, 25, 33, 42}, 45)));
}

} // namespace
