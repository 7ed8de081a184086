#pragma once

#include "monitor_display.h"
#include "spending_limit_source.h"

#include "engine/civil_date.h"

#include <optional>

namespace zrt {

// Measures the month's spending against the limit while a call is metered:
// the month's ended calls and the limit are read when the call starts and
// again once a minute, so a limit changed meanwhile counts at once, and the
// running call's cost is added each second. The call counts in the month it
// started in, as its row does. Each warning is shown once a month, and the
// level of spending is shown with the cost.
class SpendingWatch {
public:
    SpendingWatch(SpendingLimitSource* source, MonitorDisplay& display) : source_(source), display_(display) {}

    void callStarted(const Date& today);
    // The running call's cost so far, VAT included; nothing while unknown.
    // Called once a second.
    void update(const std::optional<double>& runningCostLire, const Date& today);

private:
    static constexpr int kUpdatesBetweenReadings = 60;

    void readMonth(const Date& today);

    SpendingLimitSource* source_;
    MonitorDisplay& display_;
    std::optional<MonthSpending> month_; // nothing without a limit, or when it could not be read
    Date callMonth_;
    Date readOn_;
    int updatesSinceReading_ = 0;
};

} // namespace zrt
