// Changes to the file store from outside this process, and its writes: what
// another copy of the program, an editor or a backup tool does is seen at
// the next read; a reading sees one state of the store; nothing another
// writer did is lost; a list is one write; a linked file stays linked; a
// lock file left by an earlier version stops nothing.

#include "StoreFixture.h"

#include "settings/RegistryStore.h"
#include "settings/RegistryStoreForTests.h"

#include <array>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using storetest::ErrorOf;
using storetest::StoreTest;
using testsupport::ScopedEnv;

namespace {

namespace fs = std::filesystem;

using testsupport::InOtherProcess;

// How many times the settings file was replaced while f ran: every write
// renames a new file over it. The kernel queues the folder's events before
// the rename returns.
int ReplacementsDuring(const fs::path &storeFile, const std::function<void()> &f)
{
    const int fd = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (fd < 0 || inotify_add_watch(fd, storeFile.parent_path().c_str(), IN_MOVED_TO) < 0)
        return -1;
    f();
    int count = 0;
    alignas(inotify_event) char buffer[4096];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        for (char *p = buffer; p < buffer + n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(p);
            if (event->len > 0 && storeFile.filename() == event->name)
                ++count;
            p += sizeof(inotify_event) + event->len;
        }
    close(fd);
    return count;
}

// A file's access and modification times, to be put back after a change.
using TTimes = std::array<timespec, 2>;

TTimes TimesOf(const fs::path &file)
{
    struct stat st {};
    EXPECT_EQ(stat(file.c_str(), &st), 0) << file;
    return {st.st_atim, st.st_mtim};
}

void SetTimes(const fs::path &file, const TTimes &times)
{
    ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times.data(), 0), 0) << file;
}

// Writes text over the file's own bytes, as an editor that saves in place.
bool WriteInPlace(const fs::path &file, const std::string &text)
{
    std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
    out << text;
    return static_cast<bool>(out);
}

// text with from, which it must hold, changed to to.
std::string Replaced(std::string text, const std::string &from, const std::string &to)
{
    return text.replace(text.find(from), from.size(), to);
}

TEST_F(StoreTest, AnotherCopysWritesWithinOneTimestampTickAreNeverLost)
{
    ASSERT_TRUE(store.InitDefaults());
    for (int round = 0; round < 20; ++round) {
        EXPECT_EQ(store.GetMarks(), round % 2 == 0 ? 6 : 5) << round;
        // The other copy writes twice within one tick of the clock.
        const uint8_t marks = round % 2 == 0 ? 5 : 6;
        ASSERT_TRUE(InOtherProcess([&] {
            TRegOptions other;
            other.SetMarks(marks == 5 ? 6 : 5);
            other.SetMarks(marks);
            return true;
        }));
        // Both writes at one second, as a file system that keeps whole
        // seconds shows them.
        SetTimes(home.storeFile(), {timespec{1700000000, 0}, timespec{1700000000, 0}});
        // This copy, whose kept file may look unchanged, writes another item.
        store.SetBoards(static_cast<uint8_t>(4 + round % 9));
        TRegOptions fresh;
        EXPECT_EQ(fresh.GetMarks(), marks) << "round " << round << ": the other copy's write was lost";
        EXPECT_EQ(fresh.GetBoards(), 4 + round % 9);
    }
}

TEST_F(StoreTest, ChangesFromOutsideAreSeenAtTheNextRead)
{
    ASSERT_TRUE(store.InitDefaults());
    EXPECT_EQ(store.GetBoards(), 12);

    // Another copy of the program, between two reads.
    ASSERT_TRUE(InOtherProcess([] {
        TRegOptions().SetBoards(9);
        return true;
    }));
    EXPECT_EQ(store.GetBoards(), 9);

    // An editor in this process: no event loop, no time passes.
    std::string text = Replaced(File(), "dword:00000009", "dword:00000008");
    SetFile(text);
    EXPECT_EQ(store.GetBoards(), 8);

    // An editor in another process that writes the file in place, keeping
    // its size and its times.
    const TTimes times = TimesOf(home.storeFile());
    text = Replaced(text, "dword:00000008", "dword:00000007");
    ASSERT_TRUE(InOtherProcess([&] { return WriteInPlace(home.storeFile(), text); }));
    SetTimes(home.storeFile(), times);
    EXPECT_EQ(store.GetBoards(), 7);

    // A restore from a backup copy.
    const fs::path backup = home.dir() / "registry.reg.backup";
    text = Replaced(text, "dword:00000007", "dword:00000006");
    testsupport::WriteFile(backup, text);
    fs::rename(backup, home.storeFile());
    EXPECT_EQ(store.GetBoards(), 6);

    // Deleted: the defaults come back.
    fs::remove(home.storeFile());
    EXPECT_EQ(store.GetBoards(), 12);

    // The whole folder replaced.
    fs::remove_all(folder);
    testsupport::WriteFile(home.storeFile(), Replaced(text, "dword:00000006", "dword:00000005"));
    EXPECT_EQ(store.GetBoards(), 5);
}

TEST_F(StoreTest, FileReplacedKeepingItsSizeAndTimesIsReadAgain)
{
    ASSERT_TRUE(store.InitDefaults());
    EXPECT_EQ(store.GetBoards(), 12);

    // Same size and modification time, another inode.
    TTimes times = TimesOf(home.storeFile());
    const std::string text = Replaced(File(), "dword:0000000c", "dword:0000000b");
    SetFile(text);
    SetTimes(home.storeFile(), times);
    EXPECT_EQ(store.GetBoards(), 11);

    // Same inode and size, a modification time one nanosecond on.
    times = TimesOf(home.storeFile());
    ASSERT_TRUE(WriteInPlace(home.storeFile(), Replaced(text, "dword:0000000b", "dword:0000000a")));
    if (++times[1].tv_nsec == 1000000000) {
        times[1].tv_nsec = 0;
        ++times[1].tv_sec;
    }
    SetTimes(home.storeFile(), times);
    EXPECT_EQ(store.GetBoards(), 10);
}

TEST_F(StoreTest, EachListIsOneWriteEvenWhenAPaymentIsOutOfRange)
{
    ASSERT_TRUE(store.InitDefaults());
    const uint8_t exclusions[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(ReplacementsDuring(home.storeFile(), [&] { store.SetExclusions(exclusions); }), 1);
    const uint8_t divisions[7] = {1, 0, 1, 0, 1, 0, 1};
    EXPECT_EQ(ReplacementsDuring(home.storeFile(), [&] { store.SetDivisions(divisions); }), 1);

    const int64_t payments[7] = {11, 22, int64_t{1} << 32, 44, 55, 66, 77};
    std::string error;
    EXPECT_EQ(ReplacementsDuring(home.storeFile(), [&] { error = ErrorOf([&] { store.SetPayments(payments); }); }), 1);
    EXPECT_EQ(error, "Range check error");
}

TEST_F(StoreTest, AReadingLooksOnceSeesItsOwnWritesAndTheNextOneLooksAgain)
{
    ASSERT_TRUE(store.InitDefaults());
    {
        TSettingsReading reading;
        const uint64_t before = regstore::fortests::FileReads();
        ReadAllSettings(store);
        EXPECT_EQ(regstore::fortests::FileReads() - before, 1u) << "eleven settings, one look at the file";
        // One state of the store for the whole operation.
        SetRaw("", "boards", "dword:00000007");
        EXPECT_EQ(store.GetBoards(), 12);
        // A write reads the file itself, and the reading goes on from what
        // it wrote.
        store.SetMarks(5);
        EXPECT_EQ(store.GetMarks(), 5);
        EXPECT_EQ(store.GetBoards(), 7);
    }
    SetRaw("", "boards", "dword:00000008");
    EXPECT_EQ(store.GetBoards(), 8);

    // Nested readings share the outer one's look.
    TSettingsReading outer;
    EXPECT_EQ(store.GetBoards(), 8);
    SetRaw("", "boards", "dword:00000009");
    {
        TSettingsReading inner;
        EXPECT_EQ(store.GetBoards(), 8);
    }
    EXPECT_EQ(store.GetBoards(), 8);
}

// A store whose list cannot be read, then the folder removed and a new store
// written with the program's defaults by another copy of the program:
// nothing of the damaged file is left over.
TEST_F(StoreTest, DamagedStoreReplacedByNewDefaultsReadsAsTheNewStore)
{
    ASSERT_TRUE(store.InitDefaults());
    store.SetPlayExclude(true);
    for (int n = 6; n <= 9; ++n)
        RemoveValue("exclusions", std::to_string(n));
    uint8_t exclusions[10] = {};
    EXPECT_EQ(ErrorOf([&] { store.GetExclusions(exclusions); }), "Failed to get data for '6'");

    fs::remove_all(folder);
    ASSERT_TRUE(InOtherProcess([] { return TRegOptions().InitDefaults(); }));
    EXPECT_EQ(ErrorOf([&] { store.GetExclusions(exclusions); }), "<no error>");
    EXPECT_FALSE(store.GetPlayExclude());
}

// A file system that keeps whole seconds: an edit in place by another
// process, of the same size and within the same second, leaves the file's
// size and every time it has as they were. Needs root for the loop mount.
TEST_F(StoreTest, SameSizeEditWithinOneSecondOnACoarseClockFileSystemIsSeen)
{
    const fs::path image = home.dir() / "coarse.img";
    const fs::path mount = home.dir() / "coarse";
    fs::create_directories(mount);
    const std::string make = "truncate -s 8M '" + image.string() + "' && mkfs.ext4 -q -F -I 128 '" + image.string()
        + "' >/dev/null 2>&1 && mount -o loop '" + image.string() + "' '" + mount.string() + "' 2>/dev/null";
    if (geteuid() != 0 || std::system(make.c_str()) != 0)
        GTEST_SKIP() << "no ext4 image with 128-byte inodes could be mounted here (needs root and a loop device)";
    struct Unmount {
        std::string command;
        ~Unmount() { [[maybe_unused]] const int status = std::system(command.c_str()); }
    } unmount{"umount '" + mount.string() + "'"};
    ScopedEnv configEnv("XDG_CONFIG_HOME", mount.c_str());
    const fs::path file = mount / "drawvane" / "registry.reg";

    ASSERT_TRUE(store.InitDefaults());
    // The folder restored from copies first, as a backup tool does it.
    for (int restore = 0; restore < 2; ++restore) {
        fs::copy(mount / "drawvane", mount / "copy", fs::copy_options::recursive);
        fs::remove_all(mount / "drawvane");
        fs::rename(mount / "copy", mount / "drawvane");
        EXPECT_EQ(store.GetBoards(), 12);
    }
    bool withinOneSecond = false;
    for (int attempt = 0; attempt < 5 && !withinOneSecond; ++attempt) {
        store.SetBoards(12);
        EXPECT_EQ(store.GetBoards(), 12);
        struct stat before {};
        ASSERT_EQ(stat(file.c_str(), &before), 0);
        ASSERT_EQ(before.st_mtim.tv_nsec, 0) << "the file system keeps finer times than seconds";
        const std::string text = Replaced(testsupport::ReadFile(file), "dword:0000000c", "dword:0000000b");
        ASSERT_TRUE(InOtherProcess([&] { return WriteInPlace(file, text); }));
        struct stat after {};
        ASSERT_EQ(stat(file.c_str(), &after), 0);
        withinOneSecond = after.st_mtim.tv_sec == before.st_mtim.tv_sec && after.st_ctim.tv_sec == before.st_ctim.tv_sec
            && after.st_size == before.st_size && after.st_ino == before.st_ino;
        if (withinOneSecond) {
            EXPECT_EQ(store.GetBoards(), 11);
        }
    }
    EXPECT_TRUE(withinOneSecond) << "no edit fell within the second of the write before it";
}

TEST_F(StoreTest, LinkedSettingsFileIsWrittenThroughToItsTarget)
{
    // A dotfile manager keeps the real file elsewhere and links to it.
    const fs::path dotfiles = home.dir() / "dotfiles";
    const fs::path target = dotfiles / "registry.reg";
    fs::create_directories(dotfiles);
    fs::create_directories(folder);
    ASSERT_TRUE(store.InitDefaults());
    fs::rename(home.storeFile(), target);
    fs::create_symlink("../dotfiles/registry.reg", home.storeFile());

    store.SetBoards(7);
    EXPECT_TRUE(fs::is_symlink(home.storeFile())) << "the write replaced the link with a plain file";
    EXPECT_NE(testsupport::ReadFile(target).find("\"boards\"=dword:00000007"), std::string::npos);
    EXPECT_EQ(TRegOptions().GetBoards(), 7);

    // An edit of the target, through its own folder, is seen too.
    testsupport::WriteFile(target, Replaced(testsupport::ReadFile(target), "dword:00000007", "dword:00000006"));
    EXPECT_EQ(store.GetBoards(), 6);

    // A target that cannot be written fails like any store that cannot.
    OpenToOthers();
    fs::permissions(dotfiles, fs::perms::owner_all | storetest::kOpenToAll);
    fs::permissions(target, fs::perms::owner_write | storetest::kReadableByAll);
    const auto readAndWrite = [] {
        TRegOptions other;
        const bool reads = other.GetBoards() == 6;
        const bool fails = ErrorOf([&] { other.SetBoards(5); }) == "Failed to set data for 'boards'";
        return reads && fails ? 0 : 1;
    };
    EXPECT_EQ(testsupport::RunInChild(readAndWrite, true), 0);
    EXPECT_TRUE(fs::is_symlink(home.storeFile()));
}

// Every write makes a temporary of its own: it gets the permission bits of
// the file it replaces (those of a new file for the first), and a writer's
// leftover from a death before its rename is cleared by the next write,
// nothing else.
TEST_F(StoreTest, RewriteKeepsTheFilesModeAndClearsOnlyLeftoverTemporaries)
{
    const mode_t mask = umask(027);
    ASSERT_TRUE(store.InitDefaults());
    umask(mask);
    const auto mode = [&] {
        struct stat st {};
        stat(home.storeFile().c_str(), &st);
        return st.st_mode & 0777;
    };
    EXPECT_EQ(mode(), 0640u);
    fs::permissions(home.storeFile(), fs::perms::owner_read | fs::perms::owner_write);
    store.SetBoards(5);
    EXPECT_EQ(mode(), 0600u);

    const char *kept[] = {"registry.reg.tmp", "registry.reg.tmp-1234567", "registry.reg.bad-20260101T000000Z",
                          "other.reg.tmp-abcdef"};
    for (const char *name : kept)
        testsupport::WriteFile(folder / name, "kept");
    testsupport::WriteFile(folder / "registry.reg.tmp-Ab3dE9", "left by a writer that died");
    store.SetBoards(6);
    EXPECT_FALSE(fs::exists(folder / "registry.reg.tmp-Ab3dE9"));
    for (const char *name : kept)
        EXPECT_EQ(testsupport::ReadFile(folder / name), "kept") << name;
    EXPECT_EQ(store.GetBoards(), 6);
}

// A registry.reg.lock left by an earlier version of the store, which locked
// that file, in whatever state a clean-up tool or a run as another user left
// it. The store locks its folder and never looks at the file.
struct LeftLockFile : storetest::TLabelled {
    void (*leave)(const fs::path &lock);
    bool otherUser = false; // the writes run as another user
};

class LeftLockFileTest : public StoreTest, public ::testing::WithParamInterface<LeftLockFile> {};

TEST_P(LeftLockFileTest, NeverStopsAWrite)
{
    ASSERT_TRUE(store.InitDefaults());
    GetParam().leave(home.storeFile().string() + ".lock");
    const auto writeAndRead = [] {
        TRegOptions other;
        const bool written =
            ErrorOf([&] { other.SetBoards(5); }) == "<no error>" && ErrorOf([&] { other.SetMarks(5); }) == "<no error>";
        return written && other.GetBoards() == 5 && other.GetMarks() == 5 ? 0 : 1;
    };
    if (GetParam().otherUser) {
        OpenToOthers();
        fs::permissions(home.storeFile(), fs::perms::all);
        EXPECT_EQ(testsupport::RunInChild(writeAndRead, true), 0);
    } else {
        EXPECT_EQ(writeAndRead(), 0);
    }
    EXPECT_EQ(store.GetBoards(), 5);
    EXPECT_FALSE(store.InitDefaults());
}

INSTANTIATE_TEST_SUITE_P(
    LockFiles, LeftLockFileTest,
    ::testing::Values(
        LeftLockFile{"removed", [](const fs::path &) {}},
        LeftLockFile{"emptied", [](const fs::path &lock) { std::ofstream(lock, std::ios::trunc).close(); }},
        LeftLockFile{"holdingText", [](const fs::path &lock) { testsupport::WriteFile(lock, "not a counter\n"); }},
        LeftLockFile{"aFolder", [](const fs::path &lock) { fs::create_directory(lock); }},
        LeftLockFile{"readOnlyToTheWriter",
                     [](const fs::path &lock) {
                         testsupport::WriteFile(lock, "");
                         fs::permissions(lock, storetest::kReadableByAll);
                     },
                     true}),
    storetest::ByLabel);

} // namespace
