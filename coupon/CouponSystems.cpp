#include "coupon/CouponSystems.h"
#include "settings/RegistryUnit.h"

#include <array>

bool CouponIsExcluded(uint8_t n, uint8_t &excludedCount)
{
    excludedCount = 0;
    bool result = false;
    TRegOptions store;
    if (store.GetPlayExclude()) {
        decltype(TGameSettings::exclusions) slots{};
        store.GetExclusions(slots);
        for (const uint8_t slot : slots) {
            if (slot == n)
                result = true;
            if (slot != 0)
                ++excludedCount;
        }
    }
    return result;
}

bool CouponIsIncluded(uint8_t n, uint8_t &excludedCount)
{
    if (CouponIsExcluded(n, excludedCount))
        return false;
    TRegOptions store;
    if (!store.GetPlayInclude())
        return false;
    decltype(TGameSettings::inclusions) slots{};
    store.GetInclusions(slots);
    for (const uint8_t slot : slots)
        if (slot == n)
            return true;
    return false;
}
