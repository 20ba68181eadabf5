#pragma once

// What the Systems window decides, free of the toolkit: the vetting of a
// number picked for an exclusion or inclusion slot, and the store's read and
// write sequences. Slots hold a number on the board, 0 for an empty slot.

#include "settings/RegistryUnit.h"

#include <cstdint>

namespace systems {

inline constexpr int kExclusionSlots = static_cast<int>(settings::kExclusions.Size());
inline constexpr int kInclusionSlots = static_cast<int>(settings::kInclusions.Size());
// The number lists hold the items "0" to "49"; item n is the number n.
inline constexpr int kLargestItem = settings::kExclusions.range.max;
static_assert(settings::kInclusions.range.max == kLargestItem);

} // namespace systems

class TSystemsRules {
public:
    // A pick in exclusion list n: the number goes into slot n - 1 unless it
    // is refused. Returns the item the list shows afterwards (0 when refused).
    static int PickExclusion(TGameSettings &working, int n, int number);
    static int PickInclusion(TGameSettings &working, int n, int number);

    // A system switched off empties its working slots.
    static void ClearExclusions(TGameSettings &working);
    static void ClearInclusions(TGameSettings &working);

    // A stored slot that no list item can show is taken as empty. Numbers
    // within the lists but beyond the board stay as they are.
    static void DropUnlistedNumbers(TGameSettings &working);

private:
    // Refuses number for exclusion list n (1..10) when it lies beyond the
    // board, already stands in an exclusion slot (slot n - 1 with the number
    // it held before) or in an inclusion slot. Every failing test empties
    // slot n - 1 of the working copy.
    static bool IsBadExclusion(TGameSettings &working, int n, int number);
    // The same for inclusion list n (1..4).
    static bool IsBadInclusion(TGameSettings &working, int n, int number);
};

// Opening: through one store object, in the order inclusions, exclusions,
// the switches playInclude, playExclude, playSums, playstdev, then boardsize.
template <typename Store>
void ReadSystems(Store &store, TGameSettings &working)
{
    store.GetInclusions(working.inclusions);
    store.GetExclusions(working.exclusions);
    working.playInclude = store.GetPlayInclude();
    working.playExclude = store.GetPlayExclude();
    working.playSums = store.GetPlaySums();
    working.playstdev = store.GetPlayStdev();
    working.boardsize = store.GetBoardSize();
}

// Accept: the four switches always; a list only while its system is on, so
// a system switched off keeps its stored list.
template <typename Store>
void WriteSystems(Store &store, const TGameSettings &working)
{
    store.SetPlayInclude(working.playInclude);
    store.SetPlayExclude(working.playExclude);
    store.SetPlaySums(working.playSums);
    store.SetPlayStdev(working.playstdev);
    if (working.playInclude)
        store.SetInclusions(working.inclusions);
    if (working.playExclude)
        store.SetExclusions(working.exclusions);
}
