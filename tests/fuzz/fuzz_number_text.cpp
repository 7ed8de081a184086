// Italian number text and the display patterns: any text parses or is
// refused, and every number formats; what a pattern shows parses back to
// the number, to the pattern's precision.
#include "engine/italian_number.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> number = zrt::parseItalianNumber(text);
    if (!number)
        return 0;
    if (!std::isfinite(*number))
        std::abort();
    for (std::string_view pattern : {zrt::pattern::kLire, zrt::pattern::kEuroMeter, zrt::pattern::kEuroLarge,
                                     zrt::pattern::kEuroSmall, zrt::pattern::kGrouped}) {
        const std::string shown = zrt::formatItalian(*number, pattern);
        if (std::fabs(*number) > 1e15)
            continue;
        // Patterns without a required digit show nothing, or a bare comma, for zero.
        if (shown.find_first_of("0123456789") == std::string::npos)
            continue;
        const std::optional<double> back = zrt::parseItalianNumber(shown);
        if (!back || std::fabs(*back - *number) > 0.51 + std::fabs(*number) * 1e-12)
            std::abort();
    }
    return 0;
}
