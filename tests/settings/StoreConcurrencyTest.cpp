// Two copies of the program writing the same store at once, while a third
// process meddles with the store's folder.

#include "StoreFixture.h"
#include "settings/RegistryFileFormat.h"
#include "settings/RegistryStore.h"

#include <csignal>
#include <filesystem>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

using storetest::StoreTest;

namespace {

constexpr int Writes = 200;
const std::string RaceKey = "Software\\drawvane\\race";

// Writes prefix0 .. prefix199, each its own value and its own write of the
// file; exits with 0 when every write succeeded.
[[noreturn]] void WriteValues(char prefix)
{
    int failures = 0;
    for (int i = 0; i < Writes; ++i) {
        regstore::TKey *key = nullptr;
        if (!regstore::CreateKey(RaceKey, key)) {
            ++failures;
            continue;
        }
        const std::string name = prefix + std::to_string(i);
        const regstore::TNamedDword value{name, static_cast<uint32_t>(i)};
        failures += regstore::SetDwords(key, {&value, 1}) ? 0 : 1;
        regstore::CloseKey(key);
    }
    _exit(failures == 0 ? 0 : 1);
}

// What a reader may see at any moment: a whole file in which every line
// under the key is a value.
::testing::AssertionResult Whole(const std::string &bytes)
{
    if (!bytes.starts_with("Windows Registry Editor Version 5.00\n\n") || !bytes.ends_with("\n\n"))
        return ::testing::AssertionFailure() << "torn file:\n" << bytes;
    const auto document = regfile::Parse(bytes);
    if (!document)
        return ::testing::AssertionFailure() << "not a registry file:\n" << bytes;
    for (const regfile::TSection &section : document->Sections())
        for (const regfile::TLine &line : section.lines)
            if (line.kind != regfile::TLineKind::Dword)
                return ::testing::AssertionFailure() << "unparsed line " << document->Text(line.text);
    return ::testing::AssertionSuccess();
}

struct Race : storetest::TLabelled {
    // What the third process does to the store's folder, over and over, for
    // the whole race; it never returns. nullptr: no third process.
    void (*meddle)(const std::filesystem::path &dir);
};

// A clean-up tool that deletes lock files it finds: the lock file that
// earlier versions of the store locked, every two milliseconds.
[[noreturn]] void RemoveLockFile(const std::filesystem::path &dir)
{
    const std::string lock = (dir / "registry.reg.lock").string();
    while (true) {
        unlink(lock.c_str());
        usleep(2000);
    }
}

class WritingRaceTest : public StoreTest, public ::testing::WithParamInterface<Race> {};

} // namespace

TEST_P(WritingRaceTest, TwoWritingProcessesLoseNoValueAndNeverTearTheFile)
{
    ASSERT_TRUE(store.InitDefaults());
    pid_t meddler = 0;
    if (GetParam().meddle) {
        meddler = fork();
        ASSERT_GE(meddler, 0);
        if (meddler == 0)
            GetParam().meddle(folder);
    }
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0)
            WriteValues(c == 0 ? 'a' : 'b');
    }

    int running = 2;
    int status[2] = {-1, -1};
    int reads = 0;
    bool whole = true;
    while (running > 0) {
        const auto result = Whole(testsupport::ReadFile(home.storeFile()));
        if (whole && !result) {
            ADD_FAILURE() << result.message();
            whole = false;
        }
        ++reads;
        for (int c = 0; c < 2; ++c)
            if (children[c] > 0 && waitpid(children[c], &status[c], WNOHANG) == children[c]) {
                children[c] = 0;
                --running;
            }
    }
    if (meddler > 0) {
        kill(meddler, SIGKILL);
        waitpid(meddler, nullptr, 0);
    }
    for (int c = 0; c < 2; ++c)
        EXPECT_TRUE(WIFEXITED(status[c]) && WEXITSTATUS(status[c]) == 0) << "writer " << c << " failed a write";
    EXPECT_GT(reads, 1);

    regstore::TKey *key = nullptr;
    ASSERT_TRUE(regstore::CreateKey(RaceKey, key));
    int missing = 0;
    for (const char prefix : {'a', 'b'})
        for (int i = 0; i < Writes; ++i) {
            const regstore::TValueInfo info = regstore::QueryValue(key, prefix + std::to_string(i));
            if (info.status != regstore::TQueryStatus::Found || info.data != static_cast<uint32_t>(i))
                ++missing;
        }
    regstore::CloseKey(key);
    EXPECT_EQ(missing, 0);
    EXPECT_TRUE(Whole(testsupport::ReadFile(home.storeFile())));
    EXPECT_EQ(store.GetBoards(), 12) << "the settings written before the race are intact";
}

INSTANTIATE_TEST_SUITE_P(Races, WritingRaceTest,
                         ::testing::Values(Race{"alone", nullptr}, Race{"lockFileRemoved", RemoveLockFile}),
                         storetest::ByLabel);
