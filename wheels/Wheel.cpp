#include "wheels/Wheel.h"

#include "wheels/WheelTable.h"

#include "texts/Texts.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace wheels {

namespace {

double Choose(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    double c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return std::round(c);
}

// Every set of `size` of the first `pool` places, as bit masks, calling
// visit for each.
template <typename F>
void ForEachSubset(int pool, int size, F visit)
{
    if (size == 0) {
        visit(0u);
        return;
    }
    const std::uint32_t end = 1u << pool;
    for (std::uint32_t s = (1u << size) - 1; s < end;) {
        visit(s);
        const std::uint32_t low = s & (~s + 1);
        const std::uint32_t ripple = s + low;
        s = (((ripple ^ s) >> 2) / low) | ripple;
    }
}

TWheel FromRow(const TWheelRow &row)
{
    TWheel wheel{row.marks, row.pool, row.matched, row.drawn, {}};
    wheel.boards.assign(row.boards, row.boards + row.count);
    return wheel;
}

} // namespace

std::vector<TWheel> Table()
{
    std::vector<TWheel> all;
    for (int i = 0; i < kWheelRowCount; ++i)
        all.push_back(FromRow(kWheelRows[i]));
    return all;
}

std::vector<TWheel> Fitting(int marks, int pool, int boards)
{
    std::vector<TWheel> fitting;
    for (int i = 0; i < kWheelRowCount; ++i) {
        const TWheelRow &row = kWheelRows[i];
        if (row.marks == marks && row.pool == pool && row.count <= boards)
            fitting.push_back(FromRow(row));
    }
    std::stable_sort(fitting.begin(), fitting.end(), [](const TWheel &a, const TWheel &b) {
        return a.matched != b.matched ? a.matched > b.matched : a.drawn < b.drawn;
    });
    return fitting;
}

std::vector<std::vector<int>> BoardsOf(const TWheel &wheel, const std::vector<int> &numbers)
{
    std::vector<std::vector<int>> boards;
    for (const TPoolSet board : wheel.boards) {
        std::vector<int> row;
        for (int i = 0; i < wheel.pool && i < static_cast<int>(numbers.size()); ++i)
            if (board & (1u << i))
                row.push_back(numbers[static_cast<size_t>(i)]);
        std::sort(row.begin(), row.end());
        boards.push_back(row);
    }
    return boards;
}

double ChanceOfAtLeast(int boardsize, int marks, int pool, int drawn)
{
    double ways = 0;
    for (int among = drawn; among <= marks; ++among)
        ways += Choose(pool, among) * Choose(boardsize - pool, marks - among);
    return ways / Choose(boardsize, marks);
}

std::vector<TCoverageRow> Coverage(const TWheel &wheel, int boardsize)
{
    std::vector<TCoverageRow> rows;
    const double draws = Choose(boardsize, wheel.marks);
    for (int among = 0; among <= wheel.marks; ++among) {
        TCoverageRow row;
        row.among = among;
        row.chance = Choose(wheel.pool, among) * Choose(boardsize - wheel.pool, wheel.marks - among) / draws;
        // Given how many of the player's numbers are drawn, every set of
        // that many of them is as likely as any other.
        std::array<double, 7> count{};
        double sets = 0;
        ForEachSubset(wheel.pool, among, [&](std::uint32_t drawnSet) {
            int best = 0;
            for (const TPoolSet board : wheel.boards)
                best = std::max(best, std::popcount(drawnSet & board));
            count[static_cast<size_t>(best)] += 1;
            sets += 1;
        });
        for (size_t h = 0; h < count.size(); ++h)
            row.best[h] = sets > 0 ? count[h] / sets : 0;
        rows.push_back(row);
    }
    return rows;
}

TNumbersRead ReadNumbers(const std::string &text, int marks, int boardsize, const std::vector<bool> &excluded)
{
    TNumbersRead read;
    const auto fail = [&](const std::string &error) {
        read.numbers.clear();
        read.error = error;
        return read;
    };
    std::string field;
    std::vector<std::string> fields;
    for (const char c : text + ' ') {
        if (c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r') {
            if (!field.empty())
                fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    const std::string size = std::to_string(boardsize);
    for (const std::string &f : fields) {
        const bool digits =
            f.size() <= 3 && std::all_of(f.begin(), f.end(), [](char c) { return c >= '0' && c <= '9'; });
        const int n = digits ? std::stoi(f) : 0;
        if (n < 1 || n > boardsize)
            return fail(texts::Arg(DRAWVANE_TR("Drawvane", "%1 is not a number from 1 to %2"), {f, size}));
        if (static_cast<size_t>(n) < excluded.size() && excluded[static_cast<size_t>(n)])
            return fail(texts::Arg(DRAWVANE_TR("Drawvane", "%1 is excluded"), {std::to_string(n)}));
        if (std::find(read.numbers.begin(), read.numbers.end(), n) != read.numbers.end())
            return fail(texts::Arg(DRAWVANE_TR("Drawvane", "%1 appears twice"), {std::to_string(n)}));
        read.numbers.push_back(n);
    }
    const int count = static_cast<int>(read.numbers.size());
    if (count < marks + 1 || count > kMaxPool)
        return fail(texts::Arg(DRAWVANE_TR("Drawvane", "Enter %1 to %2 numbers"),
                               {std::to_string(marks + 1), std::to_string(kMaxPool)}));
    std::sort(read.numbers.begin(), read.numbers.end());
    return read;
}

std::string GuaranteeChoice(const TWheel &wheel)
{
    const size_t n = wheel.boards.size();
    return texts::Arg(n == 1 ? DRAWVANE_TR("Drawvane", "%1 if %2: 1 board")
                             : DRAWVANE_TR("Drawvane", "%1 if %2: %3 boards"),
                      {std::to_string(wheel.matched), std::to_string(wheel.drawn), std::to_string(n)});
}

std::string GuaranteeSentence(const TWheel &wheel)
{
    return texts::Arg(
        DRAWVANE_TR("Drawvane", "If %1 of the %2 numbers drawn are among your %3, at least one board has %4 of them."),
        {std::to_string(wheel.drawn), std::to_string(wheel.marks), std::to_string(wheel.pool),
         std::to_string(wheel.matched)});
}

std::string ChanceSentence(const TWheel &wheel, int boardsize)
{
    const double chance = ChanceOfAtLeast(boardsize, wheel.marks, wheel.pool, wheel.drawn);
    const long long odds = std::llround(1.0 / chance);
    return texts::Arg(DRAWVANE_TR("Drawvane", "%1 or more of your %2 numbers are drawn in 1 draw out of %3."),
                      {std::to_string(wheel.drawn), std::to_string(wheel.pool), std::to_string(odds)});
}

std::string NothingFits(int boards)
{
    return texts::Arg(DRAWVANE_TR("Drawvane", "No guarantee fits in %1 boards; use fewer numbers"),
                      {std::to_string(boards)});
}

} // namespace wheels
