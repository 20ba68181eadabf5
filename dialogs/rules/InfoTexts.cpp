#include "dialogs/rules/InfoTexts.h"

#include <algorithm>

namespace infotexts {

// The texts line by line, as the windows show them.
// clang-format off
const std::array<std::u16string_view, 64> kHelpLines = {
    u"Preferences: Select the Game Preferences",
    u"   - Number of Boards: can be set to any number between 4 and 12",
    u"   - Number of Cells: the number of cells per board. Can be between 36 and 49",
    u"   - Number of Marks: the number of marks per board. Can be set to 5 or 6",
    u"",
    u"  Prize Divisions: Choose the divisions applicable to your lotto game characteristics",
    u"  Payments $: Choose the expected amount paid per each division. Use most recent if desired",
    u"",
    u"Systems: Select the Systems you would like to play",
    u"",
    u"  - Play Exclusions System: ",
    u"If you expect that some numbers will not be drawn then you may explicitly exclude them from the board. ",
    u"The numbers will be shaded in yellow and will not respond to mouse clicking.",
    u"",
    u"  - Play Inclusions System:",
    u"Maybe you feel like expecting some numbers to be drawn. ",
    u"You may specify them here so that each of them will be marked on the board.",
    u"",
    u"  - Show Punch Estimation: ",
    u"The program provides two statistical coefficients representing some measure of probability ",
    u"that a given number combination will be drawn. ",
    u"The first one called Punch looks at the clustering of the numbers in any region of the board. ",
    u"In most cases one would expect this to be between 80 and 100, certainly above 60.",
    u"",
    u"  - Show Spread Estimation: ",
    u"The second coefficient looks at the relative positions of the numbers and estimates their ",
    u"standard deviation. If your numbers form a distinctive pattern this number is very small. ",
    u"Again for the real life cases this coefficient should be between 80 and 100, and certainly above 60.",
    u"",
    u"Clear: Removes all marks and calculated values",
    u"Print: Prints the completely filled boards using your default printer",
    u"Luck: Allows increasing your luck through an act of charity.",
    u"Help: This window",
    u"About: A note about the author, together with the Internet links to the author\u2019s software sites",
    u"Exit: Closes the program",
    u"",
    u"Each board is supplemented with the graphical representation of the Punch and Spread ",
    u"values for the current selection of the numbers. ",
    u"The values are also printed in the central part of the screen.",
    u"",
    u"At the lower part of the screen the values of winning probabilities, ",
    u"odds and expected financial returns are displayed. ",
    u"The dollar amounts are calculated by multiplying the probability of winning ",
    u"by the expected prize value. If you play over a very long period of time ",
    u"this is what the average return would be. ",
    u"",
    u"",
    u"Draw: Quick pick and the check of a draw (Ctrl+D)",
    u"  Fill Boards completes every board that is not full with numbers picked at random; the marks already ",
    u"on a board stay. Enter the main numbers and the bonus ball of a draw and press Check: the prize of each ",
    u"full board is listed, and the drawn numbers are ringed on the coupon.",
    u"",
    u"Past Draws: The past draws of your lottery (Ctrl+H, or Past Draws in the Draw window)",
    u"  Import the results file of your lottery, or Paste a table of results copied from its web page. ",
    u"The full boards are checked against every draw, beside what they would win on average in as many fair draws, ",
    u"and a chart shows how often each number was drawn. Double click a draw to check it in the Draw window. ",
    u"Past draws do not tell the next one: in a fair draw every number is as likely as any other.",
    u"",
    u"Wheel: Your own numbers spread over the boards (Wheel... in the Draw window)",
    u"  Type more numbers than a board holds, up to 20, and choose a guarantee such as 3 if 4: whenever 4 of the numbers drawn are among yours, ",
    u"at least one board has 3 of them. Every wheel offered is proven, and uses as few boards as we could find. ",
    u"The table shows what the wheel does in every draw; Fill marks its boards, and the results below the coupon ",
    u"show what they are worth. A wheel does not raise your chance of a prize, it only shares it out.",
    u"",
};

const std::array<std::u16string_view, 11> kCommandHeadings = {
    u"Preferences:", u"Systems:", u"Clear:", u"Print:", u"Luck:",       u"Help:",
    u"About:",       u"Exit:",    u"Draw:",  u"Past Draws:", u"Wheel:",
};

const std::array<std::u16string_view, 10> kTopicHeadings = {
    u"Number of Boards:",
    u"Number of Cells:",
    u"Number of Marks:",
    u"Payments $:",
    u"Prize Divisions:",
    u"Play Exclusions System:",
    u"Play Inclusions System:",
    u"Show Punch Estimation:",
    u"Show Spread Estimation:",
    u"Punch and Spread",
};

// Lines 2, 3 and 14 carry the author's name and the contact address of the
// header, written out in full so that every line is one literal.
const std::array<std::u16string_view, 16> kAboutLines = {
    u"Program Name: Drawvane",
    u"Author: The Drawvane developers",
    u"Contact E-Mail: drawvane@example.org",
    u"",
    u"Purpose: Drawvane is an implementation of statistical analysis of random number distributions as relevant to the ",
    u"Lotto games. The program evaluates the numbers selected by the player to determine their relative randomness. In ",
    u"this way the program attempts to inform the player about the level of correlation among the numbers chosen.",
    u"",
    u"If the numbers selected represent some definite pattern the two coefficients (Punch and Spread) decrease in value. ",
    u"This means that the numbers are not truly random and have smaller probability of being drawn. ",
    u"The Punch and Spread coefficients vary between 0 and 100. The bigger the coefficient\u2019s value the more likely it is ",
    u"that the selected number combination is going to be drawn.",
    u"",
    u"The Drawvane developers write small programs about probability and games of chance.",
    u"",
    u"You may also like Veilmark, their other program: download it from its website below.",
};

const std::array<std::u16string_view, 12> kAppealLines = {
    u"Increase your luck!",
    u"",
    u"It is very well to use Systems, ",
    u"and advanced Statistical Calculations",
    u"",
    u"To win, however, you also need some luck",
    u"",
    u"There is only one way to increase you luck, ",
    u"and this is through donations",
    u"",
    u"Give donation to the software author,",
    u"and increase your chances of winning",
};

const std::array<TPhraseRange, 5> kAboutPhrases = {{
    {u"Program Name:", 0, 100},
    {u"Author:", 20, 100},
    {u"Contact E-Mail:", 40, 80},
    {u"Purpose:", 80, 120},
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
