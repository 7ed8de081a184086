#pragma once

#include "database/connection_log.h"

namespace zrt {

// The connection log as the monitor writes it. Every operation throws
// DatabaseError when the log cannot be reached.
class LogStore {
public:
    virtual ~LogStore() = default;

    virtual qint64 open(const LogRowStart& start, const StoredFigures& figures) = 0;
    // False when the row is no longer there to write: deleted by another
    // program, or the file was replaced by another since the row was opened.
    virtual bool checkpoint(qint64 id, const StoredFigures& figures) = 0;
    virtual bool close(qint64 id, TimeOfDay fine, const StoredFigures& figures) = 0;
    virtual void setServizio(qint64 id, const QString& servizio) = 0;
    // The rows without an end, oldest first.
    virtual QList<LogRow> openRows() = 0;
};

} // namespace zrt
