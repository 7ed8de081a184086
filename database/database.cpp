#include "database.h"

#include "database_error.h"
#include "schema.h"

#include <QAtomicInteger>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

#include <exception>

namespace zrt {

namespace {

constexpr int kBusyTimeoutMs = 2000;

QString nextConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("zrtellix-%1").arg(counter.fetchAndAddRelaxed(1));
}

bool hasSqliteHeader(const QString& path)
{
    static const QByteArray header("SQLite format 3\0", 16);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(header.size()) == header;
}

void checkOpenable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw DatabaseError(QStringLiteral("%1: the database file does not exist").arg(path));
    if (!info.isFile())
        throw DatabaseError(QStringLiteral("%1: not a file").arg(path));
    if (!info.isReadable())
        throw DatabaseError(QStringLiteral("%1: the database file cannot be read").arg(path));
    if (!hasSqliteHeader(path))
        throw DatabaseError(QStringLiteral("%1: not a SQLite database file").arg(path));
}

QSqlDatabase connect(const QString& path, const QString& options)
{
    QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nextConnectionName());
    connection.setDatabaseName(path);
    connection.setConnectOptions(options);
    if (!connection.open()) {
        const QString reason = connection.lastError().text();
        const QString name = connection.connectionName();
        connection = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw DatabaseError(QStringLiteral("%1: cannot open the database: %2").arg(path, reason));
    }
    return connection;
}

QString connectOptions(Database::Access access)
{
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    if (access == Database::Access::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    return options;
}

} // namespace

Database Database::openSqliteFile(const QString& path, Access access)
{
    checkOpenable(path);
    return Database(connect(path, connectOptions(access)), path);
}

Database Database::open(const QString& path, Access access)
{
    Database database = openSqliteFile(path, access);
    const QString missing = missingTable(database);
    if (!missing.isEmpty())
        throw DatabaseError(QStringLiteral("%1: not a ZR Tellix 99 database (no table \"%2\")")
                                .arg(path, missing));
    return database;
}

Database Database::createEmpty(const QString& path)
{
    if (QFileInfo::exists(path))
        throw DatabaseError(QStringLiteral("%1: the file already exists").arg(path));
    return Database(connect(path, connectOptions(Access::ReadWrite)), path);
}

Database Database::create(const QString& path)
{
    buildNewFile(path, createSchema);
    return open(path);
}

void buildNewFile(const QString& path, const std::function<void(Database&)>& fill)
{
    std::exception_ptr failure;
    {
        Database database = Database::createEmpty(path);
        try {
            fill(database);
        } catch (...) {
            failure = std::current_exception();
        }
    }
    if (failure) {
        QFile::remove(path);
        std::rethrow_exception(failure);
    }
}

Database::Database(QSqlDatabase connection, QString path)
    : connection_(std::move(connection)), path_(std::move(path))
{
}

Database::Database(Database&& other) noexcept
    : connection_(std::move(other.connection_)), path_(std::move(other.path_))
{
    other.connection_ = QSqlDatabase();
}

Database& Database::operator=(Database&& other) noexcept
{
    if (this != &other) {
        close();
        connection_ = std::move(other.connection_);
        path_ = std::move(other.path_);
        other.connection_ = QSqlDatabase();
    }
    return *this;
}

Database::~Database()
{
    close();
}

void Database::close()
{
    if (!connection_.isValid())
        return;
    const QString name = connection_.connectionName();
    connection_.close();
    connection_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

QSqlQuery Database::prepare(const QString& sql) const
{
    QSqlQuery statement(connection_);
    statement.setForwardOnly(true);
    if (!statement.prepare(sql))
        throw DatabaseError(QStringLiteral("%1: %2").arg(path_, statement.lastError().text()));
    return statement;
}

void Database::execute(QSqlQuery& query, std::initializer_list<QVariant> values)
{
    int position = 0;
    for (const QVariant& value : values)
        query.bindValue(position++, value);
    if (!query.exec())
        throw DatabaseError(query.lastError().text());
}

QSqlQuery Database::query(const QString& sql, std::initializer_list<QVariant> values) const
{
    QSqlQuery statement = prepare(sql);
    try {
        execute(statement, values);
    } catch (const DatabaseError& error) {
        throw DatabaseError(QStringLiteral("%1: %2").arg(path_, error.message()));
    }
    return statement;
}

bool Database::nextRow(QSqlQuery& query)
{
    if (query.next())
        return true;
    if (query.lastError().isValid())
        throw DatabaseError(query.lastError().text());
    return false;
}

void Database::begin()
{
    if (!connection_.transaction())
        throw DatabaseError(QStringLiteral("%1: cannot begin a transaction: %2")
                                .arg(path_, connection_.lastError().text()));
}

void Database::commit()
{
    if (!connection_.commit())
        throw DatabaseError(QStringLiteral("%1: cannot save the changes: %2")
                                .arg(path_, connection_.lastError().text()));
}

void Database::rollback()
{
    connection_.rollback();
}

bool Database::hasTable(const QString& table) const
{
    QSqlQuery found = query(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? "
                                           "COLLATE NOCASE"),
                            {table});
    return found.next();
}

Transaction::Transaction(Database& database) : database_(database)
{
    database_.begin();
}

Transaction::~Transaction()
{
    if (open_)
        database_.rollback();
}

void Transaction::commit()
{
    database_.commit();
    open_ = false;
}

} // namespace zrt
