// The file store's file: its place, its format, and what it does with
// files it did not write itself or cannot write.

#include "StoreFixture.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace std::string_literals;
using storetest::ErrorOf;
using storetest::SectionHeader;
using storetest::StoreTest;
using testsupport::ScopedEnv;

namespace {

namespace fs = std::filesystem;

// Collects the store's notices; starts with none pending from other tests.
class NoticeLog {
public:
    NoticeLog()
    {
        SetStoreNoticeHandler([](const std::string &) {});
        SetStoreNoticeHandler({});
    }
    ~NoticeLog() { SetStoreNoticeHandler({}); }
    void Install()
    {
        SetStoreNoticeHandler([this](const std::string &text) { notices.push_back(text); });
    }
    std::vector<std::string> notices;
};

std::vector<fs::path> KeptFiles(const fs::path &dir)
{
    std::vector<fs::path> kept;
    for (const auto &entry : fs::directory_iterator(dir))
        if (entry.path().filename().string().starts_with("registry.reg.bad-"))
            kept.push_back(entry.path());
    return kept;
}

} // namespace

struct BadFile : storetest::TLabelled {
    std::string bytes;
};

class NotARegistryFileTest : public StoreTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(NotARegistryFileTest, IsKeptAsideOnceAndTheDefaultsAreWritten)
{
    NoticeLog log;
    log.Install();
    SetFile(GetParam().bytes);

    EXPECT_TRUE(store.InitDefaults());
    EXPECT_EQ(store.GetBoards(), 12);
    const std::vector<fs::path> kept = KeptFiles(folder);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(testsupport::ReadFile(kept[0]), GetParam().bytes);
    EXPECT_TRUE(std::regex_match(kept[0].filename().string(), std::regex(R"(registry\.reg\.bad-\d{8}T\d{6}Z)")))
        << kept[0];
    ASSERT_EQ(log.notices.size(), 1u);
    EXPECT_EQ(log.notices[0],
              "The settings file could not be read and was kept as " + kept[0].string()
                  + ". The default settings are in use.");
    EXPECT_TRUE(File().starts_with("Windows Registry Editor Version 5.00\n\n"));
    EXPECT_FALSE(store.InitDefaults());
}

INSTANTIATE_TEST_SUITE_P(Files, NotARegistryFileTest,
                         ::testing::Values(BadFile{"binary",
                                                   "\x7F"
                                                   "ELF\x02\x01\x01\x00\x00\xff\xfe garbage"s},
                                           BadFile{"textWithoutHeader", "boards=12\nmarks=6\n"},
                                           BadFile{"cutInsideHeader", "Windows Registry Ed"},
                                           BadFile{"utf16Garbage",
                                                   "\xFF\xFE\x00\xD8"
                                                   "garbage!"s}),
                         storetest::ByLabel);

// Something in the settings file's place that cannot be read as one: the
// store's reads serve the defaults, its writes fail with its error, none of
// them waits, and the thing and its folder are left as they were.
struct InPlace : storetest::TLabelled {
    void (*make)(const fs::path &file);
    bool otherUser = false; // the store is used by another user
};

// Every entry of a folder, with what changes when it is written, replaced
// or renamed.
std::set<std::string> Listing(const fs::path &dir)
{
    std::set<std::string> entries;
    for (const auto &entry : fs::directory_iterator(dir)) {
        struct stat st {};
        lstat(entry.path().c_str(), &st);
        entries.insert(entry.path().filename().string() + " " + std::to_string(st.st_mode) + " "
                       + std::to_string(st.st_ino) + " " + std::to_string(st.st_size) + " "
                       + std::to_string(st.st_ctim.tv_sec) + "." + std::to_string(st.st_ctim.tv_nsec));
    }
    return entries;
}

class NotAFileToReadTest : public StoreTest, public ::testing::WithParamInterface<InPlace> {};

TEST_P(NotAFileToReadTest, ServesTheDefaultsAndFailsEveryWriteWithoutWaiting)
{
    fs::create_directories(folder);
    GetParam().make(home.storeFile());
    if (GetParam().otherUser)
        OpenToOthers();
    const std::set<std::string> before = Listing(folder);
    const int status = testsupport::RunInChild(
        [] {
            storetest::TChildChecks check{""};
            TRegOptions store;
            check(ErrorOf([&] { store.InitDefaults(); }) == "Failed to set data for 'boards'", "InitDefaults");
            check(store.GetBoards() == 12 && store.GetPlaySums(), "the defaults");
            uint8_t exclusions[10] = {1, 2, 3};
            check(ErrorOf([&] { store.GetExclusions(exclusions); }) == "<no error>" && exclusions[2] == 3, "a list");
            check(ErrorOf([&] { store.SetMarks(5); }) == "Failed to set data for 'marks'", "a write");
            return check.failures;
        },
        GetParam().otherUser);
    EXPECT_EQ(status, 0) << "-1: the child hung or died";
    EXPECT_EQ(Listing(folder), before);
}

INSTANTIATE_TEST_SUITE_P(
    Things, NotAFileToReadTest,
    ::testing::Values(InPlace{"folder", [](const fs::path &file) { fs::create_directory(file); }},
                      InPlace{"fifo", [](const fs::path &file) { ASSERT_EQ(mkfifo(file.c_str(), 0644), 0); }},
                      InPlace{"socket",
                              [](const fs::path &file) {
                                  sockaddr_un address{};
                                  address.sun_family = AF_UNIX;
                                  ASSERT_LT(file.string().size(), sizeof address.sun_path);
                                  file.string().copy(address.sun_path, sizeof address.sun_path - 1);
                                  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
                                  ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
                                  close(fd);
                              }},
                      InPlace{"deviceThroughALink",
                              [](const fs::path &file) { fs::create_symlink("/dev/zero", file); }},
                      InPlace{"unreadableFile",
                              [](const fs::path &file) {
                                  testsupport::WriteFile(file, "Windows Registry Editor Version 5.00\n\n");
                                  fs::permissions(file, fs::perms::none);
                              },
                              true},
                      // Far beyond any real store: refused before it is read.
                      InPlace{"over64MiB",
                              [](const fs::path &file) {
                                  testsupport::WriteFile(file,
                                                         "Windows Registry Editor Version 5.00\n\n"
                                                         "[HKEY_CURRENT_USER\\Software\\drawvane]\n"
                                                         "\"boards\"=dword:00000007\n");
                                  fs::resize_file(file, (64u << 20) + 1);
                              }}),
    storetest::ByLabel);

TEST_F(StoreTest, SingleGetterMeetingAnUnreadableFileGoesOnWithTheEmptyStore)
{
    NoticeLog log;
    log.Install();
    SetFile("\0\0\0\1\2\3"s);
    EXPECT_TRUE(store.GetPlaySums());
    EXPECT_EQ(log.notices.size(), 1u);
    EXPECT_EQ(File(),
              "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\drawvane]\n"
              "\"playSums\"=dword:00000001\n\n");
}

TEST_F(StoreTest, NoticeWaitsForAHandlerAndIsDeliveredOnce)
{
    NoticeLog log;
    SetFile("not a registry file\n");
    EXPECT_EQ(store.GetMarks(), 6);
    EXPECT_TRUE(log.notices.empty());

    log.Install();
    ASSERT_EQ(log.notices.size(), 1u);
    EXPECT_TRUE(log.notices[0].starts_with("The settings file could not be read and was kept as "));
    store.SetMarks(5);
    EXPECT_EQ(store.GetMarks(), 5);
    log.Install();
    EXPECT_EQ(log.notices.size(), 1u);
}

TEST_F(StoreTest, NoticeHandlerMayUseTheStore)
{
    NoticeLog log;
    int boardsSeen = -1;
    SetStoreNoticeHandler([&](const std::string &) { boardsSeen = TRegOptions().GetBoards(); });
    SetFile("garbage");
    EXPECT_EQ(store.GetMarks(), 6);
    EXPECT_EQ(boardsSeen, 12);
}

TEST_F(StoreTest, EmptyFileIsAnEmptyStore)
{
    NoticeLog log;
    log.Install();
    SetFile("");
    EXPECT_TRUE(store.InitDefaults());
    EXPECT_TRUE(log.notices.empty());
    EXPECT_TRUE(KeptFiles(folder).empty());
}

TEST_F(StoreTest, TruncatedFileKeepsWhatItHoldsAndItsCutLine)
{
    ASSERT_TRUE(store.InitDefaults());
    store.SetBoards(7);
    const uint8_t exclusions[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    store.SetExclusions(exclusions);
    // Cut inside the last section's value "7", as a full disk or a crash
    // of another program could leave it.
    std::string text = File();
    const std::string cutAt = "\"7\"=dword:000";
    ASSERT_TRUE(text.rfind(SectionHeader("exclusions")) < text.rfind(cutAt));
    text.resize(text.rfind(cutAt) + cutAt.size());
    SetFile(text);

    EXPECT_FALSE(store.InitDefaults()) << "every key is still there";
    EXPECT_EQ(store.GetBoards(), 7);
    uint8_t read[10] = {};
    EXPECT_EQ(ErrorOf([&] { store.GetExclusions(read); }), "Failed to get data for '7'");
    EXPECT_TRUE(std::equal(read, read + 7, exclusions));
    EXPECT_EQ(read[7], 0);

    store.SetExclusions(exclusions);
    store.GetExclusions(read);
    EXPECT_TRUE(std::equal(std::begin(read), std::end(read), std::begin(exclusions)));
    EXPECT_NE(File().find("\n" + cutAt + "\n"), std::string::npos) << "the cut line was dropped";
}

TEST_F(StoreTest, LaterValueOfTheSameNameWinsAndCharactersBeyondTheBasicPlaneSurvive)
{
    ASSERT_TRUE(store.InitDefaults());
    const std::string defaults = File();
    std::u16string text(defaults.begin(), defaults.end()); // all ASCII
    // A second "boards" further down, as an import would take it; and a
    // value whose text needs a surrogate pair in UTF-16.
    text.insert(text.find(u"\"marks\""), u"\"Boards\"=dword:00000009\n\"note\"=\"\U0001F3B2 luck\"\n");
    SetFile(storetest::Utf16Le(text));
    EXPECT_EQ(store.GetBoards(), 9);
    store.SetMarks(5);
    EXPECT_NE(File().find("\"note\"=\"\xF0\x9F\x8E\xB2 luck\""), std::string::npos) << File();
    EXPECT_EQ(store.GetBoards(), 9);
    store.SetBoards(7);
    EXPECT_EQ(store.GetBoards(), 7);
}

TEST_F(StoreTest, SecondSettingsFileKeptAsideWithinOneSecondGetsANameOfItsOwn)
{
    fs::create_directories(folder);
    // Files kept aside a moment ago, for this second and the next.
    for (const int ahead : {0, 1}) {
        const std::time_t when = std::time(nullptr) + ahead;
        std::tm utc{};
        gmtime_r(&when, &utc);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc);
        testsupport::WriteFile(folder / ("registry.reg.bad-" + std::string(stamp)), "kept before");
    }
    testsupport::WriteFile(home.storeFile(), "not a registry file");
    ASSERT_TRUE(store.InitDefaults());
    const std::vector<fs::path> kept = KeptFiles(folder);
    ASSERT_EQ(kept.size(), 3u);
    int renamed = 0;
    for (const fs::path &file : kept) {
        const bool isNew =
            std::regex_match(file.filename().string(), std::regex(R"(registry\.reg\.bad-\d{8}T\d{6}Z-2)"));
        renamed += isNew;
        EXPECT_EQ(testsupport::ReadFile(file), isNew ? "not a registry file" : "kept before") << file;
    }
    EXPECT_EQ(renamed, 1);
}

TEST_F(StoreTest, ReadsAWindowsExportInUtf16WithCrlf)
{
    SetFile(storetest::Utf16Le(
        u"Windows Registry Editor Version 5.00\r\n\r\n"
        u"[HKEY_CURRENT_USER\\Software\\drawvane]\r\n"
        u"\"boards\"=dword:00000008\r\n"
        u"\"marks\"=dword:00000005\r\n"
        u"\"player\"=\"Zoë\"\r\n"
        u"\"history\"=hex(b):01,00,00,00,00,00,00,00\r\n\r\n"
        u"[HKEY_CURRENT_USER\\Software\\drawvane\\div]\r\n"
        u"\"0\"=dword:00000001\r\n\"1\"=dword:00000000\r\n\"2\"=dword:00000001\r\n\"3\"=dword:00000000\r\n"
        u"\"4\"=dword:00000001\r\n\"5\"=dword:00000000\r\n\"6\"=dword:00000001\r\n\r\n"
        u"[HKEY_CURRENT_USER\\Software\\drawvane\\exclusions]\r\n\r\n"
        u"[HKEY_CURRENT_USER\\Software\\drawvane\\inclusions]\r\n\r\n"
        u"[HKEY_CURRENT_USER\\Software\\drawvane\\payments]\r\n\r\n"));

    EXPECT_FALSE(store.InitDefaults());
    EXPECT_EQ(store.GetBoards(), 8);
    EXPECT_EQ(store.GetMarks(), 5);
    std::array<uint8_t, 7> divisions{};
    store.GetDivisions(divisions);
    EXPECT_EQ(divisions, (std::array<uint8_t, 7>{1, 0, 1, 0, 1, 0, 1}));

    store.SetBoards(10);
    const std::string text = File();
    EXPECT_TRUE(text.starts_with("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\drawvane]\n"
                                 "\"boards\"=dword:0000000a\n\"marks\"=dword:00000005\n\"player\"=\"Zoë\"\n"
                                 "\"history\"=hex(b):01,00,00,00,00,00,00,00\n\n"))
        << text;
    EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST_F(StoreTest, LinesTheStoreDoesNotUseSurviveARewrite)
{
    const std::string foreign = "; exported by hand\n"
                                "this line means nothing\n"
                                "\"picture\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,\\\n"
                                "  14,15,16,17\n"
                                "@=\"default value\"\n";
    const std::string other = "[HKEY_CURRENT_USER\\Software\\Other]\n\"boards\"=dword:00000004\n";
    SetFile("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\drawvane]\n"
            "\"boards\"=hex(2):31,00,32,00,\\\n  00,00\n"
            + foreign + "\n" + other + "\n" + SectionHeader("div") + SectionHeader("exclusions")
            + SectionHeader("inclusions") + SectionHeader("payments"));

    EXPECT_EQ(ErrorOf([&] { store.GetBoards(); }), "Invalid data type for 'boards'")
        << "a value continued over lines is one value";
    store.SetBoards(6);
    EXPECT_EQ(store.GetBoards(), 6);
    const std::string text = File();
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\drawvane]\n\"boards\"=dword:00000006\n" + foreign),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(other), std::string::npos) << text;
    EXPECT_EQ(text.find("  00,00"), std::string::npos) << "the continuation of the replaced value stayed";
}

TEST_F(StoreTest, ChangedConfigHomeTakesEffectAtOnce)
{
    ASSERT_TRUE(store.InitDefaults());
    store.SetBoards(5);
    {
        testsupport::ScopedConfigHome other;
        EXPECT_EQ(store.GetBoards(), 12);
        EXPECT_TRUE(fs::exists(other.storeFile()));
        store.SetBoards(9);
        EXPECT_EQ(store.GetBoards(), 9);
    }
    EXPECT_EQ(store.GetBoards(), 5);
}

TEST_F(StoreTest, WithoutAnAbsoluteConfigHomeTheStoreLivesInHomeConfig)
{
    for (const char *config : {static_cast<const char *>(nullptr), "relative/config", ""}) {
        const fs::path homeDir = home.dir() / "home";
        ScopedEnv homeEnv("HOME", homeDir.c_str());
        ScopedEnv configEnv("XDG_CONFIG_HOME", config);
        store.SetMarks(5);
        EXPECT_EQ(store.GetMarks(), 5);
        EXPECT_TRUE(fs::exists(homeDir / ".config" / "drawvane" / "registry.reg")) << (config ? config : "unset");
        fs::remove_all(homeDir);
    }
    EXPECT_FALSE(fs::exists(home.storeFile()));
}

TEST_F(StoreTest, StoreThatCannotBeCreatedServesDefaultsAndFailsEveryWrite)
{
    const fs::path blocker = home.dir() / "not-a-folder";
    testsupport::WriteFile(blocker, "a regular file");
    ScopedEnv configEnv("XDG_CONFIG_HOME", blocker.c_str());

    EXPECT_EQ(ErrorOf([&] { store.InitDefaults(); }), "Failed to set data for 'boards'");
    // Nothing can be read: the defaults serve, and reading reports nothing.
    EXPECT_EQ(store.GetBoards(), 12);
    EXPECT_EQ(store.GetMarks(), 6);
    EXPECT_TRUE(store.GetPlayStdev());
    EXPECT_FALSE(store.GetPlayExclude());
    EXPECT_EQ(ErrorOf([&] { store.SetMarks(5); }), "Failed to set data for 'marks'");
    const uint8_t divisions[7] = {1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(ErrorOf([&] { store.SetDivisions(divisions); }), "Failed to set data for '0'");
    const int64_t payments[7] = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(ErrorOf([&] { store.SetPayments(payments); }), "Failed to set data for '0'");

    uint8_t exclusions[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(ErrorOf([&] { store.GetExclusions(exclusions); }), "<no error>");
    EXPECT_EQ(exclusions[9], 10);
    int64_t read[7] = {9, 9, 9, 9, 9, 9, 9};
    EXPECT_EQ(ErrorOf([&] { store.GetPayments(read); }), "<no error>");
    EXPECT_EQ(read[0], 9);
    EXPECT_EQ(testsupport::ReadFile(blocker), "a regular file");
}

// A store that can be read but not written (a read-only folder, or one left
// owned by another user) serves its values; only writes fail. Root passes
// permission bits, so the checks run in a child that gives up root.
TEST_F(StoreTest, ReadOnlyStoreServesItsValuesAndFailsOnlyWrites)
{
    ASSERT_TRUE(store.InitDefaults());
    store.SetBoards(7);
    store.SetPlaySums(false);
    RemoveValue("", "marks");
    const std::string before = File();
    fs::permissions(home.storeFile(), storetest::kReadableByAll);
    OpenToOthers(storetest::kOpenToAll);

    const auto readAndWrite = [&] {
        storetest::TChildChecks check{"read-only store: "};
        TRegOptions readOnly;
        check(!readOnly.InitDefaults(), "InitDefaults wrote");
        check(readOnly.GetBoards() == 7, "boards");
        check(readOnly.GetMarks() == 6, "missing marks default");
        check(!readOnly.GetPlaySums(), "playSums");
        uint8_t divisions[7] = {5, 5, 5, 5, 5, 5, 5};
        readOnly.GetDivisions(divisions);
        check(divisions[0] == 1 && divisions[6] == 1, "divisions");
        check(ErrorOf([&] { readOnly.SetPlaySums(true); }) == "Failed to set data for 'playSums'", "write");
        return check.failures;
    };
    EXPECT_EQ(testsupport::RunInChild(readAndWrite, true), 0);

    fs::permissions(folder, fs::perms::owner_all);
    fs::permissions(home.storeFile(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(File(), before);
}
