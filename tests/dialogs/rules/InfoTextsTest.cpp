// The texts of the Help, About and donation windows, the phrases picked out
// in them, and the payment address of a donation.

#include "dialogs/rules/InfoTexts.h"
#include "dialogs/rules/DonationAddress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

namespace {

using namespace infotexts;

// 1-based line of a position in lines joined by line feeds.
int LineOf(const std::u16string &text, int position)
{
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + position, u'\n'));
}

// Position where 1-based line n starts.
int LineStart(std::span<const std::u16string_view> lines, int n)
{
    int position = 0;
    for (int i = 0; i < n - 1; ++i)
        position += static_cast<int>(lines[i].size()) + 1;
    return position;
}

std::string Narrow(std::u16string_view text)
{
    return std::string(text.begin(), text.end()); // ASCII phrases only
}

TEST(HelpText, HasSixtyFourLinesAndATypographicApostropheInLine34)
{
    const std::u16string text = JoinLines(kHelpLines);
    EXPECT_EQ(std::count(text.begin(), text.end(), u'\n'), 63);
    EXPECT_NE(kHelpLines[33].find(u"author\u2019s"), std::u16string_view::npos);
    EXPECT_EQ(text.find(u'\''), std::u16string::npos);
    EXPECT_TRUE(kHelpLines[45].empty());
    EXPECT_TRUE(kHelpLines[46].empty());
    // Trailing blanks are part of the text.
    EXPECT_EQ(kHelpLines[10], u"  - Play Exclusions System: ");
    EXPECT_EQ(kHelpLines[44], u"this is what the average return would be. ");
}

TEST(HelpText, EveryHeadingIsFirstFoundAtItsOwnLine)
{
    const std::u16string text = JoinLines(kHelpLines);
    const int length = static_cast<int>(text.size());
    const std::array<int, kCommandHeadings.size()> commandLines = {1, 9, 30, 31, 32, 33, 34, 35, 48, 53, 59};
    const int topicLines[] = {2, 3, 4, 7, 6, 11, 15, 19, 25, 37};
    for (std::size_t i = 0; i < kCommandHeadings.size(); ++i) {
        const int found = FindPhrase(text, kCommandHeadings[i], 0, length);
        ASSERT_GE(found, 0) << Narrow(kCommandHeadings[i]);
        EXPECT_EQ(LineOf(text, found), commandLines[i]) << Narrow(kCommandHeadings[i]);
    }
    for (std::size_t i = 0; i < kTopicHeadings.size(); ++i) {
        const int found = FindPhrase(text, kTopicHeadings[i], 0, length);
        ASSERT_GE(found, 0) << Narrow(kTopicHeadings[i]);
        EXPECT_EQ(LineOf(text, found), topicLines[i]) << Narrow(kTopicHeadings[i]);
    }
}

TEST(AboutText, GivenLinesCarryTheNameAddressAndTypographicApostrophe)
{
    EXPECT_EQ(kAboutLines[0], u"Program Name: Drawvane");
    EXPECT_EQ(kAboutLines[1], std::u16string(u"Author: ") + std::u16string(kAuthorName));
    EXPECT_EQ(kAboutLines[2], std::u16string(u"Contact E-Mail: ") + std::u16string(kContactAddress));
    EXPECT_TRUE(kAboutLines[3].empty());
    EXPECT_TRUE(kAboutLines[7].empty());
    EXPECT_NE(kAboutLines[10].find(u"coefficient\u2019s value"), std::u16string_view::npos);
    EXPECT_EQ(kAboutLines[11], u"that the selected number combination is going to be drawn.");
    EXPECT_TRUE(kAboutLines[12].empty());
    EXPECT_EQ(kAboutLines[13].substr(0, kAuthorName.size()), kAuthorName);
    EXPECT_TRUE(kAboutLines[14].empty());
    EXPECT_NE(kAboutLines[15].find(u"Veilmark"), std::u16string_view::npos);
    EXPECT_EQ(JoinLines(kAboutLines).find(u'\''), std::u16string::npos);
}

TEST(AboutText, EveryPhraseIsFoundWithinItsFixedRange)
{
    const std::u16string text = JoinLines(kAboutLines);
    const int expectedStarts[] = {LineStart(kAboutLines, 1), LineStart(kAboutLines, 2), LineStart(kAboutLines, 3),
                                  LineStart(kAboutLines, 5), LineStart(kAboutLines, 14)};
    for (std::size_t i = 0; i < kAboutPhrases.size(); ++i) {
        const TPhraseRange &p = kAboutPhrases[i];
        const int found = FindPhrase(text, p.phrase, p.start, p.span);
        ASSERT_GE(found, 0) << Narrow(p.phrase);
        EXPECT_EQ(found, expectedStarts[i]) << Narrow(p.phrase);
        EXPECT_LE(found + static_cast<int>(p.phrase.size()), p.start + p.span) << Narrow(p.phrase);
    }
}

TEST(FindPhrase, MatchesCaseAndOnlyWithinTheClippedRange)
{
    const std::u16string_view text = u"Print: print: Print:";
    EXPECT_EQ(FindPhrase(text, u"Print:", 0, 20), 0);
    EXPECT_EQ(FindPhrase(text, u"print:", 0, 20), 7);
    EXPECT_EQ(FindPhrase(text, u"Print:", 1, 100), 14); // span past the end is clipped
    EXPECT_EQ(FindPhrase(text, u"Print:", 1, 18), -1);  // last one sticks out of the range
    EXPECT_EQ(FindPhrase(text, u"Print:", 1, 19), 14);
    EXPECT_EQ(FindPhrase(text, u"Print:", 40, 10), -1);
    EXPECT_EQ(FindPhrase(text, u"Exit:", 0, 20), -1);
    EXPECT_EQ(FindPhrase(text, u"rint", 0, 20), 1); // whole words are not required
}

TEST(AppealText, HasTwelveLines)
{
    EXPECT_EQ(kAppealLines.size(), 12u);
    EXPECT_EQ(kAppealLines[0], u"Increase your luck!");
    EXPECT_EQ(kAppealLines[7], u"There is only one way to increase you luck, ");
    EXPECT_EQ(kAppealLines[11], u"and increase your chances of winning");
}

TEST(Donation, AmountIsTheFieldsDigitsOrTenWhenThereAreNone)
{
    const struct {
        const char *field;
        int64_t amount;
    } cases[] = {
        {"     10", 10}, {"       ", 10},  {"", 10},    {"1234567", 1234567}, {"      0", 0},
        {"0000005", 5},  {"  1 2 3", 123}, {"12a", 10}, {"-5", 10},           {"+5", 10},
    };
    for (const auto &c : cases)
        EXPECT_EQ(donation::DonationAmount(c.field), c.amount) << '"' << c.field << '"';
}

TEST(Donation, AddressCarriesTheKeysInOrderAndThePlainAmount)
{
    const std::string tail = "&no_shipping=1&currency_code=USD&quantity=1&no_note=1&cmd=_xclick";
    const std::string head = "https://www.paypal.com/cgi-bin/webscr?business=donations@drawvane.example.org"
                             "&item_name=Drawvane%20Donation&amount=";
    EXPECT_EQ(donation::PaymentAddress(10), head + "10" + tail);
    EXPECT_EQ(donation::PaymentAddress(1234567), head + "1234567" + tail);
    EXPECT_EQ(donation::PaymentAddress(0), head + "0" + tail);
}

} // namespace
