#include "time_zone_rules.h"

namespace zrt {

LocalDateTime TimeZoneRules::toLocal(long long utcSeconds) const
{
    return fromSecondsSinceEpoch(utcSeconds + utcOffsetAt(utcSeconds));
}

// Walks the periods of one offset from a day before the wall time: the
// first period in which the wall time falls gives the earliest instant.
long long utcOfLoggedStart(const TimeZoneRules& zone, LocalDateTime start)
{
    const long long wall = secondsSinceEpoch(start);
    long long periodStart = wall - kSecondsPerDay;
    int offset = zone.utcOffsetAt(periodStart);
    for (;;) {
        const long long instant = wall - offset;
        const std::optional<long long> change = zone.nextOffsetChange(periodStart);
        if (!change || instant < *change)
            return instant;
        const int nextOffset = zone.utcOffsetAt(*change);
        if (wall - nextOffset < *change)
            return instant; // skipped by the clock
        periodStart = *change;
        offset = nextOffset;
    }
}

} // namespace zrt
