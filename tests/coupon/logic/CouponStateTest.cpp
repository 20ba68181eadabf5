#include "coupon/logic/CouponState.h"
#include "coupon/logic/CouponForTests.h"
#include "coupon/logic/CouponSystems.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using fortests::CellOrigin;

namespace {

struct HitCase {
    int x, y;
    std::optional<std::pair<int, int>> boardAndNumber;
};

TEST(CouponHitTest, PixelsMapToBoardAndNumber)
{
    const HitCase cases[] = {
        {0, 0, std::pair{1, 1}},                                    // the board's own left and top lines
        {15, 15, std::pair{1, 1}},     {16, 0, std::pair{1, 8}},    // a grid line belongs to the cell right of it
        {0, 16, std::pair{1, 2}},      {111, 50, std::pair{1, 46}}, // column 7, row 4
        {112, 50, std::pair{1, 53}},                                // the board's right line: past every board size
        {127, 0, std::pair{1, 50}},    {128, 128, std::pair{8, 1}},
        {752, 239, std::pair{12, 56}}, {640 + 96, 128 + 96, std::pair{12, 49}},
        {0, 112, std::nullopt},                                // bottom line of the top row and the band below it
        {0, 127, std::nullopt},        {0, 240, std::nullopt}, // bottom line of the bottom row
        {-1, 0, std::nullopt},         {0, 256, std::nullopt},
        {768, 0, std::nullopt},
    };
    for (const auto &c : cases) {
        const auto hit = CouponHitTest(c.x, c.y);
        ASSERT_EQ(hit.has_value(), c.boardAndNumber.has_value()) << c.x << "," << c.y;
        if (hit) {
            EXPECT_EQ(hit->board, c.boardAndNumber->first) << c.x << "," << c.y;
            EXPECT_EQ(hit->number, c.boardAndNumber->second) << c.x << "," << c.y;
        }
    }
}

TEST(CouponHitTest, EveryCellOriginHitsItsOwnNumber)
{
    for (int b = 1; b <= 12; ++b) {
        for (int n = 1; n <= 49; ++n) {
            const TPoint p = CellOrigin(b, n);
            for (const auto &[dx, dy] : {std::pair{0, 0}, std::pair{15, 15}, std::pair{7, 3}}) {
                const auto hit = CouponHitTest(p.x + dx, p.y + dy);
                ASSERT_TRUE(hit);
                EXPECT_EQ(hit->board, b);
                EXPECT_EQ(hit->number, n);
            }
        }
    }
}

const auto kNeverExcluded = [](uint8_t) { return false; };

TCouponHit Hit(int board, int number)
{
    const TPoint p = CellOrigin(board, number);
    return *CouponHitTest(p.x + 4, p.y + 4);
}

TEST(CouponClick, BoardFillsThenOnlyAcceptsRemovals)
{
    TCouponState coupon;
    const TCouponShape shape{12, 49, 6};
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(coupon.Click(Hit(1, n), shape, kNeverExcluded), TClickResult::Marked);
    EXPECT_EQ(coupon.Click(Hit(1, 20), shape, kNeverExcluded), TClickResult::MarkedFull);
    EXPECT_TRUE(coupon.IsFull(1, 6));
    EXPECT_EQ(coupon.Click(Hit(1, 30), shape, kNeverExcluded), TClickResult::Ignored);
    EXPECT_FALSE(coupon.Marked(1, 30));
    EXPECT_EQ(coupon.Click(Hit(1, 3), shape, kNeverExcluded), TClickResult::UnmarkedFromFull);
    EXPECT_EQ(coupon.Click(Hit(1, 4), shape, kNeverExcluded), TClickResult::Unmarked);
    EXPECT_EQ(coupon.MarkCount(1), 4);
    EXPECT_EQ(coupon.MarkCount(2), 0);
}

TEST(CouponClick, RulesIgnoreBoardsCellsAndExclusionsOutsideTheGame)
{
    TCouponState coupon;
    const TCouponShape shape{7, 38, 5};
    int asked = 0;
    const auto excludes17 = [&asked](uint8_t n) {
        ++asked;
        return n == 17;
    };
    EXPECT_EQ(coupon.Click(Hit(8, 1), shape, excludes17), TClickResult::Ignored);
    EXPECT_EQ(coupon.Click(Hit(7, 39), shape, excludes17), TClickResult::Ignored);
    EXPECT_EQ(asked, 0); // the exclusion test comes last
    EXPECT_EQ(coupon.Click(Hit(7, 17), shape, excludes17), TClickResult::Ignored);
    EXPECT_EQ(coupon.Click(Hit(7, 38), shape, excludes17), TClickResult::Marked);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(coupon.MarkCount(7), 1);
}

// Only different excluded numbers on the board leave the draw: a slot above
// a board made smaller later, or a repeated one, takes nothing away.
TEST(CouponSystems, ExcludedCountIsTheDifferentNumbersOnTheBoard)
{
    const struct {
        std::vector<uint8_t> slots;
        uint8_t boardsize;
        uint8_t count;
    } rows[] = {
        {{5, 17, 0, 0}, 49, 2}, {{5, 5, 17}, 49, 2}, {{5, 40, 49}, 40, 2}, {{41, 49, 200}, 36, 0}, {{}, 49, 0},
    };
    for (const auto &row : rows) {
        TCouponSystems systems;
        systems.SetExclusions(row.slots);
        EXPECT_EQ(systems.ExcludedCount(row.boardsize), row.count) << +row.boardsize;
    }
}

TEST(CouponState, IncludedNumbersOnEveryBoardInUse)
{
    TCouponState coupon;
    const TCouponShape shape{4, 49, 6};
    coupon.MarkOnAllBoards(3, shape.boards);
    coupon.MarkOnAllBoards(3, shape.boards);
    for (int b = 1; b <= 4; ++b)
        EXPECT_EQ(coupon.MarkCount(b), 1);
    EXPECT_EQ(coupon.MarkCount(5), 0);
    EXPECT_FALSE(coupon.Marked(5, 3));

    for (int n : {10, 11, 12, 13, 14})
        coupon.Click(Hit(1, n), shape, kNeverExcluded);
    for (int n : {10, 11, 40, 41, 42})
        coupon.Click(Hit(2, n), shape, kNeverExcluded);
    EXPECT_EQ(coupon.FullBoardCount(6), 2);

    coupon.Clear();
    EXPECT_EQ(coupon.FullBoardCount(6), 0);
    EXPECT_EQ(coupon.MarkCount(1), 0);
    EXPECT_FALSE(coupon.Marked(1, 3));
}

TEST(CouponShape, StoredCountsAreBroughtIntoRange)
{
    const auto shape = TCouponShape::Clamped(200, 0, 9);
    EXPECT_EQ(shape.boards, 12);
    EXPECT_EQ(shape.boardsize, 36);
    EXPECT_EQ(shape.marks, 6);
    const auto low = TCouponShape::Clamped(0, 60, 0);
    EXPECT_EQ(low.boards, 4);
    EXPECT_EQ(low.boardsize, 49);
    EXPECT_EQ(low.marks, 5);
    const auto kept = TCouponShape::Clamped(7, 45, 5);
    EXPECT_EQ(kept.boards, 7);
    EXPECT_EQ(kept.boardsize, 45);
    EXPECT_EQ(kept.marks, 5);
}

} // namespace
