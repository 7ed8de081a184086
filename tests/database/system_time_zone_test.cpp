#include "database/system_time_zone.h"
#include "tests/support/rome_time_zone.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

// The zone data of the system and the EU rule agree on Rome around each
// change: the offsets, the next change from each instant, and the instant a
// logged wall-clock start stands for on every quarter hour of the day.
TEST(SystemTimeZone, RomeFromTheZoneDataFollowsTheEuRule)
{
    const SystemTimeZone system(QTimeZone("Europe/Rome"));
    const RomeTimeZone rule;
    for (const std::string_view day : {"2024-03-31", "2024-10-27", "2025-03-30", "2025-10-26"}) {
        const Date date = parseIsoDate(day).value();
        const long long change = secondsSinceEpoch({date, TimeOfDay{3600}});
        for (const long long fromChange : {-86400LL, -3600LL, -1LL, 0LL, 1LL, 3600LL}) {
            const long long instant = change + fromChange;
            SCOPED_TRACE(testing::Message() << day << " 01:00:00 UTC " << fromChange << " s");
            EXPECT_EQ(system.utcOffsetAt(instant), rule.utcOffsetAt(instant));
            EXPECT_EQ(system.nextOffsetChange(instant), rule.nextOffsetChange(instant));
        }
        constexpr int kQuarterHour = 900;
        for (int second = 0; second < kSecondsPerDay; second += kQuarterHour) {
            const LocalDateTime logged{date, TimeOfDay{second}};
            EXPECT_EQ(utcOfLoggedStart(system, logged), utcOfLoggedStart(rule, logged))
                << formatLocalDateTime(logged);
        }
    }
}

} // namespace
} // namespace zrt::test
