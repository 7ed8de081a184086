#pragma once

#include "engine/spending_limit.h"

#include <QtGlobal>

#include <optional>
#include <string>

namespace zrt {

// What the month's spending is measured against.
struct MonthSpending {
    qint64 limitLire = 0;
    qint64 closedCallsLire = 0; // the month's calls ended so far
    LimitWarnings given;
};

class SpendingLimitSource {
public:
    virtual ~SpendingLimitSource() = default;

    // Nothing when no limit is set. Throws DatabaseError when it cannot be
    // read.
    virtual std::optional<MonthSpending> read(int year, int month) = 0;
    virtual void noteWarning(LimitLevel level, const std::string& month) = 0;
};

} // namespace zrt
