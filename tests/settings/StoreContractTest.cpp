// The behaviour of TRegOptions, against the store of the platform the tests
// run on: the file store in a private folder, or the registry on Windows.

#include "StoreFixture.h"
#ifdef _WIN32
#include "RegistryScratch.h"
#endif

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

using storetest::Canonical;
using storetest::ErrorOf;
using storetest::StoreTest;

namespace {

const std::string DefaultsFile =
    "Windows Registry Editor Version 5.00\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\drawvane]\n"
    "\"boards\"=dword:0000000c\n"
    "\"boardsize\"=dword:00000031\n"
    "\"marks\"=dword:00000006\n"
    "\"playExclude\"=dword:00000000\n"
    "\"playInclude\"=dword:00000000\n"
    "\"playSums\"=dword:00000001\n"
    "\"playstdev\"=dword:00000001\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\drawvane\\div]\n"
    "\"0\"=dword:00000001\n\"1\"=dword:00000001\n\"2\"=dword:00000001\n\"3\"=dword:00000001\n"
    "\"4\"=dword:00000001\n\"5\"=dword:00000001\n\"6\"=dword:00000001\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\drawvane\\payments]\n"
    "\"0\"=dword:000f4240\n\"1\"=dword:000493e0\n\"2\"=dword:00004e20\n\"3\"=dword:00001388\n"
    "\"4\"=dword:000000c8\n\"5\"=dword:0000000a\n\"6\"=dword:00000002\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\drawvane\\inclusions]\n"
    "\"0\"=dword:00000000\n\"1\"=dword:00000000\n\"2\"=dword:00000000\n\"3\"=dword:00000000\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\drawvane\\exclusions]\n"
    "\"0\"=dword:00000000\n\"1\"=dword:00000000\n\"2\"=dword:00000000\n\"3\"=dword:00000000\n"
    "\"4\"=dword:00000000\n\"5\"=dword:00000000\n\"6\"=dword:00000000\n\"7\"=dword:00000000\n"
    "\"8\"=dword:00000000\n\"9\"=dword:00000000\n"
    "\n";

// An item of one value, rather than of a list.
template <typename Item>
constexpr bool kSingleValue = std::is_same_v<Item, settings::TCountItem> || std::is_same_v<Item, settings::TSwitchItem>;

// Calls visit(item, member) for the setting called name, if it is an item of
// one value (SingleValue) or a list (!SingleValue).
template <bool SingleValue, typename Visit>
void ForSettingNamed(const std::string &name, Visit &&visit)
{
    ForEachSetting([&](const auto &item, auto member) {
        if constexpr (kSingleValue<std::decay_t<decltype(item)>> == SingleValue) {
            if (item.name == name)
                visit(item, member);
        }
    });
}

void ExpectSame(const TGameSettings &a, const TGameSettings &b)
{
    ForEachSetting([&](const auto &item, auto member) { EXPECT_EQ(a.*member, b.*member) << item.name; });
}

// Settings unlike the defaults in every item.
const TGameSettings Edited{.boards = 5,
                           .boardsize = 40,
                           .marks = 5,
                           .divisions = {1, 0, 1, 0, 0, 1, 1},
                           .payments = {2147483647, 0, 5, 7, 11, 13, 17},
                           .inclusions = {3, 0, 44, 49},
                           .exclusions = {1, 2, 3, 4, 5, 6, 7, 8, 9, 255},
                           .playExclude = true,
                           .playInclude = true,
                           .playSums = false,
                           .playstdev = false};

size_t OpenDescriptors()
{
#ifdef _WIN32
    return regscratch::OpenHandleCount();
#else
    size_t n = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
#endif
}

} // namespace

TEST_F(StoreTest, FirstRunWritesEveryDefaultAndSecondRunWritesNothing)
{
    EXPECT_TRUE(store.InitDefaults());
#ifndef _WIN32
    EXPECT_EQ(File(), DefaultsFile);
#endif
    EXPECT_EQ(Contents(), Canonical(DefaultsFile));
    ExpectSame(ReadAllSettings(store), TGameSettings{});

    const std::string before = WriteStamp();
    EXPECT_FALSE(store.InitDefaults());
    EXPECT_EQ(WriteStamp(), before) << "the store was written";
    EXPECT_EQ(Contents(), Canonical(DefaultsFile));
}

TEST_F(StoreTest, EveryItemReadsBackAsWritten)
{
    ASSERT_TRUE(store.InitDefaults());
    WriteAllSettings(store, Edited);
    ExpectSame(ReadAllSettings(store), Edited);
    ExpectSame(ReadAllSettings(*std::make_unique<TRegOptions>()), Edited);
}

class MissingKeyTest : public StoreTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(MissingKeyTest, OneMissingKeyResetsEverySetting)
{
    ASSERT_TRUE(store.InitDefaults());
    WriteAllSettings(store, Edited);
    const std::string key = GetParam();
    if (key.empty())
        RemoveStore();
    else
        RemoveSection(key);
    EXPECT_TRUE(store.InitDefaults());
    ExpectSame(ReadAllSettings(store), TGameSettings{});
    if (key.empty()) {
        EXPECT_EQ(Contents(), Canonical(DefaultsFile));
#ifndef _WIN32
        EXPECT_EQ(File(), DefaultsFile);
#endif
    }
    EXPECT_FALSE(store.InitDefaults());
}

INSTANTIATE_TEST_SUITE_P(Keys, MissingKeyTest, ::testing::Values("", "div", "exclusions", "inclusions", "payments"),
                         [](const auto &info) { return std::string(*info.param ? info.param : "product"); });

TEST_F(StoreTest, ProductKeyWithoutOwnSectionStillExistsThroughItsSubkeys)
{
    ASSERT_TRUE(store.InitDefaults());
    store.SetBoards(7);
    RemoveSection("");
    EXPECT_FALSE(store.InitDefaults());
    EXPECT_EQ(store.GetBoards(), 12) << "the value went with the section and comes back as its default";
}

class SingleValueTest : public StoreTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(SingleValueTest, MissingValueReadsAsDefaultAndIsStoredAgain)
{
    ASSERT_TRUE(store.InitDefaults());
    WriteAllSettings(store, Edited);
    const std::string name = GetParam();
    RemoveValue("", name);

    // Only the missing value goes back to its default, and is stored again.
    TGameSettings expected = Edited;
    ForSettingNamed<true>(name, [&](const auto &item, auto member) {
        EXPECT_EQ(store.Read(item), item.fallback);
        char line[64];
        std::snprintf(line, sizeof line, "\"%s\"=dword:%08x\n", name.c_str(), unsigned(item.fallback));
        EXPECT_NE(Contents().find(line), std::string::npos) << Contents();
        expected.*member = item.fallback;
    });
    ExpectSame(ReadAllSettings(store), expected);
}

INSTANTIATE_TEST_SUITE_P(Items, SingleValueTest,
                         ::testing::Values("boards", "boardsize", "marks", "playExclude", "playInclude", "playSums",
                                           "playstdev"),
                         [](const auto &info) { return std::string(info.param); });

struct StoredCase {
    const char *name;
    const char *data;     // as written in the file
    std::string expected; // the value read, or the error's text
};

void PrintTo(const StoredCase &c, std::ostream *os)
{
    *os << c.name << '=' << c.data;
}

class StoredNumberTest : public StoreTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredNumberTest, ReadsStoredDataOrFails)
{
    ASSERT_TRUE(store.InitDefaults());
    const std::string name = GetParam().name;
    SetRaw("", name, GetParam().data);
    std::string result; // a switch reads as 0 or 1
    const std::string error = ErrorOf([&] {
        ForSettingNamed<true>(name, [&](const auto &item, auto) { result = std::to_string(store.Read(item)); });
    });
    EXPECT_EQ(error == "<no error>" ? result : error, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Data, StoredNumberTest,
    ::testing::Values(
        StoredCase{"boards", "dword:0000012c", "Range check error"}, // 300
        StoredCase{"boards", "dword:000000c8", "200"},               // no check against 4..12
        StoredCase{"boards", "dword:000000ff", "255"}, StoredCase{"boards", "dword:00000100", "Range check error"},
        StoredCase{"boardsize", "dword:ffffffff", "Range check error"},                              // -1 as signed
        StoredCase{"boardsize", "dword:00000000", "0"}, StoredCase{"marks", "dword:0000000D", "13"}, // upper-case hex
        StoredCase{"boards", "hex(4):07,00,00,00", "7"},                                             // a dword as bytes
        StoredCase{"boards", "hex(4):07,00", "Failed to get data for 'boards'"},
        StoredCase{"boards", "\"twelve\"", "Invalid data type for 'boards'"},
        StoredCase{"marks", "hex:06,00,00,00", "Invalid data type for 'marks'"},
        StoredCase{"playstdev", "hex(b):01,00,00,00,00,00,00,00", "Invalid data type for 'playstdev'"},
        StoredCase{"playSums", "dword:00000007", "1"}, StoredCase{"playSums", "dword:00000000", "0"},
        StoredCase{"playExclude", "dword:ffffffff", "1"}, StoredCase{"playInclude", "dword:00000002", "1"},
        StoredCase{"playInclude", "\"1\"", "Invalid data type for 'playInclude'"}));

TEST_F(StoreTest, WritingReplacesValueOfAnotherTypeOrSize)
{
    ASSERT_TRUE(store.InitDefaults());
    SetRaw("", "boards", "\"twelve\"");
    store.SetBoards(9);
    EXPECT_EQ(store.GetBoards(), 9);
    EXPECT_EQ(Contents().find("twelve"), std::string::npos);
    // A 32-bit value whose data is not 4 bytes, read back in the reading
    // that wrote it, as the main window reads what a dialog's Accept wrote.
    SetRaw("", "marks", "hex(4):05,00");
    TSettingsReading reading;
    store.SetMarks(5);
    EXPECT_EQ(store.GetMarks(), 5);
}

struct ListCase {
    const char *subkey;
    const char *name; // the element changed by hand
    const char *data; // its data, or nullptr to delete it
    std::string error;
    size_t keptUpTo; // elements before this one hold stored values
};

void PrintTo(const ListCase &c, std::ostream *os)
{
    *os << c.subkey << '\\' << c.name << '=' << (c.data ? c.data : "deleted");
}

class ListReaderTest : public StoreTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ListReaderTest, FailsAtBadElementKeepingThoseBefore)
{
    ASSERT_TRUE(store.InitDefaults());
    WriteAllSettings(store, Edited);
    if (GetParam().data)
        SetRaw(GetParam().subkey, GetParam().name, GetParam().data);
    else
        RemoveValue(GetParam().subkey, GetParam().name);

    std::vector<int64_t> got, stored;
    std::string error;
    ForSettingNamed<false>(GetParam().subkey, [&](const auto &item, auto member) {
        auto values = Edited.*member;
        values.fill(99); // the caller's values
        error = ErrorOf([&] { store.Read(item, values); });
        got.assign(values.begin(), values.end());
        stored.assign((Edited.*member).begin(), (Edited.*member).end());
    });

    EXPECT_EQ(error, GetParam().error);
    ASSERT_EQ(got.size(), stored.size());
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], i < GetParam().keptUpTo ? stored[i] : 99) << "element " << i;
}

INSTANTIATE_TEST_SUITE_P(Lists, ListReaderTest,
                         ::testing::Values(ListCase{"div", "3", nullptr, "Failed to get data for '3'", 3},
                                           ListCase{"div", "0", nullptr, "Failed to get data for '0'", 0},
                                           ListCase{"payments", "6", nullptr, "Failed to get data for '6'", 6},
                                           ListCase{"inclusions", "1", "\"x\"", "Invalid data type for '1'", 1},
                                           ListCase{"exclusions", "9", nullptr, "Failed to get data for '9'", 9},
                                           ListCase{"exclusions", "4", "dword:00000100", "Range check error", 4},
                                           ListCase{"exclusions", "2", "hex:01", "Invalid data type for '2'", 2},
                                           ListCase{"div", "5", "dword:0000012c", "Range check error", 5}));

TEST_F(StoreTest, PaymentsKeepTheSignOfTheirThirtyTwoBits)
{
    ASSERT_TRUE(store.InitDefaults());
    SetRaw("payments", "0", "dword:ffffffff");
    SetRaw("payments", "1", "dword:80000000");
    SetRaw("payments", "2", "dword:7fffffff");
    using TPayments = std::array<int64_t, 7>;
    TPayments payments{};
    store.GetPayments(payments);
    EXPECT_EQ(payments, (TPayments{-1, -2147483648LL, 2147483647, 5000, 200, 10, 2}));

    const TPayments extremes = {-1, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), 0, 1, 2,
                                3};
    store.SetPayments(extremes);
    EXPECT_NE(Contents().find("\"0\"=dword:ffffffff\n\"1\"=dword:80000000\n\"2\"=dword:7fffffff\n"), std::string::npos);
    store.GetPayments(payments);
    EXPECT_EQ(payments, extremes);
}

class PaymentRangeTest : public StoreTest, public ::testing::WithParamInterface<int64_t> {};

TEST_P(PaymentRangeTest, PaymentOutsideThirtyTwoBitsFailsAfterEarlierOnesAreWritten)
{
    ASSERT_TRUE(store.InitDefaults());
    const int64_t payments[7] = {11, 22, GetParam(), 44, 55, 66, 77};
    EXPECT_EQ(ErrorOf([&] { store.SetPayments(payments); }), "Range check error");
    std::array<int64_t, 7> stored{};
    store.GetPayments(stored);
    EXPECT_EQ(stored, (std::array<int64_t, 7>{11, 22, 20000, 5000, 200, 10, 2}));
}

INSTANTIATE_TEST_SUITE_P(Values, PaymentRangeTest,
                         ::testing::Values(2147483648LL, -2147483649LL, std::numeric_limits<int64_t>::max(),
                                           std::numeric_limits<int64_t>::min()));

TEST_F(StoreTest, ListReaderCreatesMissingSubkeyEmptyWhichInitDefaultsThenLeavesAlone)
{
    ASSERT_TRUE(store.InitDefaults());
    store.SetBoards(5);
    RemoveSection("inclusions");
    uint8_t inclusions[4] = {7, 7, 7, 7};
    EXPECT_EQ(ErrorOf([&] { store.GetInclusions(inclusions); }), "Failed to get data for '0'");
    EXPECT_NE(Contents().find(storetest::SectionHeader("inclusions")), std::string::npos);

    EXPECT_FALSE(store.InitDefaults());
    EXPECT_EQ(store.GetBoards(), 5);
    EXPECT_EQ(ErrorOf([&] { store.GetInclusions(inclusions); }), "Failed to get data for '0'");
    EXPECT_EQ(inclusions[0], 7);
}

TEST_F(StoreTest, KeyAndValueNamesIgnoreCase)
{
    Load("Windows Registry Editor Version 5.00\n\n"
         "[HKEY_CURRENT_USER\\SOFTWARE\\DrawVane]\n"
         "\"BOARDS\"=dword:00000007\n"
         "\"Marks\"=DWORD:00000005\n\n"
         "[hkey_current_user\\software\\drawvane\\DIV]\n"
         "[HKEY_CURRENT_USER\\Software\\drawvane\\Exclusions]\n"
         "[HKEY_CURRENT_USER\\Software\\drawvane\\INCLUSIONS]\n"
         "[HKEY_CURRENT_USER\\Software\\drawvane\\Payments]\n");
    EXPECT_FALSE(store.InitDefaults());
    EXPECT_EQ(store.GetBoards(), 7);
    EXPECT_EQ(store.GetMarks(), 5);
    store.SetBoards(8);
    const std::string text = Contents();
#ifdef _WIN32
    // The registry already has Software, in its own case.
    const std::string productSection = "[HKEY_CURRENT_USER\\Software\\DrawVane]\n";
#else
    const std::string productSection = "[HKEY_CURRENT_USER\\SOFTWARE\\DrawVane]\n";
#endif
    EXPECT_NE(text.find(productSection + "\"BOARDS\"=dword:00000008\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("\"boards\""), std::string::npos) << text;
    EXPECT_EQ(text.find("[HKEY_CURRENT_USER\\Software\\drawvane]"), std::string::npos) << text;
}

TEST_F(StoreTest, NoDescriptorStaysOpenAfterAnyOperationOrFailure)
{
    ASSERT_TRUE(store.InitDefaults());
    SetRaw("", "boards", "dword:0000012c");
    SetRaw("", "marks", "\"six\"");
    uint8_t divisions[7];
    const int64_t payments[7] = {1, 2, 1LL << 40, 4, 5, 6, 7};
    // The first round may open what the system keeps for the process
    // (Wine's handle of the user's registry root for reading); rounds after
    // it must open nothing that stays.
    size_t before = 0;
    for (int round = 0; round < 4; ++round) {
        if (round == 1)
            before = OpenDescriptors();
        EXPECT_EQ(ErrorOf([&] { store.GetBoards(); }), "Range check error");
        EXPECT_EQ(ErrorOf([&] { store.GetMarks(); }), "Invalid data type for 'marks'");
        EXPECT_EQ(ErrorOf([&] { store.SetPayments(payments); }), "Range check error");
        store.GetDivisions(divisions);
        store.SetPlaySums(true);
        EXPECT_FALSE(store.InitDefaults());
    }
    EXPECT_EQ(OpenDescriptors(), before);
}

// The kept coupon and draw read back as written; reading a missing key
// creates nothing, and a value that is not a number 0..255 reads as an
// empty slot, the others as they stand.
TEST_F(StoreTest, KeptCouponAndDrawReadBackAndUnreadableValuesAreEmpty)
{
    ASSERT_TRUE(store.InitDefaults());
    const std::string before = Contents();
    EXPECT_EQ(store.GetCoupon(), TKeptCoupon{});
    EXPECT_EQ(store.GetDraw(), TKeptDraw{});
    EXPECT_EQ(Contents(), before) << "reading wrote";

    TKeptCoupon coupon{};
    coupon[0] = {1, 2, 3, 4, 5, 6};
    coupon[11] = {44, 45, 46, 47, 48, 49};
    coupon[6] = {7, 0, 0, 0, 0, 0};
    store.SetCoupon(coupon);
    store.SetDraw({3, 11, 17, 25, 33, 41, 45});
    EXPECT_EQ(TRegOptions().GetCoupon(), coupon);
    EXPECT_EQ(TRegOptions().GetDraw(), (TKeptDraw{3, 11, 17, 25, 33, 41, 45}));

    SetRaw("coupon", "1.2", "\"two\"");
    SetRaw("coupon", "1.3", "dword:00000100");
    SetRaw("coupon", "1.4", "hex(4):04,00");
    SetRaw("coupon", "12.6", "dword:000000ff");
    RemoveValue("coupon", "1.5");
    SetRaw("draw", "bonus", "hex:2d");
    coupon[0] = {1, 0, 0, 0, 0, 6};
    coupon[11][5] = 255; // a byte, which the coupon drops as out of play
    EXPECT_EQ(TRegOptions().GetCoupon(), coupon);
    EXPECT_EQ(TRegOptions().GetDraw(), (TKeptDraw{3, 11, 17, 25, 33, 41, 0}));
}
