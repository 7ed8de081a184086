#include "day_type.h"

#include <algorithm>
#include <array>

namespace zrt {
namespace {

struct FixedDate {
    int day;
    int month;
    DayType type;
};

// The same every year; no holiday moves with Easter.
constexpr std::array<FixedDate, 9> kFixedDates{{
    {25, 12, DayType::Fes},
    {24, 12, DayType::Pre},
    {31, 12, DayType::Pre},
    {1, 1, DayType::Fes},
    {15, 8, DayType::Fes},
    {8, 12, DayType::Fes},
    {1, 5, DayType::Fes},
    {25, 4, DayType::Fes},
    {6, 1, DayType::Fes},
}};

DayType weekdayType(Weekday weekday)
{
    switch (weekday) {
    case Weekday::Saturday:
        return DayType::Pre;
    case Weekday::Sunday:
        return DayType::Fes;
    default:
        return DayType::Fer;
    }
}

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

DayType dayTypeOf(Date date)
{
    const auto fixed = std::find_if(kFixedDates.begin(), kFixedDates.end(), [&](const FixedDate& f) {
        return f.day == date.day && f.month == date.month;
    });
    return fixed != kFixedDates.end() ? fixed->type : weekdayType(weekdayOf(date));
}

std::string_view dayTypeCode(DayType type)
{
    switch (type) {
    case DayType::Fer:
        return "FER";
    case DayType::Pre:
        return "PRE";
    case DayType::Fes:
        return "FES";
    }
    return {};
}

std::optional<DayType> parseDayType(std::string_view code)
{
    for (const DayType type : {DayType::Fer, DayType::Pre, DayType::Fes}) {
        const std::string_view known = dayTypeCode(type);
        if (std::equal(code.begin(), code.end(), known.begin(), known.end(),
                       [](char a, char b) { return asciiUpper(a) == b; }))
            return type;
    }
    return std::nullopt;
}

} // namespace zrt
