// The registry store away from Windows: one file per user,
// $XDG_CONFIG_HOME/drawvane/registry.reg, in the registry export format so
// that it can be read, edited and carried to and from a Windows machine.
//
// Reading. Every read looks at the file as it is: it is opened, read whole
// and parsed. Nothing is kept from one operation of the program to the
// next, so a change made by the dialogs, by another running copy, by an
// editor or by a restore from backup shows at the very next read. Within a
// reading (BeginReading) the first read's look serves the reads after it,
// so that an operation sees one state of the store and reads it once.
// Anything but a regular file in its place (a folder, a FIFO, a socket, a
// device), or a file over 64 MiB, cannot be read: reads serve the defaults,
// writes fail, and it is left as it is.
//
// Writing. Every change locks the store (flock on its folder), reads the
// file as it now is and replaces it whole: a temporary file of the writer's
// own beside it, synced, renamed over it. The folder is not synced: after a
// crash the file is the old one or the new one, whole. A registry.reg that
// is a symbolic link is written through to its target. Concurrent writers
// lose nothing but each other's value of the same name, and a reader sees
// either the old file or the new one. A registry.reg.lock in the folder is
// left from earlier versions, which locked that file: nothing uses it, and
// whatever becomes of it changes nothing.
//
// The program runs the store on its one user-interface thread.

#include "settings/RegistryFileFormat.h"
#include "settings/RegistryFileLock.h"
#include "settings/RegistryFilePlace.h"
#include "settings/RegistryStore.h"
#include "settings/RegistryStoreForTests.h"
#include "texts/Texts.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regstore {

namespace {

using TDocumentPtr = std::shared_ptr<const regfile::TDocument>;

} // namespace

struct TKey {
    std::string section; // HKEY_CURRENT_USER\Software\drawvane\div
    std::string folded;  // the same in lower case, for lookups
    TDocumentPtr document;
};

namespace {

namespace fs = std::filesystem;

using filestore::Place;
using filestore::TPlace;
using filestore::TWriteLock;

// The look that the open reading took, if any.
struct TReading {
    int depth = 0;     // readings open, nested
    bool held = false; // document is what the reading saw
    std::string file;  // ... of this file
    bool bad = false;  // the file is not a registry file
    TDocumentPtr document;
    uint64_t fileReads = 0; // by this process, for FileReads
};

TReading &Reading()
{
    static TReading reading;
    return reading;
}

const TDocumentPtr &EmptyDocument()
{
    static const TDocumentPtr empty = std::make_shared<const regfile::TDocument>();
    return empty;
}

// Where the store file's bytes really live: registry.reg itself, or the end
// of its chain of symbolic links.
fs::path TargetOf(const std::string &file)
{
    fs::path target = file;
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(target, error); ++hops) {
        const fs::path link = fs::read_symlink(target, error);
        if (error)
            break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target.lexically_normal();
}

// No real store comes near this: a larger file is refused unread.
constexpr off_t MaxFileSize = off_t{64} << 20;

// The rest of the file, reserved from its size; false when it cannot be read
// or has grown past MaxFileSize.
bool ReadAll(int fd, off_t size, std::string &bytes)
{
    bytes.reserve(static_cast<size_t>(size));
    char buffer[16384];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno != EINTR)
            return false;
        if (n > 0 && bytes.size() + static_cast<size_t>(n) > static_cast<size_t>(MaxFileSize))
            return false;
        if (n > 0)
            bytes.append(buffer, static_cast<size_t>(n));
    }
    return true;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno != EINTR)
            return false;
        if (n > 0)
            bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The file as it is on disk now, parsed; a missing file is an empty store.
// False when it cannot be read, or is no regular file, or is larger than
// MaxFileSize; document is nullopt for a file that is not a registry file.
// The open never waits: a FIFO opens at once without a writer (and a socket
// fails with ENXIO), and only a regular file is read.
bool ReadFile(const std::string &file, std::optional<regfile::TDocument> &document)
{
    ++Reading().fileReads;
    const int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            return false;
        document.emplace();
        return true;
    }
    std::string bytes;
    struct stat st;
    const bool ok =
        fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= MaxFileSize && ReadAll(fd, st.st_size, bytes);
    close(fd);
    if (!ok)
        return false;
    document = regfile::Parse(std::move(bytes));
    return true;
}

// The same, shared with the keys that are open on it. bad tells a file that
// is not a registry file, which reads as an empty store.
bool ReadFile(const std::string &file, TDocumentPtr &document, bool &bad)
{
    std::optional<regfile::TDocument> parsed;
    if (!ReadFile(file, parsed))
        return false;
    bad = !parsed;
    document = parsed ? std::make_shared<const regfile::TDocument>(std::move(*parsed)) : EmptyDocument();
    return true;
}

// The store's file for a read: what the open reading saw, or a fresh look.
bool Current(const TPlace &place, TDocumentPtr &document, bool &bad)
{
    TReading &reading = Reading();
    if (reading.held && reading.file == place.file) {
        document = reading.document;
        bad = reading.bad;
        return true;
    }
    if (!ReadFile(place.file, document, bad))
        return false;
    if (reading.depth > 0) {
        reading.held = true;
        reading.file = place.file;
        reading.bad = bad;
        reading.document = document;
    }
    return true;
}

// The process's umask, read without changing it: Linux shows it in
// /proc/self/status. Elsewhere it is set and put back at once.
mode_t Umask()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("Umask:"))
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// The permission bits the rewritten file gets: those of the file it
// replaces, or for a new file what creating it gives (0666 less the umask).
mode_t FileMode(const std::string &file)
{
    struct stat st;
    if (stat(file.c_str(), &st) == 0)
        return st.st_mode & 0777;
    return 0666 & ~Umask();
}

// The temporaries of a writer are the target's name, ".tmp-" and six
// characters of mkstemp's. Under the write lock no other writer of the store
// is at work, so one found then was left by a writer that died before its
// rename, and is removed.
void RemoveLeftoverTemporaries(const fs::path &target)
{
    const std::string prefix = target.filename().string() + ".tmp-";
    std::error_code error;
    for (fs::directory_iterator it(target.parent_path(), error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() == prefix.size() + 6 && name.starts_with(prefix))
            unlink(it->path().c_str());
    }
}

// Writes bytes to a new file renamed over target; on any failure the
// temporary is removed and target is as it was.
bool ReplaceFile(const fs::path &target, std::string_view bytes)
{
    const std::string targetFile = target.string();
    const mode_t mode = FileMode(targetFile);
    RemoveLeftoverTemporaries(target);
    std::string temp = targetFile + ".tmp-XXXXXX";
    const int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temp.c_str(), targetFile.c_str()) != 0) {
        unlink(temp.c_str());
        return false;
    }
    return true;
}

// Moves a file that is not a registry file out of the way, to
// registry.reg.bad-<UTC time>; kept receives its new full path.
bool KeepAside(const std::string &file, std::string &kept)
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc);
    kept = file + ".bad-" + stamp;
    for (int n = 2; access(kept.c_str(), F_OK) == 0; ++n)
        kept = file + ".bad-" + stamp + "-" + std::to_string(n);
    return rename(file.c_str(), kept.c_str()) == 0;
}

template <typename Change>
bool WriteLocked(const TPlace &place, const Change &change, TDocumentPtr &result, std::string &notice)
{
    // The file itself decides, never what a reading saw: another copy of
    // the program may have written since.
    std::optional<regfile::TDocument> document;
    if (!ReadFile(place.file, document))
        return false;
    const fs::path target = TargetOf(place.file);
    const std::string targetFile = target.string();
    const std::string targetDir = target.parent_path().string();
    if (access(targetDir.c_str(), W_OK) != 0)
        return false;
    if (access(targetFile.c_str(), F_OK) == 0 && access(targetFile.c_str(), W_OK) != 0)
        return false;

    if (!document) {
        std::string kept;
        if (!KeepAside(place.file, kept))
            return false;
        notice = texts::Arg(DRAWVANE_TR("Drawvane",
                                        "The settings file could not be read and was kept as %1. The "
                                        "default settings are in use."),
                            {kept});
        document.emplace();
    }
    change(*document);
    if (!ReplaceFile(target, regfile::Serialize(*document)))
        return false;
    result = std::make_shared<const regfile::TDocument>(std::move(*document));
    return true;
}

// Applies change to the store file under its write lock; result receives
// the document as written. An open reading sees the written document from
// now on.
template <typename Change>
bool Mutate(const TPlace &place, const Change &change, TDocumentPtr &result)
{
    std::string notice;
    bool ok = false;
    {
        TWriteLock lock(place.dir);
        if (lock.Held())
            ok = WriteLocked(place, change, result, notice);
    }
    TReading &reading = Reading();
    reading.held = ok && reading.depth > 0;
    if (reading.held) {
        reading.file = place.file;
        reading.bad = false;
        reading.document = result;
    }
    // Told after the lock is released: the handler may well use the store.
    if (!notice.empty())
        PostNotice(notice);
    return ok;
}

TKey *NewKey(std::string_view path, TDocumentPtr document)
{
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    // "Software\drawvane\" is [HKEY_CURRENT_USER\Software\drawvane].
    auto *key = new TKey;
    key->section = "HKEY_CURRENT_USER\\" + std::string(path);
    key->folded = regfile::FoldCase(key->section);
    key->document = std::move(document);
    return key;
}

bool Writable(const TPlace &place)
{
    return access(place.dir.c_str(), W_OK) == 0
        && (access(place.file.c_str(), F_OK) != 0 || access(place.file.c_str(), W_OK) == 0);
}

} // namespace

bool CreateKey(std::string_view path, TKey *&key)
{
    const TPlace place = Place();
    TDocumentPtr document;
    bool bad = false;
    if (!Current(place, document, bad))
        return false;
    key = NewKey(path, std::move(document));
    if (!bad && key->document->KeyExists(key->folded) && Writable(place))
        return true;
    // Full access to a key means a store that can be written: the key is
    // made, or at least the store's file proved writable by a write.
    const auto addKey = [&](regfile::TDocument &d) {
        if (!d.KeyExists(key->folded))
            d.AddSection(key->section);
    };
    if (Mutate(place, addKey, key->document))
        return true;
    delete key;
    key = nullptr;
    return false;
}

bool OpenKey(std::string_view path, TKey *&key)
{
    TDocumentPtr document;
    bool bad = false;
    if (!Current(Place(), document, bad) || bad)
        return false;
    key = NewKey(path, std::move(document));
    if (key->document->KeyExists(key->folded))
        return true;
    delete key;
    key = nullptr;
    return false;
}

bool KeyExists(std::string_view path)
{
    TKey *key = nullptr;
    if (!OpenKey(path, key))
        return false;
    CloseKey(key);
    return true;
}

TValueInfo QueryValue(TKey *key, std::string_view name)
{
    const regfile::TDocument &document = *key->document;
    const regfile::TSection *section = document.FindSection(key->folded);
    const regfile::TLine *line = section ? document.FindValue(*section, name) : nullptr;
    if (!line)
        return {TQueryStatus::Missing, TValueType::Other, 0};
    switch (line->kind) {
    case regfile::TLineKind::Dword:
        if (line->badSize)
            return {TQueryStatus::Failed, TValueType::Dword, 0};
        return {TQueryStatus::Found, TValueType::Dword, line->dword};
    case regfile::TLineKind::String:
        return {TQueryStatus::Found, TValueType::String, 0};
    default:
        return {TQueryStatus::Found, TValueType::Other, 0};
    }
}

bool SetDwords(TKey *key, std::span<const TNamedDword> values)
{
    const auto setValues = [&](regfile::TDocument &d) {
        regfile::TSection *section = d.FindSection(key->folded);
        if (!section)
            section = &d.AddSection(key->section);
        for (const TNamedDword &value : values)
            d.SetDword(*section, value.name, value.data);
    };
    return Mutate(Place(), setValues, key->document);
}

void CloseKey(TKey *key)
{
    delete key;
}

void BeginReading()
{
    ++Reading().depth;
}

void EndReading()
{
    TReading &reading = Reading();
    if (--reading.depth > 0)
        return;
    reading.held = false;
    reading.document.reset();
}

uint64_t fortests::FileReads()
{
    return Reading().fileReads;
}

} // namespace regstore
