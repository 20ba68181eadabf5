#include "history/Frequency.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace {

// P(X <= c) for X ~ Binomial(trials, p), c = 0..trials, built up trial by
// trial as Pascal's triangle with weights.
std::vector<double> PascalCumulative(uint64_t trials, double p)
{
    std::vector<double> pmf = {1.0};
    for (uint64_t t = 0; t < trials; ++t) {
        std::vector<double> next(pmf.size() + 1, 0.0);
        for (size_t i = 0; i < pmf.size(); ++i) {
            next[i] += pmf[i] * (1 - p);
            next[i + 1] += pmf[i] * p;
        }
        pmf = std::move(next);
    }
    std::partial_sum(pmf.begin(), pmf.end(), pmf.begin());
    return pmf;
}

TEST(Frequency, BinomialQuantileEqualsPascalsTriangle)
{
    for (const uint64_t trials : {0, 1, 2, 7, 50, 200, 1000}) {
        for (const double p : {6.0 / 49, 5.0 / 36, 1.0 / 49, 1.0 / 36, 6.0 / 36}) {
            const std::vector<double> cumulative = PascalCumulative(trials, p);
            for (const double level : {0.025, 0.5, 0.975}) {
                const auto slow = static_cast<uint64_t>(
                    std::find_if(cumulative.begin(), cumulative.end(), [&](double c) { return c >= level; })
                    - cumulative.begin());
                EXPECT_EQ(BinomialQuantile(trials, p, level), std::min(slow, trials))
                    << trials << " trials, p " << p << ", level " << level;
            }
        }
    }
}

TEST(Frequency, CountsMainNumbersAndBonusApart)
{
    const std::vector<THistoryDraw> draws = {
        {TDrawDate{2025, 12, 6}, {1, 2, 3, 4, 5, 6}, 7},
        {std::nullopt, {6, 5, 4, 3, 2, 49}, 0},
        {TDrawDate{2025, 12, 9}, {10, 20, 30, 40, 48, 49}, 1},
    };
    const TFrequencies f = CountFrequencies(draws, 6, 49);
    std::vector<uint64_t> mainCounts(49, 0);
    for (const int n : {1, 10, 20, 30, 40, 48})
        mainCounts[n - 1] = 1;
    for (const int n : {2, 3, 4, 5, 6, 49})
        mainCounts[n - 1] = 2;
    std::vector<uint64_t> bonusCounts(49, 0);
    bonusCounts[7 - 1] = bonusCounts[1 - 1] = 1;
    EXPECT_EQ(f.mainCounts, mainCounts);
    EXPECT_EQ(f.bonusCounts, bonusCounts);
    EXPECT_EQ(f.draws, 3u);
    EXPECT_EQ(f.bonusDraws, 2u);
    EXPECT_DOUBLE_EQ(f.expected, 3 * 6 / 49.0);
    EXPECT_DOUBLE_EQ(f.expectedBonus, 2 / 49.0);
    EXPECT_EQ(f.band.low, 0u);
    EXPECT_EQ(f.band.high, 2u); // P(X <= 1) = 0.9598 for Binomial(3, 6/49)
    EXPECT_EQ(f.bonusBand.high, 1u);

    // 1000 draws of 6 of 49: a mean of 122.4 and a standard deviation of 10.4.
    const TFrequencies many = CountFrequencies(std::vector<THistoryDraw>(1000, draws[0]), 6, 49);
    EXPECT_EQ(many.band.low, BinomialQuantile(1000, 6.0 / 49, 0.025));
    EXPECT_GT(many.band.low, 100u);
    EXPECT_LT(many.band.high, 145u);
}

// Q(a, x) for whole and half-whole a by their closed forms:
//   Q(m, x) = e^-x sum_{i<m} x^i / i!
//   Q(m + 1/2, x) = erfc(sqrt x) + e^-x sum_{i<m} x^(i+1/2) / Gamma(i + 3/2)
double ClosedFormQ(int twiceA, double x)
{
    double sum = twiceA % 2 == 0 ? 0 : std::erfc(std::sqrt(x));
    for (int i = 0; 2 * i + 2 <= twiceA; ++i) {
        const double power = twiceA % 2 == 0 ? i : i + 0.5;
        sum += std::exp(power * std::log(x) - x - std::lgamma(power + 1));
    }
    return sum;
}

TEST(Frequency, UpperGammaEqualsClosedForms)
{
    for (int twiceA = 1; twiceA <= 120; ++twiceA) {
        for (const double x : {0.01, 0.3, 1.0, 2.5, 7.0, 15.0, 24.0, 24.5, 25.0, 30.0, 40.0, 60.0, 90.0}) {
            const double exact = ClosedFormQ(twiceA, x);
            EXPECT_NEAR(UpperGammaQ(twiceA / 2.0, x), exact, 1e-13 + 1e-11 * exact)
                << "a " << twiceA / 2.0 << ", x " << x;
        }
    }
    EXPECT_EQ(UpperGammaQ(3, 0), 1.0);
}

// Chi-square tables, to their three or four digits.
TEST(Frequency, ChiSquareTailMatchesTheTables)
{
    const struct {
        double statistic;
        int degrees;
        double p;
    } rows[] = {{3.841, 1, 0.05},   {6.635, 1, 0.01},    {5.991, 2, 0.05},   {0.103, 2, 0.95},    {18.307, 10, 0.05},
                {3.940, 10, 0.95},  {23.209, 10, 0.01},  {67.505, 50, 0.05}, {76.154, 50, 0.01},  {34.764, 50, 0.95},
                {65.171, 48, 0.05}, {41.27, 48, 0.7431}, {49.802, 35, 0.05}, {124.342, 100, 0.05}};
    for (const auto &row : rows)
        EXPECT_NEAR(ChiSquareUpperTail(row.statistic, row.degrees), row.p, 2e-4)
            << row.statistic << " on " << row.degrees;
}

TEST(Frequency, FairDrawText)
{
    const struct {
        TFairDrawTest test;
        const char *text;
    } rows[] = {
        {{true, 41.2719, 48, 0.7429},
         "Fair draw test: chi-square 41.27 on 48 degrees of freedom, p = 0.74, consistent with a fair draw"},
        {{true, 70.2, 48, 0.0100001},
         "Fair draw test: chi-square 70.20 on 48 degrees of freedom, p = 0.01, consistent with a fair draw"},
        {{true, 70.3, 48, 0.00999},
         "Fair draw test: chi-square 70.30 on 48 degrees of freedom, p < 0.01, unlikely under a fair draw"},
        {{true, 12.0, 35, 0.9999},
         "Fair draw test: chi-square 12.00 on 35 degrees of freedom, p = 1.00, consistent "
         "with a fair draw"},
        {{}, "Fair draw test: no draws yet"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(FairDrawText(row.test), row.text);
    EXPECT_EQ(FairDrawText(FairDrawTest(CountFrequencies({}, 6, 49))), "Fair draw test: no draws yet");
}

// One fair draw: `marks` different numbers of 1..boardsize.
THistoryDraw FairDraw(int marks, int boardsize, std::mt19937_64 &random, std::vector<uint8_t> &numbers)
{
    numbers.resize(static_cast<size_t>(boardsize));
    std::iota(numbers.begin(), numbers.end(), uint8_t{1});
    for (int i = 0; i < marks; ++i) {
        const auto j = std::uniform_int_distribution<int>(i, boardsize - 1)(random);
        std::swap(numbers[static_cast<size_t>(i)], numbers[static_cast<size_t>(j)]);
    }
    return {std::nullopt, {numbers.begin(), numbers.begin() + marks}, numbers[static_cast<size_t>(marks)]};
}

// The largest distance between the p-values' empirical distribution and
// the uniform one (Kolmogorov-Smirnov).
double DistanceFromUniform(std::vector<double> p)
{
    std::sort(p.begin(), p.end());
    const double n = static_cast<double>(p.size());
    double distance = 0;
    for (size_t i = 0; i < p.size(); ++i)
        distance = std::max({distance, (static_cast<double>(i) + 1) / n - p[i], p[i] - static_cast<double>(i) / n});
    return distance;
}

// Under fair draws the test's p-value is uniform on 0..1: 2000 histories of
// 200 draws give a Kolmogorov-Smirnov distance below 0.05 (0.1 % of fair
// samples go past 0.044). Pearson's statistic left unscaled would be too
// small, its p-values too large and far from uniform.
TEST(Frequency, FairHistoriesGiveUniformPValuesOnlyWithTheScaling)
{
    const struct {
        int marks;
        int boardsize;
    } games[] = {{6, 49}, {5, 36}};
    std::mt19937_64 random(20251206);
    std::vector<uint8_t> numbers;
    for (const auto &game : games) {
        std::vector<double> scaled;
        std::vector<double> unscaled;
        for (int h = 0; h < 2000; ++h) {
            std::vector<THistoryDraw> draws;
            draws.reserve(200);
            for (int d = 0; d < 200; ++d)
                draws.push_back(FairDraw(game.marks, game.boardsize, random, numbers));
            const TFrequencies f =
                CountFrequencies(draws, static_cast<uint8_t>(game.marks), static_cast<uint8_t>(game.boardsize));
            const TFairDrawTest test = FairDrawTest(f);
            ASSERT_TRUE(test.tested);
            ASSERT_EQ(test.degrees, game.boardsize - 1);
            scaled.push_back(test.p);
            double pearson = 0;
            for (const uint64_t count : f.mainCounts)
                pearson += std::pow(static_cast<double>(count) - f.expected, 2) / f.expected;
            unscaled.push_back(ChiSquareUpperTail(pearson, test.degrees));
        }
        SCOPED_TRACE(testing::Message() << game.marks << " of " << game.boardsize);
        EXPECT_LT(DistanceFromUniform(scaled), 0.05);
        EXPECT_GT(DistanceFromUniform(unscaled), 0.12);
    }
}

// A history in which number 1 comes up in every draw is caught.
TEST(Frequency, LoadedHistoryIsUnlikely)
{
    std::mt19937_64 random(5);
    std::vector<uint8_t> numbers;
    std::vector<THistoryDraw> draws;
    for (int d = 0; d < 100; ++d) {
        THistoryDraw draw = FairDraw(6, 49, random, numbers);
        if (std::find(draw.numbers.begin(), draw.numbers.end(), 1) == draw.numbers.end())
            draw.numbers[0] = 1;
        draws.push_back(draw);
    }
    const TFairDrawTest test = FairDrawTest(CountFrequencies(draws, 6, 49));
    EXPECT_LT(test.p, 1e-6);
    EXPECT_TRUE(FairDrawText(test).ends_with("p < 0.01, unlikely under a fair draw"));
}

} // namespace
