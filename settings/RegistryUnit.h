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

// The settings store. Every operation opens the product key (or one of its
// subkeys), reads or writes one item and closes it again. Failures are thrown
// as TRegistryError with the texts the player sees.
class TRegOptions {
public:
    TRegOptions(); // sets the product key path; touches no storage
    bool InitDefaults();
    uint8_t GetBoards();
    void SetBoards(uint8_t value);
    uint8_t GetBoardSize();
    void SetBoardSize(uint8_t value);
    uint8_t GetMarks();
    void SetMarks(uint8_t value);
    void GetDivisions(std::span<uint8_t> values);
    void SetDivisions(std::span<const uint8_t> values);
    void GetPayments(std::span<int64_t> values);
    void SetPayments(std::span<const int64_t> values);
    void GetInclusions(std::span<uint8_t> values);
    void SetInclusions(std::span<const uint8_t> values);
    void GetExclusions(std::span<uint8_t> values);
    void SetExclusions(std::span<const uint8_t> values);
    bool GetPlayExclude();
    void SetPlayExclude(bool value);
    bool GetPlayInclude();
    void SetPlayInclude(bool value);
    bool GetPlaySums();
    void SetPlaySums(bool value);
    bool GetPlayStdev();
    void SetPlayStdev(bool value);

private:
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

// Every setting with its place in the record and its store operations, in
// the record's order. What reads or writes all of them walks this list.
template <typename Visit>
void ForEachSetting(Visit &&visit)
{
    using namespace settings;
    visit(kBoards, &TGameSettings::boards, &TRegOptions::GetBoards, &TRegOptions::SetBoards);
    visit(kBoardSize, &TGameSettings::boardsize, &TRegOptions::GetBoardSize, &TRegOptions::SetBoardSize);
    visit(kMarks, &TGameSettings::marks, &TRegOptions::GetMarks, &TRegOptions::SetMarks);
    visit(kDivisions, &TGameSettings::divisions, &TRegOptions::GetDivisions, &TRegOptions::SetDivisions);
    visit(kPayments, &TGameSettings::payments, &TRegOptions::GetPayments, &TRegOptions::SetPayments);
    visit(kInclusions, &TGameSettings::inclusions, &TRegOptions::GetInclusions, &TRegOptions::SetInclusions);
    visit(kExclusions, &TGameSettings::exclusions, &TRegOptions::GetExclusions, &TRegOptions::SetExclusions);
    visit(kPlayExclude, &TGameSettings::playExclude, &TRegOptions::GetPlayExclude, &TRegOptions::SetPlayExclude);
    visit(kPlayInclude, &TGameSettings::playInclude, &TRegOptions::GetPlayInclude, &TRegOptions::SetPlayInclude);
    visit(kPlaySums, &TGameSettings::playSums, &TRegOptions::GetPlaySums, &TRegOptions::SetPlaySums);
    visit(kPlayStdev, &TGameSettings::playstdev, &TRegOptions::GetPlayStdev, &TRegOptions::SetPlayStdev);
}

// Every setting through its own getter or setter, in the record's order.
TGameSettings ReadAllSettings(TRegOptions &store);
void WriteAllSettings(TRegOptions &store, const TGameSettings &settings);
