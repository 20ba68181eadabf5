// The registry store away from Windows: one file per user,
// $XDG_CONFIG_HOME/drawvane/registry.reg, in the registry export format so
// that it can be read, edited and carried to and from a Windows machine.
//
// Reading. A redraw of the coupon reads the store thousands of times, so a
// read must not ask the kernel anything. The parsed file is kept, and it is
// trusted for as long as the change watch (StoreChangeWatch.h) is quiet.
//
// Writing. Every change locks the store (flock on registry.reg.lock), reads
// the file as it now is, never the kept copy, and replaces it whole: a
// temporary file beside it, synced, renamed over it. The folder is not
// synced: after a crash the file is the old one or the new one, whole. A
// registry.reg that is a symbolic link is written through to its target.
// Concurrent writers lose nothing but each other's value of the same name,
// and a reader sees either the old file or the new one.
//
// The program runs the store on its one user-interface thread.

#include "settings/RegistryFileFormat.h"
#include "settings/RegistryStore.h"
#include "settings/StoreChangeWatch.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regstore {

// A key's section name, as written and case-folded for lookups.
struct TKeyName {
    std::string section; // HKEY_CURRENT_USER\Software\drawvane\div
    std::string folded;
    // The key's section in the document last looked at.
    // Held, so that another document cannot take its address.
    mutable std::shared_ptr<const regfile::TDocument> document;
    mutable const regfile::TSection *found = nullptr;
};

struct TKey {
    const TKeyName *name = nullptr;
    std::shared_ptr<const regfile::TDocument> document; // as of opening or the last write
    TKey *next = nullptr;                               // in the free list
};

namespace {

namespace fs = std::filesystem;
using TDocumentPtr = std::shared_ptr<const regfile::TDocument>;

// Everything the store keeps between operations.
struct TStore {
    TEnvironmentWatch environment;
    bool placeKnown = false;
    std::string dir;  // .../drawvane
    std::string file; // .../drawvane/registry.reg
    std::string lock; // .../drawvane/registry.reg.lock

    // The file as last read.
    bool known = false; // document describes the file as of the last look
    bool bad = false;   // the file is not a registry file; document is empty
    std::string bytes;  // as read
    TDocumentPtr document;

    std::deque<std::pair<std::string, TKeyName>> names;
    std::string_view lastPath; // an entry of names
    const TKeyName *lastName = nullptr;
    TKey *freeKeys = nullptr;
};

TStore &Store()
{
    static TStore store;
    return store;
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

// The place of the store, from XDG_CONFIG_HOME or HOME; a relative
// XDG_CONFIG_HOME is ignored, as the base directory rules require.
void Resolve(TStore &s)
{
    if (s.placeKnown && s.environment.Unchanged())
        return;
    s.environment.Remember();
    const char *config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char *home = std::getenv("HOME");
        if (!home || !*home) {
            const passwd *user = getpwuid(getuid());
            home = user ? user->pw_dir : "";
        }
        base = std::string(home) + "/.config";
    }
    std::string dir = base + "/drawvane";
    if (s.placeKnown && dir == s.dir)
        return;
    ChangeWatch().Forget();
    s.placeKnown = true;
    s.dir = std::move(dir);
    s.file = s.dir + "/registry.reg";
    s.lock = s.file + ".lock";
    s.known = false;
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

// The file as it is on disk now. A missing file is an empty store; false
// when it cannot be read. The parse of the kept copy is reused when the
// bytes are the same: never on the strength of timestamps, which some file
// systems keep to the second.
bool ReadFile(const std::string &file, TDocumentPtr &document, bool &bad, std::string &bytes,
              const std::string *keptBytes = nullptr, const TDocumentPtr *kept = nullptr)
{
    bytes.clear();
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            return false;
        document = EmptyDocument();
        bad = false;
        return true;
    }
    struct stat st;
    const bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ReadAll(fd, bytes);
    close(fd);
    if (!ok)
        return false;
    if (keptBytes && kept && *kept && *keptBytes == bytes) {
        document = *kept;
        return true;
    }
    std::optional<regfile::TDocument> parsed = regfile::Parse(bytes);
    bad = !parsed;
    document = parsed ? std::make_shared<const regfile::TDocument>(std::move(*parsed)) : EmptyDocument();
    return true;
}

// The store's file as it is now, from the kept copy when nothing signalled a
// change. bad tells a file that is not a registry file.
bool Current(TDocumentPtr &document, bool &bad)
{
    TStore &s = Store();
    Resolve(s);
    TChangeWatch &watch = ChangeWatch();
    if (s.known && watch.Quiet()) {
        document = s.document;
        bad = s.bad;
        return true;
    }
    watch.Look(s.dir, TargetOf(s.file).parent_path().string(), s.lock);
    std::string bytes;
    bad = s.bad;
    if (!ReadFile(s.file, document, bad, bytes, &s.bytes, &s.document)) {
        s.known = false;
        return false;
    }
    s.known = true;
    s.bad = bad;
    s.bytes = std::move(bytes);
    s.document = document;
    return true;
}

// Holds the store's write lock; released with the descriptor. A lock file
// that cannot be written (left by a run as another user) still locks: flock
// needs only a descriptor.
class TWriteLock {
public:
    explicit TWriteLock(const std::string &path)
    {
        FFd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        FWritable = FFd >= 0;
        if (FFd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
            FFd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
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
    bool Writable() const { return FWritable; }
    int Fd() const { return FFd; }

private:
    int FFd = -1;
    bool FWritable = false;
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

template <typename Change>
bool WriteLocked(TStore &s, const TWriteLock &lock, const Change &change, TDocumentPtr &result, std::string &notice)
{
    // The file itself decides: never the kept copy, which another copy of
    // the program may have outdated within one tick of the file system's
    // clock.
    TDocumentPtr current;
    bool bad = false;
    std::string bytes;
    if (!ReadFile(s.file, current, bad, bytes))
        return false;
    const fs::path target = TargetOf(s.file);
    const std::string targetFile = target.string();
    const std::string targetDir = target.parent_path().string();
    if (access(targetDir.c_str(), W_OK) != 0)
        return false;
    if (access(targetFile.c_str(), F_OK) == 0 && access(targetFile.c_str(), W_OK) != 0)
        return false;

    regfile::TDocument document;
    if (bad) {
        std::string kept;
        if (!KeepAside(s.file, kept))
            return false;
        notice = "The settings file could not be read and was kept as " + kept + ". The default settings are in use.";
    } else {
        document = *current;
    }
    change(document);

    const std::string temp = targetFile + ".tmp";
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, regfile::Serialize(document)) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temp.c_str(), targetFile.c_str()) != 0) {
        unlink(temp.c_str());
        return false;
    }
    ChangeWatch().Bump(lock.Fd(), lock.Writable(), s.lock);
    result = std::make_shared<const regfile::TDocument>(std::move(document));
    // The kept copy is not trusted after a write: the next read looks again.
    s.known = false;
    return true;
}

// Applies change to the store file under its write lock; result receives
// the document as written.
template <typename Change>
bool Mutate(const Change &change, TDocumentPtr &result)
{
    TStore &s = Store();
    Resolve(s);
    std::error_code error;
    fs::create_directories(s.dir, error);
    if (error)
        return false;
    std::string notice;
    bool ok = false;
    {
        TWriteLock lock(s.lock);
        if (lock.Held())
            ok = WriteLocked(s, lock, change, result, notice);
    }
    // Told after the lock is released: the handler may well use the store.
    if (!notice.empty())
        PostNotice(notice);
    return ok;
}

// The section name of a key path: "Software\drawvane\" is
// [HKEY_CURRENT_USER\Software\drawvane].
std::string SectionName(std::string_view path)
{
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return "HKEY_CURRENT_USER\\" + std::string(path);
}

// The few key paths the program uses, named once; the entries live as long
// as the process, so keys may point at them.
const TKeyName &KeyNameOf(std::string_view path)
{
    TStore &s = Store();
    // The callers name the same key many times in a row.
    if (s.lastName && path == s.lastPath)
        return *s.lastName;
    for (const auto &[known, name] : s.names) {
        if (known == path) {
            s.lastPath = known;
            s.lastName = &name;
            return name;
        }
    }
    std::string section = SectionName(path);
    std::string folded = regfile::FoldCase(section);
    return s.names.emplace_back(std::string(path), TKeyName{std::move(section), std::move(folded), nullptr, nullptr})
        .second;
}

TKey *NewKey(const TKeyName &name, TDocumentPtr document)
{
    TStore &s = Store();
    TKey *key = s.freeKeys;
    if (key)
        s.freeKeys = key->next;
    else
        key = new TKey;
    key->name = &name;
    key->document = std::move(document);
    key->next = nullptr;
    return key;
}

} // namespace

bool CreateKey(std::string_view path, TKey *&key)
{
    TDocumentPtr document;
    bool bad = false;
    if (!Current(document, bad))
        return false;
    const TKeyName &name = KeyNameOf(path);
    const TStore &s = Store();
    const bool exists = !bad && document->KeyExists(name.folded);
    if (!exists || access(s.dir.c_str(), W_OK) != 0
        || (access(s.file.c_str(), F_OK) == 0 && access(s.file.c_str(), W_OK) != 0)) {
        // Full access to a key means a store that can be written: the key
        // is made, or at least the store's file proved writable by a write.
        const auto addKey = [&](regfile::TDocument &d) {
            if (!d.KeyExists(name.folded))
                d.AddSection(name.section);
        };
        if (!Mutate(addKey, document))
            return false;
    }
    key = NewKey(name, std::move(document));
    return true;
}

bool OpenKey(std::string_view path, TKey *&key)
{
    TDocumentPtr document;
    bool bad = false;
    if (!Current(document, bad) || bad)
        return false;
    const TKeyName &name = KeyNameOf(path);
    if (!document->KeyExists(name.folded))
        return false;
    key = NewKey(name, std::move(document));
    return true;
}

bool KeyExists(std::string_view path)
{
    TDocumentPtr document;
    bool bad = false;
    if (!Current(document, bad) || bad)
        return false;
    return document->KeyExists(KeyNameOf(path).folded);
}

TValueInfo QueryValue(TKey *key, std::string_view name)
{
    const TKeyName &keyName = *key->name;
    if (keyName.document != key->document) {
        keyName.document = key->document;
        keyName.found = key->document->FindSection(keyName.folded);
    }
    const regfile::TSection *section = keyName.found;
    const regfile::TLine *line = section ? section->FindValueAnyCase(name) : nullptr;
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
        regfile::TSection *section = d.FindSection(key->name->folded);
        if (!section)
            section = &d.AddSection(key->name->section);
        for (const TNamedDword &value : values)
            section->SetDword(value.name, value.data);
    };
    return Mutate(setValues, key->document);
}

void CloseKey(TKey *key)
{
    TStore &s = Store();
    key->document.reset();
    key->next = s.freeKeys;
    s.freeKeys = key;
}

} // namespace regstore
