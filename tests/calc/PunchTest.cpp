#include "calc/CalculationsUnit.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

class PunchSixOfFortyNine : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(PunchSixOfFortyNine, SumGivesPunch)
{
    const auto [sum, punch] = GetParam();
    EXPECT_EQ(TLottoCalc().PunchCoefficient(sum, 6, 49), punch);
}

INSTANTIATE_TEST_SUITE_P(Table, PunchSixOfFortyNine,
                         ::testing::Values(std::tuple{21, 0}, std::tuple{100, 61}, std::tuple{120, 77},
                                           std::tuple{140, 92}, std::tuple{149, 99}, std::tuple{150, 100},
                                           std::tuple{151, 100}, std::tuple{152, 100}, std::tuple{160, 94},
                                           std::tuple{200, 63}, std::tuple{250, 24}, std::tuple{279, 2}));

TEST(Punch, ExtremeBoardsOfOtherGames)
{
    TLottoCalc calc;
    EXPECT_EQ(calc.PunchCoefficient(1 + 2 + 3 + 4 + 5, 5, 49), 0);
    EXPECT_EQ(calc.PunchCoefficient(45 + 46 + 47 + 48 + 49, 5, 49), 0);
    // Five marks on an even board: the largest sum lies one past the half range.
    EXPECT_EQ(calc.PunchCoefficient(36 + 37 + 38 + 39 + 40, 5, 40), 1);
    EXPECT_EQ(calc.PunchCoefficient(15, 5, 40), 0);
    EXPECT_EQ(calc.PunchCoefficient(31 + 32 + 33 + 34 + 35 + 36, 6, 36), 3);
    // A game too small to have a range scores 0 rather than dividing by it.
    EXPECT_EQ(calc.PunchCoefficient(1, 1, 3), 0);
    EXPECT_EQ(calc.PunchCoefficient(3, 2, 3), 0);
}

TEST(Punch, SymmetricAroundTheCentreAndWithinRange)
{
    TLottoCalc calc;
    for (uint8_t marks : {5, 6}) {
        for (uint8_t cells = 36; cells <= 49; ++cells) {
            const int hi = marks * (cells - 2);
            const int lo = marks * (marks + 1) / 2;
            const int centre = (hi + lo) / 2;
            const int largest = marks * cells - marks * (marks - 1) / 2;
            for (int d = 0; centre + d <= largest && centre - d >= lo; ++d)
                EXPECT_EQ(calc.PunchCoefficient(centre - d, marks, cells),
                          calc.PunchCoefficient(centre + d, marks, cells));
            for (int sum = lo; sum <= largest; ++sum) {
                const int punch = calc.PunchCoefficient(sum, marks, cells);
                EXPECT_GE(punch, 0);
                EXPECT_LE(punch, 100);
            }
        }
    }
}

} // namespace
