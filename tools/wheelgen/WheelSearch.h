#pragma once

// The search that makes the program's table of wheels: for a guarantee
// "matched if drawn" on a pool of numbers, boards of `marks` numbers such
// that every set of `drawn` numbers of the pool meets some board in at
// least `matched` of them. Simulated annealing on the number of sets left
// uncovered, as covering designs are searched for.

#include <cstdint>
#include <random>
#include <vector>

namespace wheelgen {

struct TGuarantee {
    int marks = 0;
    int pool = 0;
    int matched = 0;
    int drawn = 0;
};

// Every set of `size` of the first `pool` places, as bit masks.
std::vector<std::uint32_t> Subsets(int pool, int size);

// Boards (bit masks of the pool's places) that give the guarantee with
// `boards` of them, or none when the search did not find any. `start`
// seeds the search where it is not empty.
std::vector<std::uint32_t> Search(const TGuarantee &guarantee, int boards, const std::vector<std::uint32_t> &start,
                                  std::mt19937_64 &random);

// A lower bound on the boards any such wheel needs: the sets to cover over
// the most that one board covers.
int CountingBound(const TGuarantee &guarantee);

} // namespace wheelgen
