// Makes the program's table of wheels and writes it as a C++ source file:
//   drawvane_wheelgen <WheelTable.cpp>
// For games of 5 and 6 marks, every pool of marks + 1 to 20 numbers and
// every guarantee "matched if drawn" that fits in 12 boards, with as few
// boards as the search finds. It takes minutes; the table is kept in
// wheels/WheelTable.cpp, so the program and its build never run it.

#include "WheelSearch.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

constexpr int kMaxPool = 20;
constexpr int kMaxBoards = 12;

struct TFound {
    wheelgen::TGuarantee guarantee;
    std::vector<std::uint32_t> boards;
};

// The fewest boards the search finds for a guarantee, from `most` down to
// `least`; none when not even `most` boards were found.
std::vector<std::uint32_t> Fewest(const wheelgen::TGuarantee &g, int least, int most, std::mt19937_64 &random)
{
    std::vector<std::uint32_t> best = wheelgen::Search(g, most, {}, random);
    while (!best.empty() && static_cast<int>(best.size()) > least) {
        // One board fewer, from the last wheel found without its last board.
        std::vector<std::uint32_t> start(best.begin(), best.end() - 1);
        std::vector<std::uint32_t> fewer = wheelgen::Search(g, static_cast<int>(start.size()), start, random);
        if (fewer.empty())
            break;
        best = fewer;
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <WheelTable.cpp>\n";
        return 2;
    }
    const auto began = std::chrono::steady_clock::now();
    std::mt19937_64 random(20261210);
    std::vector<TFound> table;
    for (int marks = 5; marks <= 6; ++marks)
        for (int matched = 2; matched <= marks; ++matched)
            for (int drawn = matched; drawn <= marks; ++drawn) {
                // A wheel for a pool serves every smaller pool too, so no
                // pool needs fewer boards than the one before it; and
                // beyond the first pool that 12 boards do not serve, none
                // is tried.
                int least = 1;
                for (int pool = marks + 1; pool <= kMaxPool; ++pool) {
                    const wheelgen::TGuarantee g{marks, pool, matched, drawn};
                    least = std::max(least, wheelgen::CountingBound(g));
                    if (least > kMaxBoards)
                        break;
                    const std::vector<std::uint32_t> boards = Fewest(g, least, kMaxBoards, random);
                    const double seconds =
                        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
                    std::fprintf(stderr, "%d marks, %d if %d on %2d: %s%2zu boards (%.0f s)\n", marks, matched, drawn,
                                 pool, boards.empty() ? "none in " : "", boards.empty() ? kMaxBoards : boards.size(),
                                 seconds);
                    if (boards.empty())
                        break;
                    least = static_cast<int>(boards.size());
                    table.push_back({g, boards});
                }
            }

    std::ostringstream out;
    out << "// Made by tools/wheelgen (drawvane_wheelgen wheels/WheelTable.cpp); do not edit.\n"
           "// Each row: marks, pool, matched, drawn, the boards' count, then the boards,\n"
           "// each a bit mask of the places of the player's sorted numbers.\n"
           "// clang-format off\n"
           "#include \"wheels/WheelTable.h\"\n\n"
           "namespace wheels {\n\n"
           "const TWheelRow kWheelRows[] = {\n";
    for (const TFound &f : table) {
        out << "    {" << f.guarantee.marks << ", " << f.guarantee.pool << ", " << f.guarantee.matched << ", "
            << f.guarantee.drawn << ", " << f.boards.size() << ", {";
        for (size_t i = 0; i < f.boards.size(); ++i)
            out << (i ? ", " : "") << "0x" << std::hex << f.boards[i] << std::dec;
        out << "}},\n";
    }
    out << "};\n\nconst int kWheelRowCount = static_cast<int>(sizeof kWheelRows / sizeof kWheelRows[0]);\n\n"
           "} // namespace wheels\n";
    std::ofstream file(argv[1], std::ios::trunc);
    file << out.str();
    file.close();
    if (!file) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    std::fprintf(stderr, "%zu wheels in %.0f s\n", table.size(),
                 std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
    return 0;
}
