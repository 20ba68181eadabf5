#include "calc/CalculationsUnit.h"
#include "calc/CouponWins.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(Combinations, KnownValuesAndLimits)
{
    TLottoCalc calc;
    EXPECT_EQ(calc.Combinations(49, 6), 13983816.0);
    EXPECT_EQ(calc.Combinations(36, 5), 376992.0);
    EXPECT_EQ(calc.Combinations(45, 6), 8145060.0);
    EXPECT_EQ(calc.Combinations(49, 0), 1.0);
    EXPECT_EQ(calc.Combinations(0, 0), 1.0);
    EXPECT_EQ(calc.Combinations(3, 5), 0.0);
    EXPECT_EQ(calc.Combinations(49, 49), 1.0);
    EXPECT_EQ(calc.Combinations(49, 24), 63205303218876.0);
}

TEST(Combinations, SymmetricAndPascal)
{
    TLottoCalc calc;
    for (int n = 1; n <= 49; ++n) {
        for (int k = 1; k <= n; ++k) {
            EXPECT_EQ(calc.Combinations(n, k), calc.Combinations(n, n - k)) << n << " " << k;
            EXPECT_EQ(calc.Combinations(n, k), calc.Combinations(n - 1, k - 1) + calc.Combinations(n - 1, k))
                << n << " " << k;
        }
    }
}

// One board's chances as the lotteries publish them, out of C(N', K): K
// main numbers drawn, then a bonus from the rest.
struct DivisionCase {
    uint8_t drawable;
    uint8_t marks;
    std::array<double, 7> ways;
    double total;
};

class DivisionProbabilityTest : public ::testing::TestWithParam<DivisionCase> {};

TEST_P(DivisionProbabilityTest, MatchesThePublishedOdds)
{
    const auto &c = GetParam();
    TLottoCalc calc;
    for (size_t d = 0; d < kDivisionTable.size(); ++d) {
        const TDivision &division = kDivisionTable[d];
        EXPECT_EQ(calc.DivisionProbability(c.drawable, c.marks, division.matches, division.bonus), c.ways[d] / c.total)
            << "division " << d + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Games, DivisionProbabilityTest,
                         ::testing::Values(DivisionCase{49, 6, {1, 6, 252, 630, 12915, 17220, 229600}, 13983816},
                                           DivisionCase{36, 5, {0, 0, 1, 5, 150, 300, 4350}, 376992},
                                           DivisionCase{45, 6, {1, 6, 228, 570, 10545, 14060, 168720}, 8145060}));

} // namespace
