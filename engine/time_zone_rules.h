#pragma once

#include "local_date_time.h"

#include <optional>

namespace zrt {

// How a place's wall clock follows UTC: the offset in force at each instant
// and when it next changes. Instants are seconds since 1970-01-01 UTC.
class TimeZoneRules {
public:
    virtual ~TimeZoneRules() = default;

    // Seconds the wall clock is ahead of UTC at the instant; under a day.
    virtual int utcOffsetAt(long long utcSeconds) const = 0;
    // The first instant after `utcSeconds` at which the offset may change;
    // nothing when it never changes again.
    virtual std::optional<long long> nextOffsetChange(long long utcSeconds) const = 0;

    LocalDateTime toLocal(long long utcSeconds) const;
};

// The instant a wall-clock start read off the log stands for. A time the
// clock showed twice, in the hour repeated when it is set back, is the first
// of the two; a time it skipped when set forward is read with the offset
// before the change, so 02:30 of a night that jumps from 02:00 to 03:00 is
// the instant the clock shows 03:30.
long long utcOfLoggedStart(const TimeZoneRules& zone, LocalDateTime start);

} // namespace zrt
