#include "coupon/logic/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberFormat, FixedDecimalsRoundHalfAwayFromZeroOnTheShortestText)
{
    const struct {
        double value;
        int decimals;
        const char *text;
    } cases[] = {
        // clang-format off
        // Halves, as the shortest text of the double shows them; another
        // half, and zero.
        {0.285, 2, "0.29"}, {0.125, 2, "0.13"}, {0.135, 2, "0.14"}, {2.675, 2, "2.68"},
        {1.005, 2, "1.01"}, {0.0, 2, "0.00"}, {0.0, 1, "0.0"},
        // Either side of a rounding step; carries into a new digit.
        {0.004999, 2, "0.00"}, {0.005, 2, "0.01"}, {0.995, 2, "1.00"},
        {9.995, 2, "10.00"}, {99999.999, 2, "100000.00"},
        // The chances as the results panel shows them.
        {1.0 / 13983816, 8, "0.00000007"}, {6.0 / 13983816, 8, "0.00000043"},
        {246820.0 / 13983816, 8, "0.01765040"}, {246820.0 / 13983816, 6, "0.017650"},
        // Long and noisy values; signs and whole numbers; the largest.
        {1234567.891, 2, "1234567.89"}, {0.07000000000000001, 2, "0.07"}, {1e-20, 8, "0.00000000"},
        {123.0, 0, "123"}, {-0.125, 2, "-0.13"}, {-0.001, 2, "0.00"}, {0.5, 0, "1"}, {0.49999, 0, "0"},
        {1e15, 2, "1000000000000000.00"},
        // clang-format on
    };
    for (const auto &[value, decimals, text] : cases)
        EXPECT_EQ(numfmt::Fixed(value, decimals, '.'), text) << value << " with " << decimals;
}

TEST(NumberFormat, TheUsersSeparatorAndNoThousandsSeparator)
{
    EXPECT_EQ(numfmt::Fixed(1234567.891, 2, ','), "1234567,89");
    EXPECT_EQ(numfmt::Fixed(0.0, 1, ','), "0,0");
    EXPECT_EQ(numfmt::Whole(14285713.28), "14285713");
    EXPECT_EQ(numfmt::Whole(2.5), "3");
    EXPECT_EQ(numfmt::Whole(0.0012), "0");
}

} // namespace
