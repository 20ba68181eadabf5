#include "coupon/CouponDrawing.h"
#include "coupon/CouponImage.h"
#include "coupon/CouponState.h"
#include "coupon/CouponSystems.h"
#include "coupon/GridAtlas.h"

void DrawCouponCells(TCouponImage &coupon, const QImage &grid, uint8_t boards, uint8_t boardsize,
                     const TCouponSystems &systems, TCouponState &state)
{
    for (int b = 1; b <= boards && b <= kMaxBoards; ++b) {
        const TPoint origin = BoardOrigin(b);
        int j = 0;
        for (int c = 0; c < 7 && j < boardsize; ++c) {
            for (int r = 0; r < 7 && j < boardsize; ++r) {
                const auto n = static_cast<uint8_t>(j + 1);
                const int excludedOffset = systems.IsExcluded(n) ? atlas::kExcludedX : 0;
                int includedOffset = 0;
                if (systems.IsIncluded(n)) {
                    includedOffset = atlas::kMarkedX;
                    state.MarkOnAllBoards(n, boards);
                }
                coupon.CopyRect(grid, kCellSize * c + excludedOffset + includedOffset, kCellSize * r, kCellSize + 1,
                                kCellSize + 1, origin.x + kCellSize * c, origin.y + kCellSize * r);
                ++j;
            }
        }
    }
}
