#pragma once

// What the Preferences window decides, free of the toolkit: which list item
// a stored count selects, what a payment field shows and how its text reads
// back, the marks rule, and the store's read and write sequences.

#include "settings/RegistryUnit.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace prefs {

// The count lists: the first value and the number of items, one for each
// count in the setting's range ("4".."12", "36".."49", "5 balls"/"6 balls").
struct TCountList {
    int first;
    int items;
};
constexpr TCountList CountList(const settings::TCountItem &item)
{
    return {item.range.min, item.range.Count()};
}
inline constexpr TCountList kBoardsList = CountList(settings::kBoards);
inline constexpr TCountList kCellsList = CountList(settings::kBoardSize);
inline constexpr TCountList kMarksList = CountList(settings::kMarks);

// Digit positions of payment fields one to seven.
inline constexpr std::array<int, 7> kPaymentPositions{10, 9, 8, 6, 5, 4, 3};

// What a payment field stands for when it is empty or holds more than a
// signed 32-bit number; whole dollars, divisions one to seven.
inline constexpr std::array<int64_t, 7> kPaymentFallbacks{1000000, 500000, 100000, 10000, 100, 20, 5};

} // namespace prefs

// The state of the window's controls as Accept takes it.
struct TPreferencesControls {
    int boardsIndex = 0;                    // selected item of BoardsComboBox
    int cellsIndex = 0;                     // selected item of CellsComboBox
    int marksIndex = 0;                     // selected item of MarksRadioGroup
    std::array<bool, 7> divisionChecked{};  // Div1CheckBox..Div7CheckBox
    std::array<std::string, 7> paymentText; // edit texts, blanks as spaces
};

class TPreferencesRules {
public:
    // The item a stored count selects: its own, or the nearest one when the
    // count lies outside the list, so that Accept always stores a count in range.
    static int ItemForCount(int stored, const prefs::TCountList &list);

    // The field text for a stored payment: its decimal digits, or empty when
    // the payment is negative or has more digits than the field holds.
    static std::string PaymentText(int64_t payment, int positions);

    // A field's text with every space deleted, as a signed 32-bit number;
    // the fallback when nothing is left or the number is too large.
    static int64_t ReadPayment(const std::string &maskedText, int64_t fallback);

    // Marks rule: with 5 marks divisions one and two ("6", "5 + bonus ball")
    // cannot be won, so their boxes are unchecked and disabled; with 6 they
    // are checked and enabled again.
    static bool TopDivisionsOn(int marksIndex);

    // Accept's validation: at least one division must take part.
    static bool AnyDivision(const std::array<bool, 7> &checked);

    // Accept's reading of the controls into the shape group and payments.
    static void TakeControls(const TPreferencesControls &controls, TGameSettings &settings);
};

// Opening: every item the window shows, through one store object, in the
// order boards, boardsize, marks, divisions, payments.
template <typename Store>
void ReadPreferences(Store &store, TGameSettings &settings)
{
    settings.boards = store.GetBoards();
    settings.boardsize = store.GetBoardSize();
    settings.marks = store.GetMarks();
    store.GetDivisions(settings.divisions);
    store.GetPayments(settings.payments);
}

// Accept: the five items, through one store object, board size first.
template <typename Store>
void WritePreferences(Store &store, const TGameSettings &settings)
{
    store.SetBoardSize(settings.boardsize);
    store.SetBoards(settings.boards);
    store.SetMarks(settings.marks);
    store.SetDivisions(settings.divisions);
    store.SetPayments(settings.payments);
}
