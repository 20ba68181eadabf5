// Quick pick, the kept coupon taken back, and a coupon checked against a
// draw, apart from any window.

#include "CouponFill.h"
#include "EveryDraw.h"
#include "coupon/logic/DrawCheck.h"
#include "coupon/logic/KeptCoupon.h"
#include "coupon/logic/QuickPick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

const TCouponShape kShape{12, 49, 6};

std::set<int> NumbersOf(const TCouponState &coupon, int board)
{
    std::set<int> numbers;
    for (int n = 1; n <= kMaxNumbers; ++n)
        if (coupon.Marked(board, n))
            numbers.insert(n);
    return numbers;
}

// The coupon with the picks applied through the click rules.
void Apply(TCouponState &coupon, const TCouponShape &shape, const std::vector<TBoardPick> &picks)
{
    for (const TBoardPick &pick : picks)
        for (const uint8_t n : pick.numbers)
            ASSERT_NE(coupon.Click(HitOf(pick.board, n), shape, [](uint8_t) { return false; }), TClickResult::Ignored);
}

// Pearson's statistic of counts against equal expectations.
double ChiSquare(const std::vector<int> &counts)
{
    double total = 0;
    for (const int c : counts)
        total += c;
    const double expected = total / static_cast<double>(counts.size());
    double sum = 0;
    for (const int c : counts)
        sum += (c - expected) * (c - expected) / expected;
    return sum;
}

// The value a chi-square statistic of df degrees of freedom exceeds with
// probability 0.001 (Wilson and Hilferty's approximation, z = 3.090).
double ChiSquareBound(int df)
{
    const double a = 2.0 / (9.0 * df);
    return df * std::pow(1 - a + 3.090 * std::sqrt(a), 3);
}

TEST(QuickPick, CompletesEveryBoardInPlayKeepingItsMarksAndAvoidingExcludedNumbers)
{
    const TCouponShape shape{7, 40, 6};
    const auto excluded = [](uint8_t n) { return n == 5 || n == 17 || n == 33; };
    TCouponState coupon;
    coupon.MarkOnAllBoards(9, shape.boards); // an included number
    Fill(coupon, shape, 2, {1, 2, 3});
    Fill(coupon, shape, 4, {10, 11, 12, 13, 14}); // full with the included 9
    TQuickPickRandom random(7);
    const std::vector<TBoardPick> picks = QuickPick(coupon, shape, excluded, random);
    const TCouponState before = coupon;
    Apply(coupon, shape, picks);

    ASSERT_EQ(picks.size(), 6u); // boards 1..7 but the full board 4
    std::set<std::set<int>> boards;
    for (int b = 1; b <= 12; ++b) {
        SCOPED_TRACE(b);
        const std::set<int> numbers = NumbersOf(coupon, b);
        if (b > shape.boards) {
            EXPECT_TRUE(numbers.empty());
            continue;
        }
        EXPECT_EQ(numbers.size(), 6u);
        EXPECT_TRUE(std::ranges::includes(numbers, NumbersOf(before, b)));
        for (const int n : numbers)
            EXPECT_TRUE(n >= 1 && n <= shape.boardsize && !excluded(static_cast<uint8_t>(n))) << n;
        boards.insert(numbers);
    }
    EXPECT_EQ(boards.size(), 7u) << "two boards alike";
    EXPECT_TRUE(QuickPick(coupon, shape, excluded, random).empty());
}

struct TTightCase {
    const char *name;
    int allowedUpTo; // numbers above it are excluded
    size_t distinctBoards;
};

class QuickPickTight : public ::testing::TestWithParam<TTightCase> {};

// Twelve boards holding the same five numbers: each takes a sixth of its
// own while there are enough, and repeats a board only when it must.
TEST_P(QuickPickTight, RepeatsABoardOnlyWhereNothingElseIsLeft)
{
    const TTightCase &c = GetParam();
    TCouponState coupon;
    for (int b = 1; b <= 12; ++b)
        Fill(coupon, kShape, b, {1, 2, 3, 4, 5});
    TQuickPickRandom random(11);
    const auto excluded = [&](uint8_t n) { return n > c.allowedUpTo; };
    Apply(coupon, kShape, QuickPick(coupon, kShape, excluded, random));
    std::set<std::set<int>> boards;
    for (int b = 1; b <= 12; ++b) {
        EXPECT_EQ(coupon.MarkCount(b), 6);
        boards.insert(NumbersOf(coupon, b));
    }
    EXPECT_EQ(boards.size(), c.distinctBoards);
}

INSTANTIATE_TEST_SUITE_P(Cases, QuickPickTight,
                         ::testing::Values(TTightCase{"TwelveLeft", 17, 12}, TTightCase{"FourLeft", 9, 4},
                                           TTightCase{"OneLeft", 6, 1}),
                         [](const auto &info) { return std::string(info.param.name); });

// Over 3000 fills every allowed number is chosen about equally often: the
// chi-square statistic stays under its 0.1 % bound, for empty boards and for
// a board that keeps two marks. (Numbers drawn without replacement vary a
// little less than the statistic allows for, so the bound is safe.)
TEST(QuickPick, EveryAllowedNumberIsChosenEquallyOften)
{
    const TCouponShape shape{12, 45, 6};
    const auto excluded = [](uint8_t n) { return n % 7 == 0; }; // 6 excluded, 39 allowed
    TQuickPickRandom random(2026);
    std::vector<int> empty(46, 0), kept(46, 0);
    for (int fill = 0; fill < 3000; ++fill) {
        TCouponState coupon;
        Fill(coupon, shape, 1, {1, 2});
        Apply(coupon, shape, QuickPick(coupon, shape, excluded, random));
        for (int n = 1; n <= shape.boardsize; ++n) {
            kept[n] += coupon.Marked(1, n);
            for (int b = 2; b <= 12; ++b)
                empty[n] += coupon.Marked(b, n);
        }
    }
    std::vector<int> allowedEmpty, allowedKept;
    for (int n = 1; n <= shape.boardsize; ++n) {
        if (excluded(static_cast<uint8_t>(n))) {
            EXPECT_EQ(empty[n] + kept[n], 0) << n;
            continue;
        }
        allowedEmpty.push_back(empty[n]);
        if (n > 2)
            allowedKept.push_back(kept[n]);
    }
    EXPECT_EQ(kept[1], 3000);
    EXPECT_EQ(kept[2], 3000);
    EXPECT_LT(ChiSquare(allowedEmpty), ChiSquareBound(38));
    EXPECT_LT(ChiSquare(allowedKept), ChiSquareBound(36));
}

// The division a board wins, as the check reads it, against the rules as
// the enumeration of every draw reads them, for every set of switches.
TEST(DrawCheck, DivisionFollowsTheRulesForEverySwitchSetting)
{
    for (int marks : {5, 6})
        for (unsigned bits = 0; bits < 128; ++bits) {
            std::array<bool, 7> on{};
            for (size_t d = 0; d < 7; ++d)
                on[d] = bits >> d & 1;
            for (int j = 0; j <= marks; ++j)
                for (bool bonus : {false, true}) {
                    EXPECT_EQ(WonDivision(marks, j, bonus, on), everydraw::Prize(j, bonus, marks, on))
                        << marks << " " << bits << " " << j << bonus;
                }
        }
}

struct TCheckCase {
    const char *name;
    uint8_t marks;
    std::vector<std::vector<int>> boards; // full boards from board 1; empty for one left out
    TDrawnNumbers draw;
    std::array<uint8_t, 7> divisions;
    std::vector<std::string> lines;
};

constexpr std::array<uint8_t, 7> kAllOn = {1, 1, 1, 1, 1, 1, 1};
constexpr std::array<int64_t, 7> kPayments = {1000000, 300000, 20000, 5000, 200, 10, 2};
const std::vector<int> kBoard = {1, 2, 3, 4, 5, 6};

class DrawCheckLines : public ::testing::TestWithParam<TCheckCase> {};

TEST_P(DrawCheckLines, OneLinePerFullBoardThenThePrizes)
{
    const TCheckCase &c = GetParam();
    const TCouponShape shape{12, 49, c.marks};
    TCouponState coupon;
    for (size_t b = 0; b < c.boards.size(); ++b)
        for (const int n : c.boards[b])
            coupon.Click(HitOf(static_cast<int>(b + 1), n), shape, [](uint8_t) { return false; });
    ASSERT_TRUE(IsValidDraw(c.draw, c.marks, 49));
    EXPECT_EQ(DrawResultLines(CheckDraw(coupon, shape, c.draw, c.divisions), kPayments), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawCheckLines,
    ::testing::Values(
        TCheckCase{
            "Six", 6, {kBoard}, {1, 2, 3, 4, 5, 6, 7}, kAllOn, {"Board 1: 6, $1000000", "Prizes: $1000000 on 1 board"}},
        TCheckCase{"FiveAndBonus",
                   6,
                   {kBoard},
                   {1, 2, 3, 4, 5, 40, 6},
                   kAllOn,
                   {"Board 1: 5 + bonus ball, $300000", "Prizes: $300000 on 1 board"}},
        TCheckCase{
            "Five", 6, {kBoard}, {1, 2, 3, 4, 5, 40, 41}, kAllOn, {"Board 1: 5, $20000", "Prizes: $20000 on 1 board"}},
        TCheckCase{"FourAndBonus",
                   6,
                   {kBoard},
                   {40, 1, 2, 41, 3, 4, 5},
                   kAllOn,
                   {"Board 1: 4 + bonus ball, $5000", "Prizes: $5000 on 1 board"}},
        TCheckCase{
            "Four", 6, {kBoard}, {1, 2, 3, 4, 40, 41, 42}, kAllOn, {"Board 1: 4, $200", "Prizes: $200 on 1 board"}},
        TCheckCase{"ThreeAndBonus",
                   6,
                   {kBoard},
                   {1, 2, 3, 40, 41, 42, 4},
                   kAllOn,
                   {"Board 1: 3 + bonus ball, $10", "Prizes: $10 on 1 board"}},
        TCheckCase{
            "Three", 6, {kBoard}, {1, 2, 3, 40, 41, 42, 43}, kAllOn, {"Board 1: 3, $2", "Prizes: $2 on 1 board"}},
        TCheckCase{"TwoAndBonus",
                   6,
                   {kBoard},
                   {1, 2, 40, 41, 42, 43, 3},
                   kAllOn,
                   {"Board 1: no prize", "No prize on this coupon"}},
        TCheckCase{"BonusPrizeOffPaysThePlainOne",
                   6,
                   {kBoard},
                   {1, 2, 3, 4, 40, 41, 5},
                   {1, 1, 1, 0, 1, 1, 1},
                   {"Board 1: 4, $200", "Prizes: $200 on 1 board"}},
        TCheckCase{"BothOffPayNothing",
                   6,
                   {kBoard},
                   {1, 2, 3, 4, 40, 41, 5},
                   {1, 1, 1, 0, 0, 1, 1},
                   {"Board 1: no prize", "No prize on this coupon"}},
        TCheckCase{"TopOffPaysNothing",
                   6,
                   {kBoard},
                   {6, 5, 4, 3, 2, 1, 7},
                   {0, 1, 1, 1, 1, 1, 1},
                   {"Board 1: no prize", "No prize on this coupon"}},
        TCheckCase{"FiveMarksAllMatched",
                   5,
                   {{1, 2, 3, 4, 5}},
                   {1, 2, 3, 4, 5, 0, 6},
                   kAllOn,
                   {"Board 1: 5, $20000", "Prizes: $20000 on 1 board"}},
        TCheckCase{"FiveMarksFourAndBonus",
                   5,
                   {{1, 2, 3, 4, 5}},
                   {1, 2, 3, 4, 40, 0, 5},
                   kAllOn,
                   {"Board 1: 4 + bonus ball, $5000", "Prizes: $5000 on 1 board"}},
        TCheckCase{"BoardsInOrderPartlyFilledLeftOut",
                   6,
                   {{1, 2, 3, 4, 40, 41}, {1, 2}, {10, 11, 12, 13, 14, 15}, kBoard},
                   {1, 2, 3, 4, 5, 6, 40},
                   kAllOn,
                   {"Board 1: 4 + bonus ball, $5000", "Board 3: no prize", "Board 4: 6, $1000000",
                    "Prizes: $1005000 on 2 boards"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DrawCheck, AValidDrawIsDifferentNumbersInPlay)
{
    EXPECT_TRUE(IsValidDraw({1, 2, 3, 4, 5, 49, 6}, 6, 49));
    EXPECT_TRUE(IsValidDraw({1, 2, 3, 4, 5, 0, 6}, 5, 36));   // the sixth field does not count
    EXPECT_FALSE(IsValidDraw({1, 2, 3, 4, 5, 0, 6}, 6, 49));  // a field left empty
    EXPECT_FALSE(IsValidDraw({1, 2, 3, 4, 5, 6, 6}, 6, 49));  // the bonus among the main numbers
    EXPECT_FALSE(IsValidDraw({1, 2, 3, 4, 5, 5, 7}, 6, 49));  // a number twice
    EXPECT_FALSE(IsValidDraw({1, 2, 3, 4, 5, 37, 7}, 6, 36)); // above the board
    EXPECT_EQ(InvalidDrawMessage(5, 36),
              "Enter 5 different numbers from 1 to 36, and a bonus ball that is not one of them");
}

// Kept marks come back only where the coupon as it stands allows them.
TEST(KeptCoupon, TakesBackWhatTheCouponAllowsAndDropsTheRest)
{
    const TCouponShape shape{5, 40, 6};
    TCouponState coupon;
    coupon.MarkOnAllBoards(20, shape.boards); // included
    TKeptCoupon kept{};
    kept[0] = {1, 2, 3, 4, 5, 20};      // full with the included number
    kept[1] = {41, 49, 3, 0, 0, 0};     // numbers above the board dropped
    kept[2] = {7, 8, 9, 10, 11, 12};    // with the included number, seven marks: dropped whole
    kept[3] = {13, 13, 14, 99, 255, 0}; // a repeat and numbers past the coupon
    kept[4] = {15, 16, 0, 0, 0, 0};     // 16 excluded
    kept[5] = {1, 2, 3, 4, 5, 6};       // beyond the boards in use
    const auto restorable = RestorableMarks(kept, coupon, shape, [](uint8_t n) { return n == 16; });
    const std::vector<std::vector<uint8_t>> expected = {
        {1, 2, 3, 4, 5}, {3}, {}, {13, 14}, {15}, {}, {}, {}, {}, {}, {}, {}};
    for (size_t b = 0; b < expected.size(); ++b)
        EXPECT_EQ(restorable[b], expected[b]) << "board " << b + 1;

    // What is kept is what was marked, ascending.
    Fill(coupon, shape, 2, {40, 1, 33});
    const TKeptCoupon again = KeepCoupon(coupon);
    EXPECT_EQ(again[1], (std::array<uint8_t, 6>{1, 20, 33, 40, 0, 0}));
    EXPECT_EQ(again[6], (std::array<uint8_t, 6>{}));
}

} // namespace
