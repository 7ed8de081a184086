#pragma once

#include "tariff.h"
#include "time_zone_rules.h"

#include <optional>

namespace zrt {

// For pricing, a band covers the half-open span [Inizio, Fine) of every day
// of its type: its boundaries are instants, so two bands meeting at 08:00:00
// leave no gap and a band ending 24:00:00 reaches midnight.
bool bandCoversAnything(const Band& band);

// A stretch of time during which the same band is in force, or none.
struct Stretch {
    const Band* band = nullptr; // the first band in stored order; nullptr in a gap
    long long length = 0;       // seconds to the next band boundary, midnight or clock change
};

// Walks real time from a UTC instant, stretch by stretch, each moment at the
// band of its wall-clock time and the day type of its wall-clock date.
class StretchCursor {
public:
    StretchCursor(const Tariff& tariff, const TimeZoneRules& zone, long long utcFrom);

    Stretch current() const;
    DayType dayType() const { return dayType_; }
    void advance(long long seconds);

private:
    void readWallClock();

    const Tariff& tariff_;
    const TimeZoneRules& zone_;
    long long utc_;
    std::optional<long long> nextOffsetChange_;
    LocalDateTime now_;
    DayType dayType_ = DayType::Fer;
};

// The first band in force from the instant on; nullptr when the tariff has
// no band that covers anything.
const Band* firstBandFrom(const Tariff& tariff, const TimeZoneRules& zone, long long utcFrom);

} // namespace zrt
