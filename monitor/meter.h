#pragma once

#include "connection_state.h"
#include "monitor_display.h"
#include "tariff_source.h"

#include "engine/pricing.h"
#include "engine/time_zone_rules.h"

#include <optional>

namespace zrt {

// The meter tick: the elapsed time, the pulses and the cost of the metered
// connection so far, each second priced at the band in force at its real
// local time. While no band prices the connection its cost is unknown, and
// shown so; once one does, the whole connection is priced from its start.
class Meter {
public:
    Meter(MonitorDisplay& display, const TimeZoneRules& zone) : display_(display), zone_(zone) {}

    void tick(ConnectionState& state, const PricingTerms& terms, qint64 nowSteadyMs) const;
    // Prices the connection over its elapsed time as it stands.
    void price(ConnectionState& state, const PricingTerms& terms) const;
    // Shows the connection's cost, or that its tariff is missing.
    void showCost(const ConnectionState& state) const;

private:
    MonitorDisplay& display_;
    const TimeZoneRules& zone_;
};

// The connection priced over `elapsedSeconds` from its UTC start; nothing
// when no usable band of the tariff applies.
std::optional<MeterReading> readingOf(const PricingTerms& terms, const TimeZoneRules& zone, qint64 startUtc,
                                      qint64 elapsedSeconds);

// Shown when a connection starts, until the meter's first tick: in Lire the
// answer charge as a plain number ("152,4"), in Euro the meter's own text.
QString startCostText(double costLire, Currency currency);

} // namespace zrt
