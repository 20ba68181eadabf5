// The scratch registry of the UI tests on Windows (see TestStore.h).

#include "TestStore.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace testsupport::scratch {

namespace {

std::string Path(const std::string &subkey)
{
    return subkey.empty() ? "Software\\drawvane" : "Software\\drawvane\\" + subkey;
}

} // namespace

void RequireScratchRegistry()
{
    const char *allowed = std::getenv("DRAWVANE_TEST_SCRATCH_REGISTRY");
    if (!allowed || std::string(allowed) != "1") {
        std::fprintf(stderr,
                     "These tests clear HKEY_CURRENT_USER\\Software\\drawvane; they run only with "
                     "DRAWVANE_TEST_SCRATCH_REGISTRY=1 in a scratch Wine prefix.\n");
        std::abort();
    }
}

void Clear()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\drawvane");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\drawvane");
}

bool Exists()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\drawvane", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void SetValue(const std::string &subkey, const std::string &name, uint32_t data)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, Path(subkey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return;
    const DWORD value = data;
    RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value);
    RegCloseKey(key);
}

void RemoveValue(const std::string &subkey, const std::string &name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Path(subkey).c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

} // namespace testsupport::scratch
