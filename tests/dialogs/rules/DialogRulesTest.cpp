#include "dialogs/rules/PreferencesRules.h"
#include "dialogs/rules/SystemsRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// A stand-in for the store: it hands out the settings it holds and records
// every read and write by its item's name.
struct RecordingStore : TSettingsAccess<RecordingStore> {
    std::vector<std::string> log;
    TGameSettings held;

    template <typename Item>
    auto Read(const Item &item)
    {
        log.push_back("get " + std::string(item.name));
        return Held(item);
    }
    template <typename Item, typename T>
    void Read(const Item &item, std::span<T> values)
    {
        log.push_back("get " + std::string(item.name));
        std::ranges::copy(Held(item), values.begin());
    }
    template <typename Item, typename T>
    void Write(const Item &item, const T &)
    {
        log.push_back("set " + std::string(item.name));
    }

    template <typename Item>
    auto Held(const Item &item) const
    {
        decltype(item.fallback) value{};
        ForEachSetting([&](const auto &other, auto member) {
            if constexpr (std::is_same_v<std::decay_t<decltype(other)>, Item>)
                if (&other == &item)
                    value = held.*member;
        });
        return value;
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
    EXPECT_EQ(store.log, (Log{"get boards", "get boardsize", "get marks", "get div", "get payments"}));
    store.log.clear();
    WritePreferences(store, settings);
    EXPECT_EQ(store.log, (Log{"set boardsize", "set boards", "set marks", "set div", "set payments"}));
}

// --- Systems -----------------------------------------------------------------

TGameSettings Working(uint8_t boardsize = 49)
{
    TGameSettings working;
    working.boardsize = boardsize;
    return working;
}

// Picks on one working copy in turn, each with the item its list shows
// afterwards, which its slot then holds; then every slot.
TEST(SystemsRules, PicksAreVettedAndARefusalEmptiesTheSlotBeingChangedOnly)
{
    struct Pick {
        bool inclusion;
        int n, number, shown;
    };
    const struct {
        const char *name;
        uint8_t boardsize;
        std::array<uint8_t, 10> exclusions;
        std::array<uint8_t, 4> inclusions;
        std::vector<Pick> picks;
        std::array<uint8_t, 10> exclusionsAfter;
        std::array<uint8_t, 4> inclusionsAfter;
    } games[] = {
        {"beyond the board",
         40,
         {0, 0, 7},
         {},
         {{false, 3, 41, 0}, {false, 3, 40, 40}, {true, 1, 41, 0}, {true, 1, 39, 39}},
         {0, 0, 40},
         {39}},
        // The slot being changed takes part with the number it held before.
        {"taken in either list",
         49,
         {12, 0, 0, 9},
         {0, 20},
         {{false, 5, 12, 0}, {false, 4, 20, 0}, {true, 3, 12, 0}, {true, 4, 20, 0}, {true, 2, 20, 0}},
         {12},
         {}},
        {"zero", 49, {5}, {3, 3, 3, 3}, {{false, 1, 0, 0}, {true, 2, 0, 0}}, {}, {3, 0, 3, 3}},
    };
    for (const auto &g : games) {
        TGameSettings working = Working(g.boardsize);
        working.exclusions = g.exclusions;
        working.inclusions = g.inclusions;
        for (const Pick &p : g.picks) {
            const int shown = p.inclusion ? TSystemsRules::PickInclusion(working, p.n, p.number)
                                          : TSystemsRules::PickExclusion(working, p.n, p.number);
            EXPECT_EQ(shown, p.shown) << g.name << ": " << p.number << " in list " << p.n;
            EXPECT_EQ(p.inclusion ? working.inclusions[p.n - 1] : working.exclusions[p.n - 1], p.shown) << g.name;
        }
        EXPECT_EQ(working.exclusions, g.exclusionsAfter) << g.name;
        EXPECT_EQ(working.inclusions, g.inclusionsAfter) << g.name;
    }
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
              (Log{"get inclusions", "get exclusions", "get playInclude", "get playExclude", "get playSums",
                   "get playstdev", "get boardsize"}));

    const Log switches{"set playInclude", "set playExclude", "set playSums", "set playstdev"};
    working.playInclude = working.playExclude = false;
    store.log.clear();
    WriteSystems(store, working);
    EXPECT_EQ(store.log, switches);

    working.playInclude = true;
    store.log.clear();
    WriteSystems(store, working);
    Log expected = switches;
    expected.push_back("set inclusions");
    EXPECT_EQ(store.log, expected);

    working.playExclude = true;
    store.log.clear();
    WriteSystems(store, working);
    expected.push_back("set exclusions");
    EXPECT_EQ(store.log, expected);
}

} // namespace
