#pragma once

#include "monitor/clock.h"

#include "engine/time_zone_rules.h"

namespace zrt::test {

// A wall clock that keeps UTC: what a zone without clock changes looks like.
class UtcZone final : public TimeZoneRules {
public:
    int utcOffsetAt(long long) const override { return 0; }
    std::optional<long long> nextOffsetChange(long long) const override { return std::nullopt; }
};

// A clock that moves only when told to. By default its zone is UTC, so the
// wall clock starts where it is told; a zone with clock changes may be
// given instead, the start then being read as that zone's wall clock.
class FakeClock final : public Clock {
public:
    explicit FakeClock(LocalDateTime start, const TimeZoneRules& zone = utcZone())
        : zone_(zone), utcMs_(utcOfLoggedStart(zone, start) * 1000)
    {
    }

    Instant now() const override { return {zone_.toLocal(utcMs_ / 1000), utcMs_, steadyMs_}; }
    const TimeZoneRules& zone() const override { return zone_; }

    // Time passes.
    void advance(qint64 seconds)
    {
        utcMs_ += seconds * 1000;
        steadyMs_ += seconds * 1000;
    }

    // The wall clock is set forward (or back), as NTP or a user would; no
    // time passes.
    void setWallClock(qint64 seconds) { utcMs_ += seconds * 1000; }

private:
    static const TimeZoneRules& utcZone()
    {
        static const UtcZone zone;
        return zone;
    }

    const TimeZoneRules& zone_;
    qint64 utcMs_;
    qint64 steadyMs_ = 1'000'000;
};

} // namespace zrt::test
