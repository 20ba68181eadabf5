#include "coupon/logic/KeptCoupon.h"

#include <algorithm>

TKeptCoupon KeepCoupon(const TCouponState &coupon)
{
    TKeptCoupon kept{};
    for (int b = 1; b <= kMaxBoards; ++b) {
        size_t slot = 0;
        for (int n = 1; n <= kMaxNumbers && slot < kept[b - 1].size(); ++n)
            if (coupon.Marked(b, n))
                kept[b - 1][slot++] = static_cast<uint8_t>(n);
    }
    return kept;
}

std::array<std::vector<uint8_t>, kMaxBoards> RestorableMarks(const TKeptCoupon &kept, const TCouponState &coupon,
                                                             const TCouponShape &shape,
                                                             const std::function<bool(uint8_t)> &isExcluded)
{
    std::array<std::vector<uint8_t>, kMaxBoards> marks;
    const int boards = std::min<int>({shape.boards, kMaxBoards, static_cast<int>(kept.size())});
    for (int b = 1; b <= boards; ++b) {
        std::vector<uint8_t> &added = marks[b - 1];
        for (const uint8_t n : kept[b - 1]) {
            if (n < 1 || n > shape.boardsize || n > kMaxNumbers || coupon.Marked(b, n) || isExcluded(n))
                continue;
            if (std::ranges::find(added, n) == added.end())
                added.push_back(n);
        }
        std::ranges::sort(added);
        if (coupon.MarkCount(b) + added.size() > shape.marks)
            added.clear();
    }
    return marks;
}
