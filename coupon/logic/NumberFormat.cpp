#include "coupon/logic/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace numfmt {

namespace {

// The digits of |value| rounded at `decimals` places after the point, as an
// integer part and a fraction part of exactly `decimals` digits.
void RoundedDigits(double value, int decimals, std::string &integer, std::string &fraction)
{
    integer = "0";
    fraction.assign(static_cast<size_t>(decimals), '0');
    if (!std::isfinite(value) || value == 0.0)
        return;

    // Shortest round-trip text, "d.ddde+XX".
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    std::string digits;
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            digits += text[i];
    int point = std::atoi(text.c_str() + e + 1) + 1; // digits before the decimal point

    // Keep `point + decimals` digits, rounding half away from zero.
    const int keep = point + decimals;
    if (keep < 0)
        return;
    if (keep < static_cast<int>(digits.size())) {
        const bool up = digits[static_cast<size_t>(keep)] >= '5';
        digits.resize(static_cast<size_t>(keep));
        if (up) {
            int i = keep - 1;
            while (i >= 0 && digits[static_cast<size_t>(i)] == '9')
                digits[static_cast<size_t>(i--)] = '0';
            if (i >= 0) {
                ++digits[static_cast<size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++point;
            }
        }
    }
    // Lay the digits out around the point.
    const auto digitAt = [&](int index) {
        return index >= 0 && index < static_cast<int>(digits.size()) ? digits[static_cast<size_t>(index)] : '0';
    };
    integer.clear();
    for (int i = 0; i < point; ++i)
        integer += digitAt(i);
    const auto nonZero = integer.find_first_not_of('0');
    integer = nonZero == std::string::npos ? "0" : integer.substr(nonZero);
    for (int i = 0; i < decimals; ++i)
        fraction[static_cast<size_t>(i)] = digitAt(point + i);
}

bool IsZero(const std::string &integer, const std::string &fraction)
{
    return integer == "0" && fraction.find_first_not_of('0') == std::string::npos;
}

} // namespace

std::string Fixed(double value, int decimals, char separator)
{
    std::string integer;
    std::string fraction;
    RoundedDigits(value, decimals, integer, fraction);
    std::string text = (value < 0 && !IsZero(integer, fraction)) ? "-" : "";
    text += integer;
    if (decimals > 0) {
        text += separator;
        text += fraction;
    }
    return text;
}

std::string Whole(double value)
{
    return Fixed(value, 0, '.');
}

} // namespace numfmt
