#pragma once

// Wheels: boards chosen from the player's own numbers so that whenever
// `drawn` of the main numbers are among them, some board holds `matched` of
// them ("3 if 4"). The program carries a table of them, made once by
// tools/wheelgen and kept in WheelTable.cpp; it reads that table only.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace wheels {

constexpr int kMaxPool = 20;
constexpr int kMaxBoards = 12;

// A set of the player's numbers by their places in the sorted list: bit i
// is the i-th smallest.
using TPoolSet = std::uint32_t;

struct TWheel {
    int marks = 0; // numbers on a board
    int pool = 0;  // the player's numbers
    int matched = 0;
    int drawn = 0;
    std::vector<TPoolSet> boards;
};

// Every wheel of the table for a game of `marks` and a pool of `pool`
// numbers that needs no more than `boards` boards, the strongest guarantee
// first (most matched, then fewest drawn).
std::vector<TWheel> Fitting(int marks, int pool, int boards);

// The whole table, for the tests and the tool.
std::vector<TWheel> Table();

// The boards as the player's numbers: `numbers` sorted, one row a board,
// each row sorted.
std::vector<std::vector<int>> BoardsOf(const TWheel &wheel, const std::vector<int> &numbers);

// The chance that `drawn` or more of the `marks` main numbers of a
// `boardsize` game fall among `pool` numbers of the player's.
double ChanceOfAtLeast(int boardsize, int marks, int pool, int drawn);

// What the wheel does in every draw, exactly: one row for each count of the
// main numbers drawn that are among the player's (0 to marks), with that
// count's chance, and the chance, given that count, that the best board
// matches exactly h of them (best[h], h from 0 to marks).
struct TCoverageRow {
    int among = 0;
    double chance = 0;
    std::array<double, 7> best{};
};
std::vector<TCoverageRow> Coverage(const TWheel &wheel, int boardsize);

// The player's numbers as typed: separated by spaces or commas, from marks
// + 1 to kMaxPool of them, each from 1 to boardsize, none excluded, none
// twice. The first fault found names itself in `error` and leaves the
// result empty.
struct TNumbersRead {
    std::vector<int> numbers; // sorted
    std::string error;
};
TNumbersRead ReadNumbers(const std::string &text, int marks, int boardsize, const std::vector<bool> &excluded);

// The texts the Wheel window shows for a wheel.
std::string GuaranteeChoice(const TWheel &wheel);               // "3 if 4: 7 boards"
std::string GuaranteeSentence(const TWheel &wheel);             // "If 4 of the 6 numbers drawn ..."
std::string ChanceSentence(const TWheel &wheel, int boardsize); // "4 or more of your 10 numbers ..."
std::string NothingFits(int boards);                            // "No guarantee fits in 8 boards; ..."

} // namespace wheels
