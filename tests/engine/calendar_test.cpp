#include "engine/civil_date.h"
#include "engine/day_type.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

Date date(std::string_view iso) { return parseIsoDate(iso).value(); }

TEST(CivilDate, WeekdaysAndDayArithmeticAcrossLeapYearsAndCenturies)
{
    const std::pair<std::string_view, Weekday> weekdays[] = {
        {"1970-01-01", Weekday::Thursday}, {"2000-02-29", Weekday::Tuesday},
        {"1900-03-01", Weekday::Thursday}, {"1600-01-01", Weekday::Saturday},
    };
    for (const auto& [iso, weekday] : weekdays)
        EXPECT_EQ(weekdayOf(date(iso)), weekday) << iso;

    const std::tuple<std::string_view, long long, std::string_view> sums[] = {
        {"2024-02-28", 1, "2024-02-29"},  {"2023-02-28", 1, "2023-03-01"},  {"2024-12-31", 1, "2025-01-01"},
        {"2024-01-01", -1, "2023-12-31"}, {"2000-03-01", -1, "2000-02-29"}, {"1900-03-01", -1, "1900-02-28"},
        {"1969-12-31", 1, "1970-01-01"},  {"2024-01-01", 146097, "2424-01-01"},
    };
    for (const auto& [from, days, expected] : sums)
        EXPECT_EQ(formatIsoDate(addDays(date(from), days)), expected) << from << " + " << days;
}

TEST(CivilDate, ParsesOnlyStrictValidIsoDates)
{
    EXPECT_EQ(parseIsoDate("2024-02-29"), (Date{2024, 2, 29}));
    EXPECT_EQ(parseIsoDate("0001-01-01"), (Date{1, 1, 1}));
    for (const std::string_view bad :
         {"2023-02-29", "1900-02-29", "2024-02-30", "2024-04-31", "2024-13-01", "2024-00-10",
          "2024-01-00", "2024-2-29", "2024/02/01", "20240201", " 2024-02-01", "2024-02-01x",
          "+024-02-01", "2024-02-0a", ""})
        EXPECT_FALSE(parseIsoDate(bad)) << bad;
}

TEST(DayType, WeekdaysAndFixedDates)
{
    const std::pair<std::string_view, DayType> cases[] = {
        // A plain week, then fixed dates that override the weekday.
        {"2024-03-15", DayType::Fer}, {"2024-03-16", DayType::Pre}, {"2024-03-17", DayType::Fes},
        {"2023-12-24", DayType::Pre}, {"2022-12-31", DayType::Pre}, // Sunday, Saturday
        {"2024-12-25", DayType::Fes}, {"2024-01-01", DayType::Fes}, {"2024-08-15", DayType::Fes},
        {"2024-12-08", DayType::Fes}, {"2024-05-01", DayType::Fes}, {"2024-01-06", DayType::Fes},
        {"2020-04-25", DayType::Fes}, // Saturday
        // Only the fixed dates count: the eve of a holiday and other feasts are plain days.
        {"2018-08-14", DayType::Fer}, {"2023-11-01", DayType::Fer}, {"2023-06-02", DayType::Fer},
        {"2023-12-26", DayType::Fer}, {"2024-04-01", DayType::Fer}, // Easter Monday
    };
    for (const auto& [iso, type] : cases)
        EXPECT_EQ(dayTypeOf(date(iso)), type) << iso;
}

TEST(DayType, CodesRoundTrip)
{
    for (const DayType type : {DayType::Fer, DayType::Pre, DayType::Fes})
        EXPECT_EQ(parseDayType(dayTypeCode(type)), type);
    EXPECT_EQ(parseDayType("fes"), DayType::Fes);
    for (const std::string_view bad : {"", "FE", "FERI", " FER", "XXX"})
        EXPECT_FALSE(parseDayType(bad)) << bad;
}

} // namespace
} // namespace zrt::test
