#include "coupon/logic/DrawCheck.h"
#include "calc/CouponWins.h"
#include "texts/Texts.h"

#include <algorithm>
#include <bitset>
#include <span>

namespace {

std::string Dollars(int64_t amount)
{
    std::string text(1, '$');
    text += std::to_string(amount);
    return text;
}

} // namespace

bool IsValidDraw(const TDrawnNumbers &draw, uint8_t marks, uint8_t boardsize)
{
    if (marks > 6)
        return false;
    std::bitset<256> seen;
    const auto take = [&](uint8_t n) {
        if (n < 1 || n > boardsize || seen[n])
            return false;
        seen.set(n);
        return true;
    };
    for (size_t i = 0; i < marks; ++i)
        if (!take(draw[i]))
            return false;
    return take(draw[6]);
}

std::string InvalidDrawMessage(uint8_t marks, uint8_t boardsize)
{
    return texts::Arg(
        DRAWVANE_TR("Drawvane", "Enter %1 different numbers from 1 to %2, and a bonus ball that is not one of them"),
        {std::to_string(marks), std::to_string(boardsize)});
}

bool IsDrawn(const TDrawnNumbers &draw, uint8_t marks, int number)
{
    const auto main = std::span(draw).first(std::min<size_t>(marks, 6));
    return number == draw[6] || std::ranges::find(main, number) != main.end();
}

std::vector<TBoardWin> CheckDraw(const TCouponState &coupon, const TCouponShape &shape, const TDrawnNumbers &draw,
                                 const std::array<uint8_t, 7> &divisions)
{
    std::array<bool, 7> on{};
    std::ranges::transform(divisions, on.begin(), [](uint8_t d) { return d == 1; });
    std::vector<TBoardWin> wins;
    for (int b = 1; b <= std::min<int>(shape.boards, kMaxBoards); ++b) {
        if (!coupon.IsFull(b, shape.marks))
            continue;
        int matches = 0;
        for (size_t i = 0; i < shape.marks && i < 6; ++i)
            matches += draw[i] >= 1 && draw[i] <= kMaxNumbers && coupon.Marked(b, draw[i]);
        const bool bonus = draw[6] >= 1 && draw[6] <= kMaxNumbers && coupon.Marked(b, draw[6]);
        wins.push_back({static_cast<uint8_t>(b), WonDivision(shape.marks, matches, bonus, on)});
    }
    return wins;
}

std::vector<std::string> DrawResultLines(const std::vector<TBoardWin> &wins, const std::array<int64_t, 7> &payments)
{
    std::vector<std::string> lines;
    int64_t total = 0;
    int winners = 0;
    for (const TBoardWin &win : wins) {
        const std::string board = std::to_string(win.board);
        if (win.division < 0) {
            lines.push_back(texts::Arg(DRAWVANE_TR("Drawvane", "Board %1: no prize"), {board}));
        } else {
            const auto d = static_cast<size_t>(win.division);
            lines.push_back(
                texts::Arg(DRAWVANE_TR("Drawvane", "Board %1: %2, %3"),
                           {board, texts::Translate("Drawvane", kDivisionTable[d].caption), Dollars(payments[d])}));
            total += payments[d];
            ++winners;
        }
    }
    if (wins.empty())
        return lines;
    if (winners == 0)
        lines.push_back(DRAWVANE_TR("Drawvane", "No prize on this coupon"));
    else if (winners == 1)
        lines.push_back(texts::Arg(DRAWVANE_TR("Drawvane", "Prizes: %1 on 1 board"), {Dollars(total)}));
    else
        lines.push_back(
            texts::Arg(DRAWVANE_TR("Drawvane", "Prizes: %1 on %2 boards"), {Dollars(total), std::to_string(winners)}));
    return lines;
}
