// Reading typed decimal numbers, saturating instead of overflowing.
#include "texts/NumberText.h"

#include <limits>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<std::int64_t> ReadWholeNumber(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // Counted toward minus infinity so that the lowest value fits as well.
    constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    bool saturated = false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const int digit = c - '0';
        if (!saturated && (value < (lowest + digit) / 10))
            saturated = true;
        if (!saturated)
            value = value * 10 - digit;
    }
    if (saturated)
        return negative ? lowest : std::numeric_limits<std::int64_t>::max();
    if (!negative)
        return value == lowest ? std::numeric_limits<std::int64_t>::max() : -value;
    return value;
}
