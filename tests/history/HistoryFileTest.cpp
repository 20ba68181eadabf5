#include "history/HistoryFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

TEST(HistoryFile, WritesOneDrawALine)
{
    const std::vector<THistoryDraw> draws = {
        {TDrawDate{2025, 12, 6}, {3, 11, 17, 25, 33, 41}, 45},
        {TDrawDate{2025, 12, 9}, {41, 3, 17, 25, 33, 11}, 0},
        {std::nullopt, {1, 2, 3, 4, 5, 6}, 7},
        {std::nullopt, {1, 2, 3, 4, 5, 6}, 0},
    };
    EXPECT_EQ(WriteHistory(draws),
              "2025-12-06,3,11,17,25,33,41,45\n"
              "2025-12-09,41,3,17,25,33,11\n"
              "1,2,3,4,5,6,7\n"
              "1,2,3,4,5,6\n");
    EXPECT_EQ(WriteHistory({}), "");
}

// Random histories of both kinds of game: dated and undated draws, with
// and without a bonus ball, numbers in any order, dates of any year.
TEST(HistoryFile, ReadsBackWhatItWrote)
{
    std::mt19937 random(20251206);
    for (const auto &[marks, boardsize] : {std::pair<uint8_t, uint8_t>{6, 49}, {5, 36}, {6, 36}, {5, 49}}) {
        for (int h = 0; h < 20; ++h) {
            std::vector<THistoryDraw> draws(random() % 300);
            for (THistoryDraw &draw : draws) {
                std::vector<uint8_t> numbers(boardsize);
                std::iota(numbers.begin(), numbers.end(), uint8_t{1});
                std::shuffle(numbers.begin(), numbers.end(), random);
                draw.numbers.assign(numbers.begin(), numbers.begin() + marks);
                draw.bonus = random() % 4 == 0 ? 0 : numbers[marks];
                if (random() % 5 != 0)
                    draw.date = TDrawDate{static_cast<int>(1 + random() % 9999), static_cast<int>(1 + random() % 12),
                                          static_cast<int>(1 + random() % 28)};
            }
            const TImportResult read = ReadHistory(WriteHistory(draws), marks, boardsize);
            EXPECT_EQ(read.errors, std::vector<std::string>{});
            EXPECT_EQ(read.draws, draws);
        }
    }
}

TEST(HistoryFile, EmptyIsAnEmptyHistoryAndABadLineReadsNothing)
{
    for (const std::string empty : {"", "\n", "\r\n\r\n"}) {
        const TImportResult read = ReadHistory(empty, 6, 49);
        EXPECT_TRUE(read.Ok());
        EXPECT_TRUE(read.draws.empty());
    }
    const TImportResult bad = ReadHistory("2025-12-06,3,11,17,25,33,41,45\n2025-12-09,3,11,17,25,33,41,55\n", 6, 49);
    EXPECT_EQ(bad.errors, std::vector<std::string>{"Line 2: 55 is not a number from 1 to 49"});
    EXPECT_TRUE(bad.draws.empty());
}

} // namespace
