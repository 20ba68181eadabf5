#pragma once

// How the file store knows, without asking the kernel, that its file may
// have changed since it last looked:
// - every writer of this program bumps a generation counter under the
//   store's lock, after its rename; the counter lives in the lock file,
//   mapped shared into every running copy;
// - an inotify watch on the store's folder (and, for a linked file, on the
//   folder of its target) raises a real-time signal for every change made
//   by anything else: an editor, a restore from backup, a deletion. The
//   signal arrives before the writer's own system call returns when the
//   writer is this process, and before any later system call of this
//   process returns otherwise. The signal handler only sets a flag.
// Without a watch (no folder yet, inotify unavailable) nothing is ever
// quiet, and the store reads its file every time.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <sys/types.h>

namespace regstore {

// XDG_CONFIG_HOME and HOME decide where the store is, and may change at any
// time. Rather than look them up at every read, this remembers the entries
// of the environment that held them: a change of either (setenv replaces the
// entry, unsetenv and new variables move the array's end) shows as another
// pointer.
class TEnvironmentWatch {
public:
    bool Unchanged() const;
    void Remember();

private:
    char **FArray = nullptr;
    size_t FCount = 0;
    long FConfigSlot = -1;
    long FHomeSlot = -1;
    const char *FConfigEntry = nullptr;
    const char *FHomeEntry = nullptr;
};

// The watch of one store: its folder, its lock file's counter. One per
// process (ChangeWatch()), since the signal is.
class TChangeWatch {
public:
    // Nothing has signalled a change since the last Look. Inline: every read
    // of the store asks.
    bool Quiet() const
    {
        return FWatching && FSignalled.load(std::memory_order_relaxed) == 0 && Generation() == FSeenGeneration;
    }
    // Takes the signals, then watches the store's folder (and the folder of
    // a linked file's target) and maps the lock file's counter: a change
    // after this look signals again.
    void Look(const std::string &folder, const std::string &targetFolder, const std::string &lockFile);
    // The store moved: nothing watched or mapped any more.
    void Forget();
    // Tells every running copy that the file changed, through the counter
    // in the lock file held with lockFd (grown to its size on first use).
    void Bump(int lockFd, bool writable, const std::string &lockFile);

    // A child process starts without the parent's signals: it looks afresh.
    void AfterFork();

private:
    bool StartSignals();
    void Watch(std::vector<std::string> folders);
    void Unwatch();
    void Drain();
    void MapExistingGeneration(const std::string &lockFile);
    void Unmap();
    uint64_t Generation() const { return FGeneration ? FGeneration->load(std::memory_order_acquire) : 0; }

    // Set by the signal handler, cleared by the look that takes it.
    static inline std::atomic<int> FSignalled{1};
    static_assert(std::atomic<int>::is_always_lock_free);
    static void OnSignal(int);

    int FInotify = -1;
    bool FWatching = false; // a watch covers the current place
    std::vector<int> FWatches;
    std::vector<std::string> FWatchedFolders;
    ino_t FLockIno = 0; // of the lock file whose counter is mapped
    const std::atomic<uint64_t> *FGeneration = nullptr;
    uint64_t FSeenGeneration = 0;
};

TChangeWatch &ChangeWatch();

} // namespace regstore
