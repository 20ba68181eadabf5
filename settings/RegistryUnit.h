#pragma once

#include "settings/SettingItems.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

// The game settings as the program keeps them in memory; each starts at its
// setting's fallback.
struct TGameSettings {
    uint8_t boards = settings::kBoards.fallback;
    uint8_t boardsize = settings::kBoardSize.fallback;
    uint8_t marks = settings::kMarks.fallback;
    decltype(settings::kDivisions.fallback) divisions = settings::kDivisions.fallback;
    decltype(settings::kPayments.fallback) payments = settings::kPayments.fallback;
    decltype(settings::kInclusions.fallback) inclusions = settings::kInclusions.fallback;
    decltype(settings::kExclusions.fallback) exclusions = settings::kExclusions.fallback;
    bool playExclude = settings::kPlayExclude.fallback;
    bool playInclude = settings::kPlayInclude.fallback;
    bool playSums = settings::kPlaySums.fallback;
    bool playstdev = settings::kPlayStdev.fallback;
};

// A failure of the settings store; what() is the text the player sees, such
// as "Failed to get data for '3'" or "Range check error".
class TRegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Receives the store's messages for the player (a settings file that could
// not be read and was kept aside). A message that arises while no handler is
// installed waits and goes to the next handler installed; each message is
// delivered once. An empty handler uninstalls.
void SetStoreNoticeHandler(std::function<void(const std::string &)> handler);

// The operations of the settings by name, each through its item of the
// table (SettingItems.h) and the store's operations on an item: what reads
// or writes one item, the store or a stand-in for it, needs only those.
template <typename Store>
class TSettingsAccess {
public:
    uint8_t GetBoards() { return Self().Read(settings::kBoards); }
    void SetBoards(uint8_t value) { Self().Write(settings::kBoards, value); }
    uint8_t GetBoardSize() { return Self().Read(settings::kBoardSize); }
    void SetBoardSize(uint8_t value) { Self().Write(settings::kBoardSize, value); }
    uint8_t GetMarks() { return Self().Read(settings::kMarks); }
    void SetMarks(uint8_t value) { Self().Write(settings::kMarks, value); }
    void GetDivisions(std::span<uint8_t> values) { Self().Read(settings::kDivisions, values); }
    void SetDivisions(std::span<const uint8_t> values) { Self().Write(settings::kDivisions, values); }
    void GetPayments(std::span<int64_t> values) { Self().Read(settings::kPayments, values); }
    void SetPayments(std::span<const int64_t> values) { Self().Write(settings::kPayments, values); }
    void GetInclusions(std::span<uint8_t> values) { Self().Read(settings::kInclusions, values); }
    void SetInclusions(std::span<const uint8_t> values) { Self().Write(settings::kInclusions, values); }
    void GetExclusions(std::span<uint8_t> values) { Self().Read(settings::kExclusions, values); }
    void SetExclusions(std::span<const uint8_t> values) { Self().Write(settings::kExclusions, values); }
    bool GetPlayExclude() { return Self().Read(settings::kPlayExclude); }
    void SetPlayExclude(bool value) { Self().Write(settings::kPlayExclude, value); }
    bool GetPlayInclude() { return Self().Read(settings::kPlayInclude); }
    void SetPlayInclude(bool value) { Self().Write(settings::kPlayInclude, value); }
    bool GetPlaySums() { return Self().Read(settings::kPlaySums); }
    void SetPlaySums(bool value) { Self().Write(settings::kPlaySums, value); }
    bool GetPlayStdev() { return Self().Read(settings::kPlayStdev); }
    void SetPlayStdev(bool value) { Self().Write(settings::kPlayStdev, value); }

private:
    Store &Self() { return static_cast<Store &>(*this); }
};

// The kept coupon, board by board and slot by slot (0 for an empty slot),
// and the last draw checked: six main numbers and the bonus ball.
using TKeptCoupon = std::array<std::array<uint8_t, settings::kKeptSlots>, settings::kKeptBoards>;
using TKeptDraw = std::array<uint8_t, 7>;

// The settings store. Every operation opens the product key (or one of its
// subkeys), reads or writes one item and closes it again. Failures are thrown
// as TRegistryError with the texts the player sees.
class TRegOptions : public TSettingsAccess<TRegOptions> {
public:
    TRegOptions(); // sets the product key path; touches no storage
    bool InitDefaults();

    // One item of the table. A count or switch that is missing is written
    // back with its fallback; a list fails at its first missing element.
    uint8_t Read(const settings::TCountItem &item);
    void Write(const settings::TCountItem &item, uint8_t value);
    bool Read(const settings::TSwitchItem &item);
    void Write(const settings::TSwitchItem &item, bool value);
    template <std::size_t N>
    void Read(const settings::TListItem<uint8_t, N> &item, std::span<uint8_t> values)
    {
        ReadBytes(item.name, values);
    }
    template <std::size_t N>
    void Write(const settings::TListItem<uint8_t, N> &item, std::span<const uint8_t> values)
    {
        WriteBytes(item.name, values);
    }
    void Read(const decltype(settings::kPayments) &item, std::span<int64_t> values);
    void Write(const decltype(settings::kPayments) &item, std::span<const int64_t> values);

    // The kept coupon and draw. Reading creates nothing and never fails: a
    // missing key or value, or one that is not a number 0..255, reads as 0.
    // Writing replaces every value in one change of the store.
    TKeptCoupon GetCoupon();
    void SetCoupon(const TKeptCoupon &coupon);
    TKeptDraw GetDraw();
    void SetDraw(const TKeptDraw &draw);

private:
    void ReadBytes(std::string_view list, std::span<uint8_t> values);
    void WriteBytes(std::string_view list, std::span<const uint8_t> values);

    std::string_view FKeyPath;
};

// One reading of the store for one operation of the program: a redraw, a
// click, a window opening. While it lives, the settings that the operation
// reads are answered from one look at the store, taken at the first read,
// so that the operation sees one state of the store and pays for one look;
// what the operation writes goes to the store, and its later reads see it.
// Nothing outlives it: the next operation looks again. Readings nest, the
// outermost one decides.
class TSettingsReading {
public:
    TSettingsReading();
    ~TSettingsReading();
    TSettingsReading(const TSettingsReading &) = delete;
    TSettingsReading &operator=(const TSettingsReading &) = delete;
};

// Every setting with its place in the record, in the record's order. What
// reads or writes all of them walks this list.
template <typename Visit>
void ForEachSetting(Visit &&visit)
{
    using namespace settings;
    visit(kBoards, &TGameSettings::boards);
    visit(kBoardSize, &TGameSettings::boardsize);
    visit(kMarks, &TGameSettings::marks);
    visit(kDivisions, &TGameSettings::divisions);
    visit(kPayments, &TGameSettings::payments);
    visit(kInclusions, &TGameSettings::inclusions);
    visit(kExclusions, &TGameSettings::exclusions);
    visit(kPlayExclude, &TGameSettings::playExclude);
    visit(kPlayInclude, &TGameSettings::playInclude);
    visit(kPlaySums, &TGameSettings::playSums);
    visit(kPlayStdev, &TGameSettings::playstdev);
}

// Every setting through the store's item operations, in the record's order.
template <typename Store>
TGameSettings ReadAllSettings(Store &store)
{
    TGameSettings values;
    ForEachSetting([&](const auto &item, auto member) {
        if constexpr (requires { store.Read(item, values.*member); })
            store.Read(item, values.*member);
        else
            values.*member = store.Read(item);
    });
    return values;
}

template <typename Store>
void WriteAllSettings(Store &store, const TGameSettings &values)
{
    ForEachSetting([&](const auto &item, auto member) { store.Write(item, values.*member); });
}
