#pragma once

// Test helpers shared by the suites: a private settings folder per test.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>

namespace testsupport {

#ifndef _WIN32
// Points XDG_CONFIG_HOME at a fresh temporary folder for the life of the
// object and restores the previous value afterwards.
class ScopedConfigHome {
public:
    ScopedConfigHome()
    {
        if (const char *old = std::getenv("XDG_CONFIG_HOME"))
            previous_ = old;
        std::random_device rd;
        dir_ = std::filesystem::temp_directory_path()
            / ("drawvane-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(dir_);
        setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    }
    ~ScopedConfigHome()
    {
        if (previous_)
            setenv("XDG_CONFIG_HOME", previous_->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    ScopedConfigHome(const ScopedConfigHome &) = delete;
    ScopedConfigHome &operator=(const ScopedConfigHome &) = delete;

    const std::filesystem::path &dir() const { return dir_; }
    std::filesystem::path storeFile() const { return dir_ / "drawvane" / "registry.reg"; }

private:
    std::filesystem::path dir_;
    std::optional<std::string> previous_;
};
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
