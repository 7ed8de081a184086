#include "spending_limit.h"

#include <cmath>

namespace zrt {

namespace {

// Whole Lire from which `percent` of the limit counts as reached; exact for
// every limit within bounds.
std::int64_t thresholdOf(std::int64_t limitLire, int percent)
{
    return (limitLire * percent + 99) / 100;
}

} // namespace

bool isValidSpendingLimit(std::int64_t lire)
{
    return lire >= kLowestSpendingLimit && lire <= kHighestSpendingLimit;
}

LimitLevel limitLevel(std::int64_t spentLire, std::int64_t limitLire)
{
    if (spentLire >= thresholdOf(limitLire, 100))
        return LimitLevel::Reached;
    if (spentLire >= thresholdOf(limitLire, 80))
        return LimitLevel::Near;
    return LimitLevel::Within;
}

LimitCheck checkSpendingLimit(std::int64_t spentLire, std::int64_t limitLire, const LimitWarnings& given,
                              const std::string& month)
{
    LimitCheck check{limitLevel(spentLire, limitLire), std::nullopt};
    if (check.level == LimitLevel::Reached && given.reached != month)
        check.due = LimitLevel::Reached;
    else if (check.level != LimitLevel::Within && given.near != month && given.reached != month)
        check.due = LimitLevel::Near;
    return check;
}

double limitUsedPercent(std::int64_t spentLire, std::int64_t limitLire)
{
    const double percent = static_cast<double>(spentLire) * 100.0 / static_cast<double>(limitLire);
    return std::round(percent * 10.0) / 10.0;
}

} // namespace zrt
