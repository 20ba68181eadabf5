#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

// The game settings as the program keeps them in memory. Ranges are those
// the dialogs produce; the store itself checks only 0..255 for byte items.
struct TGameSettings {
    uint8_t boards = 12;                       // 4..12
    uint8_t boardsize = 49;                    // 36..49
    uint8_t marks = 6;                         // 5 or 6
    uint8_t divisions[7] = {1, 1, 1, 1, 1, 1, 1};
    int64_t payments[7] = {1000000, 300000, 20000, 5000, 200, 10, 2}; // whole dollars
    uint8_t inclusions[4] = {0, 0, 0, 0};      // 0 = empty slot
    uint8_t exclusions[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    bool playExclude = false;
    bool playInclude = false;
    bool playSums = true;
    bool playstdev = true;
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
    TRegOptions();                       // sets the product key path "Software\drawvane\"; touches no storage
    bool InitDefaults();
    uint8_t GetBoards();      void SetBoards(uint8_t value);
    uint8_t GetBoardSize();   void SetBoardSize(uint8_t value);
    uint8_t GetMarks();       void SetMarks(uint8_t value);
    void GetDivisions(std::span<uint8_t> values);   void SetDivisions(std::span<const uint8_t> values);
    void GetPayments(std::span<int64_t> values);    void SetPayments(std::span<const int64_t> values);
    void GetInclusions(std::span<uint8_t> values);  void SetInclusions(std::span<const uint8_t> values);
    void GetExclusions(std::span<uint8_t> values);  void SetExclusions(std::span<const uint8_t> values);
    bool GetPlayExclude();    void SetPlayExclude(bool value);
    bool GetPlayInclude();    void SetPlayInclude(bool value);
    bool GetPlaySums();       void SetPlaySums(bool value);
    bool GetPlayStdev();      void SetPlayStdev(bool value);

private:
    std::string_view FKeyPath;
};
