#include "dialogs/DonationAddress.h"

#include <charconv>

namespace donation {

int64_t DonationAmount(std::string_view fieldText)
{
    std::string digits;
    for (const char c : fieldText)
        if (c != ' ')
            digits += c;
    if (digits.empty())
        return kDefaultAmount;
    for (const char c : digits)
        if (c < '0' || c > '9')
            return kDefaultAmount;
    int64_t amount = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), amount);
    if (error != std::errc() || end != digits.data() + digits.size())
        return kDefaultAmount;
    return amount;
}

std::string PaymentAddress(int64_t amount)
{
    std::string address(kPaymentHead);
    address += std::to_string(amount);
    address += kPaymentTail;
    return address;
}

} // namespace donation
