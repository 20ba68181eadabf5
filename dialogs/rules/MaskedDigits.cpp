#include "dialogs/rules/MaskedDigits.h"

#include <charconv>
#include <string>

std::optional<int64_t> ReadMaskedDigits(std::string_view text)
{
    std::string digits;
    for (const char c : text) {
        if (c == ' ')
            continue;
        // A sign does not read either.
        if (c < '0' || c > '9')
            return std::nullopt;
        digits.push_back(c);
    }
    int64_t value = 0;
    const char *end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}
