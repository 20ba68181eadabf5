// The table of wheels, proven wheel by wheel; its sizes against the best
// published; each wheel's coverage of the draws against every draw of small
// games; and the player's numbers as the Wheel window reads them.

#include "wheels/Wheel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>

namespace {

using wheels::TWheel;

// Calls visit with every set of `size` of the numbers 1..n, in order.
template <typename F>
void ForEachCombination(int n, int size, F visit)
{
    std::vector<bool> chosen(static_cast<size_t>(n), false);
    std::fill(chosen.begin(), chosen.begin() + size, true);
    std::vector<int> set;
    do {
        set.clear();
        for (int i = 0; i < n; ++i)
            if (chosen[static_cast<size_t>(i)])
                set.push_back(i + 1);
        visit(set);
    } while (std::prev_permutation(chosen.begin(), chosen.end()));
}

int Common(const std::vector<int> &a, const std::vector<int> &b)
{
    return static_cast<int>(std::count_if(a.begin(), a.end(), [&](int n) { return std::ranges::count(b, n) > 0; }));
}

std::vector<int> OneTo(int n)
{
    std::vector<int> numbers(static_cast<size_t>(n));
    std::iota(numbers.begin(), numbers.end(), 1);
    return numbers;
}

// Every wheel keeps its word: each set of `drawn` of the player's numbers
// meets some board in `matched` of them. Each board is a board: `marks`
// different numbers of the pool.
TEST(Wheels, EveryWheelOfTheTableGivesItsGuarantee)
{
    const std::vector<TWheel> table = wheels::Table();
    ASSERT_GT(table.size(), 100u);
    for (const TWheel &wheel : table) {
        SCOPED_TRACE(std::to_string(wheel.marks) + " marks, " + wheels::GuaranteeChoice(wheel) + " on "
                     + std::to_string(wheel.pool));
        ASSERT_GE(wheel.pool, wheel.marks + 1);
        ASSERT_LE(wheel.pool, wheels::kMaxPool);
        ASSERT_LE(wheel.boards.size(), static_cast<size_t>(wheels::kMaxBoards));
        const std::vector<std::vector<int>> boards = wheels::BoardsOf(wheel, OneTo(wheel.pool));
        for (const std::vector<int> &board : boards)
            ASSERT_EQ(board.size(), static_cast<size_t>(wheel.marks));
        bool kept = true;
        ForEachCombination(wheel.pool, wheel.drawn, [&](const std::vector<int> &drawn) {
            kept =
                kept && std::ranges::any_of(boards, [&](const auto &b) { return Common(b, drawn) >= wheel.matched; });
        });
        EXPECT_TRUE(kept);
    }
}

// The best sizes published: the records of covering designs for "t if t",
// and wheels of players' references for "t if p". The table's are no
// larger.
struct TPublished {
    int marks, pool, matched, drawn, boards;
};
constexpr TPublished kPublished[] = {
    {6, 7, 3, 3, 4},   {6, 8, 3, 3, 4},   {6, 9, 3, 3, 7},  {6, 10, 3, 3, 10}, {6, 11, 3, 3, 11}, {6, 7, 4, 4, 5},
    {6, 8, 4, 4, 7},   {6, 7, 5, 5, 6},   {5, 7, 3, 3, 5},  {5, 8, 3, 3, 8},   {5, 9, 3, 3, 12},  {5, 7, 4, 4, 9},
    {6, 9, 4, 6, 3},   {6, 10, 4, 6, 3},  {6, 11, 4, 6, 5}, {6, 12, 4, 6, 6},  {6, 9, 3, 5, 2},   {6, 12, 3, 5, 2},
    {6, 9, 4, 5, 3},   {6, 10, 4, 5, 7},  {6, 16, 3, 6, 6}, {5, 9, 3, 5, 3},   {5, 10, 3, 5, 4},  {5, 11, 3, 5, 6},
    {5, 12, 3, 5, 10}, {5, 13, 3, 5, 12},
};

TEST(Wheels, NoWheelIsLargerThanTheBestPublished)
{
    const std::vector<TWheel> table = wheels::Table();
    for (const TPublished &p : kPublished) {
        const auto found = std::ranges::find_if(table, [&](const TWheel &w) {
            return std::tie(w.marks, w.pool, w.matched, w.drawn) == std::tie(p.marks, p.pool, p.matched, p.drawn);
        });
        ASSERT_NE(found, table.end()) << p.marks << " marks, " << p.matched << " if " << p.drawn << " on " << p.pool;
        EXPECT_LE(found->boards.size(), static_cast<size_t>(p.boards))
            << p.marks << " marks, " << p.matched << " if " << p.drawn << " on " << p.pool;
    }
}

TEST(Wheels, FittingListsTheWheelsWithinTheBoardsStrongestFirst)
{
    const std::vector<TWheel> all = wheels::Fitting(6, 10, 12);
    const std::vector<TWheel> three = wheels::Fitting(6, 10, 3);
    ASSERT_FALSE(all.empty());
    ASSERT_FALSE(three.empty());
    EXPECT_LT(three.size(), all.size());
    for (const TWheel &w : three)
        EXPECT_LE(w.boards.size(), 3u);
    for (size_t i = 1; i < all.size(); ++i)
        EXPECT_TRUE(all[i - 1].matched > all[i].matched
                    || (all[i - 1].matched == all[i].matched && all[i - 1].drawn < all[i].drawn));
    EXPECT_TRUE(wheels::Fitting(6, 20, 1).empty());
}

// The coverage table against every draw of a small game: for each draw,
// how many of its main numbers are the player's and how many the best
// board holds.
TEST(Wheels, CoverageIsWhatEveryDrawOfASmallGameGives)
{
    struct TCase {
        int marks, boardsize, pool, matched, drawn;
    };
    for (const TCase c : {TCase{6, 14, 10, 3, 4}, TCase{6, 13, 8, 4, 4}, TCase{5, 12, 9, 3, 5}}) {
        SCOPED_TRACE(std::to_string(c.marks) + "/" + std::to_string(c.boardsize));
        const std::vector<TWheel> fitting = wheels::Fitting(c.marks, c.pool, 12);
        const auto wheel = std::ranges::find_if(
            fitting, [&](const TWheel &w) { return w.matched == c.matched && w.drawn == c.drawn; });
        ASSERT_NE(wheel, fitting.end());
        // The player's numbers spread over the board: 2, 3, 4, ...
        std::vector<int> pool;
        for (int i = 0; i < c.pool; ++i)
            pool.push_back(2 + i);
        const std::vector<std::vector<int>> boards = wheels::BoardsOf(*wheel, pool);
        std::map<std::pair<int, int>, double> tally;
        double draws = 0;
        ForEachCombination(c.boardsize, c.marks, [&](const std::vector<int> &draw) {
            int best = 0;
            for (const auto &board : boards)
                best = std::max(best, Common(board, draw));
            tally[{Common(pool, draw), best}] += 1;
            draws += 1;
        });
        for (const wheels::TCoverageRow &row : wheels::Coverage(*wheel, c.boardsize)) {
            double among = 0;
            for (int h = 0; h <= c.marks; ++h)
                among += tally[{row.among, h}];
            EXPECT_NEAR(row.chance, among / draws, 1e-12) << row.among;
            // A count no draw gives has no best board to speak of.
            for (int h = 0; h <= c.marks && among > 0; ++h) {
                const double seen = tally[{row.among, h}] / among;
                EXPECT_NEAR(row.best[static_cast<size_t>(h)], seen, 1e-12) << row.among << " among, best " << h;
            }
        }
    }
}

TEST(Wheels, PlayersNumbersReadOrTheFaultNamed)
{
    std::vector<bool> excluded(50, false);
    excluded[12] = true;
    struct TRow {
        const char *text;
        const char *error;
    };
    for (const TRow &row : {
             TRow{"1 2 3 4 5 6 7", ""},
             TRow{"7,6 5, 4 3 2 1", ""},
             TRow{"1 2 3 4 5 53 7", "53 is not a number from 1 to 49"},
             TRow{"1 2 3 0 5 6 7", "0 is not a number from 1 to 49"},
             TRow{"1 2 x 4 5 6 7", "x is not a number from 1 to 49"},
             TRow{"1 2 12 4 5 6 7", "12 is excluded"},
             TRow{"1 2 7 4 5 6 7", "7 appears twice"},
             TRow{"1 2 3 4 5 6", "Enter 7 to 20 numbers"},
             TRow{"", "Enter 7 to 20 numbers"},
             TRow{"1 2 3 4 5 6 7 8 9 10 11 13 14 15 16 17 18 19 20 21 22", "Enter 7 to 20 numbers"},
         }) {
        const wheels::TNumbersRead read = wheels::ReadNumbers(row.text, 6, 49, excluded);
        EXPECT_EQ(read.error, row.error) << row.text;
        EXPECT_EQ(read.numbers.empty(), !read.error.empty()) << row.text;
        EXPECT_TRUE(std::ranges::is_sorted(read.numbers)) << row.text;
    }
    EXPECT_EQ(wheels::ReadNumbers("1 2 3 4 5", 5, 36, {}).error, "Enter 6 to 20 numbers");
    EXPECT_EQ(wheels::ReadNumbers("1 2 3 4 5 40", 5, 36, {}).error, "40 is not a number from 1 to 36");
}

TEST(Wheels, TheWindowsSentences)
{
    TWheel wheel{6, 10, 3, 4, std::vector<wheels::TPoolSet>(7, 0x3f)};
    EXPECT_EQ(wheels::GuaranteeChoice(wheel), "3 if 4: 7 boards");
    EXPECT_EQ(wheels::GuaranteeSentence(wheel),
              "If 4 of the 6 numbers drawn are among your 10, at least one board has 3 of them.");
    EXPECT_EQ(wheels::ChanceSentence(wheel, 49), "4 or more of your 10 numbers are drawn in 1 draw out of 84.");
    EXPECT_EQ(wheels::NothingFits(8), "No guarantee fits in 8 boards; use fewer numbers");
}

} // namespace
