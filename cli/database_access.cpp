#include "database_access.h"

#include "arguments.h"

#include "database/data_folder.h"
#include "database/schema.h"

#include <QFileInfo>

namespace zrt::cli {

QString databasePath(const Arguments& arguments)
{
    if (arguments.has(QStringLiteral("db")))
        return arguments.value(QStringLiteral("db"));
    return joinPath(prepareDataFolder(QString()), kDatabaseFileName);
}

Database openExisting(const QString& path)
{
    // Read-only first, so a file that is only read is never written to.
    Database database = Database::open(path, Database::Access::ReadOnly);
    if (fieldExists(database, table::kFasce, QStringLiteral("SecondoCosto")))
        return database;
    database = Database::open(path, Database::Access::ReadWrite);
    upgradeSchema(database);
    return database;
}

} // namespace zrt::cli
