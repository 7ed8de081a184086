#include "database_access.h"

#include "arguments.h"

#include "database/data_folder.h"

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
    return Database::open(path, Database::Access::ReadOnly);
}

Database openForWriting(const QString& path)
{
    return Database::open(path, Database::Access::ReadWrite);
}

} // namespace zrt::cli
