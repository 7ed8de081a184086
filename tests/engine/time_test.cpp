#include "engine/elapsed_time.h"
#include "engine/local_date_time.h"
#include "engine/time_of_day.h"
#include "engine/time_zone_rules.h"
#include "tests/support/rome_time_zone.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

TEST(TimeOfDay, ParsesHoursMinutesAndOptionalSecondsUpToMidnight)
{
    const std::pair<std::string_view, int> valid[] = {
        {"00:00:00", 0},     {"12:34:56", 45296}, {"23:59:59", 86399},
        {"24:00:00", 86400}, {"08:30", 30600},    {"24:00", 86400},
    };
    for (const auto& [text, seconds] : valid)
        EXPECT_EQ(parseTimeOfDay(text), TimeOfDay{seconds}) << text;
    for (const std::string_view bad : {"24:00:01", "24:30", "25:00", "12:60", "12:00:60", "1:00:00",
                                       "12:0:00", "12-00-00", "12:00:", "aa:bb", "", "12:00:00 "})
        EXPECT_FALSE(parseTimeOfDay(bad)) << bad;
    EXPECT_EQ(formatTimeOfDay(TimeOfDay{3723}), "01:02:03");
    EXPECT_EQ(formatTimeOfDay(TimeOfDay{kSecondsPerDay}), "24:00:00");
}

TEST(LocalDateTime, ParsesOnlyInstantsBeforeMidnight)
{
    EXPECT_EQ(formatLocalDateTime(parseLocalDateTime("2024-03-15 23:59:59").value()), "2024-03-15 23:59:59");
    for (const std::string_view bad : {"2024-03-15 24:00:00", "2024-03-15T10:00:00", "2024-03-15 10:00",
                                       "2024-02-30 10:00:00", "2024-03-15  10:00:00"})
        EXPECT_FALSE(parseLocalDateTime(bad)) << bad;
}

TEST(LocalDateTime, AdvancesAcrossMidnightBothWays)
{
    const std::tuple<std::string_view, long long, std::string_view> cases[] = {
        {"2024-02-28 23:00:00", 7200, "2024-02-29 01:00:00"}, {"2024-03-01 00:30:00", -3600, "2024-02-29 23:30:00"},
        {"2024-01-01 12:00:00", 366LL * kSecondsPerDay, "2025-01-01 12:00:00"},
    };
    for (const auto& [from, seconds, expected] : cases)
        EXPECT_EQ(formatLocalDateTime(advance(parseLocalDateTime(from).value(), seconds)), expected)
            << from << " + " << seconds;
}

TEST(ElapsedTime, HoursMinutesSecondsWithAtLeastTwoDigits)
{
    const std::pair<long long, std::string_view> cases[] = {
        {3 * 3600 + 5 * 60 + 9, "03:05:09"}, {100 * 3600, "100:00:00"}, {-5, "00:00:00"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(elapsedTimeText(seconds), text) << seconds;
}

TEST(TimeZoneRules, LoggedStartIsTheFirstInstantItNamesOrTheClockBeforeASkip)
{
    struct Case {
        std::string_view logged;
        std::string_view utc;
        std::string_view shownAtThatInstant;
    };
    const Case cases[] = {
        {"2024-01-15 12:00:00", "2024-01-15 11:00:00", "2024-01-15 12:00:00"},
        // Set back: 02:00-02:59:59 came twice, first in summer time.
        {"2024-10-27 02:00:00", "2024-10-27 00:00:00", "2024-10-27 02:00:00"},
        {"2024-10-27 02:30:00", "2024-10-27 00:30:00", "2024-10-27 02:30:00"},
        {"2024-10-27 03:00:00", "2024-10-27 02:00:00", "2024-10-27 03:00:00"},
        {"2024-10-28 00:30:00", "2024-10-27 23:30:00", "2024-10-28 00:30:00"},
        // Set forward: 02:00-02:59:59 never came.
        {"2024-03-31 02:00:00", "2024-03-31 01:00:00", "2024-03-31 03:00:00"},
        {"2024-03-31 02:30:00", "2024-03-31 01:30:00", "2024-03-31 03:30:00"},
        {"2024-03-31 03:00:00", "2024-03-31 01:00:00", "2024-03-31 03:00:00"},
    };
    for (const Case& c : cases) {
        const long long instant = utcOfLoggedStart(RomeTimeZone{}, parseLocalDateTime(c.logged).value());
        EXPECT_EQ(formatLocalDateTime(fromSecondsSinceEpoch(instant)), c.utc) << c.logged;
        EXPECT_EQ(formatLocalDateTime(RomeTimeZone{}.toLocal(instant)), c.shownAtThatInstant) << c.logged;
    }
}

} // namespace
} // namespace zrt::test
