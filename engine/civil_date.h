#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace zrt {

// A date of the proleptic Gregorian calendar, with no time zone.
struct Date {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31

    auto operator<=>(const Date&) const = default;
};

enum class Weekday { Monday = 1, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday };

bool isValidDate(int year, int month, int day);
Weekday weekdayOf(Date date);
Date addDays(Date date, long long days);
// Days from 1970-01-01, negative before it.
long long daysSinceEpoch(Date date);

// "YYYY-MM-DD", zero-padded; anything else (or an impossible date) gives nothing.
std::optional<Date> parseIsoDate(std::string_view text);
std::string formatIsoDate(Date date);

} // namespace zrt
