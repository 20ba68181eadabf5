// Changes to the file store from outside this process, and its writes: what
// another copy of the program, an editor or a backup tool does is seen at
// the next read; nothing another writer did is lost; a list is one write; a
// linked file stays linked.

#include "StoreFixture.h"
#include "TestSupport.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using storetest::ErrorOf;
using storetest::StoreTest;

namespace {

namespace fs = std::filesystem;

// Runs body in a child process, like another running copy of the program,
// and waits for it; true when it exited with 0.
template <typename F>
bool InOtherProcess(F body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body() ? 0 : 1);
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The change counter that every writer bumps, from the lock file.
uint64_t Generation(const fs::path &storeFile)
{
    uint64_t value = 0;
    std::ifstream in(storeFile.string() + ".lock", std::ios::binary);
    in.read(reinterpret_cast<char *>(&value), sizeof value);
    return value;
}

// Sets the file's times to one fixed second, as a file system that keeps
// whole seconds shows two writes within one second.
void CoarseTimes(const fs::path &file)
{
    const timespec times[2] = {{1700000000, 0}, {1700000000, 0}};
    utimensat(AT_FDCWD, file.c_str(), times, 0);
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
        CoarseTimes(home.storeFile());
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
    std::string text = File();
    text.replace(text.find("dword:00000009"), 14, "dword:00000008");
    SetFile(text);
    EXPECT_EQ(store.GetBoards(), 8);

    // An editor in another process that writes the file in place, keeping
    // its size and its times.
    struct stat before {};
    ASSERT_EQ(stat(home.storeFile().c_str(), &before), 0);
    text.replace(text.find("dword:00000008"), 14, "dword:00000007");
    ASSERT_TRUE(InOtherProcess([&] {
        std::fstream out(home.storeFile(), std::ios::binary | std::ios::in | std::ios::out);
        out << text;
        return static_cast<bool>(out);
    }));
    const timespec times[2] = {before.st_atim, before.st_mtim};
    utimensat(AT_FDCWD, home.storeFile().c_str(), times, 0);
    EXPECT_EQ(store.GetBoards(), 7);

    // A restore from a backup copy.
    const fs::path backup = home.dir() / "registry.reg.backup";
    text.replace(text.find("dword:00000007"), 14, "dword:00000006");
    testsupport::WriteFile(backup, text);
    fs::rename(backup, home.storeFile());
    EXPECT_EQ(store.GetBoards(), 6);

    // Deleted: the defaults come back.
    fs::remove(home.storeFile());
    EXPECT_EQ(store.GetBoards(), 12);

    // The whole folder replaced.
    fs::remove_all(home.storeFile().parent_path());
    fs::create_directories(home.storeFile().parent_path());
    text.replace(text.find("dword:00000006"), 14, "dword:00000005");
    testsupport::WriteFile(home.storeFile(), text);
    EXPECT_EQ(store.GetBoards(), 5);
}

TEST_F(StoreTest, EachListIsOneWriteEvenWhenAPaymentIsOutOfRange)
{
    ASSERT_TRUE(store.InitDefaults());
    const uint64_t start = Generation(home.storeFile());
    const uint8_t exclusions[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    store.SetExclusions(exclusions);
    EXPECT_EQ(Generation(home.storeFile()), start + 1);
    const uint8_t divisions[7] = {1, 0, 1, 0, 1, 0, 1};
    store.SetDivisions(divisions);
    EXPECT_EQ(Generation(home.storeFile()), start + 2);

    const int64_t payments[7] = {11, 22, int64_t{1} << 32, 44, 55, 66, 77};
    EXPECT_EQ(ErrorOf([&] { store.SetPayments(payments); }), "Range check error");
    EXPECT_EQ(Generation(home.storeFile()), start + 3);
}

TEST_F(StoreTest, LinkedSettingsFileIsWrittenThroughToItsTarget)
{
    // A dotfile manager keeps the real file elsewhere and links to it.
    const fs::path dotfiles = home.dir() / "dotfiles";
    fs::create_directories(dotfiles);
    fs::create_directories(home.storeFile().parent_path());
    ASSERT_TRUE(store.InitDefaults());
    fs::rename(home.storeFile(), dotfiles / "registry.reg");
    fs::create_symlink("../dotfiles/registry.reg", home.storeFile());

    store.SetBoards(7);
    EXPECT_TRUE(fs::is_symlink(home.storeFile())) << "the write replaced the link with a plain file";
    EXPECT_NE(testsupport::ReadFile(dotfiles / "registry.reg").find("\"boards\"=dword:00000007"), std::string::npos);
    EXPECT_EQ(TRegOptions().GetBoards(), 7);

    // An edit of the target, through its own folder, is seen too.
    std::string text = testsupport::ReadFile(dotfiles / "registry.reg");
    text.replace(text.find("dword:00000007"), 14, "dword:00000006");
    testsupport::WriteFile(dotfiles / "registry.reg", text);
    EXPECT_EQ(store.GetBoards(), 6);

    // A target that cannot be written fails like any store that cannot.
    storetest::OpenForOthers(home.dir());
    fs::permissions(home.storeFile().parent_path(), fs::perms::all);
    fs::permissions(dotfiles,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read
                        | fs::perms::others_exec);
    fs::permissions(dotfiles / "registry.reg",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    const int status = storetest::RunAsOtherUser([] {
        TRegOptions other;
        const bool reads = other.GetBoards() == 6;
        const bool fails = ErrorOf([&] { other.SetBoards(5); }) == "Failed to set data for 'boards'";
        return reads && fails ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(fs::is_symlink(home.storeFile()));
}

TEST_F(StoreTest, LockFileThatCannotBeWrittenStillLetsWritesThrough)
{
    ASSERT_TRUE(store.InitDefaults());
    // Left by a run as another user: the lock file is read-only to us, the
    // folder and the settings file are not.
    const fs::path dir = home.storeFile().parent_path();
    storetest::OpenForOthers(home.dir());
    fs::permissions(dir, fs::perms::all);
    fs::permissions(home.storeFile(), fs::perms::all);
    fs::permissions(home.storeFile().string() + ".lock",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const int status = storetest::RunAsOtherUser([] {
        TRegOptions other;
        other.SetBoards(5);
        return other.GetBoards() == 5 ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(store.GetBoards(), 5);
}

} // namespace
