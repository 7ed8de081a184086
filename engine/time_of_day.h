#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace zrt {

inline constexpr int kSecondsPerDay = 86400;

// A time of day in whole seconds after midnight. 24:00:00 (kSecondsPerDay)
// is allowed and means the end of the day, so a band can close a day.
struct TimeOfDay {
    int seconds = 0; // 0..kSecondsPerDay

    auto operator<=>(const TimeOfDay&) const = default;
};

// "HH:MM:SS" or "HH:MM", 24-hour; at most "24:00:00".
std::optional<TimeOfDay> parseTimeOfDay(std::string_view text);
// Always "HH:MM:SS", zero-padded.
std::string formatTimeOfDay(TimeOfDay time);

} // namespace zrt
