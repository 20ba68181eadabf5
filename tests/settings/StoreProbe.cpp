// Writes or lists every setting, the kept coupon and draw too, through TRegOptions, for comparing the file
// store with a real registry (tools/test-windows-store):
//   drawvane_store_probe write   stores settings unlike the defaults in every item
//   drawvane_store_probe dump    prints every item, one "name=value" a line

#include "settings/RegistryUnit.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void Write()
{
    TRegOptions store;
    store.InitDefaults();
    store.SetBoards(7);
    store.SetBoardSize(42);
    store.SetMarks(5);
    const uint8_t divisions[7] = {1, 0, 1, 1, 0, 0, 1};
    store.SetDivisions(divisions);
    const int64_t payments[7] = {2147483647, -1, -2147483648LL, 4321, 0, 17, 3};
    store.SetPayments(payments);
    const uint8_t inclusions[4] = {3, 0, 41, 255};
    store.SetInclusions(inclusions);
    const uint8_t exclusions[10] = {1, 2, 4, 8, 16, 32, 0, 40, 41, 42};
    store.SetExclusions(exclusions);
    store.SetPlayExclude(true);
    store.SetPlayInclude(true);
    store.SetPlaySums(false);
    store.SetPlayStdev(false);
    TKeptCoupon coupon{};
    coupon[0] = {1, 2, 3, 4, 5, 6};
    coupon[6] = {44, 45, 0, 0, 0, 0};
    coupon[11] = {7, 14, 21, 28, 35, 49};
    store.SetCoupon(coupon);
    store.SetDraw({3, 11, 17, 25, 33, 41, 45});
}

template <typename Bytes>
void DumpBytes(const char *name, const Bytes &bytes)
{
    std::printf("%s=", name);
    for (size_t i = 0; i < bytes.size(); ++i)
        std::printf("%s%d", i ? "," : "", bytes[i]);
    std::printf("\n");
}

void Dump()
{
    TRegOptions store;
    const TGameSettings values = ReadAllSettings(store);
    ForEachSetting([&](const auto &item, auto member) {
        const auto &value = values.*member;
        std::printf("%.*s=", static_cast<int>(item.name.size()), item.name.data());
        if constexpr (requires { value.size(); }) {
            for (size_t i = 0; i < value.size(); ++i)
                std::printf("%s%lld", i ? "," : "", static_cast<long long>(value[i]));
            std::printf("\n");
        } else {
            std::printf("%lld\n", static_cast<long long>(value));
        }
    });
    const TKeptCoupon coupon = store.GetCoupon();
    for (size_t b = 0; b < coupon.size(); ++b)
        DumpBytes(("coupon board " + std::to_string(b + 1)).c_str(), coupon[b]);
    DumpBytes("draw", store.GetDraw());
}

} // namespace

int main(int argc, char **argv)
{
    try {
        if (argc == 2 && std::strcmp(argv[1], "write") == 0) {
            Write();
            return 0;
        }
        if (argc == 2 && std::strcmp(argv[1], "dump") == 0) {
            Dump();
            return 0;
        }
    } catch (const TRegistryError &error) {
        std::fprintf(stderr, "drawvane_store_probe: %s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "usage: drawvane_store_probe write|dump\n");
    return 2;
}
