#include "UiFixture.h"

namespace {

class Coefficients : public UiTest {
protected:
    // Length of the bar at (x0, y): the run of pixels equal to the atlas row.
    int BarLength(int x0, int y, int atlasRow) const
    {
        int length = 0;
        while (length < 113 && Pixel(x0 + length, y) == (ImagesForm->Atlas().pixel(length, atlasRow) | 0xFF000000))
            ++length;
        return length;
    }

    bool BandIsCouponColour(int x0, int y) const
    {
        for (int dy = 0; dy < 4; ++dy)
            for (int x = 0; x < 112; ++x)
                if (Pixel(x0 + x, y + dy) != 0xFFDEBED7)
                    return false;
        return true;
    }
};

TEST_F(Coefficients, FullBoardShowsCaptionsBarsAndResults)
{
    StartProgram();
    FillBoard(1, {13, 19, 20, 33, 38});
    EXPECT_TRUE(LabelText("p1").isEmpty());
    EXPECT_TRUE(LabelText("WinDiv7Label").isEmpty());
    PressNumber(1, 43);
    // Sum 166 is 15 above the centre: Punch 89; the spacing is the commonest: Spread 100.
    EXPECT_EQ(LabelText("p1"), QStringLiteral("Punch  = 89"));
    EXPECT_EQ(LabelText("s1"), QStringLiteral("Spread = 100"));
    EXPECT_EQ(BarLength(0, 113, 113), 112 * 89 / 100);
    EXPECT_EQ(BarLength(0, 117, 117), 112);
    EXPECT_EQ(LabelText("WinDiv1Label"), QStringLiteral("0.00000007"));
    EXPECT_EQ(LabelText("TotalWinProbability"), QStringLiteral("0.018638"));
    EXPECT_EQ(LabelText("Odds7Label"), QStringLiteral("1 : 60"));
    EXPECT_EQ(LabelText("PayTotalLabel"), QStringLiteral("1.02"));
    // Labels size themselves to their text.
    auto *label = Control<QLabel>(Form(), "p1");
    EXPECT_EQ(label->width(), label->sizeHint().width());

    // Losing a mark clears the board's display and the results.
    PressNumber(1, 19);
    EXPECT_TRUE(LabelText("p1").isEmpty());
    EXPECT_TRUE(LabelText("s1").isEmpty());
    EXPECT_TRUE(BandIsCouponColour(0, 113));
    EXPECT_TRUE(BandIsCouponColour(0, 117));
    EXPECT_TRUE(LabelText("WinDiv1Label").isEmpty());
    EXPECT_TRUE(LabelText("PayTotalLabel").isEmpty());
}

TEST_F(Coefficients, BarLengthsFollowTheValue)
{
    StartProgram();
    FillBoard(2, {1, 2, 3, 47, 48, 49}); // sum 150: Punch 100
    EXPECT_EQ(LabelText("p2"), QStringLiteral("Punch  = 100"));
    EXPECT_EQ(BarLength(128, 113, 113), 112);
    FillBoard(3, {1, 2, 3, 46, 48, 49}); // sum 149: Punch 99
    EXPECT_EQ(LabelText("p3"), QStringLiteral("Punch  = 99"));
    EXPECT_EQ(BarLength(256, 113, 113), 110);
    EXPECT_EQ(Pixel(256 + 110, 113), 0xFFDEBED7);
    FillBoard(4, {1, 2, 3, 4, 5, 6}); // sum 21: Punch 0, equal gaps: Spread 0
    EXPECT_EQ(LabelText("p4"), QStringLiteral("Punch  = 0"));
    EXPECT_EQ(LabelText("s4"), QStringLiteral("Spread = 0"));
    EXPECT_TRUE(BandIsCouponColour(384, 113));
    EXPECT_TRUE(BandIsCouponColour(384, 117));
}

TEST_F(Coefficients, BottomRowBarsAndTheirClearing)
{
    StartProgram();
    FillBoard(7, {13, 19, 20, 33, 38, 43});
    EXPECT_EQ(BarLength(0, 121, 113), 112 * 89 / 100);
    EXPECT_EQ(BarLength(0, 125, 117), 112);
    EXPECT_EQ(BarLength(0, 128, 117), 112); // over board 7's top grid line
    EXPECT_EQ(LabelText("p7"), QStringLiteral("Punch  = 89"));
    PressNumber(7, 43);
    EXPECT_TRUE(BandIsCouponColour(0, 121));
    EXPECT_TRUE(BandIsCouponColour(0, 125));
    EXPECT_EQ(Pixel(112, 128), 0xFF000000); // the line's last pixel stays

    FillBoard(6, {1, 2, 3, 47, 48});
    PressNumber(6, 49);
    EXPECT_EQ(BarLength(640, 113, 113), 112);
    EXPECT_EQ(Control<QLabel>(Form(), "p6")->x(), 650);
}

TEST_F(Coefficients, SwitchesOffLeaveCaptionsAndBarsEmptyButResultsUpdate)
{
    WriteStore([](TRegOptions &store) { store.SetPlaySums(false); });
    StartProgram();
    FillBoard(1, {13, 19, 20, 33, 38, 43});
    EXPECT_TRUE(LabelText("p1").isEmpty());
    EXPECT_TRUE(BandIsCouponColour(0, 113));
    EXPECT_EQ(LabelText("s1"), QStringLiteral("Spread = 100"));

    WriteStore([](TRegOptions &store) { store.SetPlayStdev(false); });
    FillBoard(2, {13, 19, 20, 33, 38, 44});
    EXPECT_TRUE(LabelText("p2").isEmpty());
    EXPECT_TRUE(LabelText("s2").isEmpty());
    EXPECT_TRUE(BandIsCouponColour(128, 117));
    EXPECT_EQ(LabelText("WinDiv1Label"), QStringLiteral("0.00000014"));
}

TEST_F(Coefficients, ClearAndCalculateCommands)
{
    StartProgram();
    FillBoard(1, {13, 19, 20, 33, 38, 43});
    Command("ClearAction")->trigger();
    EXPECT_TRUE(LabelText("p1").isEmpty());
    EXPECT_TRUE(LabelText("TotalWinProbability").isEmpty());
    EXPECT_TRUE(BandIsCouponColour(0, 113));
    FillBoard(1, {13, 19, 20, 33, 38, 43});
    Control<QLabel>(Form(), "WinDiv1Label")->setText(QString());
    Command("CalculateAction")->trigger();
    EXPECT_EQ(LabelText("WinDiv1Label"), QStringLiteral("0.00000007"));
}

TEST_F(Coefficients, PaymentsAreReadAtEachCalculation)
{
    StartProgram();
    const int64_t payments[7] = {0, 0, 0, 0, 0, 0, 1000};
    WriteStore([&](TRegOptions &store) { store.SetPayments(payments); });
    FillBoard(1, {13, 19, 20, 33, 38, 43});
    EXPECT_EQ(LabelText("Pay7Label"), QStringLiteral("16.42"));
    EXPECT_EQ(LabelText("Pay1Label"), QStringLiteral("0.00"));
    EXPECT_EQ(LabelText("PayTotalLabel"), QStringLiteral("16.42"));
}

} // namespace
