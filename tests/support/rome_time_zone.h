#pragma once

#include "engine/time_zone_rules.h"

namespace zrt::test {

// Europe/Rome by the EU rule: UTC+1, and UTC+2 from 01:00 UTC of the last
// Sunday of March to 01:00 UTC of the last Sunday of October.
class RomeTimeZone final : public TimeZoneRules {
public:
    static constexpr int kCet = 3600;
    static constexpr int kCest = 7200;

    int utcOffsetAt(long long utcSeconds) const override
    {
        const int year = yearOf(utcSeconds);
        return summerStart(year) <= utcSeconds && utcSeconds < summerEnd(year) ? kCest : kCet;
    }

    std::optional<long long> nextOffsetChange(long long utcSeconds) const override
    {
        const int year = yearOf(utcSeconds);
        if (utcSeconds < summerStart(year))
            return summerStart(year);
        if (utcSeconds < summerEnd(year))
            return summerEnd(year);
        return summerStart(year + 1);
    }

private:
    static int yearOf(long long utcSeconds) { return fromSecondsSinceEpoch(utcSeconds).date.year; }
    static long long summerStart(int year) { return lastSundayAtOneUtc(year, 3); }
    static long long summerEnd(int year) { return lastSundayAtOneUtc(year, 10); }

    static long long lastSundayAtOneUtc(int year, int month)
    {
        Date day = addDays(Date{year, month + 1, 1}, -1);
        while (weekdayOf(day) != Weekday::Sunday)
            day = addDays(day, -1);
        return secondsSinceEpoch({day, TimeOfDay{3600}});
    }
};

} // namespace zrt::test
