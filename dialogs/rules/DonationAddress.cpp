#include "dialogs/rules/DonationAddress.h"
#include "dialogs/rules/MaskedDigits.h"

namespace donation {

int64_t DonationAmount(std::string_view fieldText)
{
    return ReadMaskedDigits(fieldText).value_or(kDefaultAmount);
}

std::string PaymentAddress(int64_t amount)
{
    std::string address(kPaymentHead);
    address += std::to_string(amount);
    address += kPaymentTail;
    return address;
}

} // namespace donation
