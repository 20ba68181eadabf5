#include "calc/CalculationsUnit.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct Division {
    uint8_t matches;
    uint8_t bonus;
};

// Display order of the prize divisions: "6", "5 + bonus ball", "5",
// "4 + bonus ball", "4", "3 + bonus ball", "3".
constexpr std::array<Division, 7> kDivisions = {{{6, 0}, {5, 1}, {5, 0}, {4, 1}, {4, 0}, {3, 1}, {3, 0}}};

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

struct DivisionCase {
    uint8_t drawable;
    uint8_t marks;
    std::array<double, 7> ways;
    double total;
};

class DivisionProbabilityTest : public ::testing::TestWithParam<DivisionCase> {};

TEST_P(DivisionProbabilityTest, MatchesHypergeometricCounts)
{
    const auto &c = GetParam();
    TLottoCalc calc;
    for (size_t d = 0; d < kDivisions.size(); ++d) {
        const double p = calc.DivisionProbability(c.drawable, c.marks, kDivisions[d].matches, kDivisions[d].bonus);
        EXPECT_DOUBLE_EQ(p, c.ways[d] / c.total) << "division " << d + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Games, DivisionProbabilityTest,
                         ::testing::Values(DivisionCase{49, 6, {1, 6, 258, 1290, 13545, 54180, 246820}, 13983816},
                                           DivisionCase{36, 5, {0, 0, 1, 5, 155, 620, 4650}, 376992},
                                           DivisionCase{45, 6, {1, 6, 234, 1170, 11115, 44460, 182780}, 8145060}));

TEST(SharedProbability, FullOverlapEqualsDivisionAndNoneIsZero)
{
    TLottoCalc calc;
    for (uint8_t drawable : {36, 39, 45, 49}) {
        for (uint8_t marks : {5, 6}) {
            for (const auto &d : kDivisions) {
                EXPECT_EQ(calc.SharedProbability(drawable, marks, marks, d.matches, d.bonus),
                          calc.DivisionProbability(drawable, marks, d.matches, d.bonus));
                EXPECT_EQ(calc.SharedProbability(drawable, marks, 0, d.matches, d.bonus), 0.0);
                for (uint8_t shared = 0; shared <= marks; ++shared)
                    EXPECT_LE(calc.SharedProbability(drawable, marks, shared, d.matches, d.bonus),
                              calc.DivisionProbability(drawable, marks, d.matches, d.bonus));
            }
        }
    }
}

TEST(SharedProbability, FiveSharedOfSixCannotWinTheTopTwo)
{
    TLottoCalc calc;
    EXPECT_EQ(calc.SharedProbability(49, 6, 5, 6, 0), 0.0);
    EXPECT_EQ(calc.SharedProbability(49, 6, 5, 5, 1), 0.0);
    // Three of 6 drawn among the 3 shared numbers, 3 of the 43 others.
    EXPECT_DOUBLE_EQ(calc.SharedProbability(49, 6, 3, 3, 0), 12341.0 / 13983816.0);
}

} // namespace
