#pragma once

#include "spending_limit_source.h"

namespace zrt {

class MonitorDatabase;

// The limit, the warnings given and the month's total of the database file.
class DatabaseSpendingLimitSource final : public SpendingLimitSource {
public:
    explicit DatabaseSpendingLimitSource(MonitorDatabase& database) : database_(database) {}

    std::optional<MonthSpending> read(int year, int month) override;
    void noteWarning(LimitLevel level, const std::string& month) override;

private:
    MonitorDatabase& database_;
};

} // namespace zrt
