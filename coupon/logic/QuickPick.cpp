#include "coupon/logic/QuickPick.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

using TMask = uint64_t; // bit n: number n

TMask MaskOf(const TCouponState &coupon, int board, int boardsize)
{
    TMask mask = 0;
    for (int n = 1; n <= boardsize; ++n)
        if (coupon.Marked(board, n))
            mask |= TMask{1} << n;
    return mask;
}

// Every way to choose `need` of `pool`, each as a mask; only called when
// they are few.
void EveryChoice(const std::vector<uint8_t> &pool, size_t from, int need, TMask chosen, std::vector<TMask> &out)
{
    if (need == 0) {
        out.push_back(chosen);
        return;
    }
    for (size_t i = from; i + static_cast<size_t>(need) <= pool.size(); ++i)
        EveryChoice(pool, i + 1, need - 1, chosen | TMask{1} << pool[i], out);
}

uint64_t Choose(uint64_t n, uint64_t k)
{
    uint64_t value = 1;
    for (uint64_t i = 1; i <= k; ++i)
        value = value * (n - k + i) / i;
    return value;
}

// Below this many completions every one of them is listed and one taken
// among those that repeat no board; above it a random one is drawn again
// while it repeats one, which at most 11 boards make rare.
constexpr uint64_t kListedChoices = 4096;
constexpr int kRedraws = 1000;

} // namespace

std::vector<TBoardPick> QuickPick(const TCouponState &coupon, const TCouponShape &shape,
                                  const std::function<bool(uint8_t)> &isExcluded, TQuickPickRandom &random)
{
    const int boards = std::min<int>(shape.boards, kMaxBoards);
    const int size = std::min<int>(shape.boardsize, kMaxNumbers);
    std::vector<TMask> full; // the full boards' numbers, those completed included
    for (int b = 1; b <= boards; ++b)
        if (coupon.MarkCount(b) >= shape.marks)
            full.push_back(MaskOf(coupon, b, size));
    const auto repeats = [&](TMask mask) { return std::ranges::find(full, mask) != full.end(); };

    std::vector<TBoardPick> picks;
    for (int b = 1; b <= boards; ++b) {
        const int need = shape.marks - coupon.MarkCount(b);
        if (need <= 0)
            continue;
        const TMask kept = MaskOf(coupon, b, size);
        std::vector<uint8_t> pool;
        for (int n = 1; n <= size; ++n)
            if (!(kept >> n & 1) && !isExcluded(static_cast<uint8_t>(n)))
                pool.push_back(static_cast<uint8_t>(n));
        if (pool.size() < static_cast<size_t>(need))
            continue;

        TMask added = 0;
        if (Choose(pool.size(), static_cast<uint64_t>(need)) <= kListedChoices) {
            std::vector<TMask> choices;
            EveryChoice(pool, 0, need, 0, choices);
            std::vector<TMask> fresh;
            std::ranges::copy_if(choices, std::back_inserter(fresh), [&](TMask c) { return !repeats(kept | c); });
            const std::vector<TMask> &from = fresh.empty() ? choices : fresh;
            added = from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
        } else {
            for (int attempt = 0; attempt < kRedraws && (added == 0 || repeats(kept | added)); ++attempt) {
                std::vector<uint8_t> sample;
                std::ranges::sample(pool, std::back_inserter(sample), need, random);
                added = 0;
                for (const uint8_t n : sample)
                    added |= TMask{1} << n;
            }
        }

        TBoardPick pick{static_cast<uint8_t>(b), {}};
        for (int n = 1; n <= size; ++n)
            if (added >> n & 1)
                pick.numbers.push_back(static_cast<uint8_t>(n));
        full.push_back(kept | added);
        picks.push_back(std::move(pick));
    }
    return picks;
}
