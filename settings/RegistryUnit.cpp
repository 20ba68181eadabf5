#include "settings/RegistryUnit.h"
#include "settings/RegistryStore.h"
#include "texts/Texts.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

using namespace settings;

// The key paths of the lists.
std::string ListKeyPath(std::string_view name)
{
    std::string path(kProductKey);
    path += name;
    return path;
}
constexpr std::string_view kIndexNames[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

// List elements are named by their index in decimal, from "0".
std::string_view IndexName(size_t index, std::string &spare)
{
    if (index < std::size(kIndexNames))
        return kIndexNames[index];
    spare = std::to_string(index);
    return spare;
}

// The store's errors, with the name of the value at fault as %1.
[[noreturn]] void Fail(const std::string &format, std::string_view name)
{
    throw TRegistryError(texts::Arg(format, {std::string(name)}));
}

[[noreturn]] void RangeCheckError()
{
    throw TRegistryError(DRAWVANE_TR("Drawvane", "Range check error"));
}

enum class TAccess { Full, Read };

// One opened key, closed when it goes out of scope, on the error path too.
// A key that failed to open behaves as the registry's null key: nothing can
// be read from it or written to it. A key opened for reading needs only read
// access, so that a store that cannot be written still serves its values;
// it is created (which needs full access) only when it is missing.
class TOpenKey {
public:
    explicit TOpenKey(std::string_view path, TAccess access = TAccess::Full)
        : FOpen(access == TAccess::Read ? regstore::OpenKey(path, FKey) || regstore::CreateKey(path, FKey)
                                        : regstore::CreateKey(path, FKey))
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

    bool ValueExists(std::string_view name) const
    {
        return FOpen && regstore::QueryValue(FKey, name).status != regstore::TQueryStatus::Missing;
    }

    uint32_t ReadDword(std::string_view name) const
    {
        if (!FOpen)
            Fail(DRAWVANE_TR("Drawvane", "Failed to get data for '%1'"), name);
        const regstore::TValueInfo info = regstore::QueryValue(FKey, name);
        if (info.status != regstore::TQueryStatus::Found)
            Fail(DRAWVANE_TR("Drawvane", "Failed to get data for '%1'"), name);
        if (info.type != regstore::TValueType::Dword)
            Fail(DRAWVANE_TR("Drawvane", "Invalid data type for '%1'"), name);
        return info.data;
    }

    // A stored number for a byte item; the registry's 32 bits are read as a
    // signed integer, so anything outside 0..255 fails.
    uint8_t ReadByte(std::string_view name) const
    {
        const uint32_t data = ReadDword(name);
        if (data > 255)
            RangeCheckError();
        return static_cast<uint8_t>(data);
    }

    // Writes the values in one change of the store; a failure names the
    // first of them.
    void WriteDwords(std::span<const regstore::TNamedDword> values)
    {
        if (values.empty())
            return;
        if (!FOpen || !regstore::SetDwords(FKey, values))
            Fail(DRAWVANE_TR("Drawvane", "Failed to set data for '%1'"), values.front().name);
    }

private:
    regstore::TKey *FKey = nullptr;
    bool FOpen;
};

void WriteValue(std::string_view keyPath, std::string_view name, uint32_t data)
{
    TOpenKey key(keyPath);
    const regstore::TNamedDword value{name, data};
    key.WriteDwords({&value, 1});
}

// A getter puts a missing value's default back into the store. When the
// store cannot be written the default serves all the same: a read never
// fails for want of write access, and only the player's own changes report
// that they could not be saved.
void WriteBackDefault(std::string_view keyPath, std::string_view name, uint32_t data)
{
    try {
        WriteValue(keyPath, name, data);
    } catch (const TRegistryError &) {
    }
}

// The whole list in one change of the store.
void WriteList(std::string_view keyPath, std::span<const uint32_t> data)
{
    std::vector<std::string> spares(data.size());
    std::vector<regstore::TNamedDword> values;
    values.reserve(data.size());
    for (size_t i = 0; i < data.size(); ++i)
        values.push_back({IndexName(i, spares[i]), data[i]});
    TOpenKey key(keyPath);
    key.WriteDwords(values);
}

// The notices for the player, and whoever shows them.
struct TNoticeHub {
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
    hub.handler = std::move(handler);
    if (!hub.handler)
        return;
    // A copy: the handler may use the store, which may post again.
    const std::vector<std::string> waiting = std::exchange(hub.pending, {});
    const auto current = hub.handler;
    for (const std::string &text : waiting)
        current(text);
}

void regstore::PostNotice(const std::string &text)
{
    TNoticeHub &hub = NoticeHub();
    if (!hub.handler) {
        hub.pending.push_back(text);
        return;
    }
    const auto current = hub.handler;
    current(text);
}

TSettingsReading::TSettingsReading()
{
    regstore::BeginReading();
}

TSettingsReading::~TSettingsReading()
{
    regstore::EndReading();
}

TRegOptions::TRegOptions()
    : FKeyPath(kProductKey)
{
}

bool TRegOptions::InitDefaults()
{
    const bool complete = regstore::KeyExists(FKeyPath) && regstore::KeyExists(ListKeyPath(kDivisions.name))
        && regstore::KeyExists(ListKeyPath(kExclusions.name)) && regstore::KeyExists(ListKeyPath(kInclusions.name))
        && regstore::KeyExists(ListKeyPath(kPayments.name));
    if (complete)
        return false;
    // One missing key resets every setting, each through its own setter.
    WriteAllSettings(*this, TGameSettings{});
    return true;
}

// A count: the stored value, or its fallback written back when the value
// (or the key) is missing.
uint8_t TRegOptions::Read(const TCountItem &item)
{
    {
        TOpenKey key(FKeyPath, TAccess::Read);
        if (key.ValueExists(item.name))
            return key.ReadByte(item.name);
    }
    WriteBackDefault(FKeyPath, item.name, item.fallback);
    return item.fallback;
}

void TRegOptions::Write(const TCountItem &item, uint8_t value)
{
    WriteValue(FKeyPath, item.name, value);
}

// A switch, stored as 0 or 1; any other number is on.
bool TRegOptions::Read(const TSwitchItem &item)
{
    {
        TOpenKey key(FKeyPath, TAccess::Read);
        if (key.ValueExists(item.name))
            return key.ReadDword(item.name) != 0;
    }
    WriteBackDefault(FKeyPath, item.name, item.fallback ? 1 : 0);
    return item.fallback;
}

void TRegOptions::Write(const TSwitchItem &item, bool value)
{
    WriteValue(FKeyPath, item.name, value ? 1 : 0);
}

void TRegOptions::ReadBytes(std::string_view list, std::span<uint8_t> values)
{
    TOpenKey key(ListKeyPath(list), TAccess::Read);
    if (!key.IsOpen())
        return;
    std::string spare;
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = key.ReadByte(IndexName(i, spare));
}

void TRegOptions::WriteBytes(std::string_view list, std::span<const uint8_t> values)
{
    const std::vector<uint32_t> data(values.begin(), values.end());
    WriteList(ListKeyPath(list), data);
}

// Payments are stored as signed 32-bit integers, in the dword's bits.
void TRegOptions::Read(const decltype(kPayments) &item, std::span<int64_t> values)
{
    TOpenKey key(ListKeyPath(item.name), TAccess::Read);
    if (!key.IsOpen())
        return;
    std::string spare;
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<int32_t>(key.ReadDword(IndexName(i, spare)));
}

// One payment out of the stored range fails, after the payments before it
// were written.
void TRegOptions::Write(const decltype(kPayments) &item, std::span<const int64_t> values)
{
    std::vector<uint32_t> data;
    for (const int64_t value : values) {
        if (!item.range.Contains(value))
            break;
        data.push_back(static_cast<uint32_t>(static_cast<int32_t>(value)));
    }
    WriteList(ListKeyPath(item.name), data);
    if (data.size() < values.size())
        RangeCheckError();
}

namespace {

// The names of the kept values, in the order they are written.
std::vector<std::string> CouponValueNames()
{
    std::vector<std::string> names;
    for (size_t b = 1; b <= kKeptBoards; ++b)
        for (size_t slot = 1; slot <= kKeptSlots; ++slot)
            names.push_back(std::to_string(b) + "." + std::to_string(slot));
    return names;
}

std::vector<std::string> DrawValueNames()
{
    return {"main1", "main2", "main3", "main4", "main5", "main6", "bonus"};
}

// Every named value as a byte; 0 for one that is missing or unreadable,
// and for all of them when the key is missing.
std::vector<uint8_t> ReadKeptBytes(std::string_view subkey, const std::vector<std::string> &names)
{
    std::vector<uint8_t> bytes(names.size(), 0);
    const std::string path = ListKeyPath(subkey);
    if (!regstore::KeyExists(path))
        return bytes;
    regstore::TKey *key = nullptr;
    if (!regstore::OpenKey(path, key))
        return bytes;
    for (size_t i = 0; i < names.size(); ++i) {
        const regstore::TValueInfo info = regstore::QueryValue(key, names[i]);
        if (info.status == regstore::TQueryStatus::Found && info.type == regstore::TValueType::Dword
            && info.data <= 255)
            bytes[i] = static_cast<uint8_t>(info.data);
    }
    regstore::CloseKey(key);
    return bytes;
}

void WriteKeptBytes(std::string_view subkey, const std::vector<std::string> &names, std::span<const uint8_t> bytes)
{
    std::vector<regstore::TNamedDword> values;
    for (size_t i = 0; i < names.size(); ++i)
        values.push_back({names[i], bytes[i]});
    TOpenKey key(ListKeyPath(subkey));
    key.WriteDwords(values);
}

} // namespace

TKeptCoupon TRegOptions::GetCoupon()
{
    const std::vector<uint8_t> bytes = ReadKeptBytes(kCouponKey, CouponValueNames());
    TKeptCoupon coupon{};
    for (size_t b = 0; b < kKeptBoards; ++b)
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(b * kKeptSlots), kKeptSlots, coupon[b].begin());
    return coupon;
}

void TRegOptions::SetCoupon(const TKeptCoupon &coupon)
{
    std::vector<uint8_t> bytes;
    for (const auto &board : coupon)
        bytes.insert(bytes.end(), board.begin(), board.end());
    WriteKeptBytes(kCouponKey, CouponValueNames(), bytes);
}

TKeptDraw TRegOptions::GetDraw()
{
    const std::vector<uint8_t> bytes = ReadKeptBytes(kDrawKey, DrawValueNames());
    TKeptDraw draw{};
    std::copy(bytes.begin(), bytes.end(), draw.begin());
    return draw;
}

void TRegOptions::SetDraw(const TKeptDraw &draw)
{
    WriteKeptBytes(kDrawKey, DrawValueNames(), draw);
}
