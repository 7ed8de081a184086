#include "database_spending_limit_source.h"

#include "monitor_database.h"

#include "database/connection_log.h"
#include "database/spending_limit_store.h"

namespace zrt {

std::optional<MonthSpending> DatabaseSpendingLimitSource::read(int year, int month)
{
    Database& database = database_.get();
    const SpendingLimitStore store(database);
    const std::optional<qint64> limit = store.limit();
    if (!limit)
        return std::nullopt;
    return MonthSpending{*limit, ConnectionLog(database).monthTotal(year, month, ConnectionLog::Rows::Closed).lire, store.warnings()};
}

void DatabaseSpendingLimitSource::noteWarning(LimitLevel level, const std::string& month)
{
    SpendingLimitStore(database_.get()).noteWarning(level, month);
}

} // namespace zrt
