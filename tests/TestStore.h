#pragma once

// A private settings store for one test, on Linux and on Windows alike, and
// the changes a test makes to it behind the program's back.
// - Linux: a fresh XDG_CONFIG_HOME folder, edited as a person edits the file.
// - Windows: HKEY_CURRENT_USER\Software\drawvane, cleared before and after
//   the test and changed through the registry's own calls. The tests refuse
//   to touch a real registry: they run only where
//   DRAWVANE_TEST_SCRATCH_REGISTRY=1 says that the registry is a scratch one
//   (a Wine prefix of the test run's own).

#include "TestSupport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#ifndef _WIN32
#include "settings/RegistryFileFormat.h"

#include <filesystem>
#endif

namespace testsupport {

#ifdef _WIN32
// The registry calls, in TestStoreWin32.cpp: <windows.h> defines names
// (WM_USER among them) that the program's headers use.
namespace scratch {
void RequireScratchRegistry();
void Clear();
bool Exists();
void SetValue(const std::string &subkey, const std::string &name, uint32_t data);
void RemoveValue(const std::string &subkey, const std::string &name);
} // namespace scratch
#endif

class ScopedStore {
public:
#ifdef _WIN32
    ScopedStore()
    {
        scratch::RequireScratchRegistry();
        scratch::Clear();
    }
    ~ScopedStore()
    {
        scratch::Clear();
    }
    ScopedStore(const ScopedStore &) = delete;
    ScopedStore &operator=(const ScopedStore &) = delete;

    bool Exists() const
    {
        return scratch::Exists();
    }
    void SetValue(const std::string &subkey, const std::string &name, uint32_t data) const
    {
        scratch::SetValue(subkey, name, data);
    }
    void RemoveValue(const std::string &subkey, const std::string &name) const
    {
        scratch::RemoveValue(subkey, name);
    }
#else
    bool Exists() const
    {
        return std::filesystem::exists(FHome.storeFile());
    }

    void SetValue(const std::string &subkey, const std::string &name, uint32_t data) const
    {
        Edit(subkey, [&](regfile::TSection &section) { section.SetDword(name, data); });
    }

    void RemoveValue(const std::string &subkey, const std::string &name) const
    {
        const std::string folded = regfile::FoldCase(name);
        Edit(subkey, [&](regfile::TSection &section) {
            std::erase_if(section.lines, [&](const regfile::TLine &line) { return line.foldedName == folded; });
        });
    }

    // The file store's own place, for the tests of what only it does.
    const ScopedConfigHome &Home() const
    {
        return FHome;
    }

private:
    template <typename Change>
    void Edit(const std::string &subkey, const Change &change) const
    {
        auto document = regfile::Parse(ReadFile(FHome.storeFile()));
        if (!document)
            return;
        const std::string section = subkey.empty() ? "HKEY_CURRENT_USER\\Software\\drawvane"
                                                   : "HKEY_CURRENT_USER\\Software\\drawvane\\" + subkey;
        regfile::TSection *found = document->FindSection(regfile::FoldCase(section));
        if (!found)
            found = &document->AddSection(section);
        change(*found);
        WriteFile(FHome.storeFile(), regfile::Serialize(*document));
    }

    ScopedConfigHome FHome;
#endif
};

} // namespace testsupport
