#pragma once

// The store's registry key on Windows as a test's scratch space: read and
// changed through the registry's own calls, and listed as a registry
// export. TestStoreWin32.cpp clears it before and after every test.
//
// Clearing HKEY_CURRENT_USER\Software\drawvane destroys a player's settings,
// so the tests run only where DRAWVANE_TEST_SCRATCH_REGISTRY=1 says that the
// registry is a throw-away one (tools/test-windows-store gives them a Wine
// prefix of their own).

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "settings/RegistryFileFormat.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace regscratch {

inline constexpr const char *kProductKey = "Software\\drawvane";

inline std::string KeyPath(const std::string &subkey)
{
    return subkey.empty() ? std::string(kProductKey) : std::string(kProductKey) + "\\" + subkey;
}

// The data part of a registry export line, as a registry type and bytes:
// dword:0000012c, hex:01,02, hex(4):07,00, "text".
inline std::pair<DWORD, std::vector<BYTE>> ParseData(std::string_view data)
{
    if (!data.empty() && data.front() == '"') {
        std::string text(data.substr(1, data.size() >= 2 ? data.size() - 2 : 0));
        std::vector<BYTE> bytes(text.begin(), text.end());
        bytes.push_back(0);
        return {REG_SZ, bytes};
    }
    std::string lower = regfile::FoldCase(data);
    // Hex data continued over several lines.
    std::erase_if(lower, [](char c) { return c == '\\' || c == '\n' || c == ' '; });
    if (lower.starts_with("dword:")) {
        const uint32_t value = static_cast<uint32_t>(std::strtoul(lower.c_str() + 6, nullptr, 16));
        std::vector<BYTE> bytes(4);
        std::memcpy(bytes.data(), &value, 4);
        return {REG_DWORD, bytes};
    }
    DWORD type = REG_BINARY;
    size_t colon = lower.find(':');
    if (lower.starts_with("hex("))
        type = static_cast<DWORD>(std::strtoul(lower.c_str() + 4, nullptr, 16));
    std::vector<BYTE> bytes;
    for (size_t at = colon + 1; at < lower.size();) {
        bytes.push_back(static_cast<BYTE>(std::strtoul(lower.c_str() + at, nullptr, 16)));
        const size_t comma = lower.find(',', at);
        if (comma == std::string::npos)
            break;
        at = comma + 1;
    }
    return {type, bytes};
}

inline std::string RenderData(DWORD type, const std::vector<BYTE> &bytes)
{
    char buffer[32];
    if (type == REG_DWORD && bytes.size() == 4) {
        uint32_t value = 0;
        std::memcpy(&value, bytes.data(), 4);
        std::snprintf(buffer, sizeof buffer, "dword:%08x", static_cast<unsigned>(value));
        return buffer;
    }
    if (type == REG_SZ) {
        std::string text(bytes.begin(), bytes.end());
        while (!text.empty() && text.back() == '\0')
            text.pop_back();
        return "\"" + text + "\"";
    }
    std::string out;
    if (type == REG_BINARY) {
        out = "hex:";
    } else {
        std::snprintf(buffer, sizeof buffer, "hex(%x):", static_cast<unsigned>(type));
        out = buffer;
    }
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%s%02x", i ? "," : "", bytes[i]);
        out += buffer;
    }
    return out;
}

// The handles this process holds, registry keys among them, as the system's
// handle table lists them (GetProcessHandleCount is a stub on Wine).
inline size_t OpenHandleCount()
{
    struct TEntry {
        PVOID object;
        ULONG_PTR processId;
        ULONG_PTR handle;
        ULONG access;
        USHORT backTrace;
        USHORT typeIndex;
        ULONG attributes;
        ULONG reserved;
    };
    struct TTable {
        ULONG_PTR count;
        ULONG_PTR reserved;
        TEntry entries[1];
    };
    using TQuery = LONG(WINAPI *)(int, PVOID, ULONG, PULONG);
    constexpr int kExtendedHandleInformation = 64;
    constexpr LONG kLengthMismatch = static_cast<LONG>(0xC0000004);
    const auto query = reinterpret_cast<TQuery>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query)
        return 0;
    std::vector<char> buffer(1 << 16);
    ULONG length = 0;
    LONG status;
    while ((status = query(kExtendedHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &length))
           == kLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0)
        return 0;
    const auto *table = reinterpret_cast<const TTable *>(buffer.data());
    size_t mine = 0;
    for (ULONG_PTR i = 0; i < table->count; ++i)
        if (table->entries[i].processId == GetCurrentProcessId())
            ++mine;
    return mine;
}

inline void RequireScratchRegistry()
{
    const char *allowed = std::getenv("DRAWVANE_TEST_SCRATCH_REGISTRY");
    if (!allowed || std::string(allowed) != "1") {
        std::fprintf(stderr,
                     "These tests clear HKEY_CURRENT_USER\\%s. Run them in a throw-away registry "
                     "(tools/test-windows-store) with DRAWVANE_TEST_SCRATCH_REGISTRY=1.\n",
                     kProductKey);
        std::abort();
    }
}

inline void Clear()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, kProductKey);
}

// Writes a value of any type, creating its key.
inline std::vector<std::string> SubkeyNames(HKEY key)
{
    std::vector<std::string> names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, size);
    }
    return names;
}

inline void ExportKey(const std::string &path, std::string &out)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    out += "[HKEY_CURRENT_USER\\" + path + "]\n";
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name;
        DWORD type = 0;
        DWORD dataSize = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, nullptr, &dataSize) != ERROR_SUCCESS)
            break;
        std::vector<BYTE> data(dataSize);
        nameSize = sizeof name;
        RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data.data(), &dataSize);
        data.resize(dataSize);
        out += '"';
        out.append(name, nameSize);
        out += "\"=";
        out += RenderData(type, data);
        out += '\n';
    }
    out += "\n";
    const std::vector<std::string> subkeys = SubkeyNames(key);
    RegCloseKey(key);
    for (const std::string &subkey : subkeys)
        ExportKey(path + "\\" + subkey, out);
}

inline void SetRaw(const std::string &subkey, const std::string &name, std::string_view data)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(subkey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr)
        != ERROR_SUCCESS)
        return;
    const auto [type, bytes] = ParseData(data);
    RegSetValueExA(key, name.c_str(), 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

inline bool RemoveValue(const std::string &subkey, const std::string &name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(subkey).c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    const bool removed = RegDeleteValueA(key, name.c_str()) == ERROR_SUCCESS;
    RegCloseKey(key);
    return removed;
}

// A subkey goes with everything in it; the product key, which cannot
// lose its subkeys this way, loses its own values.
inline bool RemoveKey(const std::string &subkey)
{
    if (!subkey.empty())
        return RegDeleteTreeA(HKEY_CURRENT_USER, KeyPath(subkey).c_str()) == ERROR_SUCCESS;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kProductKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    char name[256];
    DWORD size = sizeof name;
    while (RegEnumValueA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        RegDeleteValueA(key, name);
        size = sizeof name;
    }
    RegCloseKey(key);
    return true;
}

// Replaces the whole key with what a registry export holds.
inline void Import(const std::string &exportText)
{
    Clear();
    const std::optional<regfile::TDocument> document = regfile::Parse(exportText);
    if (!document)
        return;
    for (const regfile::TSection &section : document->Sections()) {
        // The path below HKEY_CURRENT_USER.
        const std::string_view name = document->NameOf(section);
        const size_t slash = name.find('\\');
        if (slash == std::string_view::npos)
            continue;
        const std::string subkey(name.substr(slash + 1));
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
            != ERROR_SUCCESS)
            continue;
        for (const regfile::TLine &line : section.lines) {
            if (line.kind == regfile::TLineKind::Unparsed)
                continue;
            // The data follows the '=' after @ or after the name's closing quote.
            const std::string_view text = document->Text(line.text);
            const size_t equals = text.front() == '@' ? 1 : line.name.begin + line.name.size - line.text.begin + 1;
            const auto [type, bytes] = ParseData(text.substr(equals + 1));
            RegSetValueExA(key, document->NameOf(line).c_str(), 0, type, bytes.data(),
                           static_cast<DWORD>(bytes.size()));
        }
        RegCloseKey(key);
    }
}

// The key and its subkeys as a registry export, key names as the
// registry keeps them.
inline std::string Export()
{
    std::string out = "Windows Registry Editor Version 5.00\n\n";
    HKEY software = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &software) != ERROR_SUCCESS)
        return out;
    std::string productName;
    for (const std::string &name : SubkeyNames(software))
        if (regfile::FoldCase(name) == "drawvane")
            productName = name;
    RegCloseKey(software);
    if (!productName.empty())
        ExportKey("Software\\" + productName, out);
    return out;
}

// Changes whenever a value or key under the product key is written.
inline std::string WriteStamp()
{
    std::string stamp;
    for (const char *subkey : {"", "div", "exclusions", "inclusions", "payments"}) {
        HKEY key = nullptr;
        FILETIME written{};
        if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(subkey).c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
            RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, &written);
            RegCloseKey(key);
        }
        stamp += std::to_string(written.dwHighDateTime) + "." + std::to_string(written.dwLowDateTime) + ";";
    }
    return stamp;
}

} // namespace regscratch
