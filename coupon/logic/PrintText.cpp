#include "coupon/logic/PrintText.h"
#include "texts/Texts.h"

std::string ComposePrintText(const TCouponState &coupon, uint8_t marks)
{
    const std::string board = DRAWVANE_TR("Drawvane", "Board:");
    const std::string numbers = DRAWVANE_TR("Drawvane", "Numbers:");
    std::string lines;
    for (int b = 1; b <= kMaxBoards; ++b) {
        if (!coupon.IsFull(b, marks))
            continue;
        // The board numbers end in one column (column 12 in English).
        lines += "   " + board + (b <= 9 ? "  " : " ");
        lines += std::to_string(b);
        lines += "     " + numbers + " ";
        for (int n = 1; n <= kMaxNumbers; ++n) {
            if (!coupon.Marked(b, n))
                continue;
            if (n <= 9)
                lines += ' ';
            lines += std::to_string(n);
            lines += ' ';
        }
        lines += '\n';
    }
    if (lines.empty())
        return lines;
    return "\n\n      " + DRAWVANE_TR("Drawvane", "Here are your lucky number guessess") + " \n\n" + lines;
}
