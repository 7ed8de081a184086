#pragma once

#include "monitor_display.h"
#include "spending_limit_source.h"

#include "engine/civil_date.h"

#include <optional>

namespace zrt {

// Measures the month's spending against the limit while a call is metered:
// the month's logged calls are read once when the call starts, and the
// running call's cost is added each second. Each warning is shown once a
// month, and the level of spending is shown with the cost.
class SpendingWatch {
public:
    SpendingWatch(SpendingLimitSource* source, MonitorDisplay& display) : source_(source), display_(display) {}

    // `loggedLire`: what the call's own row already counts in the month's
    // total, for a call taken up again after a restart.
    void callStarted(const Date& today, qint64 loggedLire = 0);
    // The running call's cost so far, VAT included; nothing while unknown.
    void update(const std::optional<double>& runningCostLire, const Date& today);

private:
    SpendingLimitSource* source_;
    MonitorDisplay& display_;
    std::optional<MonthSpending> month_; // nothing without a limit, or when it could not be read
    Date readOn_;
};

} // namespace zrt
