#pragma once

#include "database/connection_log.h"

namespace zrt {

// The connection log as the monitor writes it. Every operation throws
// DatabaseError when the log cannot be reached.
class LogStore {
public:
    virtual ~LogStore() = default;

    virtual int open(const QString& entry, LocalDateTime start, const QString& servizio) = 0;
    virtual void checkpoint(int id, const LogFigures& figures) = 0;
    virtual void close(int id, TimeOfDay fine, const LogFigures& figures) = 0;
    virtual void setServizio(int id, const QString& servizio) = 0;
    // The rows without an end, oldest first.
    virtual QList<LogRow> openRows() = 0;
};

} // namespace zrt
