#pragma once

#include "log_store.h"

namespace zrt {

class MonitorDatabase;

// The connection log of the database file.
class DatabaseLogStore final : public LogStore {
public:
    explicit DatabaseLogStore(MonitorDatabase& database) : database_(database) {}

    int open(const QString& entry, LocalDateTime start, const QString& servizio) override;
    void checkpoint(int id, const LogFigures& figures) override;
    void close(int id, TimeOfDay fine, const LogFigures& figures) override;
    void setServizio(int id, const QString& servizio) override;
    QList<LogRow> openRows() override;

private:
    MonitorDatabase& database_;
};

} // namespace zrt
