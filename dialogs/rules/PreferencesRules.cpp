#include "dialogs/rules/PreferencesRules.h"
#include "dialogs/rules/MaskedDigits.h"

#include <algorithm>
#include <limits>

int TPreferencesRules::ItemForCount(int stored, const prefs::TCountList &list)
{
    return std::clamp(stored - list.first, 0, list.items - 1);
}

std::string TPreferencesRules::PaymentText(int64_t payment, int positions)
{
    if (payment < 0)
        return {};
    std::string digits = std::to_string(payment);
    if (static_cast<int>(digits.size()) > positions)
        return {};
    return digits;
}

int64_t TPreferencesRules::ReadPayment(const std::string &maskedText, int64_t fallback)
{
    const std::optional<int64_t> value = ReadMaskedDigits(maskedText);
    return value && *value <= std::numeric_limits<int32_t>::max() ? *value : fallback;
}

bool TPreferencesRules::TopDivisionsOn(int marksIndex)
{
    return marksIndex + prefs::kMarksList.first == 6;
}

bool TPreferencesRules::AnyDivision(const std::array<bool, 7> &checked)
{
    return std::any_of(checked.begin(), checked.end(), [](bool on) { return on; });
}

namespace {

// The count a list's selected item stands for; with no item selected (or an
// index the list does not have) the setting's default, so that Accept never
// stores a count outside the list.
uint8_t CountOfItem(int index, const prefs::TCountList &list, uint8_t fallback)
{
    if (index < 0 || index >= list.items)
        return fallback;
    return static_cast<uint8_t>(list.first + index);
}

} // namespace

void TPreferencesRules::TakeControls(const TPreferencesControls &controls, TGameSettings &settings)
{
    const TGameSettings defaults;
    settings.boards = CountOfItem(controls.boardsIndex, prefs::kBoardsList, defaults.boards);
    settings.boardsize = CountOfItem(controls.cellsIndex, prefs::kCellsList, defaults.boardsize);
    settings.marks = CountOfItem(controls.marksIndex, prefs::kMarksList, defaults.marks);
    for (int n = 0; n < 7; ++n) {
        settings.divisions[n] = controls.divisionChecked[n] ? 1 : 0;
        settings.payments[n] = ReadPayment(controls.paymentText[n], prefs::kPaymentFallbacks[n]);
    }
}
