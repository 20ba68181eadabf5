#include "coupon/logic/ResultFigures.h"
#include "CouponFill.h"
#include "calc/CalculationsUnit.h"
#include "coupon/logic/NumberFormat.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <span>
#include <vector>

namespace {

constexpr std::array<uint8_t, 7> kAllOn = {1, 1, 1, 1, 1, 1, 1};
constexpr std::array<int64_t, 7> kPayments = {1000000, 300000, 20000, 5000, 200, 10, 2};

struct Panel {
    TWinColumn win;
    TResultColumn odds;
    TResultColumn returns;
};

Panel Calculate(const TCouponState &coupon, const TCouponShape &shape, const std::array<uint8_t, 7> &divisions = kAllOn,
                uint8_t excluded = 0, char separator = '.')
{
    Panel panel;
    panel.win = WinProbabilities(coupon, shape, divisions, excluded, separator);
    panel.odds = OddsFromShown(panel.win.texts, separator);
    panel.returns = ReturnsFromShown(panel.win.texts, kPayments, separator);
    return panel;
}

const TCouponShape kFullGame{12, 49, 6};

// A coupon of the boards given, each with its numbers.
TCouponState CouponOf(std::initializer_list<std::pair<int, std::initializer_list<int>>> boards,
                      const TCouponShape &shape = kFullGame)
{
    TCouponState coupon;
    for (const auto &[board, numbers] : boards)
        Fill(coupon, shape, board, numbers);
    return coupon;
}

// Chosen cells of the panel: the column ('w'in, 'o'dds or 'r'eturn), the
// division's row (7 the total) and the text.
struct Cell {
    char column;
    int row;
    const char *text;
};

void ExpectCells(const Panel &panel, std::span<const Cell> cells)
{
    for (const Cell &c : cells) {
        const TResultColumn &column = c.column == 'w' ? panel.win.texts : c.column == 'o' ? panel.odds : panel.returns;
        EXPECT_EQ(column[c.row], c.text) << c.column << c.row;
    }
}

TEST(ResultFigures, NoFullBoardShowsNothing)
{
    TCouponState coupon;
    Fill(coupon, kFullGame, 1, {1, 2, 3, 4, 5});
    EXPECT_FALSE(WinProbabilities(coupon, kFullGame, kAllOn, 0, '.').shown);
}

TEST(ResultFigures, IdenticalBoardsCountOnceAndDisjointBoardsTwice)
{
    const TCouponState single = CouponOf({{1, {1, 2, 3, 4, 5, 6}}});
    const TCouponState three = CouponOf({{1, {1, 2, 3, 4, 5, 6}}, {5, {1, 2, 3, 4, 5, 6}}, {9, {1, 2, 3, 4, 5, 6}}});
    EXPECT_EQ(Calculate(three, kFullGame).win.texts, Calculate(single, kFullGame).win.texts);

    const TCouponState two = CouponOf({{1, {1, 2, 3, 4, 5, 6}}, {2, {11, 12, 13, 14, 15, 16}}});
    const Cell cells[] = {{'w', 6, "0.03530081"}, {'w', 7, "0.035301"}, {'w', 0, "0.00000014"}};
    ExpectCells(Calculate(two, kFullGame), cells);
}

TEST(ResultFigures, FiveSharedNumbersAreCorrectedPairwise)
{
    // Board 3 is not full: it takes no part.
    const TCouponState coupon = CouponOf({{1, {1, 2, 3, 4, 5, 6}}, {2, {1, 2, 3, 4, 5, 7}}, {3, {1, 2, 3, 4, 5}}});
    // Division 3: (2 x 258 - 43) / 13983816.
    const Cell cells[] = {{'w', 0, "0.00000014"}, {'w', 2, "0.00003382"}, {'w', 6, "0.02647561"}};
    ExpectCells(Calculate(coupon, kFullGame), cells);
}

// Where on the coupon two boards stand changes nothing: the last boards'
// pair is corrected as the first boards' pair is.
TEST(ResultFigures, SharedNumbersCountWhereverTheBoardsStand)
{
    const TCouponState first = CouponOf({{1, {1, 2, 3, 4, 5, 6}}, {2, {1, 2, 3, 4, 5, 7}}});
    const TCouponState last = CouponOf({{11, {1, 2, 3, 4, 5, 6}}, {12, {1, 2, 3, 4, 5, 7}}});
    const TCouponState apart = CouponOf({{1, {1, 2, 3, 4, 5, 6}}, {12, {1, 2, 3, 4, 5, 7}}});
    const Panel expected = Calculate(first, kFullGame);
    EXPECT_EQ(Calculate(last, kFullGame).win.texts, expected.win.texts);
    EXPECT_EQ(Calculate(apart, kFullGame).win.texts, expected.win.texts);
}

// One full board: every column of the panel.
TEST(ResultFigures, OneFullBoardsColumns)
{
    const struct {
        const char *name;
        TCouponShape shape;
        int board;
        std::vector<int> numbers;
        std::array<uint8_t, 7> divisions;
        TResultColumn win, odds, returns;
    } games[] = {
        {"full game",
         kFullGame,
         1,
         {3, 11, 19, 27, 35, 43},
         kAllOn,
         {"0.00000007", "0.00000043", "0.00001845", "0.00009225", "0.00096862", "0.00387448", "0.01765040", "0.017650"},
         {"1 : 14285713", "1 : 2325580", "1 : 54200", "1 : 10839", "1 : 1031", "1 : 257", "1 : 56", "1 : 56"},
         {"0.07", "0.13", "0.37", "0.46", "0.19", "0.04", "0.04", "1.30"}},
        {"small game with divisions off",
         {12, 36, 5},
         4,
         {2, 9, 17, 30, 36},
         {0, 0, 1, 1, 1, 1, 1},
         {"0.0", "0.0", "0.00000265", "0.00001326", "0.00041115", "0.00164460", "0.01233448", "0.012334"},
         {"------", "------", "1 : 377357", "1 : 75414", "1 : 2431", "1 : 607", "1 : 80", "1 : 80"},
         {"0.00", "0.00", "0.05", "0.07", "0.08", "0.02", "0.02", "0.24"}},
    };
    for (const auto &g : games) {
        TCouponState coupon;
        for (int n : g.numbers)
            Fill(coupon, g.shape, g.board, {n});
        const Panel panel = Calculate(coupon, g.shape, g.divisions);
        ASSERT_TRUE(panel.win.shown) << g.name;
        EXPECT_EQ(panel.win.texts, g.win) << g.name;
        EXPECT_EQ(panel.odds, g.odds) << g.name;
        EXPECT_EQ(panel.returns, g.returns) << g.name;
    }
}

TEST(ResultFigures, ExcludedNumbersLeaveTheDraw)
{
    TCouponState coupon;
    Fill(coupon, kFullGame, 1, {10, 20, 30, 40, 41, 49});
    EXPECT_EQ(Calculate(coupon, kFullGame, kAllOn, 4).win.texts[0], "0.00000012");
}

TEST(ResultFigures, DivisionRoundingToZeroHasNoOddsOrReturn)
{
    TCouponState coupon;
    Fill(coupon, kFullGame, 1, {1, 2, 3, 4, 5, 6});
    TResultColumn shown = Calculate(coupon, kFullGame).win.texts;
    shown[0] = "0.00000000";
    EXPECT_EQ(OddsFromShown(shown, '.')[0], "------");
    EXPECT_EQ(ReturnsFromShown(shown, kPayments, '.')[0], "0.00");
}

TEST(ResultFigures, CommaSeparatorThroughout)
{
    TCouponState coupon;
    Fill(coupon, kFullGame, 1, {3, 11, 19, 27, 35, 43});
    const Panel panel = Calculate(coupon, kFullGame, {1, 1, 1, 1, 1, 1, 0}, 0, ',');
    const Cell cells[] = {{'w', 5, "0,00387448"}, {'w', 6, "0,0"},    {'w', 7, "0,003874"},
                          {'o', 5, "1 : 257"},    {'o', 6, "------"}, {'r', 7, "1,26"}};
    ExpectCells(panel, cells);
}

TEST(ResultFigures, ValuesAboveOneAreCappedBeforeUse)
{
    // 26 drawable numbers, twelve boards sharing at most two numbers pairwise:
    // the pairwise correction takes division 7 to about 1.188.
    const TCouponShape shape{12, 36, 6};
    const int boards[12][6] = {{11, 17, 25, 31, 32, 34}, {12, 17, 19, 20, 22, 29}, {16, 18, 20, 23, 26, 27},
                               {12, 16, 22, 24, 33, 34}, {16, 21, 22, 27, 31, 32}, {11, 14, 15, 21, 33, 36},
                               {14, 16, 17, 18, 22, 35}, {13, 17, 26, 33, 35, 36}, {24, 28, 30, 32, 34, 36},
                               {15, 16, 22, 26, 30, 36}, {12, 19, 25, 27, 31, 36}, {21, 23, 29, 30, 31, 33}};
    TCouponState coupon;
    for (int b = 0; b < 12; ++b)
        for (int n : boards[b])
            Fill(coupon, shape, b + 1, {n});
    ASSERT_EQ(coupon.FullBoardCount(6), 12);
    const Panel panel = Calculate(coupon, shape, kAllOn, 10);
    const Cell cells[] = {{'w', 6, "0.99879556"}, {'w', 5, "0.59418842"}, {'w', 7, "0.998796"},
                          {'o', 6, "1 : 0"},      {'o', 7, "1 : 0"},      {'r', 6, "2.00"}};
    ExpectCells(panel, cells);
    for (const auto &text : panel.win.texts)
        EXPECT_LE(*numfmt::Parse(text, '.'), 1.0);
}

TEST(ResultFigures, CorrectedValueLiesBetweenOneBoardAndAllBoards)
{
    // For n full boards the corrected chance stays within p .. n p.
    TCouponState coupon;
    Fill(coupon, kFullGame, 1, {1, 2, 3, 4, 5, 6});
    Fill(coupon, kFullGame, 2, {4, 5, 6, 7, 8, 9});
    Fill(coupon, kFullGame, 3, {1, 5, 9, 13, 17, 21});
    const auto win = WinProbabilities(coupon, kFullGame, kAllOn, 0, '.');
    const TLottoCalc calc;
    const double p7 = calc.DivisionProbability(49, 6, 3, 0);
    const double shown = *numfmt::Parse(win.texts[6], '.');
    EXPECT_GE(shown, p7 - 5e-9);
    EXPECT_LE(shown, 3 * p7 + 5e-9);
}

} // namespace
