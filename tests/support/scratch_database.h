#pragma once

#include "database/connection_log.h"
#include "database/database.h"
#include "database/default_content.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <optional>
#include <ostream>

namespace zrt::test {

// A database file of its own in a temporary folder, removed afterwards.
class ScratchDatabase {
public:
    explicit ScratchDatabase(Content content = Content::DefaultTariffs)
        : path_(folder_.filePath(QStringLiteral("zrtell.T99")))
    {
        createDatabaseFile(path_, content);
    }

    const QString& path() const { return path_; }
    QString folder() const { return folder_.path(); }
    Database open() const { return Database::open(path_); }

    // Every row of the connection log in stored order, read through a
    // connection of its own.
    QList<LogRow> rows() const
    {
        Database reader = open();
        ConnectionLog log(reader);
        QList<LogRow> result;
        QSqlQuery ids = reader.query(QStringLiteral("SELECT id FROM Connessioni ORDER BY id"));
        while (ids.next())
            result.append(*log.row(ids.value(0).toLongLong()));
        return result;
    }

private:
    QTemporaryDir folder_;
    QString path_;
};

// Another program holding the file locked, in an exclusive transaction of
// its own, until it goes.
class ExclusiveLock {
public:
    explicit ExclusiveLock(const ScratchDatabase& scratch) : holder_(scratch.open())
    {
        holder_.query(QStringLiteral("BEGIN EXCLUSIVE"));
    }
    ~ExclusiveLock() { holder_.query(QStringLiteral("ROLLBACK")); }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

private:
    Database holder_;
};

inline QByteArray fileDigest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The times and figures of a log row, compared as one.
struct RowFigures {
    QString inizio;
    QString fine; // empty while the row is open
    std::optional<qint64> secondi;
    std::optional<qint64> scatti;
    std::optional<qint64> costo;
    bool operator==(const RowFigures&) const = default;
};

inline RowFigures figuresOf(const LogRow& row)
{
    return {row.inizio, row.fine, row.secondi, row.scatti, row.costo};
}

inline void PrintTo(const RowFigures& row, std::ostream* out)
{
    *out << row.inizio.toStdString() << "-" << row.fine.toStdString() << ", " << row.secondi.value_or(-1) << " s, "
         << row.scatti.value_or(-1) << " scatti, " << row.costo.value_or(-1) << " Lire";
}

} // namespace zrt::test
