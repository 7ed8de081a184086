#pragma once

#include "civil_date.h"
#include "time_of_day.h"

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace zrt {

// A wall-clock instant: a date and a time of day below 24:00:00.
struct LocalDateTime {
    Date date;
    TimeOfDay time;

    auto operator<=>(const LocalDateTime&) const = default;
};

// The wall-clock instant `seconds` later (or earlier, when negative).
LocalDateTime advance(LocalDateTime instant, long long seconds);

// "YYYY-MM-DD HH:MM:SS"; the time must be below 24:00:00.
std::optional<LocalDateTime> parseLocalDateTime(std::string_view text);
std::string formatLocalDateTime(LocalDateTime instant);

} // namespace zrt
