#include "meter.h"

#include "engine/elapsed_time.h"

#include <algorithm>

namespace zrt {

namespace {

// Ticks come a second apart give or take the timer's latency; rounding to
// the nearest second keeps that latency from skipping or repeating one.
qint64 elapsedSecondsBetween(qint64 startMs, qint64 nowMs)
{
    constexpr qint64 kHalfSecondMs = 500;
    return std::max<qint64>(0, (nowMs - startMs + kHalfSecondMs) / 1000);
}

} // namespace

void Meter::tick(ConnectionState& state, const PricingTerms& terms, qint64 nowEpochMs) const
{
    state.elapsedSeconds = elapsedSecondsBetween(state.startEpochMs, nowEpochMs);
    display_.showElapsed(QString::fromStdString(elapsedTimeText(state.elapsedSeconds)));
    if (!terms.tariff)
        return;
    const std::optional<MeterReading> reading =
        priceConnection(*terms.tariff, state.startTime, state.elapsedSeconds, terms.vatRate);
    if (!reading)
        return;
    state.pulses = reading->pulses;
    state.costLire = reading->costLire;
    display_.showCost(QString::fromStdString(meterCostText(reading->costLire, display_.currency())));
}

std::optional<MeterReading> readingAtStart(const PricingTerms& terms, LocalDateTime start)
{
    if (!terms.tariff)
        return std::nullopt;
    return priceConnection(*terms.tariff, start, 0, terms.vatRate);
}

QString startCostText(double costLire, Currency currency)
{
    if (currency == Currency::Euro)
        return QString::fromStdString(meterCostText(costLire, currency));
    constexpr int kSignificantDigits = 15;
    return QString::number(costLire, 'g', kSignificantDigits).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace zrt
