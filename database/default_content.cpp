#include "default_content.h"

#include "database.h"
#include "database_error.h"
#include "schema.h"
#include "sql_script.h"
#include "vat_store.h"

#include <QFile>

namespace zrt {

namespace {

constexpr int kDefaultVat = 20;

QString defaultTariffsScript()
{
    QFile script(QStringLiteral(":/zrtellix/default_tariffs.sql"));
    if (!script.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("the default tariffs are missing from the program"));
    return QString::fromUtf8(script.readAll());
}

void fill(Database& database, Content content)
{
    if (content == Content::Empty) {
        VatStore(database).write(kDefaultVat);
        return;
    }
    Transaction transaction(database);
    runSqlScript(database, defaultTariffsScript());
    transaction.commit();
}

} // namespace

// The file will hold the user's connection log: it is private from the
// start, whatever the creation mask (SQLite makes new files readable by all).
void createDatabaseFile(const QString& path, Content content)
{
    buildNewFile(path, [content](Database& database) {
        QFile::setPermissions(database.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        createSchema(database);
        fill(database, content);
    });
}

} // namespace zrt
