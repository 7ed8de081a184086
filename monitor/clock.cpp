#include "clock.h"

#include <array>

namespace zrt {

long long utcOfStart(const TimeZoneRules& zone, LocalDateTime start, long long nowUtcSeconds)
{
    const long long first = utcOfLoggedStart(zone, start);
    // A repeated time has a second instant one offset change later.
    const std::optional<long long> change = zone.nextOffsetChange(first);
    if (!change)
        return first;
    const long long asIfUtc = secondsSinceEpoch(start);
    const long long second = asIfUtc - zone.utcOffsetAt(*change);
    const bool repeated = second > first && zone.toLocal(second) == start;
    return repeated && second <= nowUtcSeconds ? second : first;
}

} // namespace zrt
