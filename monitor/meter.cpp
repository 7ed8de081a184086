#include "meter.h"

#include "engine/value_bounds.h"

#include <algorithm>

namespace zrt {

namespace {

// Ticks come a second apart give or take the timer's latency; rounding to
// the nearest second keeps that latency from skipping or repeating one.
qint64 elapsedSecondsBetween(qint64 zeroMs, qint64 nowMs)
{
    constexpr qint64 kHalfSecondMs = 500;
    return std::max<qint64>(0, (nowMs - zeroMs + kHalfSecondMs) / 1000);
}

// A band with a number out of bounds prices nothing: the call is shown
// without a tariff rather than at a wild cost.
bool everyBandUsable(const Tariff& tariff)
{
    return std::ranges::all_of(tariff.fasce, [&](const Band& band) { return isUsable(band, tariff.metering()); });
}

} // namespace

void Meter::tick(ConnectionState& state, const PricingTerms& terms, qint64 nowSteadyMs) const
{
    state.elapsedSeconds = elapsedSecondsBetween(state.steadyZeroMs, nowSteadyMs);
    display_.showElapsed(elapsedCaption(state.elapsedSeconds));
    price(state, terms);
    showCost(state);
}

void Meter::price(ConnectionState& state, const PricingTerms& terms) const
{
    const std::optional<MeterReading> reading = readingOf(terms, zone_, state.startUtc, state.elapsedSeconds);
    if (reading) {
        state.pulses = reading->pulses;
        state.costLire = reading->costLire;
    } else {
        state.pulses.reset();
        state.costLire.reset();
    }
}

void Meter::showCost(const ConnectionState& state) const
{
    if (state.costLire)
        display_.showCost(QString::fromStdString(meterCostText(*state.costLire, display_.currency())));
    else
        display_.showMissingTariff(QString::fromStdString(state.entry));
}

std::optional<MeterReading> readingOf(const PricingTerms& terms, const TimeZoneRules& zone, qint64 startUtc,
                                      qint64 elapsedSeconds)
{
    if (!terms.tariff || !everyBandUsable(*terms.tariff) || !isValidVatRate(terms.vatRate))
        return std::nullopt;
    return priceConnection(*terms.tariff, zone, startUtc, elapsedSeconds, terms.vatRate);
}

QString startCostText(double costLire, Currency currency)
{
    if (currency == Currency::Euro)
        return QString::fromStdString(meterCostText(costLire, currency));
    constexpr int kSignificantDigits = 15;
    return QString::number(costLire, 'g', kSignificantDigits).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace zrt
