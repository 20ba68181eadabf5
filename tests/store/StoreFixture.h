#pragma once

// The store's tests: a private settings store per test (TestStore.h) and
// the store object they ask, with the helpers they share.

#include "TestStore.h"
#include "settings/RegistryUnit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#ifndef _WIN32
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

using testsupport::Canonical;
using testsupport::SectionHeader;

#ifndef _WIN32
// Runs check in a child process, as an ordinary user (nobody) when asked and
// the tests run as root, whom permission bits do not stop. The child is
// killed after ten seconds, so that an operation that hangs fails the test
// rather than stopping the run. Returns check's result, or -1 when the child
// died.
inline int RunInChild(const std::function<int()> &check, bool asOtherUser)
{
    const pid_t child = fork();
    if (child == 0) {
        alarm(10);
        if (asOtherUser && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99);
        _exit(check());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

inline int RunAsOtherUser(const std::function<int()> &check)
{
    return RunInChild(check, true);
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

class StoreTest : public ::testing::Test, protected testsupport::ScopedStore {
protected:
#ifndef _WIN32
    const testsupport::ScopedConfigHome &home = Home();
#endif
    TRegOptions store;
};

} // namespace storetest
