#include "UiFixture.h"

namespace {

using Marking = UiTest;

TEST_F(Marking, PressTogglesOneCellFromTheMarkedGrid)
{
    StartProgram();
    PressNumber(3, 20);
    EXPECT_TRUE(Form()->Coupon().Marked(3, 20));
    EXPECT_EQ(Form()->Coupon().MarkCount(3), 1);
    EXPECT_EQ(CellOf(3, 20), Cell::Marked);
    EXPECT_EQ(CellOf(3, 19), Cell::Plain);
    EXPECT_EQ(CellOf(2, 20), Cell::Plain);

    PressNumber(3, 20, Qt::RightButton);
    EXPECT_FALSE(Form()->Coupon().Marked(3, 20));
    EXPECT_EQ(CellOf(3, 20), Cell::Plain);

    PressNumber(3, 20, Qt::MiddleButton);
    EXPECT_TRUE(Form()->Coupon().Marked(3, 20));
}

TEST_F(Marking, ClickLeavesTheNeighboursLinesAlone)
{
    StartProgram();
    const TPoint p = CellOrigin(1, 9); // column 1, row 1
    const QImage before = CouponPicture()->Image().copy(p.x - 1, p.y - 1, 18, 18);
    PressNumber(1, 9);
    const QImage after = CouponPicture()->Image().copy(p.x - 1, p.y - 1, 18, 18);
    // Only the 16 x 16 block from the cell's top-left pixel changed.
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x)
            if (x == 0 || y == 0 || x == 17 || y == 17) {
                EXPECT_EQ(before.pixel(x, y), after.pixel(x, y)) << x << "," << y;
            }
    // The marked grid's left line of a second-column cell stands one pixel right.
    EXPECT_EQ(Pixel(p.x + 1, p.y + 8), 0xFF000000);
}

TEST_F(Marking, EdgesOfTheHitTest)
{
    StartProgram();
    Press(112, 50); // board 1's right grid line
    Press(0, 112);
    Press(0, 240);
    Press(120, 50); // band between boards
    for (int b = 1; b <= 12; ++b)
        EXPECT_EQ(Form()->Coupon().MarkCount(b), 0);

    Press(111, 50);
    EXPECT_TRUE(Form()->Coupon().Marked(1, 46));
    Press(128, 128);
    EXPECT_TRUE(Form()->Coupon().Marked(8, 1));
    EXPECT_EQ(CellOf(8, 1), Cell::Marked);
}

TEST_F(Marking, FullBoardOnlyGivesUpMarks)
{
    StartProgram();
    for (int n : {1, 9, 17, 25, 33, 41})
        PressNumber(1, n);
    EXPECT_EQ(Form()->Coupon().MarkCount(1), 6);
    PressNumber(1, 2);
    EXPECT_FALSE(Form()->Coupon().Marked(1, 2));
    EXPECT_EQ(CellOf(1, 2), Cell::Plain);
    PressNumber(1, 41);
    EXPECT_EQ(Form()->Coupon().MarkCount(1), 5);
    PressNumber(1, 2);
    EXPECT_TRUE(Form()->Coupon().Marked(1, 2));
}

TEST_F(Marking, BoardsAndNumbersOutsideTheGameTakeNoMarks)
{
    WriteStore([](TRegOptions &store) {
        store.SetBoards(4);
        store.SetBoardSize(45);
    });
    StartProgram();
    PressNumber(5, 1);
    PressNumber(7, 1);
    PressNumber(1, 46);
    PressNumber(1, 49);
    EXPECT_EQ(Form()->Coupon().MarkCount(5), 0);
    EXPECT_EQ(Form()->Coupon().MarkCount(7), 0);
    EXPECT_EQ(Form()->Coupon().MarkCount(1), 0);
    // Nothing was drawn where no board or number is.
    EXPECT_EQ(Pixel(CellOrigin(5, 1).x + 8, CellOrigin(5, 1).y + 8), 0xFFDEBED7);
    EXPECT_EQ(Pixel(CellOrigin(1, 46).x + 8, CellOrigin(1, 46).y + 8), 0xFFDEBED7);
    PressNumber(4, 45);
    EXPECT_TRUE(Form()->Coupon().Marked(4, 45));
}

TEST_F(Marking, IncludedNumberCanBeUnmarkedUntilTheNextRedraw)
{
    SetSystems(true, false, {7, 0, 0, 0}, {});
    StartProgram();
    EXPECT_EQ(CellOf(1, 7), Cell::Marked);
    PressNumber(1, 7);
    EXPECT_EQ(CellOf(1, 7), Cell::Plain);
    EXPECT_EQ(Form()->Coupon().MarkCount(1), 0);
    Command("ClearAction")->trigger();
    EXPECT_EQ(CellOf(1, 7), Cell::Marked);
    EXPECT_EQ(Form()->Coupon().MarkCount(1), 1);
}

TEST_F(Marking, InclusionsWithTheSystemOffMarkNothing)
{
    SetSystems(false, false, {7, 8, 9, 10}, {});
    StartProgram();
    for (int n = 7; n <= 10; ++n)
        EXPECT_EQ(CellOf(1, n), Cell::Plain);
    EXPECT_EQ(Form()->Coupon().MarkCount(1), 0);
}

} // namespace
