// The registry store away from Windows: one file per user,
// $XDG_CONFIG_HOME/drawvane/registry.reg, in the registry export format so
// that it can be read, edited and carried to and from a Windows machine.
//
// Reads come from a process-wide parse of the file, redone only when the
// file's identity on disk (device, inode, size, modification time in
// nanoseconds) changes; a redraw of the coupon reads the store over a
// thousand times. Every write locks the store (flock on registry.reg.lock),
// starts from the file as it now is, and replaces it whole by writing a
// temporary file beside it, syncing it and renaming it over the old one:
// concurrent writers lose nothing but each other's value of the same name,
// and a reader sees either the old file or the new one.

#include "RegistryFileFormat.h"
#include "RegistryStore.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <list>
#include <mutex>
#include <optional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regstore {

struct TPlace {
    std::string dir;
    std::string file;
};

// A key's section name, as written and case-folded for lookups.
struct TKeyName {
    std::string section; // HKEY_CURRENT_USER\Software\drawvane\div
    std::string folded;
};

struct TKey {
    std::shared_ptr<const TPlace> place;
    const TKeyName *name;
    std::shared_ptr<const regfile::TDocument> document; // as of opening or the last write
};

namespace {

using TDocumentPtr = std::shared_ptr<const regfile::TDocument>;
using TPlacePtr = std::shared_ptr<const TPlace>;

// Resolved at every open, so that a change of XDG_CONFIG_HOME takes effect at
// once; the paths are built anew only when the environment changed. A
// relative XDG_CONFIG_HOME is ignored, as the base directory rules require.
TPlacePtr ResolvePlace()
{
    struct TResolved {
        std::mutex lock;
        std::optional<std::string> config;
        std::optional<std::string> home;
        TPlacePtr place;
    };
    static TResolved resolved;
    const auto same = [](const std::optional<std::string> &kept, const char *now) {
        return kept ? (now && *kept == now) : !now;
    };
    const char *config = std::getenv("XDG_CONFIG_HOME");
    const char *home = std::getenv("HOME");
    std::lock_guard guard(resolved.lock);
    if (resolved.place && same(resolved.config, config) && same(resolved.home, home))
        return resolved.place;

    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char *dir = home;
        if (!dir || !*dir) {
            const passwd *user = getpwuid(getuid());
            dir = user ? user->pw_dir : "";
        }
        base = std::string(dir) + "/.config";
    }
    auto place = std::make_shared<TPlace>();
    place->dir = base + "/drawvane";
    place->file = place->dir + "/registry.reg";
    resolved.config = config ? std::optional<std::string>(config) : std::nullopt;
    resolved.home = home ? std::optional<std::string>(home) : std::nullopt;
    resolved.place = std::move(place);
    return resolved.place;
}

// The section of a key path: "Software\drawvane\" is
// [HKEY_CURRENT_USER\Software\drawvane].
std::string SectionName(std::string_view path)
{
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return "HKEY_CURRENT_USER\\" + std::string(path);
}

struct TStamp {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    time_t seconds = 0;
    long nanoseconds = 0;
    bool operator==(const TStamp &) const = default;
};

TStamp StampOf(const struct stat &st)
{
    return {st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

// The file's identity plus its change time, which moves with every change of
// its owner, mode or access list.
struct TAccessStamp {
    TStamp stamp;
    time_t changeSeconds = 0;
    long changeNanoseconds = 0;
    bool operator==(const TAccessStamp &) const = default;
};

TAccessStamp AccessStampOf(const struct stat &st)
{
    return {StampOf(st), st.st_ctim.tv_sec, st.st_ctim.tv_nsec};
}

// Whether the store file and its folder can be written. An open asks this
// of every key, well over a thousand times a redraw, so the answer is kept
// for as long as the file itself is unchanged. A folder whose rights change
// while the file does not is noticed at the next write, which then fails.
bool StoreWritable(const std::string &dir, const std::string &file, const struct stat &st)
{
    struct TVerdict {
        std::mutex lock;
        std::string file;
        TAccessStamp stamp;
        bool known = false;
        bool writable = false;
    };
    static TVerdict verdict;
    const TAccessStamp stamp = AccessStampOf(st);
    {
        std::lock_guard guard(verdict.lock);
        if (verdict.known && verdict.file == file && verdict.stamp == stamp)
            return verdict.writable;
    }
    const bool writable = access(file.c_str(), W_OK) == 0 && access(dir.c_str(), W_OK) == 0;
    std::lock_guard guard(verdict.lock);
    verdict.file = file;
    verdict.stamp = stamp;
    verdict.known = true;
    verdict.writable = writable;
    return writable;
}

const TDocumentPtr &EmptyDocument()
{
    static const TDocumentPtr empty = std::make_shared<const regfile::TDocument>();
    return empty;
}

struct TLoaded {
    TDocumentPtr document;
    bool bad = false; // the file is not a registry file; document is empty
};

struct TCache {
    std::mutex lock;
    std::string file;
    TStamp stamp;
    TLoaded loaded;
};

TCache &Cache()
{
    static TCache cache;
    return cache;
}

void Remember(const std::string &file, const TStamp &stamp, const TLoaded &loaded)
{
    TCache &cache = Cache();
    std::lock_guard guard(cache.lock);
    cache.file = file;
    cache.stamp = stamp;
    cache.loaded = loaded;
}

bool ReadAll(int fd, std::string &bytes)
{
    char buffer[16384];
    while (true) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The store file whose stat is st, from the cache when unchanged on disk.
bool LoadExisting(const std::string &file, const struct stat &st, TLoaded &out)
{
    if (!S_ISREG(st.st_mode))
        return false;
    {
        TCache &cache = Cache();
        std::lock_guard guard(cache.lock);
        if (cache.loaded.document && cache.file == file && cache.stamp == StampOf(st)) {
            out = cache.loaded;
            return true;
        }
    }
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            return false;
        out = {EmptyDocument(), false};
        return true;
    }
    // The identity is taken from the open file, so that it belongs to the
    // bytes read even when a writer has replaced the file since the stat.
    struct stat now;
    std::string bytes;
    const bool ok = fstat(fd, &now) == 0 && ReadAll(fd, bytes);
    close(fd);
    if (!ok)
        return false;
    std::optional<regfile::TDocument> parsed = regfile::Parse(bytes);
    if (parsed)
        out = {std::make_shared<const regfile::TDocument>(std::move(*parsed)), false};
    else
        out = {EmptyDocument(), true};
    Remember(file, StampOf(now), out);
    return true;
}

// The store file as it now is; a missing file is an empty store.
bool Load(const std::string &file, TLoaded &out)
{
    struct stat st;
    if (stat(file.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return false;
        out = {EmptyDocument(), false};
        return true;
    }
    return LoadExisting(file, st, out);
}

// Holds the store's write lock; released with the descriptor.
class TWriteLock {
public:
    explicit TWriteLock(const std::string &path) : FFd(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666))
    {
        if (FFd < 0)
            return;
        while (flock(FFd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                close(FFd);
                FFd = -1;
                return;
            }
        }
    }
    ~TWriteLock()
    {
        if (FFd >= 0)
            close(FFd);
    }
    TWriteLock(const TWriteLock &) = delete;
    TWriteLock &operator=(const TWriteLock &) = delete;

    bool Held() const { return FFd >= 0; }

private:
    int FFd;
};

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

// Gives the new file a modification time to the nanosecond, so that its
// identity differs from the file it replaces even within one clock tick of
// the file system's coarse timestamps.
bool StampNow(int fd)
{
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    clock_gettime(CLOCK_REALTIME, &times[1]);
    return futimens(fd, times) == 0;
}

void SyncFolder(const std::string &dir)
{
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

template <typename Change>
bool WriteLocked(const TPlace &place, const Change &change, TDocumentPtr &result, std::string &notice)
{
    TLoaded current;
    if (!Load(place.file, current))
        return false;
    regfile::TDocument document;
    if (current.bad) {
        std::string kept;
        if (!KeepAside(place.file, kept))
            return false;
        notice = "The settings file could not be read and was kept as " + kept + ". The default settings are in use.";
    } else {
        document = *current.document;
    }
    change(document);

    const std::string temp = place.file + ".tmp";
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat st;
    bool ok = WriteAll(fd, regfile::Serialize(document)) && StampNow(fd) && fsync(fd) == 0 && fstat(fd, &st) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temp.c_str(), place.file.c_str()) != 0) {
        unlink(temp.c_str());
        return false;
    }
    SyncFolder(place.dir);

    TLoaded written{std::make_shared<const regfile::TDocument>(std::move(document)), false};
    Remember(place.file, StampOf(st), written);
    result = written.document;
    return true;
}

// Applies change to the store file under its write lock; result receives
// the document as written.
template <typename Change>
bool Mutate(const TPlace &place, const Change &change, TDocumentPtr &result)
{
    std::error_code error;
    std::filesystem::create_directories(place.dir, error);
    if (error)
        return false;
    std::string notice;
    bool ok = false;
    {
        TWriteLock lock(place.file + ".lock");
        if (lock.Held())
            ok = WriteLocked(place, change, result, notice);
    }
    // Told after the lock is released: the handler may well use the store.
    if (!notice.empty())
        PostNotice(notice);
    return ok;
}

// The few key paths the program uses, named once; the entries live as long
// as the process, so keys may point at them.
const TKeyName &KeyNameOf(const std::string &path)
{
    static std::mutex lock;
    static std::list<std::pair<std::string, TKeyName>> names;
    std::lock_guard guard(lock);
    for (const auto &[known, name] : names)
        if (known == path)
            return name;
    std::string section = SectionName(path);
    std::string folded = regfile::FoldCase(section);
    return names.emplace_back(path, TKeyName{std::move(section), std::move(folded)}).second;
}

} // namespace

bool CreateKey(const std::string &path, TKey *&key)
{
    const TPlacePtr placePtr = ResolvePlace();
    const TPlace &place = *placePtr;
    TLoaded loaded;
    struct stat st;
    if (stat(place.file.c_str(), &st) == 0) {
        if (!StoreWritable(place.dir, place.file, st))
            return false;
        if (!LoadExisting(place.file, st, loaded))
            return false;
    } else {
        if (errno != ENOENT)
            return false;
        std::error_code error;
        std::filesystem::create_directories(place.dir, error);
        if (error || access(place.dir.c_str(), W_OK) != 0)
            return false;
        loaded = {EmptyDocument(), false};
    }

    const TKeyName &name = KeyNameOf(path);
    TDocumentPtr document = loaded.document;
    if (loaded.bad || !document->KeyExists(name.folded)) {
        const auto addKey = [&](regfile::TDocument &d) {
            if (!d.KeyExists(name.folded))
                d.AddSection(name.section);
        };
        if (!Mutate(place, addKey, document))
            return false;
    }
    key = new TKey{placePtr, &name, std::move(document)};
    return true;
}

bool OpenKey(const std::string &path, TKey *&key)
{
    const TPlacePtr place = ResolvePlace();
    TLoaded loaded;
    if (!Load(place->file, loaded) || loaded.bad)
        return false;
    const TKeyName &name = KeyNameOf(path);
    if (!loaded.document->KeyExists(name.folded))
        return false;
    key = new TKey{place, &name, loaded.document};
    return true;
}

bool KeyExists(const std::string &path)
{
    const TPlacePtr place = ResolvePlace();
    TLoaded loaded;
    if (!Load(place->file, loaded) || loaded.bad)
        return false;
    return loaded.document->KeyExists(KeyNameOf(path).folded);
}

TValueInfo QueryValue(TKey *key, const std::string &name)
{
    const regfile::TSection *section = key->document->FindSection(key->name->folded);
    const regfile::TLine *line = section ? section->FindValue(regfile::FoldCase(name)) : nullptr;
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

bool SetDword(TKey *key, const std::string &name, uint32_t data)
{
    const auto setValue = [&](regfile::TDocument &d) {
        regfile::TSection *section = d.FindSection(key->name->folded);
        if (!section)
            section = &d.AddSection(key->name->section);
        section->SetDword(name, data);
    };
    return Mutate(*key->place, setValue, key->document);
}

void CloseKey(TKey *key) { delete key; }

} // namespace regstore
