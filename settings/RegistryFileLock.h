#pragma once

// The file store's write lock, held by every change of the store's file
// from before it is read until after it is replaced.

#include <string>

namespace regstore::filestore {

// Holds the store's write lock, an exclusive flock on the store's folder;
// released with the descriptor. The folder is locked, not a lock file in
// it: a lock file can be removed while a writer holds it, and the next
// writer then makes a new one and locks that, unopposed. The folder cannot
// go while it holds the store's file; it can be renamed or replaced, and one
// that was while this waited for it locks out nobody, so the lock is taken
// again on the folder that the path now names. Locking needs only read
// access to the folder: a folder the store cannot write in still locks.
// A missing folder is made first.
class TWriteLock {
public:
    explicit TWriteLock(const std::string &dir);
    ~TWriteLock();
    TWriteLock(const TWriteLock &) = delete;
    TWriteLock &operator=(const TWriteLock &) = delete;

    bool Held() const { return FFd >= 0; }

private:
    int FFd = -1;
};

} // namespace regstore::filestore
