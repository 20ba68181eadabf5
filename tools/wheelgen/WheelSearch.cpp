#include "WheelSearch.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace wheelgen {

namespace {

std::int64_t Choose(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    std::int64_t c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

std::uint32_t RandomSubset(int pool, int size, std::mt19937_64 &random)
{
    std::vector<int> places(static_cast<size_t>(pool));
    for (int i = 0; i < pool; ++i)
        places[static_cast<size_t>(i)] = i;
    std::shuffle(places.begin(), places.end(), random);
    std::uint32_t set = 0;
    for (int i = 0; i < size; ++i)
        set |= 1u << places[static_cast<size_t>(i)];
    return set;
}

// A random member of a set.
int RandomPlace(std::uint32_t set, std::mt19937_64 &random)
{
    int n = static_cast<int>(std::uniform_int_distribution<int>(0, std::popcount(set) - 1)(random));
    for (;; set &= set - 1)
        if (n-- == 0)
            return std::countr_zero(set);
}

} // namespace

std::vector<std::uint32_t> Subsets(int pool, int size)
{
    std::vector<std::uint32_t> sets;
    if (size == 0 || size > pool)
        return sets;
    const std::uint32_t end = 1u << pool;
    // Gosper's hack: the next larger number with as many bits.
    for (std::uint32_t s = (1u << size) - 1; s < end;) {
        sets.push_back(s);
        const std::uint32_t low = s & (~s + 1);
        const std::uint32_t ripple = s + low;
        s = (((ripple ^ s) >> 2) / low) | ripple;
    }
    return sets;
}

int CountingBound(const TGuarantee &g)
{
    std::int64_t most = 0;
    for (int i = g.matched; i <= std::min(g.marks, g.drawn); ++i)
        most += Choose(g.marks, i) * Choose(g.pool - g.marks, g.drawn - i);
    const std::int64_t all = Choose(g.pool, g.drawn);
    return static_cast<int>((all + most - 1) / most);
}

std::vector<std::uint32_t> Search(const TGuarantee &g, int boards, const std::vector<std::uint32_t> &start,
                                  std::mt19937_64 &random)
{
    const std::vector<std::uint32_t> sets = Subsets(g.pool, g.drawn);
    const size_t n = sets.size();
    const auto meets = [&](std::uint32_t set, std::uint32_t board) { return std::popcount(set & board) >= g.matched; };
    // The work of one try, in sets looked at, is bounded so that the large
    // pools take seconds, not hours; the small ones get many more moves.
    const long moves = std::clamp<long>(400'000'000L / static_cast<long>(n), 20'000L, 2'000'000L);
    std::uniform_real_distribution<double> unit(0.0, 1.0);

    for (int attempt = 0; attempt < 4; ++attempt) {
        std::vector<std::uint32_t> wheel = start;
        wheel.resize(static_cast<size_t>(boards), 0);
        for (std::uint32_t &board : wheel)
            if (board == 0 || attempt > 0)
                board = RandomSubset(g.pool, g.marks, random);
        std::vector<std::uint8_t> cover(n, 0);
        long uncovered = 0;
        for (size_t s = 0; s < n; ++s) {
            for (const std::uint32_t board : wheel)
                cover[s] = static_cast<std::uint8_t>(cover[s] + meets(sets[s], board));
            uncovered += cover[s] == 0;
        }
        double temperature = 1.0;
        const double cooling = std::pow(0.02, 1.0 / static_cast<double>(moves));
        for (long move = 0; move < moves && uncovered > 0; ++move, temperature *= cooling) {
            const size_t i = std::uniform_int_distribution<size_t>(0, wheel.size() - 1)(random);
            const std::uint32_t board = wheel[i];
            std::uint32_t in, out;
            if (unit(random) < 0.8) {
                // Towards a set left uncovered: one of its numbers in, one
                // the board holds beside it out.
                size_t s = std::uniform_int_distribution<size_t>(0, n - 1)(random);
                while (cover[s] != 0)
                    s = s + 1 == n ? 0 : s + 1;
                in = 1u << RandomPlace(sets[s] & ~board, random);
                out = 1u << RandomPlace(board & ~sets[s], random);
            } else {
                in = 1u << RandomPlace(~board & ((1u << g.pool) - 1), random);
                out = 1u << RandomPlace(board, random);
            }
            const std::uint32_t moved = (board | in) & ~out;
            long delta = 0;
            for (size_t s = 0; s < n; ++s) {
                if (!(sets[s] & (in | out)))
                    continue;
                const bool was = meets(sets[s], board);
                const bool is = meets(sets[s], moved);
                if (was && !is && cover[s] == 1)
                    ++delta;
                else if (is && !was && cover[s] == 0)
                    --delta;
            }
            if (delta > 0 && unit(random) >= std::exp(-static_cast<double>(delta) / temperature))
                continue;
            for (size_t s = 0; s < n; ++s) {
                if (!(sets[s] & (in | out)))
                    continue;
                const bool was = meets(sets[s], board);
                const bool is = meets(sets[s], moved);
                cover[s] = static_cast<std::uint8_t>(cover[s] - was + is);
            }
            wheel[i] = moved;
            uncovered += delta;
        }
        if (uncovered == 0)
            return wheel;
    }
    return {};
}

} // namespace wheelgen
