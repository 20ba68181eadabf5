#pragma once

// How often each number was drawn, what a fair draw would give, and a
// chi-square test of whether the history looks like fair draws.

#include "history/DrawImport.h"

#include <cstdint>
#include <string>
#include <vector>

// The counts between which a fair draw keeps one number's count 95 times in
// 100: the 2.5 % and the 97.5 % quantiles of its binomial distribution,
// each the smallest count c with P(count <= c) >= 0.025 or 0.975.
struct TCountBand {
    uint64_t low = 0;
    uint64_t high = 0;
};

struct TFrequencies {
    uint8_t marks = 0;
    uint8_t boardsize = 0;
    uint64_t draws = 0;
    uint64_t bonusDraws = 0; // draws that have a bonus ball
    // Index n - 1: draws with number n among the main numbers, and as the bonus.
    std::vector<uint64_t> mainCounts;
    std::vector<uint64_t> bonusCounts;
    // Under a fair draw each main count is Binomial(draws, marks / boardsize),
    // each bonus count Binomial(bonusDraws, 1 / boardsize).
    double expected = 0; // draws x marks / boardsize
    TCountBand band;
    double expectedBonus = 0; // bonusDraws / boardsize
    TCountBand bonusBand;
};

// The draws must be of `marks` main numbers from 1..`boardsize`, as the
// importer gives them.
TFrequencies CountFrequencies(const std::vector<THistoryDraw> &draws, uint8_t marks, uint8_t boardsize);

// The smallest c with P(X <= c) >= `level` for X ~ Binomial(trials, p),
// 0 < p < 1, 0 < level < 1.
uint64_t BinomialQuantile(uint64_t trials, double p, double level);

// The regularized upper incomplete gamma function Q(a, x), a > 0, x >= 0.
double UpperGammaQ(double a, double x);

// P(X >= statistic) for X chi-square with `degrees` degrees of freedom.
double ChiSquareUpperTail(double statistic, int degrees);

// The chi-square test of the main numbers' counts against a fair draw.
struct TFairDrawTest {
    bool tested = false; // false without a single draw
    double statistic = 0;
    int degrees = 0; // boardsize - 1
    double p = 1;
};

TFairDrawTest FairDrawTest(const TFrequencies &frequencies);

// "Fair draw test: chi-square 41.27 on 48 degrees of freedom, p = 0.74,
// consistent with a fair draw"; below 0.01 "p < 0.01, unlikely under a
// fair draw"; without a draw "Fair draw test: no draws yet".
std::string FairDrawText(const TFairDrawTest &test);
