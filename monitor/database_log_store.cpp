#include "database_log_store.h"

#include "monitor_database.h"

namespace zrt {

int DatabaseLogStore::open(const QString& entry, LocalDateTime start, const QString& servizio)
{
    return ConnectionLog(database_.get()).open(entry, start, servizio);
}

void DatabaseLogStore::checkpoint(int id, const LogFigures& figures)
{
    ConnectionLog(database_.get()).checkpoint(id, figures);
}

void DatabaseLogStore::close(int id, TimeOfDay fine, const LogFigures& figures)
{
    ConnectionLog(database_.get()).close(id, fine, figures);
}

void DatabaseLogStore::setServizio(int id, const QString& servizio)
{
    ConnectionLog(database_.get()).setServizio(id, servizio);
}

QList<LogRow> DatabaseLogStore::openRows()
{
    return ConnectionLog(database_.get()).openRows();
}

} // namespace zrt
