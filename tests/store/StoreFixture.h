#pragma once

// A private settings store per test, with helpers that read and change it
// behind the store's back: away from Windows a file in a private
// XDG_CONFIG_HOME, edited the way a person with a text editor would; on
// Windows the registry itself (see RegistryScratch.h), changed through the
// registry's own calls. Contents() lists either in one form, so that the
// contract tests hold for both.

#include "settings/RegistryFileFormat.h"
#include "settings/RegistryUnit.h"
#ifdef _WIN32
#include "RegistryScratch.h"
#else
#include "TestSupport.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace storetest {

// The what() of the TRegistryError that f throws, or "<no error>".
inline std::string ErrorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const TRegistryError &error) {
        return error.what();
    }
    return "<no error>";
}

#ifndef _WIN32
// Sets or unsets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const char *value)
        : FName(name)
    {
        if (const char *old = std::getenv(name))
            FPrevious = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (FPrevious)
            setenv(FName.c_str(), FPrevious->c_str(), 1);
        else
            unsetenv(FName.c_str());
    }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    std::string FName;
    std::optional<std::string> FPrevious;
};
#endif

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
    std::vector<const regfile::TSection *> sections;
    for (const regfile::TSection &section : document->sections)
        sections.push_back(&section);
    std::stable_sort(sections.begin(), sections.end(), [](auto *a, auto *b) { return a->foldedName < b->foldedName; });
    std::string out;
    for (size_t i = 0; i < sections.size(); ++i) {
        if (i > 0 && sections[i]->foldedName == sections[i - 1]->foldedName)
            continue; // a repeated section adds its lines to the first
        out += "[" + sections[i]->name + "]\n";
        std::vector<std::pair<std::string, std::string>> values;
        for (const regfile::TSection *section : sections)
            if (section->foldedName == sections[i]->foldedName)
                for (const regfile::TLine &line : section->lines) {
                    if (line.kind == regfile::TLineKind::Unparsed)
                        continue;
                    auto same = std::find_if(values.begin(), values.end(),
                                             [&](const auto &v) { return v.first == line.foldedName; });
                    if (same != values.end())
                        same->second = line.text;
                    else
                        values.emplace_back(line.foldedName, line.text);
                }
        std::stable_sort(values.begin(), values.end());
        for (const auto &value : values)
            out += value.second + "\n";
    }
    return out;
}

#ifndef _WIN32
// Runs check in a child process as an ordinary user (nobody) when the tests
// run as root, whom permission bits do not stop; returns its result, or -1
// when the child died.
inline int RunAsOtherUser(const std::function<int()> &check)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99);
        _exit(check());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// Lets every user into the folders from dir down to the root, so that a
// child that gave up root can reach a test's files.
inline void OpenForOthers(const std::filesystem::path &dir)
{
    namespace fs = std::filesystem;
    for (fs::path p = dir; p.has_relative_path(); p = p.parent_path()) {
        std::error_code error;
        fs::permissions(p, fs::perms::others_exec | fs::perms::group_exec, fs::perm_options::add, error);
    }
}
#endif

class StoreTest : public ::testing::Test {
protected:
#ifdef _WIN32
    std::string Contents() const
    {
        return Canonical(registry.Export());
    }
    void Load(const std::string &exportText) const
    {
        registry.Import(exportText);
    }
    void RemoveStore() const
    {
        registry.Clear();
    }
    std::string WriteStamp() const
    {
        return registry.WriteStamp();
    }
    void SetRaw(const std::string &subkey, const std::string &name, const std::string &data) const
    {
        registry.SetRaw(subkey, name, data);
    }
    void RemoveValue(const std::string &subkey, const std::string &name) const
    {
        ASSERT_TRUE(registry.RemoveValue(subkey, name)) << "no value " << name;
    }
    void RemoveSection(const std::string &subkey) const
    {
        ASSERT_TRUE(registry.RemoveKey(subkey)) << "no key " << subkey;
    }

    regscratch::TScratchRegistry registry;
    TRegOptions store;
#else
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
        std::filesystem::remove(home.storeFile());
    }
    // Changes whenever the store file is written.
    std::string WriteStamp() const
    {
        struct stat st {};
        if (stat(home.storeFile().c_str(), &st) != 0)
            return "missing";
        return std::to_string(st.st_ino) + ":" + std::to_string(st.st_mtim.tv_sec) + "."
            + std::to_string(st.st_mtim.tv_nsec);
    }

    std::string File() const
    {
        return testsupport::ReadFile(home.storeFile());
    }
    void SetFile(const std::string &text) const
    {
        testsupport::WriteFile(home.storeFile(), text);
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

    testsupport::ScopedConfigHome home;
    TRegOptions store;
#endif
};

} // namespace storetest
