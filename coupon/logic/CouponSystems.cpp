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
    for (const uint8_t slot : slots)
        if (slot != 0)
            FExcluded.set(slot);
}

uint8_t TCouponSystems::ExcludedCount(uint8_t boardsize) const
{
    uint8_t count = 0;
    for (int n = 1; n <= boardsize; ++n)
        count += FExcluded[static_cast<size_t>(n)] ? 1 : 0;
    return count;
}

void TCouponSystems::SetInclusions(std::span<const uint8_t> slots)
{
    FIncluded.reset();
    for (const uint8_t slot : slots)
        if (slot != 0)
            FIncluded.set(slot);
}
