#pragma once

#include "local_date_time.h"
#include "tariff.h"

namespace zrt {

// For pricing, a band covers the half-open span [Inizio, Fine) of every day
// of its type: its boundaries are instants, so two bands meeting at 08:00:00
// leave no gap and a band ending 24:00:00 reaches midnight.
bool bandCoversAnything(const Band& band);

// A stretch of time during which the same band is in force, or none.
struct Stretch {
    const Band* band = nullptr; // the first band in stored order; nullptr in a gap
    long long length = 0;       // seconds to the next band boundary or midnight
};

// Walks wall-clock time from an instant, stretch by stretch, with the day
// type of each date.
class StretchCursor {
public:
    StretchCursor(const Tariff& tariff, LocalDateTime from);

    Stretch current() const;
    void advance(long long seconds);

private:
    const Tariff& tariff_;
    LocalDateTime now_;
    DayType dayType_;
};

// The first band in force from the instant on; nullptr when the tariff has
// no band that covers anything.
const Band* firstBandFrom(const Tariff& tariff, LocalDateTime from);

} // namespace zrt
