#pragma once

// The registry as the settings store needs it, and no more: keys under
// HKEY_CURRENT_USER named by a path such as "Software\drawvane\div" (a
// trailing backslash is ignored), holding 32-bit values. On Windows these are
// the registry calls; elsewhere a per-user file in the registry export format.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace regstore {

// An open key; owned by the store until CloseKey.
struct TKey;

enum class TValueType { Dword, String, Other };

enum class TQueryStatus {
    Found,
    Missing,
    Failed // the value exists but its data cannot be read as 32 bits
};

struct TValueInfo {
    TQueryStatus status = TQueryStatus::Missing;
    TValueType type = TValueType::Other;
    uint32_t data = 0; // set for a found Dword
};

struct TNamedDword {
    std::string_view name;
    uint32_t data;
};

// Opens the key with full access, creating it (and the keys above it) when
// missing. Fails when the store cannot be written.
bool CreateKey(std::string_view path, TKey *&key);
// Opens an existing key with read access alone; creates nothing. Fails when
// the key is missing or the store cannot be read.
bool OpenKey(std::string_view path, TKey *&key);
// Whether the key exists, looked at with read access; creates nothing.
bool KeyExists(std::string_view path);
TValueInfo QueryValue(TKey *key, std::string_view name);
// Writes REG_DWORD values, replacing values of those names of any type. The
// file store writes them all as one change of its file, or none; the
// registry takes them one by one and stops at a failure.
bool SetDwords(TKey *key, std::span<const TNamedDword> values);
void CloseKey(TKey *key);

// Hands a message for the player to the settings' notice hook.
void PostNotice(const std::string &text);

// A reading: from BeginReading to its EndReading, the reads of the store
// (CreateKey, OpenKey, KeyExists) are answered from one look at the store,
// taken at the first of them; a write goes to the store itself, and the
// reads after it see what it wrote. Readings nest; the outermost decides.
// The registry on Windows is fast enough to be asked at every read.
void BeginReading();
void EndReading();

} // namespace regstore
