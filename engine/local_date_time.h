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

// The wall-clock instant as seconds from 1970-01-01 00:00:00 of the same
// clock, and back: on a UTC clock these are the usual epoch seconds.
long long secondsSinceEpoch(LocalDateTime instant);
LocalDateTime fromSecondsSinceEpoch(long long seconds);

// "YYYY-MM-DD HH:MM:SS"; the time must be below 24:00:00.
std::optional<LocalDateTime> parseLocalDateTime(std::string_view text);
std::string formatLocalDateTime(LocalDateTime instant);

} // namespace zrt
