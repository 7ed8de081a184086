#pragma once

#include "civil_date.h"

#include <optional>
#include <string_view>

namespace zrt {

// The three kinds of day a band applies to.
enum class DayType { Fer, Pre, Fes };

// Monday to Friday are FER, Saturday PRE, Sunday FES; nine fixed dates
// of every year override the weekday.
DayType dayTypeOf(Date date);

// "FER", "PRE" or "FES".
std::string_view dayTypeCode(DayType type);
// The code's day type, letter case ignored as the database compares it.
std::optional<DayType> parseDayType(std::string_view code);

} // namespace zrt
