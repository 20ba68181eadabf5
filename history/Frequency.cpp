#include "history/Frequency.h"
#include "texts/Texts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

// Why the Pearson statistic is scaled.
//
// In one draw of k different numbers out of N, number i is drawn (X_i = 1)
// with chance k/N, and two numbers together with chance k(k-1)/(N(N-1)), so
//   Var X_i = k(N-k)/N^2,   Cov(X_i, X_j) = -k(N-k)/(N^2 (N-1)),
// that is Cov X = s (I - J/N) with s = k(N-k)/(N(N-1)) and J all ones. Over
// D draws the counts O have mean E = Dk/N each and covariance D s (I - J/N),
// and O - E lies in the N - 1 dimensional space of vectors summing to 0, on
// which I - J/N is the identity. So |O - E|^2 / (D s) is asymptotically
// chi-square on N - 1 degrees of freedom, while Pearson's
//   X^2 = sum (O - E)^2 / E = |O - E|^2 N / (Dk) = |O - E|^2 / (D s) x (N-k)/(N-1).
// The statistic tested is therefore X^2 (N-1)/(N-k). Unscaled, X^2 would
// come out (N-k)/(N-1) of a chi-square (43/48 for 6 of 49), and every
// history would look fairer than fair.

namespace {

// Stop when a step changes the sum by less than this, relatively.
constexpr double kEpsilon = 1e-15;
constexpr int kMaxSteps = 100000;

std::string TwoDecimals(double value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr;
    return std::string(buffer, end);
}

// x^a e^-x / Gamma(a), the factor both expansions share.
double GammaPrefactor(double a, double x)
{
    return std::exp(a * std::log(x) - x - std::lgamma(a));
}

// P(a, x) = 1 - Q(a, x) by its series, which converges fast for x < a + 1.
double LowerGammaSeries(double a, double x)
{
    double term = 1 / a;
    double sum = term;
    for (int n = 1; n < kMaxSteps; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kEpsilon)
            break;
    }
    return sum * GammaPrefactor(a, x);
}

// Q(a, x) by its continued fraction, evaluated by the modified Lentz method;
// it converges fast for x >= a + 1.
double UpperGammaFraction(double a, double x)
{
    constexpr double tiny = std::numeric_limits<double>::min() / kEpsilon;
    double b = x + 1 - a;
    double c = 1 / tiny;
    double d = 1 / b;
    double fraction = d;
    for (int i = 1; i < kMaxSteps; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < tiny)
            d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny)
            c = tiny;
        d = 1 / d;
        const double step = d * c;
        fraction *= step;
        if (std::fabs(step - 1) < kEpsilon)
            break;
    }
    return fraction * GammaPrefactor(a, x);
}

} // namespace

uint64_t BinomialQuantile(uint64_t trials, double p, double level)
{
    if (!(p > 0 && p < 1) || !(level > 0 && level < 1))
        throw std::invalid_argument("BinomialQuantile: p and level between 0 and 1");
    const double n = static_cast<double>(trials);
    const double logP = std::log(p);
    const double logQ = std::log1p(-p);
    const double logAll = std::lgamma(n + 1);
    double cumulative = 0;
    for (uint64_t c = 0; c < trials; ++c) {
        const double i = static_cast<double>(c);
        cumulative += std::exp(logAll - std::lgamma(i + 1) - std::lgamma(n - i + 1) + i * logP + (n - i) * logQ);
        if (cumulative >= level)
            return c;
    }
    return trials;
}

double UpperGammaQ(double a, double x)
{
    if (!(a > 0) || !(x >= 0))
        throw std::invalid_argument("UpperGammaQ: a > 0 and x >= 0");
    if (x == 0)
        return 1;
    if (x < a + 1)
        return 1 - LowerGammaSeries(a, x);
    return UpperGammaFraction(a, x);
}

double ChiSquareUpperTail(double statistic, int degrees)
{
    return UpperGammaQ(degrees / 2.0, std::max(statistic, 0.0) / 2);
}

TFrequencies CountFrequencies(const std::vector<THistoryDraw> &draws, uint8_t marks, uint8_t boardsize)
{
    if (marks < 1 || boardsize <= marks)
        throw std::invalid_argument("CountFrequencies: a game of fewer numbers drawn than on the board");
    TFrequencies result;
    result.marks = marks;
    result.boardsize = boardsize;
    result.mainCounts.assign(boardsize, 0);
    result.bonusCounts.assign(boardsize, 0);
    const auto count = [boardsize](std::vector<uint64_t> &counts, uint8_t number) {
        if (number < 1 || number > boardsize)
            throw std::invalid_argument("CountFrequencies: a number outside the board");
        ++counts[number - 1u];
    };
    for (const THistoryDraw &draw : draws) {
        if (draw.numbers.size() != marks)
            throw std::invalid_argument("CountFrequencies: a draw without `marks` main numbers");
        for (const uint8_t number : draw.numbers)
            count(result.mainCounts, number);
        if (draw.bonus != 0) {
            count(result.bonusCounts, draw.bonus);
            ++result.bonusDraws;
        }
        ++result.draws;
    }
    const double share = static_cast<double>(marks) / boardsize;
    result.expected = static_cast<double>(result.draws) * share;
    result.band = {BinomialQuantile(result.draws, share, 0.025), BinomialQuantile(result.draws, share, 0.975)};
    result.expectedBonus = static_cast<double>(result.bonusDraws) / boardsize;
    result.bonusBand = {BinomialQuantile(result.bonusDraws, 1.0 / boardsize, 0.025),
                        BinomialQuantile(result.bonusDraws, 1.0 / boardsize, 0.975)};
    return result;
}

TFairDrawTest FairDrawTest(const TFrequencies &frequencies)
{
    TFairDrawTest test;
    if (frequencies.draws == 0)
        return test;
    const double n = frequencies.boardsize;
    const double k = frequencies.marks;
    double pearson = 0;
    for (const uint64_t observed : frequencies.mainCounts) {
        const double deviation = static_cast<double>(observed) - frequencies.expected;
        pearson += deviation * deviation / frequencies.expected;
    }
    test.tested = true;
    test.statistic = pearson * (n - 1) / (n - k);
    test.degrees = frequencies.boardsize - 1;
    test.p = ChiSquareUpperTail(test.statistic, test.degrees);
    return test;
}

std::string FairDrawText(const TFairDrawTest &test)
{
    if (!test.tested)
        return DRAWVANE_TR("Drawvane", "Fair draw test: no draws yet");
    // The verdict's line is drawn where two decimals stop telling p from 0.
    if (test.p < 0.01)
        return texts::Arg(DRAWVANE_TR("Drawvane",
                                      "Fair draw test: chi-square %1 on %2 degrees of freedom, p < 0.01, "
                                      "unlikely under a fair draw"),
                          {TwoDecimals(test.statistic), std::to_string(test.degrees)});
    return texts::Arg(DRAWVANE_TR("Drawvane",
                                  "Fair draw test: chi-square %1 on %2 degrees of freedom, p = %3, "
                                  "consistent with a fair draw"),
                      {TwoDecimals(test.statistic), std::to_string(test.degrees), TwoDecimals(test.p)});
}
