#include "time_of_day.h"

#include "fixed_digits.h"

namespace zrt {

std::optional<TimeOfDay> parseTimeOfDay(std::string_view text)
{
    const bool withSeconds = text.size() == 8;
    if ((text.size() != 5 && !withSeconds) || text[2] != ':' || (withSeconds && text[5] != ':'))
        return std::nullopt;
    const auto hours = parseFixedDigits(text.substr(0, 2));
    const auto minutes = parseFixedDigits(text.substr(3, 2));
    const auto seconds = withSeconds ? parseFixedDigits(text.substr(6, 2)) : std::optional<int>(0);
    if (!hours || !minutes || !seconds || *minutes > 59 || *seconds > 59)
        return std::nullopt;
    const int total = *hours * 3600 + *minutes * 60 + *seconds;
    if (total > kSecondsPerDay)
        return std::nullopt;
    return TimeOfDay{total};
}

std::string formatTimeOfDay(TimeOfDay time)
{
    std::string text;
    appendZeroPadded(text, time.seconds / 3600, 2);
    text += ':';
    appendZeroPadded(text, time.seconds / 60 % 60, 2);
    text += ':';
    appendZeroPadded(text, time.seconds % 60, 2);
    return text;
}

} // namespace zrt
