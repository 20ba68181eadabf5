#include "PreferencesRules.h"

#include <algorithm>
#include <charconv>

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
    std::string digits;
    for (const char c : maskedText) {
        if (c == ' ')
            continue;
        // Payments are never negative: a sign does not parse either.
        if (c < '0' || c > '9')
            return fallback;
        digits.push_back(c);
    }
    int32_t value = 0;
    const char *end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end)
        return fallback;
    return value;
}

bool TPreferencesRules::TopDivisionsOn(int marksIndex)
{
    return marksIndex + prefs::kMarksList.first == 6;
}

bool TPreferencesRules::AnyDivision(const std::array<bool, 7> &checked)
{
    return std::any_of(checked.begin(), checked.end(), [](bool on) { return on; });
}

void TPreferencesRules::TakeControls(const TPreferencesControls &controls, TGameSettings &settings)
{
    settings.boards = static_cast<uint8_t>(controls.boardsIndex + prefs::kBoardsList.first);
    settings.boardsize = static_cast<uint8_t>(controls.cellsIndex + prefs::kCellsList.first);
    settings.marks = static_cast<uint8_t>(controls.marksIndex + prefs::kMarksList.first);
    for (int n = 0; n < 7; ++n) {
        settings.divisions[n] = controls.divisionChecked[n] ? 1 : 0;
        settings.payments[n] = ReadPayment(controls.paymentText[n], prefs::kPaymentFallbacks[n]);
    }
}
