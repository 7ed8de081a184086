#include "engine/spending_limit.h"

#include <gtest/gtest.h>

#include <vector>

namespace zrt::test {
namespace {

TEST(SpendingLimit, LevelsAtTheEdges)
{
    const struct {
        std::int64_t spent;
        std::int64_t limit;
        LimitLevel level;
    } cases[] = {
        {0, 10'000, LimitLevel::Within},         {7'999, 10'000, LimitLevel::Within},
        {8'000, 10'000, LimitLevel::Near},       {9'999, 10'000, LimitLevel::Near},
        {10'000, 10'000, LimitLevel::Reached},   {50'000, 10'000, LimitLevel::Reached},
        {0, 1, LimitLevel::Within},              {1, 1, LimitLevel::Reached}, // 80 % of 1 Lira rounds up to 1
        {800, 1'001, LimitLevel::Within},        {801, 1'001, LimitLevel::Near},
        {kHighestSpendingLimit, kHighestSpendingLimit, LimitLevel::Reached},
        {kHighestSpendingLimit / 10 * 8 - 1, kHighestSpendingLimit, LimitLevel::Within},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.spent) + " of " + std::to_string(c.limit));
        EXPECT_EQ(limitLevel(c.spent, c.limit), c.level);
    }
}

TEST(SpendingLimit, BoundsOfALimit)
{
    const struct {
        std::int64_t lire;
        bool valid;
    } cases[] = {{0, false}, {-5, false}, {1, true}, {kHighestSpendingLimit, true}, {kHighestSpendingLimit + 1, false}};
    for (const auto& c : cases)
        EXPECT_EQ(isValidSpendingLimit(c.lire), c.valid) << c.lire;
}

// Feeds the spending of a sequence of seconds, remembering each warning as
// the program does, and collects the warnings given.
std::vector<LimitLevel> warningsOver(const std::vector<std::pair<std::string, std::int64_t>>& seconds,
                                     std::int64_t limit, LimitWarnings& given)
{
    std::vector<LimitLevel> warned;
    for (const auto& [month, spent] : seconds) {
        const LimitCheck check = checkSpendingLimit(spent, limit, given, month);
        if (!check.due)
            continue;
        warned.push_back(*check.due);
        (*check.due == LimitLevel::Reached ? given.reached : given.near) = month;
    }
    return warned;
}

TEST(SpendingLimit, EachWarningOnceAMonthAndAgainTheNext)
{
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::int64_t>> seconds;
        std::vector<LimitLevel> warned;
    } cases[] = {
        {"climbing past both",
         {{"2026-12", 7'000}, {"2026-12", 8'000}, {"2026-12", 8'500}, {"2026-12", 10'000}, {"2026-12", 12'000}},
         {LimitLevel::Near, LimitLevel::Reached}},
        {"a jump past both says only the higher", {{"2026-12", 1'000}, {"2026-12", 11'000}, {"2026-12", 11'100}},
         {LimitLevel::Reached}},
        {"both again the next month",
         {{"2026-12", 9'000}, {"2026-12", 10'500}, {"2027-01", 500}, {"2027-01", 8'100}, {"2027-01", 10'000}},
         {LimitLevel::Near, LimitLevel::Reached, LimitLevel::Near, LimitLevel::Reached}},
        {"a month that starts over the limit", {{"2026-12", 10'000}, {"2027-01", 10'000}},
         {LimitLevel::Reached, LimitLevel::Reached}},
        {"never near", {{"2026-12", 0}, {"2026-12", 7'999}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LimitWarnings given;
        EXPECT_EQ(warningsOver(c.seconds, 10'000, given), c.warned);
    }
}

TEST(SpendingLimit, WarningsGivenBeforeARestartAreNotRepeated)
{
    const LimitWarnings given{"2026-12", "2026-11"};
    EXPECT_FALSE(checkSpendingLimit(9'000, 10'000, given, "2026-12").due);
    EXPECT_EQ(checkSpendingLimit(10'000, 10'000, given, "2026-12").due, LimitLevel::Reached);
    EXPECT_EQ(checkSpendingLimit(9'000, 10'000, given, "2027-01").due, LimitLevel::Near);
}

TEST(SpendingLimit, RaisingTheLimitLowersTheLevel)
{
    const LimitWarnings given{"2026-12", "2026-12"};
    EXPECT_EQ(checkSpendingLimit(10'000, 10'000, given, "2026-12").level, LimitLevel::Reached);
    EXPECT_EQ(checkSpendingLimit(10'000, 12'000, given, "2026-12").level, LimitLevel::Near);
    const LimitCheck raised = checkSpendingLimit(10'000, 20'000, given, "2026-12");
    EXPECT_EQ(raised.level, LimitLevel::Within);
    EXPECT_FALSE(raised.due);
}

TEST(SpendingLimit, UsedPercentHasOneDecimal)
{
    EXPECT_DOUBLE_EQ(limitUsedPercent(0, 10'000), 0.0);
    EXPECT_DOUBLE_EQ(limitUsedPercent(8'125, 10'000), 81.3);
    EXPECT_DOUBLE_EQ(limitUsedPercent(25'000, 10'000), 250.0);
}

} // namespace
} // namespace zrt::test
