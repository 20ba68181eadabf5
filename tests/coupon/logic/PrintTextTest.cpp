#include "coupon/logic/PrintText.h"
#include "CouponFill.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

const std::string kHeading = "\n\n      Here are your lucky number guessess \n\n";

const TCouponShape kShape{12, 49, 6};

TEST(PrintText, NothingFilledGivesNoText)
{
    TCouponState coupon;
    Fill(coupon, kShape, 1, {1, 2, 3, 4, 5});
    EXPECT_EQ(ComposePrintText(coupon, 6), "");
}

TEST(PrintText, FilledBoardsInCouponOrderPartlyFilledLeftOut)
{
    TCouponState coupon;
    Fill(coupon, kShape, 3, {49, 7, 21, 14, 35, 28}); // marked out of order
    Fill(coupon, kShape, 2, {1, 2, 3});
    Fill(coupon, kShape, 1, {10, 20, 30, 40, 41, 42});
    EXPECT_EQ(ComposePrintText(coupon, 6),
              kHeading
                  + "   Board:  1     Numbers: 10 20 30 40 41 42 \n"
                    "   Board:  3     Numbers:  7 14 21 28 35 49 \n");
}

TEST(PrintText, ColumnsLineUpForOneAndTwoDigitBoardsAndNumbers)
{
    TCouponState coupon;
    Fill(coupon, kShape, 9, {1, 2, 3, 4, 9, 49});
    Fill(coupon, kShape, 10, {10, 12, 13, 14, 15, 16});
    const std::string text = ComposePrintText(coupon, 6);
    const std::string line9 = "   Board:  9     Numbers:  1  2  3  4  9 49 ";
    const std::string line10 = "   Board: 10     Numbers: 10 12 13 14 15 16 ";
    EXPECT_EQ(text, kHeading + line9 + "\n" + line10 + "\n");
}

TEST(PrintText, FiveMarksAndIncludedNumbersMerged)
{
    const TCouponShape five{12, 49, 5};
    TCouponState coupon;
    coupon.MarkOnAllBoards(25, 12);
    coupon.MarkOnAllBoards(3, 12);
    Fill(coupon, five, 4, {40, 1, 30});
    Fill(coupon, five, 5, {2, 4}); // four marks: not filled
    const std::string text = ComposePrintText(coupon, 5);
    EXPECT_EQ(text, kHeading + "   Board:  4     Numbers:  1  3 25 30 40 \n");
}

TEST(PrintText, AllTwelveBoards)
{
    TCouponState coupon;
    for (int b = 1; b <= 12; ++b)
        Fill(coupon, kShape, b, {b, b + 7, b + 14, b + 21, b + 28, b + 35});
    const std::string text = ComposePrintText(coupon, 6);
    size_t at = kHeading.size();
    ASSERT_EQ(text.substr(0, at), kHeading);
    for (int b = 1; b <= 12; ++b) {
        std::string number = std::to_string(b);
        if (b <= 9)
            number.insert(number.begin(), ' ');
        const auto line = text.find("   Board: " + number + "     Numbers: ", at);
        ASSERT_EQ(line, at) << b;
        at = text.find('\n', line) + 1;
    }
    EXPECT_EQ(at, text.size());
}

} // namespace
