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

// Two old calls of "Casa": an hour at key 1 (3048 Lire) and a minute at
// key 2^32 (152 Lire), so the next row's key is past 2^32.
inline void insertCallsPastTwoToTheThirtyTwo(const ScratchDatabase& scratch)
{
    Database db = scratch.open();
    db.query(QStringLiteral("INSERT INTO Connessioni (id, data, Connessione, inizio, fine, scatti, costo, servizio, "
                            "secondi) VALUES (1, '2026-12-01', 'Casa', '09:00:00', '10:00:00', 20, 3048, 'x', 3600)"));
    db.query(QStringLiteral("INSERT INTO Connessioni (id, data, Connessione, inizio, fine, scatti, costo, servizio, "
                            "secondi) VALUES (4294967296, '2026-12-02', 'Casa', '09:00:00', '09:01:00', 0, 152, 'x', 60)"));
}

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
