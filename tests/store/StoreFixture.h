#pragma once

// A settings store in a private XDG_CONFIG_HOME, with helpers that read and
// hand-edit its file the way a person with a text editor would.

#include "RegistryUnit.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

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

inline std::string ReadBytes(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Replaces the file through a new file renamed over it, as editors do.
inline void WriteBytes(const std::filesystem::path &path, const std::string &bytes)
{
    std::filesystem::create_directories(path.parent_path());
    const std::filesystem::path temp = path.string() + ".edit";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::filesystem::rename(temp, path);
}

inline std::string SectionHeader(const std::string &subkey)
{
    return "[HKEY_CURRENT_USER\\Software\\drawvane" + (subkey.empty() ? "" : "\\" + subkey) + "]\n";
}

class StoreTest : public ::testing::Test {
protected:
    std::string File() const { return ReadBytes(home.storeFile()); }
    void SetFile(const std::string &text) const { WriteBytes(home.storeFile(), text); }

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
};

} // namespace storetest
