#include "history/HistoryCheck.h"
#include "calc/CouponWins.h"
#include "texts/Texts.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <stdexcept>

namespace {

// Numbers as bits: bit n for number n.
uint64_t Mask(const std::vector<uint8_t> &numbers, uint8_t boardsize)
{
    uint64_t mask = 0;
    for (const uint8_t n : numbers) {
        if (n < 1 || n > boardsize)
            throw std::invalid_argument("CheckHistory: a number outside the board");
        mask |= uint64_t{1} << n;
    }
    return mask;
}

std::string TwoDecimals(double value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr;
    return std::string(buffer, end);
}

std::string Draws(uint64_t count)
{
    return count == 1 ? DRAWVANE_TR("Drawvane", "1 draw")
                      : texts::Arg(DRAWVANE_TR("Drawvane", "%1 draws"), {std::to_string(count)});
}

} // namespace

THistoryCheck CheckHistory(const std::vector<std::vector<uint8_t>> &boards, uint8_t marks, uint8_t boardsize,
                           const std::array<bool, 7> &on, const std::array<int64_t, 7> &payments,
                           const std::vector<THistoryDraw> &draws)
{
    if ((marks != 5 && marks != 6) || boardsize <= marks || boardsize > 63)
        throw std::invalid_argument("CheckHistory: a game of 5 or 6 numbers from at most 63");
    THistoryCheck check;
    check.boards = boards.size();
    check.draws = draws.size();
    check.on = on;
    std::vector<uint64_t> masks;
    for (const std::vector<uint8_t> &board : boards) {
        masks.push_back(Mask(board, boardsize));
        if (std::popcount(masks.back()) != marks || board.size() != marks)
            throw std::invalid_argument("CheckHistory: a board without `marks` different numbers");
    }

    for (const THistoryDraw &draw : draws) {
        const uint64_t main = Mask(draw.numbers, boardsize);
        if (std::popcount(main) != marks || draw.numbers.size() != marks)
            throw std::invalid_argument("CheckHistory: a draw without `marks` different main numbers");
        if (draw.bonus > boardsize || (main >> draw.bonus & 1) != 0)
            throw std::invalid_argument("CheckHistory: a bonus ball outside the board or among the main numbers");
        const uint64_t bonus = uint64_t{1} << draw.bonus; // no bonus ball: bit 0, on no board
        if (draw.date) {
            check.first = std::min(check.first.value_or(*draw.date), *draw.date);
            check.last = std::max(check.last.value_or(*draw.date), *draw.date);
        }
        std::array<bool, 7> won{};
        for (const uint64_t board : masks) {
            const int d = WonDivision(marks, std::popcount(board & main), (board & bonus) != 0, on);
            if (d < 0)
                continue;
            won[static_cast<size_t>(d)] = true;
            check.prize += payments[static_cast<size_t>(d)];
        }
        for (size_t d = 0; d < won.size(); ++d)
            check.wonIn[d] += won[d] ? 1 : 0;
    }

    if (masks.empty())
        return check;
    const TWinCounts counts = CountWins(boardsize, marks, masks, on);
    const double fairDraws = static_cast<double>(counts.draws);
    const double historyDraws = static_cast<double>(check.draws);
    double perDraw = 0; // the expected payment of all the boards in one draw
    for (size_t d = 0; d < 7; ++d) {
        check.expectedWonIn[d] = historyDraws * static_cast<double>(counts.anyBoard[d]) / fairDraws;
        perDraw += static_cast<double>(payments[d]) * static_cast<double>(masks.size())
            * static_cast<double>(counts.oneBoard[d]) / fairDraws;
    }
    check.expectedPrize = historyDraws * perDraw;
    return check;
}

std::vector<std::string> HistoryCheckLines(const THistoryCheck &check)
{
    if (check.boards == 0)
        return {DRAWVANE_TR("Drawvane", "Fill at least one board to check it against these draws")};
    std::vector<std::string> lines;
    const std::string draws = std::to_string(check.draws);
    if (check.first)
        lines.push_back(texts::Arg(DRAWVANE_TR("Drawvane", "Draws: %1, from %2 to %3"),
                                   {draws, IsoDate(*check.first), IsoDate(*check.last)}));
    else
        lines.push_back(texts::Arg(DRAWVANE_TR("Drawvane", "Draws: %1"), {draws}));
    for (size_t d = 0; d < kDivisionTable.size(); ++d)
        if (check.on[d])
            lines.push_back(texts::Arg(DRAWVANE_TR("Drawvane", "%1: won in %2, expected %3"),
                                       {texts::Translate("Drawvane", kDivisionTable[d].caption), Draws(check.wonIn[d]),
                                        TwoDecimals(check.expectedWonIn[d])}));
    lines.push_back(texts::Arg(DRAWVANE_TR("Drawvane", "Prizes: $%1 over %2, expected $%3"),
                               {std::to_string(check.prize), Draws(check.draws), TwoDecimals(check.expectedPrize)}));
    return lines;
}
