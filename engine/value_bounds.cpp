#include "value_bounds.h"

#include <algorithm>
#include <cmath>

namespace zrt {
namespace {

constexpr double kHighestPriceLire = 10'000'000;
constexpr double kMinutesPerDay = 1440;

constexpr NumberBounds kPriceBounds{0, kHighestPriceLire, false};

} // namespace

bool NumberBounds::admits(double value) const
{
    return value >= lowest && value <= highest && (!whole || std::trunc(value) == value);
}

NumberBounds boundsOf(StoredNumber number)
{
    switch (number) {
    case StoredNumber::PulseLength:
        return {1, kSecondsPerDay, false};
    case StoredNumber::ReductionMinute:
        return {0, kMinutesPerDay, true};
    case StoredNumber::Price:
    case StoredNumber::AnswerCharge:
    case StoredNumber::SecondPrice:
        return kPriceBounds;
    case StoredNumber::VatRate:
        return {0, 100, true};
    }
    return {};
}

bool isWithinBounds(StoredNumber number, double value)
{
    return boundsOf(number).admits(value);
}

bool isValidPulseLength(double seconds)
{
    return isWithinBounds(StoredNumber::PulseLength, seconds);
}

bool isValidReductionMinute(double minute)
{
    return isWithinBounds(StoredNumber::ReductionMinute, minute);
}

bool isValidPrice(double lire)
{
    return isWithinBounds(StoredNumber::Price, lire);
}

bool isValidVatRate(double percent)
{
    return isWithinBounds(StoredNumber::VatRate, percent);
}

StoredNumber durataMeaning(Metering metering)
{
    return metering == Metering::Pulse ? StoredNumber::PulseLength : StoredNumber::ReductionMinute;
}

std::vector<BandNumber> bandNumbers(const Band& band, Metering metering)
{
    std::vector<BandNumber> numbers{
        {durataMeaning(metering), band.durata},
        {StoredNumber::Price, band.costo},
        {StoredNumber::AnswerCharge, band.costoAllaRisposta},
    };
    if (band.secondoCosto)
        numbers.push_back({StoredNumber::SecondPrice, *band.secondoCosto});
    return numbers;
}

bool isUsable(const Band& band, Metering metering)
{
    const std::vector<BandNumber> numbers = bandNumbers(band, metering);
    return std::all_of(numbers.begin(), numbers.end(), [](const BandNumber& number) {
        return isWithinBounds(number.meaning, number.value);
    });
}

} // namespace zrt
