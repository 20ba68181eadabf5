#include "dialogs/PreferencesRules.h"
#include "dialogs/SystemsRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace {

// A store that hands out fixed values and records every operation by name.
struct RecordingStore {
    std::vector<std::string> log;
    TGameSettings held;

    uint8_t GetBoards() { return Note("GetBoards", held.boards); }
    uint8_t GetBoardSize() { return Note("GetBoardSize", held.boardsize); }
    uint8_t GetMarks() { return Note("GetMarks", held.marks); }
    void GetDivisions(std::span<uint8_t> v) { Copy("GetDivisions", held.divisions, v); }
    void GetPayments(std::span<int64_t> v) { Copy("GetPayments", held.payments, v); }
    void GetInclusions(std::span<uint8_t> v) { Copy("GetInclusions", held.inclusions, v); }
    void GetExclusions(std::span<uint8_t> v) { Copy("GetExclusions", held.exclusions, v); }
    bool GetPlayInclude() { return Note("GetPlayInclude", held.playInclude); }
    bool GetPlayExclude() { return Note("GetPlayExclude", held.playExclude); }
    bool GetPlaySums() { return Note("GetPlaySums", held.playSums); }
    bool GetPlayStdev() { return Note("GetPlayStdev", held.playstdev); }

    void SetBoards(uint8_t) { log.push_back("SetBoards"); }
    void SetBoardSize(uint8_t) { log.push_back("SetBoardSize"); }
    void SetMarks(uint8_t) { log.push_back("SetMarks"); }
    void SetDivisions(std::span<const uint8_t>) { log.push_back("SetDivisions"); }
    void SetPayments(std::span<const int64_t>) { log.push_back("SetPayments"); }
    void SetInclusions(std::span<const uint8_t>) { log.push_back("SetInclusions"); }
    void SetExclusions(std::span<const uint8_t>) { log.push_back("SetExclusions"); }
    void SetPlayInclude(bool) { log.push_back("SetPlayInclude"); }
    void SetPlayExclude(bool) { log.push_back("SetPlayExclude"); }
    void SetPlaySums(bool) { log.push_back("SetPlaySums"); }
    void SetPlayStdev(bool) { log.push_back("SetPlayStdev"); }

    template <typename T>
    T Note(const char *name, T value)
    {
        log.push_back(name);
        return value;
    }
    template <typename T, std::size_t N>
    void Copy(const char *name, const std::array<T, N> &from, std::span<T> to)
    {
        log.push_back(name);
        std::ranges::copy(from, to.begin());
    }
};

using Log = std::vector<std::string>;

// --- Preferences -------------------------------------------------------------

TEST(PreferencesRules, StoredCountsOutsideTheirListsSelectTheNearestItem)
{
    struct Row {
        int stored;
        const prefs::TCountList &list;
        int item;
    } rows[] = {
        {4, prefs::kBoardsList, 0},  {12, prefs::kBoardsList, 8},  {13, prefs::kBoardsList, 8},
        {0, prefs::kBoardsList, 0},  {255, prefs::kBoardsList, 8}, {36, prefs::kCellsList, 0},
        {49, prefs::kCellsList, 13}, {30, prefs::kCellsList, 0},   {50, prefs::kCellsList, 13},
        {5, prefs::kMarksList, 0},   {6, prefs::kMarksList, 1},    {9, prefs::kMarksList, 1},
        {0, prefs::kMarksList, 0},
    };
    for (const Row &row : rows)
        EXPECT_EQ(TPreferencesRules::ItemForCount(row.stored, row.list), row.item) << row.stored;
}

TEST(PreferencesRules, PaymentThatDoesNotFitItsFieldShowsTheFieldEmpty)
{
    EXPECT_EQ(TPreferencesRules::PaymentText(1000000, 10), "1000000");
    EXPECT_EQ(TPreferencesRules::PaymentText(2147483647, 10), "2147483647");
    EXPECT_EQ(TPreferencesRules::PaymentText(0, 3), "0");
    EXPECT_EQ(TPreferencesRules::PaymentText(999, 3), "999");
    EXPECT_EQ(TPreferencesRules::PaymentText(1000, 3), "");
    EXPECT_EQ(TPreferencesRules::PaymentText(-1, 10), "");
}

TEST(PreferencesRules, PaymentTextReadsWithoutSpacesOrFallsBack)
{
    EXPECT_EQ(TPreferencesRules::ReadPayment("     12 34", 7), 1234);
    EXPECT_EQ(TPreferencesRules::ReadPayment("  1 2 3  ", 7), 123);
    EXPECT_EQ(TPreferencesRules::ReadPayment("2147483647", 7), 2147483647);
    EXPECT_EQ(TPreferencesRules::ReadPayment("0000000000", 7), 0);
    EXPECT_EQ(TPreferencesRules::ReadPayment("", 7), 7);
    EXPECT_EQ(TPreferencesRules::ReadPayment("         ", 7), 7);
    EXPECT_EQ(TPreferencesRules::ReadPayment("2147483648", 7), 7);
    EXPECT_EQ(TPreferencesRules::ReadPayment("9999999999", 7), 7);
    EXPECT_EQ(TPreferencesRules::ReadPayment("-5", 7), 7);
}

TEST(PreferencesRules, AcceptTakesCountsSwitchesAndPaymentsWithTheirFallbacks)
{
    TPreferencesControls controls;
    controls.boardsIndex = 8;
    controls.cellsIndex = 13;
    controls.marksIndex = 1;
    controls.divisionChecked = {false, false, false, false, false, false, true};
    controls.paymentText = {"9999999999", "         ", "   12 34", "  5000", "", " 20", "  7"};
    TGameSettings settings;
    TPreferencesRules::TakeControls(controls, settings);
    EXPECT_EQ(settings.boards, 12);
    EXPECT_EQ(settings.boardsize, 49);
    EXPECT_EQ(settings.marks, 6);
    EXPECT_EQ(settings.divisions, (std::array<uint8_t, 7>{0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(settings.payments, (std::array<int64_t, 7>{1000000, 500000, 1234, 5000, 100, 20, 7}));

    controls = {};
    TPreferencesRules::TakeControls(controls, settings);
    EXPECT_EQ(settings.boards, 4);
    EXPECT_EQ(settings.boardsize, 36);
    EXPECT_EQ(settings.marks, 5);
    EXPECT_EQ(settings.payments, (std::array<int64_t, 7>{1000000, 500000, 100000, 10000, 100, 20, 5}));

    // No item selected (a radio group left empty) or an index past the end:
    // the setting's default, never a count outside the list.
    controls.boardsIndex = 9;
    controls.cellsIndex = -1;
    controls.marksIndex = -1;
    TPreferencesRules::TakeControls(controls, settings);
    EXPECT_EQ(settings.boards, 12);
    EXPECT_EQ(settings.boardsize, 49);
    EXPECT_EQ(settings.marks, 6);
}

TEST(PreferencesRules, NoDivisionCheckedIsRefusedAndFiveMarksTurnTheTopDivisionsOff)
{
    EXPECT_FALSE(TPreferencesRules::AnyDivision({}));
    EXPECT_TRUE(TPreferencesRules::AnyDivision({false, false, false, false, false, false, true}));
    EXPECT_FALSE(TPreferencesRules::TopDivisionsOn(0));
    EXPECT_TRUE(TPreferencesRules::TopDivisionsOn(1));
}

TEST(PreferencesRules, StoreIsReadAndWrittenInItsOrder)
{
    RecordingStore store;
    TGameSettings settings;
    ReadPreferences(store, settings);
    EXPECT_EQ(store.log, (Log{"GetBoards", "GetBoardSize", "GetMarks", "GetDivisions", "GetPayments"}));
    store.log.clear();
    WritePreferences(store, settings);
    EXPECT_EQ(store.log, (Log{"SetBoardSize", "SetBoards", "SetMarks", "SetDivisions", "SetPayments"}));
}

// --- Systems -----------------------------------------------------------------

TGameSettings Working(uint8_t boardsize = 49)
{
    TGameSettings working;
    working.boardsize = boardsize;
    return working;
}

TEST(SystemsRules, NumberBeyondTheBoardIsRefusedAndEmptiesTheSlot)
{
    TGameSettings working = Working(40);
    working.exclusions[2] = 7;
    EXPECT_TRUE(TSystemsRules::IsBadExclusion(working, 3, 41));
    EXPECT_EQ(working.exclusions[2], 0);
    EXPECT_EQ(TSystemsRules::PickExclusion(working, 3, 41), 0);
    EXPECT_EQ(TSystemsRules::PickExclusion(working, 3, 40), 40);
    EXPECT_EQ(working.exclusions[2], 40);

    EXPECT_EQ(TSystemsRules::PickInclusion(working, 1, 41), 0);
    EXPECT_EQ(TSystemsRules::PickInclusion(working, 1, 39), 39);
    EXPECT_EQ(working.inclusions[0], 39);
}

TEST(SystemsRules, NumberTakenInEitherListEmptiesTheSlotBeingChangedOnly)
{
    TGameSettings working = Working();
    working.exclusions[0] = 12;
    EXPECT_EQ(TSystemsRules::PickExclusion(working, 5, 12), 0);
    EXPECT_EQ(working.exclusions[4], 0);
    EXPECT_EQ(working.exclusions[0], 12);

    working.inclusions[1] = 20;
    working.exclusions[3] = 9;
    EXPECT_EQ(TSystemsRules::PickExclusion(working, 4, 20), 0);
    EXPECT_EQ(working.exclusions[3], 0);
    EXPECT_EQ(working.inclusions[1], 20);

    EXPECT_EQ(TSystemsRules::PickInclusion(working, 3, 12), 0);
    EXPECT_EQ(TSystemsRules::PickInclusion(working, 4, 20), 0);
    EXPECT_EQ(working.inclusions[1], 20);
    // The slot takes part with the number it held before the change.
    EXPECT_TRUE(TSystemsRules::IsBadInclusion(working, 2, 20));
    EXPECT_EQ(working.inclusions[1], 0);
}

TEST(SystemsRules, ChoosingZeroLeavesTheSlotEmpty)
{
    TGameSettings working = Working();
    working.exclusions[0] = 5;
    EXPECT_EQ(TSystemsRules::PickExclusion(working, 1, 0), 0);
    EXPECT_EQ(working.exclusions[0], 0);
    std::fill(std::begin(working.inclusions), std::end(working.inclusions), 3);
    EXPECT_EQ(TSystemsRules::PickInclusion(working, 2, 0), 0);
    EXPECT_EQ(working.inclusions[1], 0);
}

TEST(SystemsRules, ASystemSwitchedOffBlocksNothingInTheOther)
{
    TGameSettings working = Working();
    working.inclusions[0] = 12;
    TSystemsRules::ClearInclusions(working);
    EXPECT_EQ(TSystemsRules::PickExclusion(working, 1, 12), 12);
    TSystemsRules::ClearExclusions(working);
    EXPECT_EQ(TSystemsRules::PickInclusion(working, 1, 12), 12);
}

TEST(SystemsRules, StoredNumbersNoListCanShowAreEmptiedOthersStay)
{
    TGameSettings working = Working(40);
    working.exclusions[0] = 60;
    working.exclusions[1] = 45;
    working.inclusions[3] = 255;
    working.inclusions[2] = 49;
    TSystemsRules::DropUnlistedNumbers(working);
    EXPECT_EQ(working.exclusions[0], 0);
    EXPECT_EQ(working.exclusions[1], 45);
    EXPECT_EQ(working.inclusions[3], 0);
    EXPECT_EQ(working.inclusions[2], 49);
}

TEST(SystemsRules, StoreIsReadInItsOrderAndListsWrittenOnlyWhileTheirSystemIsOn)
{
    RecordingStore store;
    TGameSettings working;
    ReadSystems(store, working);
    EXPECT_EQ(store.log,
              (Log{"GetInclusions", "GetExclusions", "GetPlayInclude", "GetPlayExclude", "GetPlaySums", "GetPlayStdev",
                   "GetBoardSize"}));

    const Log switches{"SetPlayInclude", "SetPlayExclude", "SetPlaySums", "SetPlayStdev"};
    working.playInclude = working.playExclude = false;
    store.log.clear();
    WriteSystems(store, working);
    EXPECT_EQ(store.log, switches);

    working.playInclude = true;
    store.log.clear();
    WriteSystems(store, working);
    Log expected = switches;
    expected.push_back("SetInclusions");
    EXPECT_EQ(store.log, expected);

    working.playExclude = true;
    store.log.clear();
    WriteSystems(store, working);
    expected.push_back("SetExclusions");
    EXPECT_EQ(store.log, expected);
}

} // namespace
