#include "fixed_digits.h"

#include <algorithm>
#include <charconv>

namespace zrt {

void appendZeroPadded(std::string& out, long long value, int width)
{
    char buffer[24];
    const char* end = std::to_chars(std::begin(buffer), std::end(buffer), value).ptr;
    const std::string_view digits(buffer, end);
    const auto length = static_cast<int>(digits.size());
    out.append(static_cast<std::size_t>(std::max(0, width - length)), '0');
    out += digits;
}

std::optional<int> parseFixedDigits(std::string_view digits)
{
    constexpr std::size_t kMaxDigits = 9;
    if (digits.empty() || digits.size() > kMaxDigits)
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace zrt
