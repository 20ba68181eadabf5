#include "coupon/logic/PrintText.h"

std::string ComposePrintText(const TCouponState &coupon, uint8_t marks)
{
    std::string lines;
    for (int b = 1; b <= kMaxBoards; ++b) {
        if (!coupon.IsFull(b, marks))
            continue;
        // The board number ends in column 12 for boards 1..12.
        lines += b <= 9 ? "   Board:  " : "   Board: ";
        lines += std::to_string(b);
        lines += "     Numbers: ";
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
    return "\n\n      Here are your lucky number guessess \n\n" + lines;
}
