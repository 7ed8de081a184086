#pragma once

#include "local_date_time.h"
#include "tariff.h"
#include "time_zone_rules.h"

#include <optional>

namespace zrt {

struct MeterReading {
    long long elapsedSeconds = 0;
    long long pulses = 0; // pulse count, or minutes rounded half to even
    double costLire = 0;  // VAT included
};

// Prices a connection from its UTC start over `elapsedSeconds` of real
// time, each second at the band in force at its wall-clock time in `zone`
// (across band boundaries, midnight and clock changes, with each date's own
// day type). Time outside every band is charged at the band in force before
// it, or at the start of the connection at the first band after it. The
// answer charge is that of the band at the start. Negative elapsed time
// counts as none. Nothing when the tariff has no band for any day type the
// connection meets.
std::optional<MeterReading> priceConnection(const Tariff& tariff, const TimeZoneRules& zone,
                                            long long utcStart, long long elapsedSeconds, int vatRate);

// The same from a wall-clock start, on a clock that never changes.
std::optional<MeterReading> priceConnection(const Tariff& tariff, LocalDateTime start,
                                            long long elapsedSeconds, int vatRate);

} // namespace zrt
