// The coupon's model: what each operation tells its observers, in order.

#include "coupon/logic/CouponModel.h"
#include "coupon/logic/CouponSystems.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using TKind = TCouponChange::TKind;

void PrintTo(const TCouponChange &change, std::ostream *os)
{
    static const char *const kNames[] = {"Coupon", "Marks", "Coefficients", "Rings", "Cursor", "FullBoards"};
    *os << kNames[static_cast<int>(change.kind)] << "(" << change.board << ", " << change.number << ")";
}

namespace {

const auto kNoneExcluded = [](uint8_t) { return false; };

// A 4-board 36/5 coupon with 7 included, and what it told since.
struct TObserved {
    TObserved()
    {
        model.Observe([this](const TCouponChange &change) { told.push_back(change); });
        TCouponSystems systems;
        const uint8_t included[] = {7};
        systems.SetInclusions(included);
        model.Reset({4, 36, 5}, systems);
        told.clear();
    }

    // Marks board b full with 7 (included) and 1..4.
    void FillBoard(int board)
    {
        for (int n = 1; n <= 4; ++n)
            model.Click(HitOf(board, n), kNoneExcluded);
    }

    TCouponModel model;
    std::vector<TCouponChange> told;
};

TEST(CouponModel, EachOperationTellsWhatItChangedOnce)
{
    struct TRow {
        const char *what;
        std::function<void(TCouponModel &)> operation;
        std::vector<TCouponChange> expected;
    };
    const TRow rows[] = {
        {"a mark", [](TCouponModel &m) { m.Click(HitOf(2, 9), kNoneExcluded); }, {{TKind::Marks, 2, 9}}},
        {"a number off the board", [](TCouponModel &m) { m.Click(HitOf(2, 40), kNoneExcluded); }, {}},
        {"a board on which the board fills",
         [](TCouponModel &m) {
             for (int n = 1; n <= 4; ++n)
                 m.Click(HitOf(3, n), kNoneExcluded);
         },
         {{TKind::Marks, 3, 1},
          {TKind::Marks, 3, 2},
          {TKind::Marks, 3, 3},
          {TKind::Marks, 3, 4},
          {TKind::FullBoards, 3}}},
        {"the rings of a board, then the board changed",
         [](TCouponModel &m) {
             m.SetRings(1, uint64_t{1} << 7);
             m.SetRings(1, uint64_t{1} << 7);
             m.Click(HitOf(1, 20), kNoneExcluded);
         },
         {{TKind::Rings, 1}, {TKind::Rings, 1}, {TKind::Marks, 1, 20}}},
        {"a batch that fills two boards",
         [](TCouponModel &m) {
             m.Batch([&] {
                 for (int b : {1, 4})
                     for (int n = 1; n <= 4; ++n)
                         m.Click(HitOf(b, n), kNoneExcluded);
             });
         },
         {{TKind::Marks, 1, 1},
          {TKind::Marks, 1, 2},
          {TKind::Marks, 1, 3},
          {TKind::Marks, 1, 4},
          {TKind::Marks, 4, 1},
          {TKind::Marks, 4, 2},
          {TKind::Marks, 4, 3},
          {TKind::Marks, 4, 4},
          {TKind::FullBoards, 0}}},
        {"a batch that fills none",
         [](TCouponModel &m) { m.Batch([&] { m.Click(HitOf(1, 1), kNoneExcluded); }); },
         {{TKind::Marks, 1, 1}}},
        {"the cursor", [](TCouponModel &m) { m.SetCursor(3, 30); }, {{TKind::Cursor, 3, 30}}},
    };
    for (const TRow &row : rows) {
        SCOPED_TRACE(row.what);
        TObserved coupon;
        row.operation(coupon.model);
        EXPECT_EQ(coupon.told, row.expected);
    }
}

TEST(CouponModel, FullBoardLosesItsCoefficientsAndRingsWhenItChanges)
{
    TObserved coupon;
    auto &[model, told] = coupon;
    coupon.FillBoard(2);
    model.SetCoefficients(2, 40, 75);
    model.SetRings(2, uint64_t{1} << 3);
    told.clear();
    model.Click(HitOf(2, 3), kNoneExcluded);
    EXPECT_EQ(told,
              (std::vector<TCouponChange>{
                  {TKind::Rings, 2}, {TKind::Marks, 2, 3}, {TKind::Coefficients, 2}, {TKind::FullBoards, 2}}));
    EXPECT_EQ(model.PunchValue(2), -1);
    EXPECT_EQ(model.SpreadValue(2), -1);
    EXPECT_EQ(model.Rings(2), 0u);
}

TEST(CouponModel, RedrawClearsEverythingAndMarksTheIncludedOnEveryBoardInUse)
{
    TObserved coupon;
    auto &[model, told] = coupon;
    coupon.FillBoard(1);
    model.SetCoefficients(1, 10, 20);
    model.SetRings(1, uint64_t{1} << 2);
    told.clear();
    TCouponSystems systems;
    const uint8_t excluded[] = {5, 40};
    const uint8_t included[] = {6, 5};
    systems.SetExclusions(excluded);
    systems.SetInclusions(included);
    model.Reset({6, 38, 6}, systems);
    EXPECT_EQ(told, std::vector<TCouponChange>{{TKind::Coupon}});
    for (int b = 1; b <= kMaxBoards; ++b) {
        EXPECT_EQ(model.Coupon().MarkCount(b), b <= 6 ? 1 : 0) << b;
        EXPECT_EQ(model.Rings(b), 0u);
        EXPECT_EQ(model.PunchValue(b), -1);
    }
    EXPECT_TRUE(model.Coupon().Marked(6, 6));
    // An excluded number is never included, and a slot above the board
    // excludes nothing.
    EXPECT_TRUE(model.IsExcluded(5));
    EXPECT_FALSE(model.IsIncluded(5));
    EXPECT_FALSE(model.IsExcluded(40));
}

} // namespace
