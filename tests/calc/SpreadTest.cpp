#include "SpreadTableBuilder.h"
#include "calc/CalculationsUnit.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <ostream>

namespace {

std::array<uint8_t, 49> Board(std::initializer_list<int> numbers)
{
    std::array<uint8_t, 49> flags{};
    for (int n : numbers)
        flags[n - 1] = 1;
    return flags;
}

constexpr std::array<int64_t, 14> kPeaksFive = {12268, 13634, 15040, 16478, 17920, 19362, 20804,
                                                22246, 23688, 25826, 28428, 31150, 33968, 36858};
constexpr std::array<int64_t, 14> kPeaksSix = {59680,  69420,  80160,  94310,  109830, 127030, 145620,
                                               165860, 187750, 211030, 235990, 262340, 290340, 319990};

TEST(SpreadTables, PeaksOfEveryColumn)
{
    for (int c = 0; c < 14; ++c) {
        EXPECT_EQ(SpreadPeak(5, 36 + c), kPeaksFive[c]) << "N = " << 36 + c;
        EXPECT_EQ(SpreadPeak(6, 36 + c), kPeaksSix[c]) << "N = " << 36 + c;
    }
    // The program keeps 5 and 6 marks; the builder goes on to 9.
    EXPECT_EQ(SpreadPeak(7, 49), 0);
    const auto tables = spreadgen::BuildSpreadTables(9);
    EXPECT_EQ(tables.peaks[7 - 5][13], 2158200);
    EXPECT_EQ(tables.peaks[8 - 5][13], 13870850);
    EXPECT_EQ(tables.peaks[9 - 5][13], 70440888);
}

TEST(SpreadTables, EveryColumnAddsUpToAllBoards)
{
    TLottoCalc calc;
    for (uint8_t marks = 5; marks <= 6; ++marks) {
        for (uint8_t cells = 36; cells <= 49; ++cells) {
            int64_t total = 0;
            for (int i = 0; i <= 200; ++i)
                total += SpreadCounts(marks, static_cast<uint8_t>(i), cells);
            EXPECT_EQ(static_cast<double>(total), calc.Combinations(cells, marks)) << +marks << " of " << +cells;
        }
    }
}

TEST(SpreadTables, TellingEntries)
{
    struct Entry {
        uint8_t marks, index, cells;
        int64_t count;
    };
    const Entry entries[] = {
        {6, 0, 49, 216},    {6, 1, 49, 0},      {6, 2, 49, 0},       {6, 3, 49, 0},       {6, 4, 49, 1935},
        {6, 5, 49, 3870},   {6, 6, 49, 0},      {6, 37, 49, 257020}, {6, 43, 49, 319990}, {6, 199, 49, 0},
        {6, 200, 49, 0},    {6, 0, 36, 112},    {6, 1, 36, 0},       {6, 4, 36, 960},     {6, 5, 36, 1920},
        {6, 37, 36, 59680}, {6, 43, 36, 56290}, {5, 0, 49, 0},       {5, 3, 49, 0},       {5, 4, 49, 45},
        {5, 5, 49, 0},      {5, 6, 49, 0},      {5, 58, 49, 36858},  {5, 3, 36, 0},       {5, 4, 36, 32},
        {5, 5, 36, 0},      {5, 43, 36, 12268},
    };
    for (const auto &e : entries)
        EXPECT_EQ(SpreadCounts(e.marks, e.index, e.cells), e.count)
            << +e.marks << " of " << +e.cells << " index " << +e.index;
}

TEST(SpreadTables, OutsideTheTablesIsZero)
{
    EXPECT_EQ(SpreadCounts(4, 0, 49), 0);
    EXPECT_EQ(SpreadCounts(10, 40, 49), 0);
    EXPECT_EQ(SpreadCounts(6, 201, 49), 0);
    EXPECT_EQ(SpreadCounts(6, 43, 35), 0);
    EXPECT_EQ(SpreadCounts(6, 43, 50), 0);
    EXPECT_EQ(SpreadPeak(6, 50), 0);
    EXPECT_EQ(SpreadPeak(3, 49), 0);
}

TEST(SpreadTables, GapCountingAgreesWithSubsetEnumeration)
{
    // The slow reference on two small columns, one of each rule.
    const auto tables = spreadgen::BuildSpreadTables(6);
    for (const auto &[marks, cells] : {std::pair{5, 37}, std::pair{6, 36}}) {
        const auto column = spreadgen::EnumerateColumn(marks, cells);
        for (int i = 0; i <= 200; ++i)
            EXPECT_EQ(tables.counts[marks - 5][i][cells - 36], column[i]) << marks << " of " << cells << " at " << i;
    }
}

struct SpreadCase {
    std::array<uint8_t, 49> board;
    uint8_t marks;
    uint8_t cells;
    int32_t spread;
};

void PrintTo(const SpreadCase &c, std::ostream *os)
{
    *os << +c.marks << " of " << +c.cells << ":";
    for (int n = 1; n <= 49; ++n)
        if (c.board[n - 1])
            *os << " " << n;
}

class SpreadCoefficientTest : public ::testing::TestWithParam<SpreadCase> {};

TEST_P(SpreadCoefficientTest, BoardGivesSpread)
{
    const auto &c = GetParam();
    EXPECT_EQ(TLottoCalc().SpreadCoefficient(c.board, c.marks, c.cells), c.spread);
}

INSTANTIATE_TEST_SUITE_P(Boards, SpreadCoefficientTest,
                         ::testing::Values(SpreadCase{Board({1, 2, 3, 4, 5, 6}), 6, 49, 0},
                                           SpreadCase{Board({2, 9, 16, 23, 30, 37}), 6, 49, 0},
                                           SpreadCase{Board({1, 2, 3, 4, 5, 49}), 6, 49, 0},
                                           SpreadCase{Board({5, 12, 23, 31, 38, 44}), 6, 49, 20},
                                           SpreadCase{Board({10, 20, 30, 40, 41, 49}), 6, 49, 64},
                                           SpreadCase{Board({13, 19, 20, 33, 38, 43}), 6, 49, 100},
                                           SpreadCase{Board({1, 2, 3, 4, 5}), 5, 49, 0},
                                           SpreadCase{Board({7, 15, 22, 34, 41}), 5, 49, 18},
                                           SpreadCase{Board({3, 17, 30, 33, 37}), 5, 49, 100},
                                           // Exactly index 200 on 45 cells.
                                           SpreadCase{Board({1, 2, 3, 4, 45}), 5, 45, 0},
                                           // Above the last row of the table: scored 0, nothing read past it.
                                           SpreadCase{Board({1, 2, 3, 4, 49}), 5, 49, 0},
                                           SpreadCase{Board({1, 2, 47, 48, 49}), 5, 49, 0},
                                           SpreadCase{Board({1, 2, 3, 4, 46}), 5, 46, 0}));

TEST(SpreadCoefficient, IndexOfTheTableExamples)
{
    // Four gaps for a 5-mark board, five for a 6-mark board.
    EXPECT_EQ(spreadgen::SpreadIndex(7 + 11 + 8 + 7 + 6, 49 + 121 + 64 + 49 + 36, 5), 19);
    EXPECT_EQ(spreadgen::SpreadIndex(10 + 10 + 10 + 1 + 8, 100 + 100 + 100 + 1 + 64, 5), 38);
    EXPECT_EQ(spreadgen::SpreadIndex(8 + 7 + 12 + 7, 64 + 49 + 144 + 49, 4), 23);
    EXPECT_EQ(spreadgen::SpreadIndex(1 + 1 + 1 + 44, 1 + 1 + 1 + 44 * 44, 4), 215);
    EXPECT_EQ(spreadgen::SpreadIndex(1 + 1 + 1 + 41, 1 + 1 + 1 + 41 * 41, 4), 200);
}

TEST(SpreadCoefficient, NotAFullBoardOrOutsideTheGamesGivesZero)
{
    TLottoCalc calc;
    const auto board = Board({13, 19, 20, 33, 38, 43});
    EXPECT_EQ(calc.SpreadCoefficient(board, 4, 49), 0);
    EXPECT_EQ(calc.SpreadCoefficient(board, 6, 50), 0);
    EXPECT_EQ(calc.SpreadCoefficient(Board({13, 19, 20, 33, 38}), 6, 49), 0);
    EXPECT_EQ(calc.SpreadCoefficient(Board({}), 6, 49), 0);
}

TEST(SpreadCoefficient, AlwaysWithinZeroToHundredOnSmallBoards)
{
    // Every 5-subset of 1..36: each scores within range.
    TLottoCalc calc;
    std::array<uint8_t, 49> flags{};
    int x[5] = {1, 2, 3, 4, 5};
    for (;;) {
        flags.fill(0);
        for (int v : x)
            flags[v - 1] = 1;
        const int s = calc.SpreadCoefficient(flags, 5, 36);
        ASSERT_GE(s, 0);
        ASSERT_LE(s, 100);
        int i = 4;
        while (i >= 0 && x[i] == 36 - 5 + i + 1)
            --i;
        if (i < 0)
            break;
        ++x[i];
        for (int k = i + 1; k < 5; ++k)
            x[k] = x[k - 1] + 1;
    }
}

} // namespace
