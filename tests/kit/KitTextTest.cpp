// The toolkit-free texts of the window kit: the general error report's and
// the hints'.

#include "kit/ErrorReportText.h"
#include "kit/HintText.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorReportText, FullStopOnlyAfterCharactersBeyondThePoint)
{
    EXPECT_EQ(ErrorReportText("Range check error"), "Range check error.");
    EXPECT_EQ(ErrorReportText("Failed to get data for '3'"), "Failed to get data for '3'");
    EXPECT_EQ(ErrorReportText("Done."), "Done.");
    EXPECT_EQ(ErrorReportText("Stop!"), "Stop!");
    EXPECT_EQ(ErrorReportText("a,"), "a,");
    EXPECT_EQ(ErrorReportText("trailing "), "trailing ");
    EXPECT_EQ(ErrorReportText("path/"), "path/.");
    EXPECT_EQ(ErrorReportText(""), "");
}

TEST(Hint, ShortAndLongParts)
{
    const THint hint = SplitHint("|Show Program options");
    EXPECT_EQ(hint.shortPart, "");
    EXPECT_EQ(hint.longPart, "Show Program options");
    const THint both = SplitHint("Tip|Longer text|with bar");
    EXPECT_EQ(both.shortPart, "Tip");
    EXPECT_EQ(both.longPart, "Longer text|with bar");
    const THint plain = SplitHint("Plain");
    EXPECT_EQ(plain.shortPart, "Plain");
    EXPECT_EQ(plain.longPart, "Plain");
}

} // namespace
