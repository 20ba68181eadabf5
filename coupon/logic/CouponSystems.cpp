#include "coupon/logic/CouponSystems.h"
#include "settings/RegistryUnit.h"

TCouponSystems TCouponSystems::ReadExclusions(TRegOptions &store)
{
    TCouponSystems systems;
    if (store.GetPlayExclude()) {
        decltype(TGameSettings::exclusions) slots{};
        store.GetExclusions(slots);
        systems.SetExclusions(slots);
    }
    return systems;
}

TCouponSystems TCouponSystems::Read(TRegOptions &store)
{
    TCouponSystems systems = ReadExclusions(store);
    if (store.GetPlayInclude()) {
        decltype(TGameSettings::inclusions) slots{};
        store.GetInclusions(slots);
        systems.SetInclusions(slots);
    }
    return systems;
}

void TCouponSystems::SetExclusions(std::span<const uint8_t> slots)
{
    FExcluded.reset();
    FExcludedCount = 0;
    for (const uint8_t slot : slots) {
        if (slot == 0)
            continue;
        FExcluded.set(slot);
        ++FExcludedCount;
    }
}

void TCouponSystems::SetInclusions(std::span<const uint8_t> slots)
{
    FIncluded.reset();
    for (const uint8_t slot : slots)
        if (slot != 0)
            FIncluded.set(slot);
}
