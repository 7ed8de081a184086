#pragma once

#include "connection_state.h"
#include "monitor_display.h"
#include "tariff_source.h"

#include "engine/pricing.h"

#include <optional>

namespace zrt {

// The meter tick: the elapsed time, the pulses and the cost of the metered
// connection so far, each instant priced at the band in force then. When
// the tariff prices nothing (no tariff, no band) the cost shown stays as it
// was.
class Meter {
public:
    explicit Meter(MonitorDisplay& display) : display_(display) {}

    void tick(ConnectionState& state, const PricingTerms& terms, qint64 nowEpochMs) const;

private:
    MonitorDisplay& display_;
};

// The connection priced at its first instant: the answer charge with VAT.
// Nothing when no band of the tariff applies.
std::optional<MeterReading> readingAtStart(const PricingTerms& terms, LocalDateTime start);

// Shown when a connection starts, until the meter's first tick: in Lire the
// answer charge as a plain number ("152,4"), in Euro the meter's own text.
QString startCostText(double costLire, Currency currency);

} // namespace zrt
