#pragma once

// The results panel StatsPanel: per prize division the chance that the
// coupon's full boards win it, the odds and the expected return in dollars,
// with a totals row under each column. It shows the figures it is given and
// reads nothing itself.

#include "coupon/logic/CouponState.h"
#include "coupon/logic/ResultFigures.h"

#include <QFrame>

#include <array>
#include <cstdint>
#include <functional>

class QLabel;

using TPayments = std::array<int64_t, 7>;

class TResultsPanel : public QFrame {
    Q_OBJECT
public:
    explicit TResultsPanel(QWidget *parent);

    // The probabilities of the seven divisions over the coupon's full
    // boards (divisions[d] == 1 switches division d + 1 on; excludedCount
    // numbers leave the draw), then ShowOdds and ShowReturns with the
    // payments, asked for once the probabilities are shown; or, when no
    // draw wins anything, every value emptied.
    void CalculateResults(const TCouponState &coupon, const TCouponShape &shape,
                          const std::array<uint8_t, 7> &divisions, uint8_t excludedCount,
                          const std::function<TPayments()> &payments);
    // The odds column from the calculated chances.
    void ShowOdds(const TWinColumn &win);
    // The returns column from the calculated chances and the payments.
    void ShowReturns(const TWinColumn &win, const TPayments &payments);
    void ClearWinLabels();
    void ClearOddsLabels();
    void ClearPayLabels();

private:
    std::array<QLabel *, 8> FWinLabels{};  // WinDiv1Label..WinDiv7Label, TotalWinProbability
    std::array<QLabel *, 8> FOddsLabels{}; // Odds1Label..Odds7Label, OddsTotalLabel
    std::array<QLabel *, 8> FPayLabels{};  // Pay1Label..Pay7Label, PayTotalLabel
};
