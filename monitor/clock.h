#pragma once

#include "engine/local_date_time.h"
#include "engine/time_zone_rules.h"

#include <QtGlobal>

namespace zrt {

struct Instant {
    LocalDateTime local; // the wall clock: what the log shows
    qint64 epochMs = 0;  // the wall clock as milliseconds since 1970 UTC; steps when the clock is set
    qint64 steadyMs = 0; // a clock that never steps and runs on through a suspend; only differences count
};

class Clock {
public:
    virtual ~Clock() = default;

    virtual Instant now() const = 0;
    // How the wall clock follows UTC here, for the band in force at any
    // instant of a connection and for starts read off the log.
    virtual const TimeZoneRules& zone() const = 0;
};

// The instant a logged start stands for, by the zone's rules. A start the
// wall clock showed twice (the hour repeated when it is set back) is the
// later of its two instants that is not after `nowUtcSeconds`, so a row
// begun in the repeated hour is found again in it.
long long utcOfStart(const TimeZoneRules& zone, LocalDateTime start, long long nowUtcSeconds);

} // namespace zrt
