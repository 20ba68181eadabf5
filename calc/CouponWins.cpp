#include "calc/CouponWins.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <vector>

// How the boards' wins are counted without visiting every draw.
//
// Only the numbers on some board (the union U) matter one by one; the
// other N - |U| numbers are alike, so a main draw is counted as its part
// T inside U, standing for the C(N - |U|, K - |T|) draws that complete it
// from outside U. Nobody wins without three main matches, so only the T
// in which some board has three or more matches count. Each such T is
// visited exactly once, from the first board i that has them: T is i's
// matches S (three or more of its numbers) and up to K - |S| numbers of U
// outside board i, and T is passed over when an earlier board has three
// matches too.
//
// For a visited T every board's match count is known, and what remains
// is the bonus, one of the N - K numbers not drawn. A board with j
// matches wins one division when the bonus is among its K - j undrawn
// numbers R and maybe another when it is not; so the bonus numbers for
// which a board wins a given division are all of them, R, the numbers
// outside R, or none. The union of such sets over the boards, counted
// with bit masks, is how many bonus numbers make at least one board win.

namespace {

// At most this many different boards: their match counts are held in
// four bits each of one 64-bit word.
constexpr size_t kMaxCounted = 16;
constexpr uint64_t kNibbleOnes = 0x1111111111111111u;

uint64_t Choose(int n, int k)
{
    if (k < 0 || n < 0 || k > n)
        return 0;
    uint64_t value = 1;
    // After step i the value is C(n - k + i, i), a whole number.
    for (int i = 1; i <= k; ++i)
        value = value * static_cast<uint64_t>(n - k + i) / static_cast<uint64_t>(i);
    return value;
}

// Row of (matches, bonus) in the division table, -1 where it has none.
int DivisionOf(int matches, int bonus)
{
    for (size_t d = 0; d < kDivisionTable.size(); ++d)
        if (kDivisionTable[d].matches == matches && kDivisionTable[d].bonus == bonus)
            return static_cast<int>(d);
    return -1;
}

// The division a board with j main matches wins, with the bonus among its
// other numbers and without it; -1 for none.
struct TOutcome {
    int withBonus = -1;
    int withoutBonus = -1;
};

std::array<TOutcome, 8> Outcomes(int marks, const std::array<bool, 7> &on)
{
    const auto switchedOn = [&](int d) { return d >= 0 && on[static_cast<size_t>(d)] ? d : -1; };
    std::array<TOutcome, 8> outcomes{};
    for (int j = 0; j <= marks; ++j) {
        const int plain = switchedOn(DivisionOf(j, 0));
        const int bonus = j < marks ? switchedOn(DivisionOf(j, 1)) : -1;
        outcomes[static_cast<size_t>(j)] = {bonus >= 0 ? bonus : plain, plain};
    }
    return outcomes;
}

// The bonus numbers for which at least one of some boards wins: a union
// of sets each of which is everything, some numbers R, or all but R.
struct TBonusUnion {
    bool everything = false;
    bool anyComplement = false;
    uint64_t some = 0;       // union of the R
    uint64_t notOutside = 0; // intersection of the R whose outside is taken

    void Add(bool withBonus, bool withoutBonus, uint64_t rest)
    {
        if (withBonus && withoutBonus) {
            everything = true;
        } else if (withBonus) {
            some |= rest;
        } else if (withoutBonus) {
            notOutside = anyComplement ? notOutside & rest : rest;
            anyComplement = true;
        }
    }

    uint64_t Count(uint64_t undrawn) const
    {
        if (everything)
            return undrawn;
        if (anyComplement)
            return undrawn - static_cast<uint64_t>(std::popcount(notOutside & ~some));
        return static_cast<uint64_t>(std::popcount(some));
    }
};

class TCounter {
public:
    TCounter(uint8_t drawable, uint8_t marks, std::vector<uint64_t> boards, const std::array<bool, 7> &on)
        : FMarks(marks)
        , FBoards(std::move(boards))
        , FOutcomes(Outcomes(marks, on))
    {
        uint64_t all = 0;
        for (const uint64_t board : FBoards)
            all |= board;
        FUnion = all;
        const int inUnion = std::popcount(all);
        FDrawable = std::max<int>(drawable, inUnion);
        FUndrawn = static_cast<uint64_t>(FDrawable - FMarks);
        for (int t = 0; t <= FMarks; ++t)
            FCompletions[static_cast<size_t>(t)] = Choose(FDrawable - inUnion, FMarks - t);
        for (size_t k = 0; k < FBoards.size(); ++k)
            FAllHigh |= uint64_t{8} << (4 * k);
        for (int n = 0; n < 64; ++n)
            for (size_t k = 0; k < FBoards.size(); ++k)
                if (FBoards[k] >> n & 1)
                    FMembership[static_cast<size_t>(n)] += uint64_t{1} << (4 * k);
    }

    TWinCounts Count()
    {
        TWinCounts counts;
        if (FDrawable <= FMarks)
            return counts;
        counts.draws = Choose(FDrawable, FMarks) * FUndrawn;
        CountOneBoard(counts);
        for (size_t i = 0; i < FBoards.size(); ++i)
            VisitFirstWinsOf(i);
        AddAlone();
        counts.anyBoard = FAnyBoard;
        counts.anyDivision = FAnyDivision;
        return counts;
    }

private:
    struct TNumber {
        uint64_t bit;
        uint64_t membership;
    };

    // One board alone: C(K, j) C(N - K, K - j) main draws give it j matches;
    // K - j of the bonus numbers are then on it, the others not.
    void CountOneBoard(TWinCounts &counts) const
    {
        for (int j = 0; j <= FMarks; ++j) {
            const uint64_t ways = Choose(FMarks, j) * Choose(FDrawable - FMarks, FMarks - j);
            if (ways == 0)
                continue;
            const auto onBoard = static_cast<uint64_t>(FMarks - j);
            const TOutcome &outcome = FOutcomes[static_cast<size_t>(j)];
            if (outcome.withBonus >= 0)
                counts.oneBoard[static_cast<size_t>(outcome.withBonus)] += ways * onBoard;
            if (outcome.withoutBonus >= 0)
                counts.oneBoard[static_cast<size_t>(outcome.withoutBonus)] += ways * (FUndrawn - onBoard);
        }
    }

    // Every T whose first board with three matches or more is board i.
    void VisitFirstWinsOf(size_t i)
    {
        std::vector<uint64_t> own;
        std::vector<TNumber> outside;
        for (int n = 0; n < 64; ++n) {
            const uint64_t bit = uint64_t{1} << n;
            if (FBoards[i] & bit)
                own.push_back(bit);
            else if (FUnion & bit)
                outside.push_back({bit, FMembership[static_cast<size_t>(n)]});
        }
        FEarlierHigh = 0;
        for (size_t k = 0; k < i; ++k)
            FEarlierHigh |= uint64_t{8} << (4 * k);
        for (uint32_t subset = 0; subset < (1u << own.size()); ++subset) {
            const int size = std::popcount(subset);
            if (size < 3)
                continue;
            uint64_t drawn = 0;
            for (size_t m = 0; m < own.size(); ++m)
                if (subset >> m & 1)
                    drawn |= own[m];
            const uint64_t matches = (static_cast<uint64_t>(size) << (4 * i)) + Overlaps(drawn, i);
            FOwnHigh = uint64_t{8} << (4 * i);
            if (Tally(matches, drawn, size, size))
                Extend(outside, 0, FMarks - size, matches, drawn, size, size);
        }
    }

    // Matches of the boards other than i among the numbers of board i drawn.
    uint64_t Overlaps(uint64_t drawn, size_t i) const
    {
        uint64_t matches = 0;
        for (size_t k = 0; k < FBoards.size(); ++k)
            if (k != i)
                matches += static_cast<uint64_t>(std::popcount(FBoards[k] & drawn)) << (4 * k);
        return matches;
    }

    // T with up to `room` more numbers of U outside board i, each larger
    // than those already added.
    void Extend(const std::vector<TNumber> &outside, size_t from, int room, uint64_t matches, uint64_t drawn, int size,
                int own)
    {
        for (size_t n = from; n < outside.size(); ++n) {
            const uint64_t more = matches + outside[n].membership;
            const uint64_t moreDrawn = drawn | outside[n].bit;
            if (Tally(more, moreDrawn, size + 1, own) && room > 1)
                Extend(outside, n + 1, room - 1, more, moreDrawn, size + 1, own);
        }
    }

    // One T: `matches` holds every board's match count in four bits,
    // `drawn` its numbers, `size` how many, `own` board i's matches. False
    // when an earlier board has three matches: adding numbers only adds
    // matches, so no T that holds this one is board i's either.
    bool Tally(uint64_t matches, uint64_t drawn, int size, int own)
    {
        // A count of 3 to 7 plus 5 sets the nibble's top bit without a carry.
        const uint64_t winners = (matches + 5 * kNibbleOnes) & FAllHigh;
        if (winners & FEarlierHigh)
            return false;
        if (winners == FOwnHigh) {
            // Board i wins alone: what it wins depends only on its matches.
            ++FAloneVisits[static_cast<size_t>(own)][static_cast<size_t>(size)];
            return true;
        }
        const uint64_t weight = FCompletions[static_cast<size_t>(size)];
        if (weight == 0)
            return true;
        std::array<TBonusUnion, 8> unions{}; // divisions 1..7, then any division
        unsigned touched = 0;
        for (uint64_t rest = winners; rest != 0; rest &= rest - 1) {
            const int shift = std::countr_zero(rest) - 3;
            const auto j = static_cast<size_t>((matches >> shift) & 0xF);
            const uint64_t undrawn = FBoards[static_cast<size_t>(shift / 4)] & ~drawn;
            const TOutcome &outcome = FOutcomes[j];
            // The board wins no division but those of its outcome.
            for (const int d : {outcome.withBonus, outcome.withoutBonus}) {
                if (d < 0)
                    continue;
                unions[static_cast<size_t>(d)].Add(outcome.withBonus == d, outcome.withoutBonus == d, undrawn);
                touched |= 1u << d;
            }
            unions[7].Add(outcome.withBonus >= 0, outcome.withoutBonus >= 0, undrawn);
        }
        for (size_t d = 0; d < 7; ++d)
            if (touched >> d & 1)
                FAnyBoard[d] += weight * unions[d].Count(FUndrawn);
        FAnyDivision += weight * unions[7].Count(FUndrawn);
        return true;
    }

    // The draws in which one board alone has three matches or more, by j.
    void AddAlone()
    {
        for (int j = 3; j <= FMarks; ++j) {
            uint64_t weight = 0;
            for (size_t size = 0; size < FCompletions.size(); ++size)
                weight += FAloneVisits[static_cast<size_t>(j)][size] * FCompletions[size];
            if (weight == 0)
                continue;
            const auto onBoard = static_cast<uint64_t>(FMarks - j);
            const TOutcome &outcome = FOutcomes[static_cast<size_t>(j)];
            if (outcome.withBonus >= 0 && outcome.withBonus == outcome.withoutBonus) {
                FAnyBoard[static_cast<size_t>(outcome.withBonus)] += weight * FUndrawn;
            } else {
                if (outcome.withBonus >= 0)
                    FAnyBoard[static_cast<size_t>(outcome.withBonus)] += weight * onBoard;
                if (outcome.withoutBonus >= 0)
                    FAnyBoard[static_cast<size_t>(outcome.withoutBonus)] += weight * (FUndrawn - onBoard);
            }
            const uint64_t anyBonus =
                (outcome.withBonus >= 0 ? onBoard : 0) + (outcome.withoutBonus >= 0 ? FUndrawn - onBoard : 0);
            FAnyDivision += weight * anyBonus;
        }
    }

    int FMarks;
    int FDrawable = 0;
    uint64_t FUndrawn = 0; // N - K, the numbers the bonus is drawn from
    std::vector<uint64_t> FBoards;
    std::array<TOutcome, 8> FOutcomes;
    uint64_t FUnion = 0;
    std::array<uint64_t, 8> FCompletions{}; // by |T|: draws completing T outside U
    std::array<uint64_t, 64> FMembership{}; // by number: a 1 in the nibble of each board holding it
    uint64_t FAllHigh = 0;
    uint64_t FEarlierHigh = 0;
    uint64_t FOwnHigh = 0;
    // By board i's matches and |T|: the T in which board i wins alone.
    std::array<std::array<uint64_t, 8>, 8> FAloneVisits{};
    std::array<uint64_t, 7> FAnyBoard{};
    uint64_t FAnyDivision = 0;
};

} // namespace

TWinCounts CountWins(uint8_t drawable, uint8_t marks, std::span<const uint64_t> boards, const std::array<bool, 7> &on)
{
    // Identical boards win together: each is counted once.
    std::vector<uint64_t> distinct;
    for (const uint64_t board : boards)
        if (std::find(distinct.begin(), distinct.end(), board) == distinct.end())
            distinct.push_back(board);
    if (distinct.size() > kMaxCounted)
        throw std::length_error("CountWins: more than 16 different boards");
    if (marks > 7 || std::any_of(distinct.begin(), distinct.end(), [marks](uint64_t board) {
            return std::popcount(board) != marks;
        }))
        throw std::invalid_argument("CountWins: a board without exactly `marks` numbers");
    return TCounter(drawable, marks, std::move(distinct), on).Count();
}

int WonDivision(int marks, int matches, bool bonusMatched, const std::array<bool, 7> &on)
{
    if (marks < 0 || marks > 7 || matches < 0 || matches > marks)
        return -1;
    const TOutcome outcome = Outcomes(marks, on)[static_cast<size_t>(matches)];
    return bonusMatched ? outcome.withBonus : outcome.withoutBonus;
}
