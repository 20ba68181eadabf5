#include "history/HistoryCheck.h"
#include "EveryDraw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace {

using TBoards = std::vector<std::vector<uint8_t>>;

constexpr std::array<bool, 7> kAllOn = {true, true, true, true, true, true, true};

std::vector<uint8_t> Pick(int count, int boardsize, std::mt19937 &random)
{
    std::vector<uint8_t> numbers(static_cast<size_t>(boardsize));
    std::iota(numbers.begin(), numbers.end(), uint8_t{1});
    std::shuffle(numbers.begin(), numbers.end(), random);
    numbers.resize(static_cast<size_t>(count));
    return numbers;
}

// Boards drawn from a pool of numbers, so that they share from none to all
// of their numbers, with an identical board now and then.
TBoards RandomBoards(int marks, int boardsize, std::mt19937 &random)
{
    const int pool = std::uniform_int_distribution(marks + 1, boardsize)(random);
    const std::vector<uint8_t> numbers = Pick(pool, boardsize, random);
    TBoards boards(1 + random() % 12);
    for (auto &board : boards) {
        if (&board != &boards[0] && random() % 6 == 0) {
            board = boards[0];
            continue;
        }
        std::vector<uint8_t> picked = numbers;
        std::shuffle(picked.begin(), picked.end(), random);
        board.assign(picked.begin(), picked.begin() + marks);
    }
    return boards;
}

// What the boards won, draw by draw and board by board, with numbers
// looked up one at a time and the prize read off the rules.
struct TSlowCheck {
    std::array<uint64_t, 7> wonIn{};
    int64_t prize = 0;
};

TSlowCheck CheckEachDraw(const TBoards &boards, int marks, const std::array<bool, 7> &on,
                         const std::array<int64_t, 7> &payments, const std::vector<THistoryDraw> &draws)
{
    TSlowCheck slow;
    for (const THistoryDraw &draw : draws) {
        std::array<bool, 7> won{};
        for (const auto &board : boards) {
            const auto holds = [&](uint8_t n) { return std::find(board.begin(), board.end(), n) != board.end(); };
            const auto matches = static_cast<int>(std::count_if(draw.numbers.begin(), draw.numbers.end(), holds));
            const int d = everydraw::Prize(matches, draw.bonus != 0 && holds(draw.bonus), marks, on);
            if (d >= 0) {
                won[static_cast<size_t>(d)] = true;
                slow.prize += payments[static_cast<size_t>(d)];
            }
        }
        for (size_t d = 0; d < 7; ++d)
            slow.wonIn[d] += won[d];
    }
    return slow;
}

// Random histories, a quarter of their draws without a bonus ball, against
// random coupons, division switches and payments.
TEST(HistoryCheck, CountsAsEveryBoardCheckedAgainstEveryDraw)
{
    std::mt19937 random(20251206);
    const struct {
        int marks;
        int boardsize;
    } games[] = {{6, 49}, {5, 36}, {6, 13}, {5, 9}};
    for (const auto &game : games) {
        for (int c = 0; c < 25; ++c) {
            const TBoards boards = RandomBoards(game.marks, game.boardsize, random);
            std::array<bool, 7> on = kAllOn;
            std::array<int64_t, 7> payments{};
            for (size_t d = 0; d < 7; ++d) {
                on[d] = c % 2 == 0 || random() % 3 != 0;
                payments[d] = random() % 100000;
            }
            std::vector<THistoryDraw> draws(random() % 400);
            for (THistoryDraw &draw : draws) {
                const std::vector<uint8_t> numbers = Pick(game.marks + 1, game.boardsize, random);
                draw.numbers.assign(numbers.begin(), numbers.begin() + game.marks);
                draw.bonus = random() % 4 == 0 ? 0 : numbers.back();
            }
            SCOPED_TRACE(testing::Message() << game.marks << " of " << game.boardsize << ", coupon " << c);
            const auto marks = static_cast<uint8_t>(game.marks);
            const THistoryCheck check =
                CheckHistory(boards, marks, static_cast<uint8_t>(game.boardsize), on, payments, draws);
            const TSlowCheck slow = CheckEachDraw(boards, game.marks, on, payments, draws);
            EXPECT_EQ(check.wonIn, slow.wonIn);
            EXPECT_EQ(check.prize, slow.prize);
            EXPECT_EQ(check.draws, draws.size());
            EXPECT_EQ(check.boards, boards.size());
        }
    }
}

// A history that holds every possible draw once is the fair draw itself:
// what was won in it is what is expected over as many draws.
TEST(HistoryCheck, ExpectedIsWhatEveryPossibleDrawWins)
{
    std::mt19937 random(7);
    const struct {
        int marks;
        int boardsize;
    } games[] = {{5, 10}, {6, 12}};
    for (const auto &game : games) {
        std::vector<THistoryDraw> every;
        const uint64_t end = uint64_t{1} << game.boardsize;
        for (uint64_t chosen = 0; chosen < end; ++chosen) {
            if (std::popcount(chosen) != game.marks)
                continue;
            std::vector<uint8_t> numbers;
            for (int n = 1; n <= game.boardsize; ++n)
                if (chosen >> (n - 1) & 1)
                    numbers.push_back(static_cast<uint8_t>(n));
            for (int bonus = 1; bonus <= game.boardsize; ++bonus)
                if (!(chosen >> (bonus - 1) & 1))
                    every.push_back({std::nullopt, numbers, static_cast<uint8_t>(bonus)});
        }
        for (int c = 0; c < 6; ++c) {
            const TBoards boards = RandomBoards(game.marks, game.boardsize, random);
            std::array<bool, 7> on = kAllOn;
            for (bool &division : on)
                division = c % 2 == 0 || random() % 3 != 0;
            const std::array<int64_t, 7> payments = {1000000, 30000, 2500, 400, 60, 8, 1};
            SCOPED_TRACE(testing::Message() << game.marks << " of " << game.boardsize << ", coupon " << c);
            const auto marks = static_cast<uint8_t>(game.marks);
            const THistoryCheck check =
                CheckHistory(boards, marks, static_cast<uint8_t>(game.boardsize), on, payments, every);
            const TSlowCheck slow = CheckEachDraw(boards, game.marks, on, payments, every);
            for (size_t d = 0; d < 7; ++d)
                EXPECT_NEAR(check.expectedWonIn[d], static_cast<double>(slow.wonIn[d]), 1e-6) << "division " << d + 1;
            EXPECT_NEAR(check.expectedPrize, static_cast<double>(slow.prize), 1e-9 * static_cast<double>(slow.prize));
        }
    }
}

TEST(HistoryCheck, LinesForThePlayer)
{
    THistoryCheck check;
    check.boards = 3;
    check.draws = 1234;
    check.first = TDrawDate{2019, 1, 2};
    check.last = TDrawDate{2025, 12, 6};
    check.on = {false, true, true, true, true, false, true};
    check.wonIn = {0, 0, 1, 2, 14, 0, 301};
    check.expectedWonIn = {0.004, 0.0272, 0.9949, 1.144999, 14.5, 0, 300.126};
    check.prize = 1234;
    check.expectedPrize = 1500.2;
    EXPECT_EQ(HistoryCheckLines(check),
              (std::vector<std::string>{
                  "Draws: 1234, from 2019-01-02 to 2025-12-06",
                  "5 + bonus ball: won in 0 draws, expected 0.03",
                  "5: won in 1 draw, expected 0.99",
                  "4 + bonus ball: won in 2 draws, expected 1.14",
                  "4: won in 14 draws, expected 14.50",
                  "3: won in 301 draws, expected 300.13",
                  "Prizes: $1234 over 1234 draws, expected $1500.20",
              }));

    // One draw without a date, one board, one division.
    const THistoryCheck one =
        CheckHistory({{1, 2, 3, 4, 5, 6}}, 6, 49, {false, false, false, false, false, false, true},
                     {0, 0, 0, 0, 0, 0, 10}, {{std::nullopt, {1, 2, 3, 40, 41, 42}, 0}});
    EXPECT_EQ(HistoryCheckLines(one),
              (std::vector<std::string>{
                  "Draws: 1",
                  "3: won in 1 draw, expected 0.02",
                  "Prizes: $10 over 1 draw, expected $0.18",
              }));

    const THistoryCheck none = CheckHistory({}, 6, 49, kAllOn, {}, {{std::nullopt, {1, 2, 3, 40, 41, 42}, 7}});
    EXPECT_EQ(HistoryCheckLines(none),
              (std::vector<std::string>{"Fill at least one board to check it against these draws"}));
}

TEST(HistoryCheck, RefusesBoardsAndDrawsNotOfTheGame)
{
    const std::vector<THistoryDraw> good = {{std::nullopt, {1, 2, 3, 4, 5, 6}, 7}};
    const TBoards board = {{1, 2, 3, 4, 5, 6}};
    const std::array<int64_t, 7> payments{};
    const struct {
        TBoards boards;
        std::vector<THistoryDraw> draws;
        uint8_t boardsize;
    } rows[] = {
        {{{1, 2, 3, 4, 5}}, good, 49},
        {{{1, 2, 3, 4, 5, 5}}, good, 49},
        {{{1, 2, 3, 4, 5, 50}}, good, 49},
        {board, {{std::nullopt, {1, 2, 3, 4, 5}, 7}}, 49},
        {board, {{std::nullopt, {1, 2, 3, 4, 5, 6}, 6}}, 49},
        {board, {{std::nullopt, {1, 2, 3, 4, 5, 6}, 50}}, 49},
        {board, good, 64},
    };
    for (const auto &row : rows)
        EXPECT_THROW(CheckHistory(row.boards, 6, row.boardsize, kAllOn, payments, row.draws), std::invalid_argument);
}

} // namespace
