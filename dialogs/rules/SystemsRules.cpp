#include "dialogs/rules/SystemsRules.h"

#include <algorithm>
#include <iterator>

namespace {

template <typename Slots>
bool Holds(const Slots &slots, int number)
{
    return std::find(std::begin(slots), std::end(slots), number) != std::end(slots);
}

// The three tests run in full, none stopping the others.
template <typename Own, typename Other>
bool IsBad(Own &own, const Other &other, int n, int number, int boardsize)
{
    uint8_t &slot = own[n - 1];
    bool bad = false;
    if (number > boardsize) {
        slot = 0;
        bad = true;
    }
    if (Holds(own, number)) {
        slot = 0;
        bad = true;
    }
    if (Holds(other, number)) {
        slot = 0;
        bad = true;
    }
    return bad;
}

} // namespace

bool TSystemsRules::IsBadExclusion(TGameSettings &working, int n, int number)
{
    return IsBad(working.exclusions, working.inclusions, n, number, working.boardsize);
}

bool TSystemsRules::IsBadInclusion(TGameSettings &working, int n, int number)
{
    return IsBad(working.inclusions, working.exclusions, n, number, working.boardsize);
}

int TSystemsRules::PickExclusion(TGameSettings &working, int n, int number)
{
    if (IsBadExclusion(working, n, number))
        return 0;
    working.exclusions[n - 1] = static_cast<uint8_t>(number);
    return number;
}

int TSystemsRules::PickInclusion(TGameSettings &working, int n, int number)
{
    if (IsBadInclusion(working, n, number))
        return 0;
    working.inclusions[n - 1] = static_cast<uint8_t>(number);
    return number;
}

void TSystemsRules::ClearExclusions(TGameSettings &working)
{
    std::fill(std::begin(working.exclusions), std::end(working.exclusions), 0);
}

void TSystemsRules::ClearInclusions(TGameSettings &working)
{
    std::fill(std::begin(working.inclusions), std::end(working.inclusions), 0);
}

void TSystemsRules::DropUnlistedNumbers(TGameSettings &working)
{
    for (uint8_t &slot : working.exclusions)
        if (slot > systems::kLargestItem)
            slot = 0;
    for (uint8_t &slot : working.inclusions)
        if (slot > systems::kLargestItem)
            slot = 0;
}
