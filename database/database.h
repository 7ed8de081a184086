#pragma once

#include "statement_budget.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <memory>

namespace zrt {

inline constexpr char kDatabaseFileName[] = "zrtell.T99";

// How long one statement on a file the program did not write may run.
inline constexpr std::chrono::milliseconds kForeignStatementBudget{2000};

// One open connection to a tariff database file. Opening checks that the
// file exists, is a SQLite database and holds our tables and columns, and
// adds the columns and indexes of later versions, so a caller never works
// on a half-opened, outdated or foreign file. Every statement is prepared
// and takes its values as bound parameters.
class Database {
public:
    enum class Access { ReadWrite, ReadOnly };

    // Opens an existing database, bringing an older layout up to date (even
    // when opened for reading); throws DatabaseError when the file is
    // missing, unreadable, not a database, not ours, or cannot be updated.
    static Database open(const QString& path, Access access = Access::ReadWrite);
    // Opens any existing SQLite file, whatever its tables.
    static Database openSqliteFile(const QString& path, Access access);
    // Opens, read-only, a file the program did not write (an update file):
    // every statement run through query() is stopped once it has run for
    // `budget`, with a DatabaseError.
    static Database openForeign(const QString& path, std::chrono::milliseconds budget = kForeignStatementBudget,
                                StatementBudget::Clock clock = {});
    // Creates a new file with the empty schema; refuses an existing file.
    static Database create(const QString& path);
    // Creates a new SQLite file with no tables; refuses an existing file
    // and a symbolic link, which SQLite would follow.
    static Database createEmpty(const QString& path);

    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    const QString& path() const { return path_; }

    // Prepares a statement; throws DatabaseError when it does not compile.
    QSqlQuery prepare(const QString& sql) const;
    // Binds the values in order and runs a prepared statement.
    static void execute(QSqlQuery& query, std::initializer_list<QVariant> values = {});
    // Prepares, binds and runs in one step; a new statement for the time
    // budget, if the connection has one.
    QSqlQuery query(const QString& sql, std::initializer_list<QVariant> values = {}) const;
    // Moves to the next row of a query that has run; false after the last.
    // Throws DatabaseError when the row cannot be read (a damaged or
    // truncated file), which QSqlQuery::next() would take for the end.
    static bool nextRow(QSqlQuery& query);

    void begin();
    void commit();
    void rollback();

    bool hasTable(const QString& table) const;

private:
    Database(QSqlDatabase connection, QString path);
    void close();

    QSqlDatabase connection_;
    QString path_;
    std::unique_ptr<StatementBudget> budget_;
};

// Creates a new file and fills it. The file is built under a temporary name
// in the same folder and takes its own name only when complete, never
// replacing anything there: an existing file or a symbolic link, even a
// dangling one, is refused.
void buildNewFile(const QString& path, const std::function<void(Database&)>& fill);

// Holds a write transaction for its scope: committed by commit(), rolled
// back if the scope is left before that (an exception included).
class Transaction {
public:
    explicit Transaction(Database& database);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();

    void commit();

private:
    Database& database_;
    bool open_ = true;
};

} // namespace zrt
