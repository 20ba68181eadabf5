#pragma once

// The amount of a donation and the PayPal payment address that carries it.

#include <cstdint>
#include <string>
#include <string_view>

namespace donation {

// Used when the amount field holds nothing, or something that is not a
// decimal number.
inline constexpr int64_t kDefaultAmount = 10;

// The query keys are business, item_name, amount, then the fixed tail, in
// exactly this order.
inline constexpr std::string_view kPaymentHead =
    "https://www.paypal.com/cgi-bin/webscr?business=donations@drawvane.example.org"
    "&item_name=Drawvane%20Donation&amount=";
inline constexpr std::string_view kPaymentTail = "&no_shipping=1&currency_code=USD&quantity=1&no_note=1&cmd=_xclick";

// The whole dollars of an amount field's text (empty positions as spaces):
// every space is removed and the rest read as a decimal number. No lower
// bound: "0" is 0.
int64_t DonationAmount(std::string_view fieldText);

// The payment address for a number of whole dollars, in plain decimal.
std::string PaymentAddress(int64_t amount);

} // namespace donation
