// The registry store on Windows: the current user's registry itself.

#include "settings/RegistryStore.h"
#include "settings/RegistryStoreForTests.h"

#include <string>
#include <string_view>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace regstore {

struct TKey {
    HKEY handle;
};

namespace {

// The registry takes subkey paths without a trailing backslash.
std::string SubkeyPath(std::string_view path)
{
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return std::string(path);
}

} // namespace

bool CreateKey(std::string_view path, TKey *&key)
{
    HKEY handle = nullptr;
    DWORD disposition = 0;
    const LONG result = RegCreateKeyExA(HKEY_CURRENT_USER, SubkeyPath(path).c_str(), 0, nullptr,
                                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &handle, &disposition);
    if (result != ERROR_SUCCESS)
        return false;
    key = new TKey{handle};
    return true;
}

bool OpenKey(std::string_view path, TKey *&key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SubkeyPath(path).c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    key = new TKey{handle};
    return true;
}

bool KeyExists(std::string_view path)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SubkeyPath(path).c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

TValueInfo QueryValue(TKey *key, std::string_view nameView)
{
    const std::string name(nameView);
    // First the type and size alone, so that a value of another type is told
    // apart from one whose data does not fit in 32 bits.
    DWORD type = REG_NONE;
    DWORD size = 0;
    LONG result = RegQueryValueExA(key->handle, name.c_str(), nullptr, &type, nullptr, &size);
    if (result == ERROR_FILE_NOT_FOUND)
        return {TQueryStatus::Missing, TValueType::Other, 0};
    if (result != ERROR_SUCCESS)
        return {TQueryStatus::Failed, TValueType::Other, 0};
    if (type != REG_DWORD)
        return {TQueryStatus::Found, type == REG_SZ ? TValueType::String : TValueType::Other, 0};
    if (size != sizeof(DWORD))
        return {TQueryStatus::Failed, TValueType::Dword, 0};

    DWORD data = 0;
    size = sizeof data;
    result = RegQueryValueExA(key->handle, name.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(&data), &size);
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data)
        return {TQueryStatus::Failed, TValueType::Dword, 0};
    return {TQueryStatus::Found, TValueType::Dword, static_cast<uint32_t>(data)};
}

// The registry takes the values one by one; a failure stops at that value.
bool SetDwords(TKey *key, std::span<const TNamedDword> values)
{
    for (const TNamedDword &value : values) {
        const std::string name(value.name);
        const DWORD data = value.data;
        if (RegSetValueExA(key->handle, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE *>(&data), sizeof data)
            != ERROR_SUCCESS)
            return false;
    }
    return true;
}

void CloseKey(TKey *key)
{
    RegCloseKey(key->handle);
    delete key;
}

// The registry is asked at every read.
void BeginReading()
{
}
void EndReading()
{
}

uint64_t fortests::FileReads()
{
    return 0;
}

} // namespace regstore
