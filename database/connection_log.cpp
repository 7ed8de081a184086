#include "connection_log.h"

#include "band_lookup_query.h"
#include "database.h"
#include "row_reading.h"
#include "vat_store.h"

#include "engine/pricing.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>
#include <limits>

namespace zrt {

namespace {

const QString kRowColumns = QStringLiteral(
    "id, data, Connessione, inizio, fine, scatti, costo, servizio, secondi, inizio_utc, collegamento, "
    "byte_ricevuti, byte_inviati");

std::optional<qint64> optionalInteger(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional<qint64>(value.toLongLong());
}

std::optional<QString> optionalText(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional<QString>(value.toString());
}

QVariant nullable(const std::optional<qint64>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::LongLong));
}

QVariant nullable(const std::optional<QString>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::QString));
}

LogRow readRow(const QSqlQuery& query)
{
    return {query.value(0).toLongLong(),     query.value(1).toString(),       query.value(2).toString(),
            query.value(3).toString(),       query.value(4).toString(),       optionalInteger(query.value(5)),
            optionalInteger(query.value(6)), query.value(7).toString(),       optionalInteger(query.value(8)),
            optionalInteger(query.value(9)), optionalText(query.value(10)),   optionalInteger(query.value(11)),
            optionalInteger(query.value(12))};
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

// The month runs from its first day, included, to the first day of the next.
std::pair<QString, QString> monthRange(int year, int month)
{
    const Date first{year, month, 1};
    const Date next = month == 12 ? Date{year + 1, 1, 1} : Date{year, month + 1, 1};
    return {isoDate(first), isoDate(next)};
}


// The cost in whole Lire, halves away from zero, when it is credible.
std::optional<qint64> credibleLire(double lire)
{
    if (!(lire >= 0 && lire <= double(kHighestCredibleCost)))
        return std::nullopt;
    return std::llround(lire);
}

// A closed row as repricing reads it.
struct UnpricedRow {
    qint64 id = 0;
    QString connessione;
    std::optional<LocalDateTime> start;
    qint64 seconds = 0;
};

// The stored seconds; for rows that have none, the time from start to end
// (across midnight when the end is earlier).
qint64 secondsOf(const QVariant& secondi, const std::optional<TimeOfDay>& inizio, const QVariant& fine)
{
    if (!secondi.isNull())
        return secondi.toLongLong();
    const std::optional<TimeOfDay> end = parseTimeOfDay(fine.toString().toStdString());
    if (!inizio || !end)
        return 0;
    return ((end->seconds - inizio->seconds) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
}

// Rows without a cost are the new form of an unpriced call; cost 0 under
// "Non disponibile" the form earlier versions wrote.
const QString kUnpricedClosedRow = QStringLiteral("fine IS NOT NULL AND (costo IS NULL OR (servizio = ? AND costo = 0))");

QList<UnpricedRow> unpricedRows(const Database& database, int year, int month)
{
    const auto [first, next] = monthRange(year, month);
    QSqlQuery query = database.query(
        QStringLiteral("SELECT id, Connessione, data, inizio, fine, secondi FROM Connessioni "
                       "WHERE data >= ? AND data < ? AND %1 ORDER BY id")
            .arg(kUnpricedClosedRow),
        {first, next, kServizioNonDisponibile});
    QList<UnpricedRow> rows;
    while (Database::nextRow(query)) {
        const std::optional<Date> date = parseIsoDate(query.value(2).toString().toStdString());
        const std::optional<TimeOfDay> inizio = parseTimeOfDay(query.value(3).toString().toStdString());
        const bool startKnown = date && inizio && inizio->seconds < kSecondsPerDay;
        rows.append({query.value(0).toLongLong(), query.value(1).toString(),
                     startKnown ? std::optional(LocalDateTime{*date, *inizio}) : std::nullopt,
                     secondsOf(query.value(5), inizio, query.value(4))});
    }
    return rows;
}

} // namespace

bool isCredibleCost(qint64 lire)
{
    return lire >= 0 && lire <= kHighestCredibleCost;
}

qint64 saturatingSum(qint64 a, qint64 b)
{
    qint64 sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? std::numeric_limits<qint64>::max() : sum;
}

std::optional<qint64> trafficBytes(const LogRow& row)
{
    if (!row.byteRicevuti || !row.byteInviati || *row.byteRicevuti < 0 || *row.byteInviati < 0)
        return std::nullopt;
    return saturatingSum(*row.byteRicevuti, *row.byteInviati);
}

qint64 ConnectionLog::open(const LogRowStart& start, const StoredFigures& figures)
{
    Transaction transaction(database_);
    const QSqlQuery insert = database_.query(
        QStringLiteral("INSERT INTO Connessioni (data, Connessione, inizio, servizio, scatti, costo, secondi, "
                       "inizio_utc, collegamento, byte_ricevuti, byte_inviati) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {isoDate(start.inizio.date), start.connessione, timeText(start.inizio.time), start.servizio,
         nullable(figures.scatti), nullable(figures.costo), figures.secondi, nullable(start.inizioUtc),
         nullable(start.collegamento), nullable(figures.byteRicevuti), nullable(figures.byteInviati)});
    const qint64 key = insert.lastInsertId().toLongLong();
    transaction.commit();
    return key;
}

qint64 ConnectionLog::open(const QString& connessione, LocalDateTime inizio, const QString& servizio)
{
    return open(LogRowStart{connessione, inizio, servizio, std::nullopt, std::nullopt});
}

bool ConnectionLog::checkpoint(qint64 id, const StoredFigures& figures)
{
    Transaction transaction(database_);
    const QSqlQuery update = database_.query(
        QStringLiteral("UPDATE Connessioni SET costo = ?, scatti = ?, secondi = ?, byte_ricevuti = ?, byte_inviati = ? "
                       "WHERE id = ? AND fine IS NULL"),
        {nullable(figures.costo), nullable(figures.scatti), figures.secondi, nullable(figures.byteRicevuti),
         nullable(figures.byteInviati), id});
    const bool changed = update.numRowsAffected() > 0;
    transaction.commit();
    return changed;
}

bool ConnectionLog::close(qint64 id, TimeOfDay fine, const StoredFigures& figures)
{
    Transaction transaction(database_);
    const QSqlQuery update = database_.query(
        QStringLiteral("UPDATE Connessioni SET fine = ?, costo = ?, scatti = ?, secondi = ?, byte_ricevuti = ?, "
                       "byte_inviati = ? WHERE id = ? AND fine IS NULL"),
        {timeText(fine), nullable(figures.costo), nullable(figures.scatti), figures.secondi,
         nullable(figures.byteRicevuti), nullable(figures.byteInviati), id});
    const bool changed = update.numRowsAffected() > 0;
    transaction.commit();
    return changed;
}

void ConnectionLog::setServizio(qint64 id, const QString& servizio)
{
    Transaction transaction(database_);
    database_.query(QStringLiteral("UPDATE Connessioni SET servizio = ? WHERE id = ?"), {servizio, id});
    transaction.commit();
}

std::optional<LogRow> ConnectionLog::row(qint64 id) const
{
    QSqlQuery query = database_.query(QStringLiteral("SELECT %1 FROM Connessioni WHERE id = ?").arg(kRowColumns), {id});
    if (!Database::nextRow(query))
        return std::nullopt;
    return readRow(query);
}

// The index of open rows holds only them, so finding them reads no closed row.
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
QList<LogRow> ConnectionLog::monthPage(int year, int month, qint64 afterId, int count) const
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

// Summed here rather than by SQL, whose SUM stops at an overflow: a sum past
// the largest number stays there.
LogTotal ConnectionLog::monthTotal(int year, int month, Rows rows) const
{
    const auto [start, end] = monthRange(year, month);
    const QString closedOnly = rows == Rows::Closed ? QStringLiteral(" AND fine IS NOT NULL") : QString();
    QSqlQuery query = database_.query(
        QStringLiteral("SELECT costo FROM Connessioni WHERE data >= ? AND data < ?%1").arg(closedOnly), {start, end});
    LogTotal total;
    while (Database::nextRow(query)) {
        const QVariant costo = query.value(0);
        bool whole = false;
        const qint64 lire = costo.toLongLong(&whole);
        if (costo.isNull() || !whole || !isCredibleCost(lire))
            ++total.unpriced;
        else
            total.lire = saturatingSum(total.lire, lire);
    }
    return total;
}

RepriceOutcome ConnectionLog::repriceMonth(int year, int month)
{
    Transaction transaction(database_);
    const QList<UnpricedRow> rows = unpricedRows(database_, year, month);
    const int vatRate = rows.isEmpty() ? 0 : VatStore(database_).read();
    QSqlQuery price = database_.prepare(
        QStringLiteral("UPDATE Connessioni SET costo = ?, scatti = ?, servizio = ? WHERE id = ? AND %1")
            .arg(kUnpricedClosedRow));
    QSqlQuery unknown = database_.prepare(
        QStringLiteral("UPDATE Connessioni SET costo = NULL, scatti = NULL WHERE id = ? AND %1").arg(kUnpricedClosedRow));
    QHash<QString, std::optional<Tariff>> tariffs;
    RepriceOutcome outcome;
    for (const UnpricedRow& row : rows) {
        if (!tariffs.contains(row.connessione))
            tariffs.insert(row.connessione, pricingTariff(database_, row.connessione));
        const std::optional<Tariff>& tariff = tariffs[row.connessione];
        const std::optional<MeterReading> reading =
            tariff && row.start ? priceConnection(*tariff, *row.start, row.seconds, vatRate) : std::nullopt;
        const std::optional<qint64> cost = reading ? credibleLire(reading->costLire) : std::nullopt;
        if (cost) {
            Database::execute(price, {*cost, qint64(reading->pulses),
                                      QString::fromStdString(tariff->compagnia), row.id, kServizioNonDisponibile});
            outcome.repriced += price.numRowsAffected();
        } else {
            Database::execute(unknown, {row.id, kServizioNonDisponibile});
            ++outcome.stillUnpriced;
        }
    }
    transaction.commit();
    return outcome;
}

} // namespace zrt
