#pragma once

// Helpers of every test folder and of the benchmarks: an environment
// variable set for a while, a private settings folder, whole files, and a
// check run in a child process. The standard library only.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <random>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace testsupport {

#ifndef _WIN32
// Sets (or, for a null value, unsets) an environment variable for the life
// of the object.
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

// A fresh temporary folder, removed with the object.
inline std::filesystem::path NewTempFolder()
{
    std::random_device rd;
    const auto dir =
        std::filesystem::temp_directory_path() / ("drawvane-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(dir);
    return dir;
}

// XDG_CONFIG_HOME pointed at a fresh temporary folder for the life of the
// object, and XDG_DATA_HOME at a folder in it (the kept past draws).
class ScopedConfigHome {
public:
    ScopedConfigHome() = default;
    ~ScopedConfigHome()
    {
        std::error_code ec;
        std::filesystem::remove_all(FDir, ec);
    }
    ScopedConfigHome(const ScopedConfigHome &) = delete;
    ScopedConfigHome &operator=(const ScopedConfigHome &) = delete;

    const std::filesystem::path &dir() const { return FDir; }
    std::filesystem::path storeFile() const { return FDir / "drawvane" / "registry.reg"; }

private:
    std::filesystem::path FDir = NewTempFolder();
    ScopedEnv FEnv{"XDG_CONFIG_HOME", FDir.c_str()};
    ScopedEnv FDataEnv{"XDG_DATA_HOME", (FDir / "data").c_str()};
};

// Runs check in a child process, like another running copy of the
// program, as an ordinary user (nobody) when asked and the tests run as
// root, whom permission bits do not stop. The child is killed after ten
// seconds, so that an operation that hangs fails the test rather than
// stopping the run. Returns check's result, or -1 when the child died.
inline int RunInChild(const std::function<int()> &check, bool asOtherUser = false)
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

// Whether body, run in a child process, returned true.
inline bool InOtherProcess(const std::function<bool()> &body)
{
    return RunInChild([&] { return body() ? 0 : 1; }) == 0;
}
#endif

inline std::string ReadFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Replaces a file whole, as an editor saving it would: a new file renamed
// over it, its folder made when missing.
inline void WriteFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::filesystem::create_directories(path.parent_path());
    const std::filesystem::path temp = path.string() + ".edit";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::filesystem::rename(temp, path);
}

} // namespace testsupport
