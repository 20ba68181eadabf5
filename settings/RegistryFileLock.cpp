#include "settings/RegistryFileLock.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regstore::filestore {

namespace fs = std::filesystem;

TWriteLock::TWriteLock(const std::string &dir)
{
    for (int attempt = 0; attempt < 8 && FFd < 0; ++attempt) {
        std::error_code error;
        fs::create_directories(dir, error);
        if (error)
            return;
        const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT)
            continue; // removed since it was made
        if (fd < 0)
            return;
        int locked;
        while ((locked = flock(fd, LOCK_EX)) != 0 && errno == EINTR) {}
        struct stat held;
        struct stat named;
        if (locked == 0 && fstat(fd, &held) == 0 && stat(dir.c_str(), &named) == 0 && held.st_dev == named.st_dev
            && held.st_ino == named.st_ino) {
            FFd = fd;
            return;
        }
        close(fd);
        if (locked != 0)
            return;
    }
}

TWriteLock::~TWriteLock()
{
    if (FFd >= 0)
        close(FFd);
}

} // namespace regstore::filestore
