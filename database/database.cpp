#include "database.h"

#include "database_error.h"
#include "schema.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlError>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>

#include <fcntl.h>
#include <unistd.h>

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

// Nothing at all may stand at a path a new file is to take, not even a
// dangling symbolic link: SQLite would create the file at its target.
void checkFree(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        throw DatabaseError(QStringLiteral("%1: is a symbolic link; give the path of the new file itself").arg(path));
    if (info.exists())
        throw DatabaseError(QStringLiteral("%1: the file already exists").arg(path));
}

// SQLite reports a statement stopped by the progress handler as interrupted.
constexpr char kInterrupted[] = "9";

// SQLITE_BUSY and SQLITE_LOCKED: another connection holds the file.
DatabaseError::Cause causeOf(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6") ? DatabaseError::Cause::Locked
                                                                     : DatabaseError::Cause::Other;
}

QString describe(const QSqlError& error)
{
    if (error.nativeErrorCode() == QLatin1String(kInterrupted))
        return QStringLiteral("stopped: a statement ran past its time limit, so the file is not usable");
    return error.text();
}

QString temporaryNameFor(const QString& path)
{
    const QFileInfo target(path);
    return target.dir().filePath(QStringLiteral(".%1.%2.tmp")
                                     .arg(target.fileName())
                                     .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
}

// Gives a complete file its name, which must still be free: a rename that
// never replaces, or where the file system cannot do that, a hard link.
void publish(const QString& temporary, const QString& path)
{
    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(path);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return;
    int failure = errno;
    if (failure == EINVAL || failure == ENOSYS) {
        if (::link(from.constData(), to.constData()) == 0) {
            ::unlink(from.constData());
            return;
        }
        failure = errno;
    }
    if (failure == EEXIST)
        checkFree(path);
    throw DatabaseError(
        QStringLiteral("%1: cannot create the file: %2").arg(path, QString::fromLocal8Bit(std::strerror(failure))));
}

void removeTemporary(const QString& temporary)
{
    QFile::remove(temporary);
    QFile::remove(temporary + QStringLiteral("-journal"));
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

Database Database::openForeign(const QString& path, std::chrono::milliseconds budget, StatementBudget::Clock clock)
{
    Database database = openSqliteFile(path, Access::ReadOnly);
    database.budget_ = std::make_unique<StatementBudget>(database.connection_, budget, std::move(clock));
    return database;
}

// A file opened only to be read is brought up to date too, through a
// connection of its own: the statements of this version name the new
// columns.
Database Database::open(const QString& path, Access access)
{
    Database database = openSqliteFile(path, access);
    checkSchema(database);
    if (needsUpgrade(database)) {
        if (access == Access::ReadWrite) {
            upgradeSchema(database);
        } else {
            Database writable = openSqliteFile(path, Access::ReadWrite);
            upgradeSchema(writable);
        }
    }
    return database;
}

Database Database::createEmpty(const QString& path)
{
    checkFree(path);
    return Database(connect(path, connectOptions(Access::ReadWrite)), path);
}

Database Database::create(const QString& path)
{
    buildNewFile(path, createSchema);
    return open(path);
}

void buildNewFile(const QString& path, const std::function<void(Database&)>& fill)
{
    checkFree(path);
    const QString temporary = temporaryNameFor(path);
    try {
        {
            Database database = Database::createEmpty(temporary);
            fill(database);
        }
        publish(temporary, path);
    } catch (...) {
        removeTemporary(temporary);
        throw;
    }
}

Database::Database(QSqlDatabase connection, QString path)
    : connection_(std::move(connection)), path_(std::move(path))
{
}

Database::Database(Database&& other) noexcept
    : connection_(std::move(other.connection_)), path_(std::move(other.path_)), budget_(std::move(other.budget_))
{
    other.connection_ = QSqlDatabase();
}

Database& Database::operator=(Database&& other) noexcept
{
    if (this != &other) {
        close();
        connection_ = std::move(other.connection_);
        path_ = std::move(other.path_);
        budget_ = std::move(other.budget_);
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
    budget_.reset();
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
        throw DatabaseError(QStringLiteral("%1: %2").arg(path_, statement.lastError().text()),
                            causeOf(statement.lastError()));
    return statement;
}

void Database::execute(QSqlQuery& query, std::initializer_list<QVariant> values)
{
    int position = 0;
    for (const QVariant& value : values)
        query.bindValue(position++, value);
    if (!query.exec())
        throw DatabaseError(describe(query.lastError()), causeOf(query.lastError()));
}

QSqlQuery Database::query(const QString& sql, std::initializer_list<QVariant> values) const
{
    QSqlQuery statement = prepare(sql);
    if (budget_)
        budget_->restart();
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
        throw DatabaseError(describe(query.lastError()), causeOf(query.lastError()));
    return false;
}

void Database::begin()
{
    if (!connection_.transaction())
        throw DatabaseError(QStringLiteral("%1: cannot begin a transaction: %2")
                                .arg(path_, connection_.lastError().text()),
                            causeOf(connection_.lastError()));
}

void Database::commit()
{
    if (!connection_.commit())
        throw DatabaseError(QStringLiteral("%1: cannot save the changes: %2")
                                .arg(path_, connection_.lastError().text()),
                            causeOf(connection_.lastError()));
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
