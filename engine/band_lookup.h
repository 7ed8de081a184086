#pragma once

#include "day_type.h"
#include "tariff.h"
#include "time_of_day.h"

#include <string_view>

namespace zrt {

// The band in force at a time of day lies strictly inside Inizio..Fine:
// at exactly Inizio or Fine it does not apply.
bool bandCovers(const Band& band, TimeOfDay time);

// The first band of the tariff, in stored order, for that day type that
// covers the time; nullptr when none does.
const Band* bandInForce(const Tariff& tariff, DayType dayType, TimeOfDay time);

// Entry names match the association ignoring letter case (UTF-8 aware for
// the Latin, Greek and Cyrillic alphabets; text that is not UTF-8 is
// compared byte by byte, ignoring ASCII letter case only).
bool sameEntryName(std::string_view a, std::string_view b);

} // namespace zrt
