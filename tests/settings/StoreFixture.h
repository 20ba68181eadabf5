#pragma once

// The store's tests: a private settings store per test (TestStore.h) and
// the store object they ask, with the helpers they share.

#include "TestStore.h"
#include "settings/RegistryUnit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
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

#ifndef _WIN32
using testsupport::ScopedEnv;
#endif
using testsupport::Canonical;
using testsupport::SectionHeader;

#ifndef _WIN32
using testsupport::RunInChild;

// Runs check in a child process as an ordinary user (RunInChild).
inline int RunAsOtherUser(const std::function<int()> &check)
{
    return RunInChild(check, true);
}

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

class StoreTest : public ::testing::Test, protected testsupport::ScopedStore {
protected:
#ifndef _WIN32
    const testsupport::ScopedConfigHome &home = Home();
#endif
    TRegOptions store;
};

} // namespace storetest
