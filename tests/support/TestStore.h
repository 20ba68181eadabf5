#pragma once

// A private settings store for one test, on Linux and on Windows alike, and
// the changes a test makes to it behind the program's back.
// - Linux: a fresh XDG_CONFIG_HOME folder, edited the way a person with a
//   text editor would.
// - Windows: HKEY_CURRENT_USER\\Software\\drawvane, cleared before and after
//   the test and changed through the registry's own calls (TestStoreWin32.cpp,
//   since <windows.h> defines names the program's headers use). The tests
//   refuse to touch a real registry: they run only where
//   DRAWVANE_TEST_SCRATCH_REGISTRY=1 says that the registry is a scratch one
//   (a Wine prefix of the test run's own).
// Contents() lists either in one form, so that the same tests hold for both.

#include "TestSupport.h"
#include "settings/RegistryFileFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace testsupport {

inline std::string SectionHeader(const std::string &subkey)
{
    return "[HKEY_CURRENT_USER\\Software\\drawvane" + (subkey.empty() ? "" : "\\" + subkey) + "]\n";
}

// A registry export's keys and values in one order, whoever wrote it:
// sections by name, each with its values by name (the last of a name wins,
// as on import), one line each as written; "" when it does not parse.
inline std::string Canonical(const std::string &exportText)
{
    const std::optional<regfile::TDocument> document = regfile::Parse(exportText);
    if (!document)
        return "";
    const auto folded = [&](const regfile::TSection *section) { return regfile::FoldCase(document->NameOf(*section)); };
    std::vector<const regfile::TSection *> sections;
    for (const regfile::TSection &section : document->Sections())
        sections.push_back(&section);
    std::stable_sort(sections.begin(), sections.end(), [&](auto *a, auto *b) { return folded(a) < folded(b); });
    std::string out;
    for (size_t i = 0; i < sections.size(); ++i) {
        if (i > 0 && folded(sections[i]) == folded(sections[i - 1]))
            continue; // a repeated section adds its lines to the first
        out += "[" + std::string(document->NameOf(*sections[i])) + "]\n";
        std::vector<std::pair<std::string, std::string>> values;
        for (const regfile::TSection *section : sections)
            if (folded(section) == folded(sections[i]))
                for (const regfile::TLine &line : section->lines) {
                    if (line.kind == regfile::TLineKind::Unparsed)
                        continue;
                    const std::string name = regfile::FoldCase(document->NameOf(line));
                    auto same =
                        std::find_if(values.begin(), values.end(), [&](const auto &v) { return v.first == name; });
                    if (same != values.end())
                        same->second = document->Text(line.text);
                    else
                        values.emplace_back(name, document->Text(line.text));
                }
        std::stable_sort(values.begin(), values.end());
        for (const auto &value : values)
            out += value.second + "\n";
    }
    return out;
}

class ScopedStore {
public:
#ifdef _WIN32
    ScopedStore();
    ~ScopedStore();
    bool Exists() const;
    std::string Contents() const;
    // Replaces the whole store with what a registry export holds.
    void Load(const std::string &exportText) const;
    void RemoveStore() const;
    // Changes whenever the store is written.
    std::string WriteStamp() const;
    // Sets the data of a value as a registry export writes it
    // ("dword:0000012c", "\"text\"", "hex:01"), making its key if missing.
    void SetRaw(const std::string &subkey, const std::string &name, const std::string &data) const;
    void RemoveValue(const std::string &subkey, const std::string &name) const;
    void RemoveSection(const std::string &subkey) const;
#else
    ScopedStore() = default;
    bool Exists() const
    {
        return std::filesystem::exists(FHome.storeFile());
    }
    std::string Contents() const
    {
        return Canonical(File());
    }
    void Load(const std::string &exportText) const
    {
        SetFile(exportText);
    }
    // A key cannot outlive its subkeys: the product key is gone only when
    // the whole tree is.
    void RemoveStore() const
    {
        std::filesystem::remove(FHome.storeFile());
    }
    // Changes whenever the store file is written.
    std::string WriteStamp() const
    {
        struct stat st {};
        if (stat(FHome.storeFile().c_str(), &st) != 0)
            return "missing";
        return std::to_string(st.st_ino) + ":" + std::to_string(st.st_mtim.tv_sec) + "."
            + std::to_string(st.st_mtim.tv_nsec);
    }

    std::string File() const
    {
        return testsupport::ReadFile(FHome.storeFile());
    }
    void SetFile(const std::string &text) const
    {
        testsupport::WriteFile(FHome.storeFile(), text);
    }

    // The span of a section's value lines in text: [begin, end).
    static std::pair<size_t, size_t> SectionBody(const std::string &text, const std::string &subkey)
    {
        const std::string header = SectionHeader(subkey);
        const size_t at = text.find(header);
        if (at == std::string::npos)
            return {std::string::npos, std::string::npos};
        const size_t begin = at + header.size();
        size_t end = text.find("\n[", begin);
        end = end == std::string::npos ? text.size() : end + 1;
        return {begin, end};
    }

    // Sets the data part of value name in a section of the file by hand
    // ("dword:0000012c", "\"text\"", "hex:01"), adding the line if missing.
    void SetRaw(const std::string &subkey, const std::string &name, const std::string &data) const
    {
        std::string text = File();
        const auto [begin, end] = SectionBody(text, subkey);
        ASSERT_NE(begin, std::string::npos) << "no section " << subkey;
        const std::string prefix = "\"" + name + "\"=";
        size_t line = text.find(prefix, begin);
        if (line != std::string::npos && line < end && text[line - 1] == '\n') {
            text.replace(line, text.find('\n', line) - line, prefix + data);
        } else {
            text.insert(begin, prefix + data + "\n");
        }
        SetFile(text);
    }

    void RemoveValue(const std::string &subkey, const std::string &name) const
    {
        std::string text = File();
        const auto [begin, end] = SectionBody(text, subkey);
        ASSERT_NE(begin, std::string::npos) << "no section " << subkey;
        const size_t line = text.find("\"" + name + "\"=", begin);
        ASSERT_TRUE(line != std::string::npos && line < end) << "no value " << name;
        text.erase(line, text.find('\n', line) + 1 - line);
        SetFile(text);
    }

    void RemoveSection(const std::string &subkey) const
    {
        std::string text = File();
        const std::string header = SectionHeader(subkey);
        const size_t at = text.find(header);
        ASSERT_NE(at, std::string::npos) << "no section " << subkey;
        const auto body = SectionBody(text, subkey);
        text.erase(at, body.second - at);
        SetFile(text);
    }

    // The file store's own place, for the tests of what only it does.
    const ScopedConfigHome &Home() const
    {
        return FHome;
    }
#endif
    ScopedStore(const ScopedStore &) = delete;
    ScopedStore &operator=(const ScopedStore &) = delete;

    void SetValue(const std::string &subkey, const std::string &name, uint32_t data) const
    {
        char text[32];
        std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(data));
        SetRaw(subkey, name, text);
    }

#ifndef _WIN32
private:
    ScopedConfigHome FHome;
#endif
};

} // namespace testsupport
