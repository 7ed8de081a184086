#include "pricing.h"

#include "band_timeline.h"
#include "currency.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zrt {
namespace {

constexpr int kSecondsPerMinute = 60;

// Pulses complete one after another at the pace of the band in force, each
// priced by the band in which it completes.
class PulseMeter {
public:
    explicit PulseMeter(int vatRate) : vatRate_(vatRate) {}

    void charge(const Band& band, long long /*offset*/, long long seconds)
    {
        if (!(band.durata > 0))
            return;
        progress_ += static_cast<double>(seconds) / band.durata;
        const long long completed = wholePulses(progress_);
        cost_ += static_cast<double>(completed - pulses_) * withVat(band.costo, vatRate_);
        pulses_ = completed;
    }

    long long pulses() const { return pulses_; }
    double cost() const { return cost_; }

private:
    // Progress summed over several bands can fall a hair short of the whole
    // number it stands for; a relative tolerance far below any real
    // fraction of a pulse keeps it from losing that pulse.
    static long long wholePulses(double progress)
    {
        constexpr double kTolerance = 1e-9;
        return static_cast<long long>(std::floor(progress * (1 + kTolerance)));
    }

    int vatRate_;
    double progress_ = 0;
    long long pulses_ = 0;
    double cost_ = 0;
};

// Each second costs the first price per minute until the band's threshold
// minute, the second price after it.
class MinuteMeter {
public:
    explicit MinuteMeter(int vatRate) : vatRate_(vatRate) {}

    void charge(const Band& band, long long offset, long long seconds)
    {
        const double firstRate = withVat(band.costo / kSecondsPerMinute, vatRate_);
        const double secondPrice = band.secondoCosto.value_or(band.costo);
        const double secondRate = withVat(secondPrice / kSecondsPerMinute, vatRate_);
        const double threshold = band.durata > 0 ? band.durata * kSecondsPerMinute
                                                 : std::numeric_limits<double>::infinity();
        const double length = static_cast<double>(seconds);
        const double firstPeriod = std::clamp(threshold - static_cast<double>(offset), 0.0, length);
        cost_ += firstPeriod * firstRate + (length - firstPeriod) * secondRate;
    }

    double cost() const { return cost_; }

private:
    int vatRate_;
    double cost_ = 0;
};

// A gap between bands is charged at the band in force before it; a gap at
// the very start, at the first band after it.
template <typename Meter>
void chargeConnection(const Tariff& tariff, const TimeZoneRules& zone, long long utcStart,
                      long long elapsedSeconds, const Band& startBand, Meter& meter)
{
    const Band* charging = &startBand;
    StretchCursor cursor(tariff, zone, utcStart);
    for (long long offset = 0; offset < elapsedSeconds;) {
        const Stretch stretch = cursor.current();
        if (stretch.band)
            charging = stretch.band;
        const long long length = std::min(stretch.length, elapsedSeconds - offset);
        meter.charge(*charging, offset, length);
        cursor.advance(length);
        offset += length;
    }
}

bool hasBandFor(const Tariff& tariff, DayType dayType)
{
    return std::any_of(tariff.fasce.begin(), tariff.fasce.end(), [&](const Band& band) {
        return band.tipo == dayType && bandCoversAnything(band);
    });
}

bool hasBandForDaysMet(const Tariff& tariff, const TimeZoneRules& zone, long long utcStart,
                       long long elapsedSeconds)
{
    constexpr long long kWeek = 7LL * kSecondsPerDay; // a week holds every day type
    const long long span = std::clamp(elapsedSeconds, 1LL, kWeek);
    StretchCursor cursor(tariff, zone, utcStart);
    for (long long walked = 0; walked < span;) {
        if (hasBandFor(tariff, cursor.dayType()))
            return true;
        const long long length = cursor.current().length;
        cursor.advance(length);
        walked += length;
    }
    return false;
}

// A wall clock read as UTC, never changed.
class UnchangingClock final : public TimeZoneRules {
public:
    int utcOffsetAt(long long /*utcSeconds*/) const override { return 0; }
    std::optional<long long> nextOffsetChange(long long /*utcSeconds*/) const override { return std::nullopt; }
};

long long minutesRoundedHalfToEven(long long seconds)
{
    const long long minutes = seconds / kSecondsPerMinute;
    const long long remainder = seconds % kSecondsPerMinute;
    const long long half = kSecondsPerMinute / 2;
    const bool roundUp = remainder > half || (remainder == half && minutes % 2 == 1);
    return minutes + (roundUp ? 1 : 0);
}

} // namespace

std::optional<MeterReading> priceConnection(const Tariff& tariff, const TimeZoneRules& zone,
                                            long long utcStart, long long elapsedSeconds, int vatRate)
{
    // A clock set back during a connection must not bill negative time.
    const long long elapsed = std::max(0LL, elapsedSeconds);
    if (!hasBandForDaysMet(tariff, zone, utcStart, elapsed))
        return std::nullopt;
    const Band* startBand = firstBandFrom(tariff, zone, utcStart);
    if (!startBand)
        return std::nullopt;
    const double answerCharge = withVat(startBand->costoAllaRisposta, vatRate);

    if (tariff.metering() == Metering::Pulse) {
        PulseMeter meter(vatRate);
        chargeConnection(tariff, zone, utcStart, elapsed, *startBand, meter);
        return MeterReading{elapsed, meter.pulses(), answerCharge + meter.cost()};
    }
    MinuteMeter meter(vatRate);
    chargeConnection(tariff, zone, utcStart, elapsed, *startBand, meter);
    return MeterReading{elapsed, minutesRoundedHalfToEven(elapsed), answerCharge + meter.cost()};
}

std::optional<MeterReading> priceConnection(const Tariff& tariff, LocalDateTime start,
                                            long long elapsedSeconds, int vatRate)
{
    return priceConnection(tariff, UnchangingClock{}, secondsSinceEpoch(start), elapsedSeconds, vatRate);
}

} // namespace zrt
