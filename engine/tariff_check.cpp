#include "tariff_check.h"

#include "value_bounds.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace zrt {
namespace {

constexpr std::array kDayTypes{DayType::Fer, DayType::Pre, DayType::Fes};

// Band numbers only: the VAT rate is not a band's.
TariffProblemKind outOfBoundsKind(StoredNumber meaning)
{
    switch (meaning) {
    case StoredNumber::PulseLength:
        return TariffProblemKind::PulseLengthOutOfBounds;
    case StoredNumber::ReductionMinute:
        return TariffProblemKind::ReductionMinuteOutOfBounds;
    case StoredNumber::AnswerCharge:
        return TariffProblemKind::AnswerChargeOutOfBounds;
    case StoredNumber::SecondPrice:
        return TariffProblemKind::SecondPriceOutOfBounds;
    default:
        return TariffProblemKind::PriceOutOfBounds;
    }
}

std::vector<const Band*> bandsOf(const Tariff& tariff, DayType dayType)
{
    std::vector<const Band*> bands;
    for (const Band& band : tariff.fasce) {
        if (band.tipo == dayType)
            bands.push_back(&band);
    }
    return bands;
}

// Every Inizio and Fine, with the two ends of the day, in order.
std::vector<TimeOfDay> boundariesOf(const std::vector<const Band*>& bands)
{
    std::vector<TimeOfDay> boundaries{TimeOfDay{0}, TimeOfDay{kSecondsPerDay}};
    for (const Band* band : bands) {
        boundaries.push_back(band->inizio);
        boundaries.push_back(band->fine);
    }
    std::sort(boundaries.begin(), boundaries.end());
    boundaries.erase(std::unique(boundaries.begin(), boundaries.end()), boundaries.end());
    return boundaries;
}

std::optional<TariffProblemKind> coverageProblemAt(const std::vector<const Band*>& bands, TimeOfDay time)
{
    // A backwards band is in force at no time.
    const auto inForce = std::count_if(bands.begin(), bands.end(), [&](const Band* band) {
        return band->inizio <= time && time < band->fine;
    });
    if (inForce == 0)
        return TariffProblemKind::Gap;
    if (inForce > 1)
        return TariffProblemKind::Overlap;
    return std::nullopt;
}

// Between two neighbouring boundaries the same bands are in force, so the
// day is judged span by span. Neighbouring spans with the same problem make
// one, so the times of a backwards band split nothing.
std::vector<TariffProblem> coverageProblems(const std::vector<const Band*>& bands, DayType dayType)
{
    const std::vector<TimeOfDay> boundaries = boundariesOf(bands);
    std::vector<TariffProblem> problems;
    for (std::size_t i = 0; i + 1 < boundaries.size(); ++i) {
        const TimeOfDay from = boundaries[i];
        const TimeOfDay to = boundaries[i + 1];
        const std::optional<TariffProblemKind> kind = coverageProblemAt(bands, from);
        if (!kind)
            continue;
        if (!problems.empty() && problems.back().kind == *kind && problems.back().to == from)
            problems.back().to = to;
        else
            problems.push_back({*kind, dayType, from, to, std::nullopt});
    }
    return problems;
}

void append(std::vector<TariffProblem>& problems, const std::vector<TariffProblem>& more)
{
    problems.insert(problems.end(), more.begin(), more.end());
}

bool inReportOrder(const TariffProblem& a, const TariffProblem& b)
{
    return std::tie(a.dayType, a.from, a.to, a.kind) < std::tie(b.dayType, b.from, b.to, b.kind);
}

} // namespace

std::vector<TariffProblem> checkBand(const Band& band, Metering metering)
{
    std::vector<TariffProblem> problems;
    if (band.fine <= band.inizio)
        problems.push_back({TariffProblemKind::BandBackwards, band.tipo, band.inizio, band.fine, std::nullopt});
    for (const BandNumber& number : bandNumbers(band, metering)) {
        if (!isWithinBounds(number.meaning, number.value))
            problems.push_back({outOfBoundsKind(number.meaning), band.tipo, band.inizio, band.fine, number.value});
    }
    return problems;
}

std::vector<TariffProblem> checkTariff(const Tariff& tariff)
{
    std::vector<TariffProblem> problems;
    for (const Band& band : tariff.fasce)
        append(problems, checkBand(band, tariff.metering()));
    for (const DayType dayType : kDayTypes) {
        const std::vector<const Band*> bands = bandsOf(tariff, dayType);
        if (!bands.empty())
            append(problems, coverageProblems(bands, dayType));
        else
            problems.push_back({TariffProblemKind::MissingDayType, dayType, TimeOfDay{0},
                                TimeOfDay{kSecondsPerDay}, std::nullopt});
    }
    std::stable_sort(problems.begin(), problems.end(), inReportOrder);
    return problems;
}

StoredNumber numberOf(TariffProblemKind kind)
{
    switch (kind) {
    case TariffProblemKind::PulseLengthOutOfBounds: return StoredNumber::PulseLength;
    case TariffProblemKind::ReductionMinuteOutOfBounds: return StoredNumber::ReductionMinute;
    case TariffProblemKind::AnswerChargeOutOfBounds: return StoredNumber::AnswerCharge;
    case TariffProblemKind::SecondPriceOutOfBounds: return StoredNumber::SecondPrice;
    default: return StoredNumber::Price;
    }
}

} // namespace zrt
