#pragma once

// The store's tests: a private settings store per test (TestStore.h) and
// the store object they ask, with the helpers they share.

#include "TestStore.h"
#include "settings/RegistryUnit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

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

using testsupport::Canonical;
using testsupport::SectionHeader;

// Text as a Windows registry export holds it: UTF-16LE after a byte-order
// mark.
inline std::string Utf16Le(std::u16string_view text)
{
    std::string out = "\xFF\xFE";
    for (const char16_t unit : text)
        out += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return out;
}

// A row of a table of cases, printed as its label; ByLabel names each case
// after its row.
struct TLabelled {
    const char *label;
};

inline std::ostream &operator<<(std::ostream &os, const TLabelled &row)
{
    return os << row.label;
}

inline constexpr auto ByLabel = [](const auto &info) { return std::string(info.param.label); };

#ifndef _WIN32
// Permission bits: readable by everyone, and for a folder, open to everyone.
inline constexpr std::filesystem::perms kReadableByAll =
    std::filesystem::perms::owner_read | std::filesystem::perms::group_read | std::filesystem::perms::others_read;
inline constexpr std::filesystem::perms kOpenToAll = kReadableByAll | std::filesystem::perms::owner_exec
    | std::filesystem::perms::group_exec | std::filesystem::perms::others_exec;

// Checks in a child process, which reports to no test of its own: each
// failure is printed after the context, and the count is the child's exit
// status.
struct TChildChecks {
    const char *context;
    int failures = 0;

    void operator()(bool ok, const char *what)
    {
        if (ok)
            return;
        std::fprintf(stderr, "%s%s\n", context, what);
        ++failures;
    }
};
#endif

class StoreTest : public ::testing::Test, protected testsupport::ScopedStore {
protected:
#ifndef _WIN32
    // Lets every user into the folders from the test's own down to the
    // root, so that a child that gave up root can reach its files, and
    // gives the store's folder the bits asked for.
    void OpenToOthers(std::filesystem::perms folderBits = std::filesystem::perms::all) const
    {
        namespace fs = std::filesystem;
        for (fs::path p = home.dir(); p.has_relative_path(); p = p.parent_path()) {
            std::error_code error;
            fs::permissions(p, fs::perms::others_exec | fs::perms::group_exec, fs::perm_options::add, error);
        }
        fs::permissions(folder, folderBits);
    }

    const testsupport::ScopedConfigHome &home = Home();
    // The store file's folder.
    const std::filesystem::path folder = home.storeFile().parent_path();
#endif
    TRegOptions store;
};

} // namespace storetest
