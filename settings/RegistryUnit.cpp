#include "RegistryUnit.h"
#include "RegistryStore.h"

#include <limits>
#include <mutex>
#include <utility>
#include <vector>

namespace {

const TGameSettings Defaults;

[[noreturn]] void Fail(const char *format, const std::string &name)
{
    std::string text = format;
    text.replace(text.find("%s"), 2, name);
    throw TRegistryError(text);
}

[[noreturn]] void RangeCheckError() { throw TRegistryError("Range check error"); }

enum class TAccess { Full, Read };

// One opened key, closed when it goes out of scope, on the error path too.
// A key that failed to open behaves as the registry's null key: nothing can
// be read from it or written to it. A key opened for reading falls back to
// read access when full access is refused, so that a store that cannot be
// written still serves its values.
class TOpenKey {
public:
    explicit TOpenKey(const std::string &path, TAccess access = TAccess::Full)
        : FOpen(regstore::CreateKey(path, FKey) || (access == TAccess::Read && regstore::OpenKey(path, FKey)))
    {
    }
    ~TOpenKey()
    {
        if (FOpen)
            regstore::CloseKey(FKey);
    }
    TOpenKey(const TOpenKey &) = delete;
    TOpenKey &operator=(const TOpenKey &) = delete;

    bool IsOpen() const { return FOpen; }

    bool ValueExists(const std::string &name) const
    {
        return FOpen && regstore::QueryValue(FKey, name).status != regstore::TQueryStatus::Missing;
    }

    uint32_t ReadDword(const std::string &name) const
    {
        if (!FOpen)
            Fail("Failed to get data for '%s'", name);
        const regstore::TValueInfo info = regstore::QueryValue(FKey, name);
        if (info.status != regstore::TQueryStatus::Found)
            Fail("Failed to get data for '%s'", name);
        if (info.type != regstore::TValueType::Dword)
            Fail("Invalid data type for '%s'", name);
        return info.data;
    }

    // A stored number for a byte item; the registry's 32 bits are read as a
    // signed integer, so anything outside 0..255 fails.
    uint8_t ReadByte(const std::string &name) const
    {
        const uint32_t data = ReadDword(name);
        if (data > 255)
            RangeCheckError();
        return static_cast<uint8_t>(data);
    }

    void WriteDword(const std::string &name, uint32_t data)
    {
        if (!FOpen || !regstore::SetDword(FKey, name, data))
            Fail("Failed to set data for '%s'", name);
    }

private:
    regstore::TKey *FKey = nullptr;
    bool FOpen;
};

void WriteValue(const std::string &keyPath, const char *name, uint32_t data)
{
    TOpenKey key(keyPath);
    key.WriteDword(name, data);
}

// A getter puts a missing value's default back into the store. When the
// store cannot be written the default serves all the same: a read never
// fails for want of write access, and only the player's own changes report
// that they could not be saved.
void WriteBackDefault(const std::string &keyPath, const char *name, uint32_t data)
{
    try {
        WriteValue(keyPath, name, data);
    } catch (const TRegistryError &) {
    }
}

// A single byte item: the stored value, or the default written back when the
// value (or the key) is missing.
uint8_t ReadByteItem(const std::string &keyPath, const char *name, uint8_t fallback)
{
    {
        TOpenKey key(keyPath, TAccess::Read);
        if (key.ValueExists(name))
            return key.ReadByte(name);
    }
    WriteBackDefault(keyPath, name, fallback);
    return fallback;
}

bool ReadBoolItem(const std::string &keyPath, const char *name, bool fallback)
{
    {
        TOpenKey key(keyPath, TAccess::Read);
        if (key.ValueExists(name))
            return key.ReadDword(name) != 0;
    }
    WriteBackDefault(keyPath, name, fallback ? 1 : 0);
    return fallback;
}

// List elements are named by their index in decimal, from "0".
void ReadByteList(const std::string &keyPath, std::span<uint8_t> values)
{
    TOpenKey key(keyPath, TAccess::Read);
    if (!key.IsOpen())
        return;
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = key.ReadByte(std::to_string(i));
}

void WriteByteList(const std::string &keyPath, std::span<const uint8_t> values)
{
    TOpenKey key(keyPath);
    for (size_t i = 0; i < values.size(); ++i)
        key.WriteDword(std::to_string(i), values[i]);
}

// The notices for the player, and whoever shows them.
struct TNoticeHub {
    std::mutex lock;
    std::function<void(const std::string &)> handler;
    std::vector<std::string> pending;
};

TNoticeHub &NoticeHub()
{
    static TNoticeHub hub;
    return hub;
}

} // namespace

void SetStoreNoticeHandler(std::function<void(const std::string &)> handler)
{
    TNoticeHub &hub = NoticeHub();
    std::vector<std::string> waiting;
    std::function<void(const std::string &)> current;
    {
        std::lock_guard guard(hub.lock);
        hub.handler = std::move(handler);
        if (hub.handler) {
            waiting.swap(hub.pending);
            current = hub.handler;
        }
    }
    // Called without the lock held, so that the handler may use the store.
    for (const std::string &text : waiting)
        current(text);
}

void regstore::PostNotice(const std::string &text)
{
    TNoticeHub &hub = NoticeHub();
    std::function<void(const std::string &)> current;
    {
        std::lock_guard guard(hub.lock);
        if (!hub.handler) {
            hub.pending.push_back(text);
            return;
        }
        current = hub.handler;
    }
    current(text);
}

TRegOptions::TRegOptions() : FKeyPath("Software\\drawvane\\") {}

bool TRegOptions::InitDefaults()
{
    const bool complete = regstore::KeyExists(FKeyPath) && regstore::KeyExists(FKeyPath + "div")
        && regstore::KeyExists(FKeyPath + "exclusions") && regstore::KeyExists(FKeyPath + "inclusions")
        && regstore::KeyExists(FKeyPath + "payments");
    if (complete)
        return false;
    // One missing key resets every setting, each through its own setter.
    SetBoards(Defaults.boards);
    SetBoardSize(Defaults.boardsize);
    SetMarks(Defaults.marks);
    SetDivisions(Defaults.divisions);
    SetPayments(Defaults.payments);
    SetInclusions(Defaults.inclusions);
    SetExclusions(Defaults.exclusions);
    SetPlayExclude(Defaults.playExclude);
    SetPlayInclude(Defaults.playInclude);
    SetPlaySums(Defaults.playSums);
    SetPlayStdev(Defaults.playstdev);
    return true;
}

uint8_t TRegOptions::GetBoards() { return ReadByteItem(FKeyPath, "boards", Defaults.boards); }
void TRegOptions::SetBoards(uint8_t value) { WriteValue(FKeyPath, "boards", value); }

uint8_t TRegOptions::GetBoardSize() { return ReadByteItem(FKeyPath, "boardsize", Defaults.boardsize); }
void TRegOptions::SetBoardSize(uint8_t value) { WriteValue(FKeyPath, "boardsize", value); }

uint8_t TRegOptions::GetMarks() { return ReadByteItem(FKeyPath, "marks", Defaults.marks); }
void TRegOptions::SetMarks(uint8_t value) { WriteValue(FKeyPath, "marks", value); }

void TRegOptions::GetDivisions(std::span<uint8_t> values) { ReadByteList(FKeyPath + "div", values); }
void TRegOptions::SetDivisions(std::span<const uint8_t> values) { WriteByteList(FKeyPath + "div", values); }

// Payments are stored as signed 32-bit integers, in the dword's bits.
void TRegOptions::GetPayments(std::span<int64_t> values)
{
    TOpenKey key(FKeyPath + "payments", TAccess::Read);
    if (!key.IsOpen())
        return;
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<int32_t>(key.ReadDword(std::to_string(i)));
}

void TRegOptions::SetPayments(std::span<const int64_t> values)
{
    TOpenKey key(FKeyPath + "payments");
    for (size_t i = 0; i < values.size(); ++i) {
        if (values[i] < std::numeric_limits<int32_t>::min() || values[i] > std::numeric_limits<int32_t>::max())
            RangeCheckError();
        key.WriteDword(std::to_string(i), static_cast<uint32_t>(static_cast<int32_t>(values[i])));
    }
}

void TRegOptions::GetInclusions(std::span<uint8_t> values) { ReadByteList(FKeyPath + "inclusions", values); }
void TRegOptions::SetInclusions(std::span<const uint8_t> values) { WriteByteList(FKeyPath + "inclusions", values); }

void TRegOptions::GetExclusions(std::span<uint8_t> values) { ReadByteList(FKeyPath + "exclusions", values); }
void TRegOptions::SetExclusions(std::span<const uint8_t> values) { WriteByteList(FKeyPath + "exclusions", values); }

bool TRegOptions::GetPlayExclude() { return ReadBoolItem(FKeyPath, "playExclude", Defaults.playExclude); }
void TRegOptions::SetPlayExclude(bool value) { WriteValue(FKeyPath, "playExclude", value ? 1 : 0); }

bool TRegOptions::GetPlayInclude() { return ReadBoolItem(FKeyPath, "playInclude", Defaults.playInclude); }
void TRegOptions::SetPlayInclude(bool value) { WriteValue(FKeyPath, "playInclude", value ? 1 : 0); }

bool TRegOptions::GetPlaySums() { return ReadBoolItem(FKeyPath, "playSums", Defaults.playSums); }
void TRegOptions::SetPlaySums(bool value) { WriteValue(FKeyPath, "playSums", value ? 1 : 0); }

bool TRegOptions::GetPlayStdev() { return ReadBoolItem(FKeyPath, "playstdev", Defaults.playstdev); }
void TRegOptions::SetPlayStdev(bool value) { WriteValue(FKeyPath, "playstdev", value ? 1 : 0); }
