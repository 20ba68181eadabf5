#include "settings/StoreChangeWatch.h"

#include <csignal>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <pthread.h>
#include <sys/inotify.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

extern char **environ;

namespace regstore {

namespace {

void AfterForkHandler()
{
    ChangeWatch().AfterFork();
}

} // namespace

bool TEnvironmentWatch::Unchanged() const
{
    if (environ != FArray || !FArray)
        return false;
    if (FArray[FCount] != nullptr || (FCount > 0 && FArray[FCount - 1] == nullptr))
        return false;
    return (FConfigSlot < 0 || FArray[FConfigSlot] == FConfigEntry)
        && (FHomeSlot < 0 || FArray[FHomeSlot] == FHomeEntry);
}

void TEnvironmentWatch::Remember()
{
    FArray = environ;
    FCount = 0;
    FConfigSlot = FHomeSlot = -1;
    if (!FArray)
        return;
    for (; FArray[FCount]; ++FCount) {
        const std::string_view entry = FArray[FCount];
        if (entry.starts_with("XDG_CONFIG_HOME=")) {
            FConfigSlot = static_cast<long>(FCount);
            FConfigEntry = FArray[FCount];
        } else if (entry.starts_with("HOME=")) {
            FHomeSlot = static_cast<long>(FCount);
            FHomeEntry = FArray[FCount];
        }
    }
}

TChangeWatch &ChangeWatch()
{
    static TChangeWatch watch;
    return watch;
}

void TChangeWatch::OnSignal(int)
{
    FSignalled.store(1, std::memory_order_relaxed);
}

void TChangeWatch::Look(const std::string &folder, const std::string &targetFolder, const std::string &lockFile)
{
    // Signals first, then the file: a change after this look signals again.
    FSignalled.store(0, std::memory_order_relaxed);
    Drain();
    std::vector<std::string> folders{folder};
    if (targetFolder != folder)
        folders.push_back(targetFolder);
    Watch(std::move(folders));
    MapExistingGeneration(lockFile);
    FSeenGeneration = Generation();
}

void TChangeWatch::Forget()
{
    Unwatch();
    Unmap();
}

void TChangeWatch::Bump(int lockFd, bool writable, const std::string &lockFile)
{
    if (!writable)
        return;
    struct stat st;
    if (fstat(lockFd, &st) != 0)
        return;
    if (st.st_size < static_cast<off_t>(sizeof(uint64_t)) && ftruncate(lockFd, sizeof(uint64_t)) != 0)
        return;
    void *map = mmap(nullptr, sizeof(uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, lockFd, 0);
    if (map == MAP_FAILED)
        return;
    static_cast<std::atomic<uint64_t> *>(map)->fetch_add(1, std::memory_order_release);
    munmap(map, sizeof(uint64_t));
    // The reader's mapping comes from a descriptor of its own: a mapping
    // holds its open file, and with it any lock taken through that file.
    MapExistingGeneration(lockFile);
}

void TChangeWatch::AfterFork()
{
    if (FInotify >= 0)
        close(FInotify);
    FInotify = -1;
    FWatches.clear();
    FWatchedFolders.clear();
    FWatching = false;
}

bool TChangeWatch::StartSignals()
{
    if (FInotify >= 0)
        return true;
    static bool tried = false;
    if (tried)
        return false;
    tried = true;
    pthread_atfork(nullptr, nullptr, AfterForkHandler);
    const int signal = SIGRTMIN + 7;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return false;
    if (sigaction(signal, &action, nullptr) != 0 || fcntl(fd, F_SETSIG, signal) != 0
        || fcntl(fd, F_SETOWN, getpid()) != 0 || fcntl(fd, F_SETFL, O_NONBLOCK | O_ASYNC) != 0) {
        close(fd);
        return false;
    }
    FInotify = fd;
    return true;
}

// Looked at again after every change, since a link may come or go.
void TChangeWatch::Watch(std::vector<std::string> folders)
{
    if (!StartSignals())
        return;
    if (FWatching && folders == FWatchedFolders)
        return;
    Unwatch();
    const uint32_t events = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO | IN_CREATE | IN_DELETE
        | IN_DELETE_SELF | IN_MOVE_SELF;
    for (const std::string &folder : folders) {
        const int wd = inotify_add_watch(FInotify, folder.c_str(), events);
        if (wd < 0) {
            Unwatch();
            return;
        }
        FWatches.push_back(wd);
    }
    FWatchedFolders = std::move(folders);
    FWatching = true;
}

void TChangeWatch::Unwatch()
{
    for (const int wd : FWatches)
        inotify_rm_watch(FInotify, wd);
    FWatches.clear();
    FWatchedFolders.clear();
    FWatching = false;
}

// Takes what the watch has queued; a folder that went away ends the watch.
void TChangeWatch::Drain()
{
    if (FInotify < 0)
        return;
    alignas(inotify_event) char buffer[4096];
    while (true) {
        const ssize_t n = read(FInotify, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if (event->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_Q_OVERFLOW))
                FWatching = false;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    if (!FWatching)
        Unwatch();
}

// Maps the generation counter of the lock file, when there is one, for
// reading: only writers, under the lock, change it.
void TChangeWatch::MapExistingGeneration(const std::string &lockFile)
{
    const int fd = open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st;
    if (fstat(fd, &st) == 0 && st.st_size >= static_cast<off_t>(sizeof(uint64_t))
        && !(FGeneration && FLockIno == st.st_ino)) {
        void *map = mmap(nullptr, sizeof(uint64_t), PROT_READ, MAP_SHARED, fd, 0);
        if (map != MAP_FAILED) {
            Unmap();
            FLockIno = st.st_ino;
            FGeneration = static_cast<const std::atomic<uint64_t> *>(map);
        }
    }
    close(fd);
}

void TChangeWatch::Unmap()
{
    if (FGeneration)
        munmap(const_cast<std::atomic<uint64_t> *>(FGeneration), sizeof(uint64_t));
    FGeneration = nullptr;
    FLockIno = 0;
}

} // namespace regstore
