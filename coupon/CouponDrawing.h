#pragma once

#include "coupon/CouponImage.h"
#include "coupon/CouponState.h"
#include "coupon/GridAtlas.h"

#include <cstdint>

// The full redraw of the boards' cells, column by column, each column from
// top to bottom. Each cell copies a 17 x 17 block from the atlas, so that it
// carries its right and bottom lines; the next block overwrites the shared
// line. isExcluded(n) and isIncluded(n) pick the grid, markOnAllBoards(n)
// records an included number.
template <typename Excluded, typename Included, typename MarkAll>
void DrawCouponCells(TCouponImage &coupon, const QImage &grid, uint8_t boards, uint8_t boardsize, Excluded &&isExcluded,
                     Included &&isIncluded, MarkAll &&markOnAllBoards)
{
    for (int b = 1; b <= boards && b <= kMaxBoards; ++b) {
        const TPoint origin = BoardOrigin(b);
        int j = 0;
        for (int c = 0; c < 7 && j < boardsize; ++c) {
            for (int r = 0; r < 7 && j < boardsize; ++r) {
                const auto n = static_cast<uint8_t>(j + 1);
                const int excludedOffset = isExcluded(n) ? atlas::kExcludedX : 0;
                int includedOffset = 0;
                if (isIncluded(n)) {
                    includedOffset = atlas::kMarkedX;
                    markOnAllBoards(n);
                }
                coupon.CopyRect(grid, kCellSize * c + excludedOffset + includedOffset, kCellSize * r, kCellSize + 1,
                                kCellSize + 1, origin.x + kCellSize * c, origin.y + kCellSize * r);
                ++j;
            }
        }
    }
}
