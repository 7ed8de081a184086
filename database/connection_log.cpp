#include "connection_log.h"

#include "database.h"
#include "row_reading.h"

#include <QSqlQuery>
#include <QVariant>

namespace zrt {

namespace {

const QString kRowColumns =
    QStringLiteral("id, data, Connessione, inizio, fine, scatti, costo, servizio, secondi");

std::optional<qint64> optionalInteger(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional<qint64>(value.toLongLong());
}

LogRow readRow(const QSqlQuery& query)
{
    return {query.value(0).toInt(),       query.value(1).toString(),          query.value(2).toString(),
            query.value(3).toString(),    query.value(4).toString(),          optionalInteger(query.value(5)),
            optionalInteger(query.value(6)), query.value(7).toString(),       optionalInteger(query.value(8))};
}

QList<LogRow> readRows(QSqlQuery& query)
{
    QList<LogRow> rows;
    while (Database::nextRow(query))
        rows.append(readRow(query));
    return rows;
}

QString isoDate(Date date)
{
    return QString::fromStdString(formatIsoDate(date));
}

QVariant orNull(const std::optional<qint64>& value)
{
    return value ? QVariant(*value) : QVariant();
}

// The month runs from its first day, included, to the first day of the next.
std::pair<QString, QString> monthRange(int year, int month)
{
    const Date first{year, month, 1};
    const Date next = month == 12 ? Date{year + 1, 1, 1} : Date{year, month + 1, 1};
    return {isoDate(first), isoDate(next)};
}

} // namespace

int ConnectionLog::open(const QString& connessione, LocalDateTime inizio, const QString& servizio)
{
    Transaction transaction(database_);
    const QSqlQuery insert = database_.query(
        QStringLiteral("INSERT INTO Connessioni (data, Connessione, inizio, servizio, scatti, costo, secondi) "
                       "VALUES (?, ?, ?, ?, 0, 0, 0)"),
        {isoDate(inizio.date), connessione, timeText(inizio.time), servizio});
    const int key = insert.lastInsertId().toInt();
    transaction.commit();
    return key;
}

void ConnectionLog::checkpoint(int id, const LogFigures& figures)
{
    Transaction transaction(database_);
    database_.query(QStringLiteral("UPDATE Connessioni SET costo = ?, scatti = ?, secondi = ? "
                                   "WHERE id = ? AND fine IS NULL"),
                    {orNull(figures.costo), orNull(figures.scatti), figures.secondi, id});
    transaction.commit();
}

void ConnectionLog::close(int id, TimeOfDay fine, const LogFigures& figures)
{
    Transaction transaction(database_);
    database_.query(QStringLiteral("UPDATE Connessioni SET fine = ?, costo = ?, scatti = ?, secondi = ? WHERE id = ?"),
                    {timeText(fine), orNull(figures.costo), orNull(figures.scatti), figures.secondi, id});
    transaction.commit();
}

void ConnectionLog::setServizio(int id, const QString& servizio)
{
    Transaction transaction(database_);
    database_.query(QStringLiteral("UPDATE Connessioni SET servizio = ? WHERE id = ?"), {servizio, id});
    transaction.commit();
}

std::optional<LogRow> ConnectionLog::row(int id) const
{
    QSqlQuery query = database_.query(QStringLiteral("SELECT %1 FROM Connessioni WHERE id = ?").arg(kRowColumns), {id});
    if (!query.next())
        return std::nullopt;
    return readRow(query);
}

QList<LogRow> ConnectionLog::openRows() const
{
    QSqlQuery query =
        database_.query(QStringLiteral("SELECT %1 FROM Connessioni WHERE fine IS NULL ORDER BY id").arg(kRowColumns));
    return readRows(query);
}

QList<LogRow> ConnectionLog::month(int year, int month) const
{
    return monthPage(year, month, 0, -1);
}

// The month's rows lie between its lowest and its highest key, which the date
// index gives without reading the table. That stretch of the table is read in
// key order, with no sort and no lookup a row; the date test drops the rows of
// other days within it, which are there only if the clock was set back
// between two connections.
QList<LogRow> ConnectionLog::monthPage(int year, int month, int afterId, int count) const
{
    const auto [start, end] = monthRange(year, month);
    QSqlQuery query = database_.query(
        QStringLiteral("SELECT %1 FROM Connessioni "
                       "WHERE id > MAX(?, (SELECT MIN(id) - 1 FROM Connessioni WHERE data >= ? AND data < ?)) "
                       "AND id <= (SELECT MAX(id) FROM Connessioni WHERE data >= ? AND data < ?) "
                       "AND +data >= ? AND +data < ? "
                       "ORDER BY id LIMIT ?")
            .arg(kRowColumns),
        {afterId, start, end, start, end, start, end, count});
    return readRows(query);
}

qint64 ConnectionLog::monthTotal(int year, int month) const
{
    const auto [start, end] = monthRange(year, month);
    QSqlQuery query = database_.query(
        QStringLiteral("SELECT COALESCE(SUM(costo), 0) FROM Connessioni WHERE data >= ? AND data < ?"), {start, end});
    return query.next() ? query.value(0).toLongLong() : 0;
}

} // namespace zrt
