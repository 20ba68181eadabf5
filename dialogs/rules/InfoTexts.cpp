#include "dialogs/rules/InfoTexts.h"

#include <algorithm>

namespace infotexts {

// The texts line by line, as the windows show them.
// clang-format off
const std::array<std::u16string_view, 64> kHelpLines = {
    DRAWVANE_TEXT16("Help", "Preferences: Select the Game Preferences"),
    DRAWVANE_TEXT16("Help", "   - Number of Boards: can be set to any number between 4 and 12"),
    DRAWVANE_TEXT16("Help", "   - Number of Cells: the number of cells per board. Can be between 36 and 49"),
    DRAWVANE_TEXT16("Help", "   - Number of Marks: the number of marks per board. Can be set to 5 or 6"),
    u"",
    DRAWVANE_TEXT16("Help", "  Prize Divisions: Choose the divisions applicable to your lotto game characteristics"),
    DRAWVANE_TEXT16("Help", "  Payments $: Choose the expected amount paid per each division. Use most recent if desired"),
    u"",
    DRAWVANE_TEXT16("Help", "Systems: Select the Systems you would like to play"),
    u"",
    DRAWVANE_TEXT16("Help", "  - Play Exclusions System: "),
    DRAWVANE_TEXT16("Help", "If you expect that some numbers will not be drawn then you may explicitly exclude them from the board. "),
    DRAWVANE_TEXT16("Help", "The numbers will be shaded in yellow and will not respond to mouse clicking."),
    u"",
    DRAWVANE_TEXT16("Help", "  - Play Inclusions System:"),
    DRAWVANE_TEXT16("Help", "Maybe you feel like expecting some numbers to be drawn. "),
    DRAWVANE_TEXT16("Help", "You may specify them here so that each of them will be marked on the board."),
    u"",
    DRAWVANE_TEXT16("Help", "  - Show Punch Estimation: "),
    DRAWVANE_TEXT16("Help", "The program provides two statistical coefficients representing some measure of probability "),
    DRAWVANE_TEXT16("Help", "that a given number combination will be drawn. "),
    DRAWVANE_TEXT16("Help", "The first one called Punch looks at the clustering of the numbers in any region of the board. "),
    DRAWVANE_TEXT16("Help", "In most cases one would expect this to be between 80 and 100, certainly above 60."),
    u"",
    DRAWVANE_TEXT16("Help", "  - Show Spread Estimation: "),
    DRAWVANE_TEXT16("Help", "The second coefficient looks at the relative positions of the numbers and estimates their "),
    DRAWVANE_TEXT16("Help", "standard deviation. If your numbers form a distinctive pattern this number is very small. "),
    DRAWVANE_TEXT16("Help", "Again for the real life cases this coefficient should be between 80 and 100, and certainly above 60."),
    u"",
    DRAWVANE_TEXT16("Help", "Clear: Removes all marks and calculated values"),
    DRAWVANE_TEXT16("Help", "Print: Prints the completely filled boards using your default printer"),
    DRAWVANE_TEXT16("Help", "Luck: Allows increasing your luck through an act of charity."),
    DRAWVANE_TEXT16("Help", "Help: This window"),
    DRAWVANE_TEXT16("Help", "About: A note about the author, together with the Internet links to the author\u2019s software sites"),
    DRAWVANE_TEXT16("Help", "Exit: Closes the program"),
    u"",
    DRAWVANE_TEXT16("Help", "Each board is supplemented with the graphical representation of the Punch and Spread "),
    DRAWVANE_TEXT16("Help", "values for the current selection of the numbers. "),
    DRAWVANE_TEXT16("Help", "The values are also printed in the central part of the screen."),
    u"",
    DRAWVANE_TEXT16("Help", "At the lower part of the screen the values of winning probabilities, "),
    DRAWVANE_TEXT16("Help", "odds and expected financial returns are displayed. "),
    DRAWVANE_TEXT16("Help", "The dollar amounts are calculated by multiplying the probability of winning "),
    DRAWVANE_TEXT16("Help", "by the expected prize value. If you play over a very long period of time "),
    DRAWVANE_TEXT16("Help", "this is what the average return would be. "),
    u"",
    u"",
    DRAWVANE_TEXT16("Help", "Draw: Quick pick and the check of a draw (Ctrl+D)"),
    DRAWVANE_TEXT16("Help", "  Fill Boards completes every board that is not full with numbers picked at random; the marks already "),
    DRAWVANE_TEXT16("Help", "on a board stay. Enter the main numbers and the bonus ball of a draw and press Check: the prize of each "),
    DRAWVANE_TEXT16("Help", "full board is listed, and the drawn numbers are ringed on the coupon."),
    u"",
    DRAWVANE_TEXT16("Help", "Past Draws: The past draws of your lottery (Ctrl+H, or Past Draws in the Draw window)"),
    DRAWVANE_TEXT16("Help", "  Import the results file of your lottery, or Paste a table of results copied from its web page. "),
    DRAWVANE_TEXT16("Help", "The full boards are checked against every draw, beside what they would win on average in as many fair draws, "),
    DRAWVANE_TEXT16("Help", "and a chart shows how often each number was drawn. Double click a draw to check it in the Draw window. "),
    DRAWVANE_TEXT16("Help", "Past draws do not tell the next one: in a fair draw every number is as likely as any other."),
    u"",
    DRAWVANE_TEXT16("Help", "Wheel: Your own numbers spread over the boards (Wheel... in the Draw window)"),
    DRAWVANE_TEXT16("Help", "  Type more numbers than a board holds, up to 20, and choose a guarantee such as 3 if 4: whenever 4 of the numbers drawn are among yours, "),
    DRAWVANE_TEXT16("Help", "at least one board has 3 of them. Every wheel offered is proven, and uses as few boards as we could find. "),
    DRAWVANE_TEXT16("Help", "The table shows what the wheel does in every draw; Fill marks its boards, and the results below the coupon "),
    DRAWVANE_TEXT16("Help", "show what they are worth. A wheel does not raise your chance of a prize, it only shares it out."),
    u"",
};

const std::array<std::u16string_view, 11> kCommandHeadings = {
    DRAWVANE_TEXT16("Help", "Preferences:"),
    DRAWVANE_TEXT16("Help", "Systems:"),
    DRAWVANE_TEXT16("Help", "Clear:"),
    DRAWVANE_TEXT16("Help", "Print:"),
    DRAWVANE_TEXT16("Help", "Luck:"),
    DRAWVANE_TEXT16("Help", "Help:"),
    DRAWVANE_TEXT16("Help", "About:"),
    DRAWVANE_TEXT16("Help", "Exit:"),
    DRAWVANE_TEXT16("Help", "Draw:"),
    DRAWVANE_TEXT16("Help", "Past Draws:"),
    DRAWVANE_TEXT16("Help", "Wheel:"),
};

const std::array<std::u16string_view, 10> kTopicHeadings = {
    DRAWVANE_TEXT16("Help", "Number of Boards:"),
    DRAWVANE_TEXT16("Help", "Number of Cells:"),
    DRAWVANE_TEXT16("Help", "Number of Marks:"),
    DRAWVANE_TEXT16("Help", "Payments $:"),
    DRAWVANE_TEXT16("Help", "Prize Divisions:"),
    DRAWVANE_TEXT16("Help", "Play Exclusions System:"),
    DRAWVANE_TEXT16("Help", "Play Inclusions System:"),
    DRAWVANE_TEXT16("Help", "Show Punch Estimation:"),
    DRAWVANE_TEXT16("Help", "Show Spread Estimation:"),
    DRAWVANE_TEXT16("Help", "Punch and Spread"),
};

// Lines 2, 3 and 14 carry the author's name and the contact address of the
// header, written out in full so that every line is one literal.
const std::array<std::u16string_view, 16> kAboutLines = {
    DRAWVANE_TEXT16("About", "Program Name: Drawvane"),
    DRAWVANE_TEXT16("About", "Author: The Drawvane developers"),
    DRAWVANE_TEXT16("About", "Contact E-Mail: drawvane@example.org"),
    u"",
    DRAWVANE_TEXT16("About", "Purpose: Drawvane is an implementation of statistical analysis of random number distributions as relevant to the "),
    DRAWVANE_TEXT16("About", "Lotto games. The program evaluates the numbers selected by the player to determine their relative randomness. In "),
    DRAWVANE_TEXT16("About", "this way the program attempts to inform the player about the level of correlation among the numbers chosen."),
    u"",
    DRAWVANE_TEXT16("About", "If the numbers selected represent some definite pattern the two coefficients (Punch and Spread) decrease in value. "),
    DRAWVANE_TEXT16("About", "This means that the numbers are not truly random and have smaller probability of being drawn. "),
    DRAWVANE_TEXT16("About", "The Punch and Spread coefficients vary between 0 and 100. The bigger the coefficient\u2019s value the more likely it is "),
    DRAWVANE_TEXT16("About", "that the selected number combination is going to be drawn."),
    u"",
    DRAWVANE_TEXT16("About", "The Drawvane developers write small programs about probability and games of chance."),
    u"",
    DRAWVANE_TEXT16("About", "You may also like Veilmark, their other program: download it from its website below."),
};

const std::array<std::u16string_view, 12> kAppealLines = {
    DRAWVANE_TEXT16("Luck", "Increase your luck!"),
    u"",
    DRAWVANE_TEXT16("Luck", "It is very well to use Systems, "),
    DRAWVANE_TEXT16("Luck", "and advanced Statistical Calculations"),
    u"",
    DRAWVANE_TEXT16("Luck", "To win, however, you also need some luck"),
    u"",
    DRAWVANE_TEXT16("Luck", "There is only one way to increase you luck, "),
    DRAWVANE_TEXT16("Luck", "and this is through donations"),
    u"",
    DRAWVANE_TEXT16("Luck", "Give donation to the software author,"),
    DRAWVANE_TEXT16("Luck", "and increase your chances of winning"),
};

const std::array<TPhraseRange, 5> kAboutPhrases = {{
    {DRAWVANE_TEXT16("About", "Program Name:"), 0, 100},
    {DRAWVANE_TEXT16("About", "Author:"), 20, 100},
    {DRAWVANE_TEXT16("About", "Contact E-Mail:"), 40, 80},
    {DRAWVANE_TEXT16("About", "Purpose:"), 80, 120},
    {kAuthorName, 800, 860},
}};
// clang-format on

std::u16string JoinLines(std::span<const std::u16string_view> lines)
{
    std::u16string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += u'\n';
        text += lines[i];
    }
    return text;
}

int FindPhrase(std::u16string_view text, std::u16string_view phrase, int start, int span)
{
    if (phrase.empty() || start < 0 || span <= 0)
        return -1;
    const std::size_t from = std::min<std::size_t>(static_cast<std::size_t>(start), text.size());
    const std::size_t to = std::min<std::size_t>(from + static_cast<std::size_t>(span), text.size());
    const std::size_t found = text.substr(from, to - from).find(phrase);
    return found == std::u16string_view::npos ? -1 : static_cast<int>(from + found);
}

} // namespace infotexts
