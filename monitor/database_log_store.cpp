#include "database_log_store.h"

#include "monitor_database.h"

namespace zrt {

qint64 DatabaseLogStore::open(const LogRowStart& start, const StoredFigures& figures)
{
    const qint64 id = ConnectionLog(database_.get()).open(start, figures);
    fileOfRow_[id] = database_.fileGeneration();
    return id;
}

bool DatabaseLogStore::checkpoint(qint64 id, const StoredFigures& figures)
{
    Database& database = database_.get();
    return inItsFile(id) && ConnectionLog(database).checkpoint(id, figures);
}

bool DatabaseLogStore::close(qint64 id, TimeOfDay fine, const StoredFigures& figures)
{
    Database& database = database_.get();
    const bool closed = inItsFile(id) && ConnectionLog(database).close(id, fine, figures);
    fileOfRow_.erase(id);
    return closed;
}

void DatabaseLogStore::setServizio(qint64 id, const QString& servizio)
{
    Database& database = database_.get();
    if (inItsFile(id))
        ConnectionLog(database).setServizio(id, servizio);
}

QList<LogRow> DatabaseLogStore::openRows()
{
    const QList<LogRow> rows = ConnectionLog(database_.get()).openRows();
    for (const LogRow& row : rows)
        fileOfRow_[row.id] = database_.fileGeneration();
    return rows;
}

bool DatabaseLogStore::inItsFile(qint64 id) const
{
    const auto file = fileOfRow_.find(id);
    return file == fileOfRow_.end() || file->second == database_.fileGeneration();
}

} // namespace zrt
