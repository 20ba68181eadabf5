#include "calc/CouponWins.h"
#include "EveryDraw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr std::array<bool, 7> kAllOn = {true, true, true, true, true, true, true};

uint64_t Board(std::initializer_list<int> numbers)
{
    uint64_t board = 0;
    for (int n : numbers)
        board |= uint64_t{1} << n;
    return board;
}

void ExpectEqualCounts(const TWinCounts &fast, const TWinCounts &slow)
{
    EXPECT_EQ(fast.draws, slow.draws);
    EXPECT_EQ(fast.oneBoard, slow.oneBoard);
    EXPECT_EQ(fast.anyBoard, slow.anyBoard);
    EXPECT_EQ(fast.anyDivision, slow.anyDivision);
}

// One 6/49 board as the lotteries publish it, out of 13983816 main draws
// (each count here is times the 43 bonus numbers); without the two lower
// bonus prizes its "4" and "3" take the draws of theirs.
TEST(CouponWins, OneBoardMatchesThePublishedOdds)
{
    const struct {
        std::array<bool, 7> on;
        std::array<uint64_t, 7> ways;
    } rows[] = {
        {kAllOn, {1, 6, 252, 630, 12915, 17220, 229600}},
        {{true, true, true, false, true, false, true}, {1, 6, 252, 0, 13545, 0, 246820}},
        {{false, false, true, true, true, true, false}, {0, 0, 258, 630, 12915, 17220, 0}},
    };
    const uint64_t board = Board({3, 11, 19, 27, 35, 43});
    for (const auto &row : rows) {
        const TWinCounts counts = CountWins(49, 6, std::span(&board, 1), row.on);
        EXPECT_EQ(counts.draws, 13983816u * 43);
        for (size_t d = 0; d < 7; ++d) {
            EXPECT_EQ(counts.oneBoard[d], row.ways[d] * 43) << "division " << d + 1;
            EXPECT_EQ(counts.anyBoard[d], row.ways[d] * 43) << "division " << d + 1;
        }
        EXPECT_EQ(counts.anyDivision, std::accumulate(row.ways.begin(), row.ways.end(), uint64_t{0}) * 43);
    }
}

// Random coupons against every draw counted: boards drawn from a pool of
// numbers so that they share from none to all of their numbers, identical
// boards among them, in games of 5 and 6 marks and random division
// switches. A smaller draw stands for excluded numbers.
TEST(CouponWins, EqualsEveryDrawCounted)
{
    std::mt19937 random(20261209);
    const struct {
        int drawable;
        int marks;
        int coupons;
    } games[] = {{12, 5, 60}, {13, 6, 60}, {16, 6, 40}, {17, 5, 40}, {20, 6, 4}, {36, 5, 4}};
    for (const auto &game : games) {
        for (int c = 0; c < game.coupons; ++c) {
            const int pool = std::uniform_int_distribution(game.marks + 1, game.drawable)(random);
            const int count = std::uniform_int_distribution(1, 12)(random);
            std::vector<int> numbers(static_cast<size_t>(game.drawable));
            std::iota(numbers.begin(), numbers.end(), 1);
            std::shuffle(numbers.begin(), numbers.end(), random);
            std::vector<uint64_t> boards;
            for (int b = 0; b < count; ++b) {
                if (!boards.empty() && random() % 5 == 0) {
                    boards.push_back(boards[random() % boards.size()]);
                    continue;
                }
                std::vector<int> picked(numbers.begin(), numbers.begin() + pool);
                std::shuffle(picked.begin(), picked.end(), random);
                uint64_t board = 0;
                for (int m = 0; m < game.marks; ++m)
                    board |= uint64_t{1} << picked[static_cast<size_t>(m)];
                boards.push_back(board);
            }
            std::array<bool, 7> on = kAllOn;
            if (c % 2 == 1)
                for (bool &division : on)
                    division = random() % 3 != 0;
            SCOPED_TRACE(testing::Message() << game.drawable << "/" << game.marks << " coupon " << c);
            const auto drawable = static_cast<uint8_t>(game.drawable);
            const auto marks = static_cast<uint8_t>(game.marks);
            ExpectEqualCounts(CountWins(drawable, marks, boards, on),
                              everydraw::Count(game.drawable, game.marks, boards, on));
        }
    }
}

// Two boards sharing five numbers, and twelve drawn from ten numbers: the
// coupons whose boards win together most often.
TEST(CouponWins, SharedNumbersEqualEveryDrawCounted)
{
    const std::vector<uint64_t> fiveShared = {Board({1, 2, 3, 4, 5, 6}), Board({1, 2, 3, 4, 5, 7})};
    std::vector<uint64_t> tenNumbers;
    std::mt19937 random(7);
    while (tenNumbers.size() < 12) {
        std::vector<int> pool = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        std::shuffle(pool.begin(), pool.end(), random);
        tenNumbers.push_back(Board({pool[0], pool[1], pool[2], pool[3], pool[4]}));
    }
    for (const auto &boards : {fiveShared, tenNumbers}) {
        const auto marks = static_cast<uint8_t>(std::popcount(boards[0]));
        ExpectEqualCounts(CountWins(18, marks, boards, kAllOn), everydraw::Count(18, marks, boards, kAllOn));
    }
}

TEST(CouponWins, RefusesBoardsItCannotCount)
{
    const std::vector<uint64_t> short_ = {Board({1, 2, 3, 4, 5})};
    EXPECT_THROW(CountWins(49, 6, short_, kAllOn), std::invalid_argument);
    std::vector<uint64_t> many;
    for (int b = 0; b < 17; ++b)
        many.push_back(Board({b + 1, b + 2, b + 3, b + 4, b + 5, b + 6}));
    EXPECT_THROW(CountWins(49, 6, many, kAllOn), std::length_error);
}

} // namespace
