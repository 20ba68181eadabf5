#pragma once

#include <array>
#include <cstdint>

// The program's calculator: the division probabilities of one board and
// its Punch and Spread coefficients. It holds no state; create one for a
// calculation and drop it. What a whole coupon wins is in CouponWins.h.
class TLottoCalc {
public:
    // C(n, k); 0 when k > n.
    double Combinations(uint8_t n, uint8_t k) const;

    // Probability that one board of `marks` (K) numbers out of `drawable`
    // (N') wins the division of `matches` (j) main numbers with the bonus
    // number among its other K - j numbers (`bonus` 1) or not (0), when K
    // main numbers and then a bonus are drawn and every division is on.
    double DivisionProbability(uint8_t drawable, uint8_t marks, uint8_t matches, uint8_t bonus) const;

    // Punch, 0..100, from the sum of the marked numbers.
    int32_t PunchCoefficient(int32_t sum, uint8_t marks, uint8_t cells) const;

    // Spread, 0..100, from the board's flags for cells 1..49 (non-zero = marked).
    int32_t SpreadCoefficient(const std::array<uint8_t, 49> &flags, uint8_t marks, uint8_t cells) const;
};

// Number of K-subsets of 1..N (K = marks 5 or 6, N = cells 36..49) whose spread
// index is `index` (0..200); 0 outside the tables.
int64_t SpreadCounts(uint8_t marks, uint8_t index, uint8_t cells);

// Largest entry of the column (marks, cells); 0 outside the tables.
int64_t SpreadPeak(uint8_t marks, uint8_t cells);
