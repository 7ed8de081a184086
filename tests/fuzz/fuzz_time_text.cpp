// Times of day, dates and date-times: what parses formats back to the same
// text, once normalised.
#include "engine/civil_date.h"
#include "engine/local_date_time.h"
#include "engine/time_of_day.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto time = zrt::parseTimeOfDay(text)) {
        if (time->seconds < 0 || time->seconds > zrt::kSecondsPerDay)
            std::abort();
        if (zrt::parseTimeOfDay(zrt::formatTimeOfDay(*time)) != time)
            std::abort();
    }
    if (const auto date = zrt::parseIsoDate(text)) {
        if (zrt::formatIsoDate(*date) != text)
            std::abort();
    }
    if (const auto instant = zrt::parseLocalDateTime(text)) {
        if (zrt::formatLocalDateTime(*instant) != text)
            std::abort();
        if (zrt::advance(zrt::advance(*instant, 86400 * 400 + 17), -(86400 * 400 + 17)) != *instant)
            std::abort();
    }
    return 0;
}
