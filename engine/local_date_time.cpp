#include "local_date_time.h"

namespace zrt {

LocalDateTime advance(LocalDateTime instant, long long seconds)
{
    const long long total = instant.time.seconds + seconds;
    long long days = total / kSecondsPerDay;
    long long secondOfDay = total % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --days;
    }
    return {addDays(instant.date, days), TimeOfDay{static_cast<int>(secondOfDay)}};
}

long long secondsSinceEpoch(LocalDateTime instant)
{
    return daysSinceEpoch(instant.date) * kSecondsPerDay + instant.time.seconds;
}

LocalDateTime fromSecondsSinceEpoch(long long seconds)
{
    return advance(LocalDateTime{}, seconds);
}

std::optional<LocalDateTime> parseLocalDateTime(std::string_view text)
{
    constexpr std::size_t kDateLength = 10;
    constexpr std::size_t kTimeLength = 8;
    if (text.size() != kDateLength + 1 + kTimeLength || text[kDateLength] != ' ')
        return std::nullopt;
    const auto date = parseIsoDate(text.substr(0, kDateLength));
    const auto time = parseTimeOfDay(text.substr(kDateLength + 1));
    if (!date || !time || time->seconds >= kSecondsPerDay)
        return std::nullopt;
    return LocalDateTime{*date, *time};
}

std::string formatLocalDateTime(LocalDateTime instant)
{
    return formatIsoDate(instant.date) + ' ' + formatTimeOfDay(instant.time);
}

} // namespace zrt
