#include "coupon/logic/ResultFigures.h"
#include "CouponFill.h"
#include "EveryDraw.h"
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
    panel.odds = Odds(panel.win);
    panel.returns = Returns(panel.win, kPayments, separator);
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

TEST(ResultFigures, IdenticalBoardsWinTogether)
{
    const TCouponState single = CouponOf({{1, {1, 2, 3, 4, 5, 6}}});
    const TCouponState three = CouponOf({{1, {1, 2, 3, 4, 5, 6}}, {5, {1, 2, 3, 4, 5, 6}}, {9, {1, 2, 3, 4, 5, 6}}});
    const Panel one = Calculate(single, kFullGame);
    const Panel same = Calculate(three, kFullGame);
    EXPECT_EQ(same.win.texts, one.win.texts);
    EXPECT_EQ(same.odds, one.odds);
    // Each of the three boards is paid: three times the one board's return.
    const Cell cells[] = {{'r', 0, "0.21"}, {'r', 7, "3.05"}};
    ExpectCells(same, cells);
}

// Where on the coupon two boards stand changes nothing.
TEST(ResultFigures, SharedNumbersCountWhereverTheBoardsStand)
{
    const TCouponState first = CouponOf({{1, {1, 2, 3, 4, 5, 6}}, {2, {1, 2, 3, 4, 5, 7}}});
    const TCouponState last = CouponOf({{11, {1, 2, 3, 4, 5, 6}}, {12, {1, 2, 3, 4, 5, 7}}});
    const TCouponState apart = CouponOf({{1, {1, 2, 3, 4, 5, 6}}, {12, {1, 2, 3, 4, 5, 7}}});
    const Panel expected = Calculate(first, kFullGame);
    EXPECT_EQ(Calculate(last, kFullGame).win.texts, expected.win.texts);
    EXPECT_EQ(Calculate(apart, kFullGame).win.texts, expected.win.texts);
}

// One full board: every column of the panel, the lottery's own figures.
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
         {"0.00000007", "0.00000043", "0.00001802", "0.00004505", "0.00092357", "0.00123142", "0.01641898", "0.018638"},
         {"1 : 13983815", "1 : 2330635", "1 : 55490", "1 : 22196", "1 : 1082", "1 : 811", "1 : 60", "1 : 53"},
         {"0.07", "0.13", "0.36", "0.23", "0.18", "0.01", "0.03", "1.02"}},
        {"small game with divisions off",
         {12, 36, 5},
         4,
         {2, 9, 17, 30, 36},
         {0, 0, 1, 1, 1, 1, 1},
         {"0.0", "0.0", "0.00000265", "0.00001326", "0.00039789", "0.00079577", "0.01153871", "0.012748"},
         {"------", "------", "1 : 376991", "1 : 75397", "1 : 2512", "1 : 1256", "1 : 86", "1 : 77"},
         {"0.00", "0.00", "0.05", "0.07", "0.08", "0.01", "0.02", "0.23"}},
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

TEST(ResultFigures, EveryDivisionOffEmptiesThePanel)
{
    const TCouponState coupon = CouponOf({{1, {1, 2, 3, 4, 5, 6}}});
    EXPECT_FALSE(Calculate(coupon, kFullGame, {0, 0, 0, 0, 0, 0, 0}).win.shown);
}

TEST(ResultFigures, CommaSeparatorThroughout)
{
    TCouponState coupon;
    Fill(coupon, kFullGame, 1, {3, 11, 19, 27, 35, 43});
    const Panel panel = Calculate(coupon, kFullGame, {1, 1, 1, 1, 1, 1, 0}, 0, ',');
    const Cell cells[] = {{'w', 5, "0,00123142"}, {'w', 6, "0,0"},    {'w', 7, "0,002219"},
                          {'o', 5, "1 : 811"},    {'o', 6, "------"}, {'r', 7, "0,98"}};
    ExpectCells(panel, cells);
}

// Twelve boards on the smallest draw, 36 cells less ten excluded, which
// win together so often that adding up the boards' chances passes 1: the
// panel shows the draws counted one by one.
TEST(ResultFigures, TwelveBoardsOnTheSmallestDrawAreTheDrawsCounted)
{
    const TCouponShape shape{12, 36, 6};
    const int boards[12][6] = {{11, 17, 25, 31, 32, 34}, {12, 17, 19, 20, 22, 29}, {16, 18, 20, 23, 26, 27},
                               {12, 16, 22, 24, 33, 34}, {16, 21, 22, 27, 31, 32}, {11, 14, 15, 21, 33, 36},
                               {14, 16, 17, 18, 22, 35}, {13, 17, 26, 33, 35, 36}, {24, 28, 30, 32, 34, 36},
                               {15, 16, 22, 26, 30, 36}, {12, 19, 25, 27, 31, 36}, {21, 23, 29, 30, 31, 33}};
    TCouponState coupon;
    std::vector<uint64_t> drawn; // numbers 11..36 as 1..26 of the draw
    for (int b = 0; b < 12; ++b) {
        uint64_t board = 0;
        for (int n : boards[b]) {
            Fill(coupon, shape, b + 1, {n});
            board |= uint64_t{1} << (n - 10);
        }
        drawn.push_back(board);
    }
    ASSERT_EQ(coupon.FullBoardCount(6), 12);
    const Panel panel = Calculate(coupon, shape, kAllOn, 10);
    const TWinCounts counts = everydraw::Count(26, 6, drawn, {true, true, true, true, true, true, true});
    const auto chance = [&](uint64_t wins) { return static_cast<double>(wins) / static_cast<double>(counts.draws); };
    for (size_t d = 0; d < 7; ++d)
        EXPECT_EQ(panel.win.texts[d], numfmt::Fixed(chance(counts.anyBoard[d]), 8, '.')) << "division " << d + 1;
    EXPECT_EQ(panel.win.texts[7], numfmt::Fixed(chance(counts.anyDivision), 6, '.'));
    const Cell cells[] = {{'w', 6, "0.68250532"}, {'w', 7, "0.809873"}, {'o', 7, "1 : 0"}, {'r', 6, "2.02"}};
    ExpectCells(panel, cells);
}

} // namespace
