#pragma once

#include "day_type.h"
#include "tariff.h"
#include "time_of_day.h"
#include "value_bounds.h"

#include <optional>
#include <vector>

namespace zrt {

enum class TariffProblemKind {
    BandBackwards,  // Inizio not before Fine: the band covers nothing
    Gap,            // no band of the day type in force
    Overlap,        // more than one band of the day type in force
    MissingDayType, // the day type has no band at all
    PulseLengthOutOfBounds,
    ReductionMinuteOutOfBounds,
    PriceOutOfBounds,
    AnswerChargeOutOfBounds,
    SecondPriceOutOfBounds,
};

// One thing wrong with a tariff. For a band's own problems `from` and `to`
// are its Inizio and Fine; for a gap or an overlap, where it begins and
// ends; a missing day type spans the whole day.
struct TariffProblem {
    TariffProblemKind kind = TariffProblemKind::Gap;
    DayType dayType = DayType::Fer;
    TimeOfDay from;
    TimeOfDay to;
    std::optional<double> value; // the number out of bounds
};

// The problems of one band on its own: backwards, or a number out of bounds.
std::vector<TariffProblem> checkBand(const Band& band, Metering metering);

// The problems of every band, and where each day type's bands leave part of
// 00:00:00-24:00:00 uncovered or cover it twice, bands spanning
// [Inizio, Fine). A backwards band covers nothing and is reported once.
// Ordered by day type, then by time.
std::vector<TariffProblem> checkTariff(const Tariff& tariff);

// Which stored number a problem of an out-of-bounds kind is about.
StoredNumber numberOf(TariffProblemKind kind);

} // namespace zrt
