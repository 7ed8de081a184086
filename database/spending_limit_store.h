#pragma once

#include "engine/spending_limit.h"

#include <QtGlobal>

#include <optional>

namespace zrt {

class Database;

// The monthly spending limit and the months its warnings were last given,
// kept in the table Impostazioni so that a restart does not repeat them.
class SpendingLimitStore {
public:
    explicit SpendingLimitStore(Database& database) : database_(database) {}

    // Nothing when no limit is set. Throws DatabaseError for a stored value
    // that is not a limit: the meter never warns against a number nobody set.
    std::optional<qint64> limit() const;
    // Throws DatabaseError for a limit out of bounds, storing nothing.
    void setLimit(qint64 lire);
    void clearLimit();

    LimitWarnings warnings() const;
    // Records that the warning of `level` was given in `month` ("YYYY-MM").
    void noteWarning(LimitLevel level, const std::string& month);

private:
    std::optional<QString> value(const QString& key) const;
    void setValue(const QString& key, const QString& value);

    Database& database_;
};

} // namespace zrt
