#include "connection_statistics.h"

#include "connection_log.h"
#include "database.h"

#include "engine/civil_date.h"

#include <QMap>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>
#include <limits>

namespace zrt {

namespace {

// The rows of a year grouped by start date and entry. Sums are taken with
// TOTAL, which never fails on an overflow as SUM does; they are exact up to
// 2^53 Lire, seconds or bytes, far beyond any real year. The count of the
// traffic known tells a sum of nothing known from a sum of zero bytes.
const QString kYearQuery = QStringLiteral(
    "SELECT data, Connessione, COUNT(*), TOTAL(secondi), "
    "TOTAL(CASE WHEN %1 THEN costo END), SUM(CASE WHEN %1 THEN 0 ELSE 1 END), "
    "COUNT(byte_ricevuti), TOTAL(byte_ricevuti), COUNT(byte_inviati), TOTAL(byte_inviati) "
    "FROM Connessioni WHERE data >= ? AND data < ? GROUP BY data, Connessione");

const QString kCredibleCost = QStringLiteral("typeof(costo) = 'integer' AND costo BETWEEN 0 AND %1");

qint64 saturated(double total)
{
    constexpr double kLargest = 9.2e18;
    return total >= kLargest ? std::numeric_limits<qint64>::max() : std::llround(total);
}

std::optional<qint64> knownTotal(const QSqlQuery& query, int countColumn)
{
    if (query.value(countColumn).toLongLong() == 0)
        return std::nullopt;
    return saturated(query.value(countColumn + 1).toDouble());
}

CallFigures readFigures(const QSqlQuery& query)
{
    CallFigures figures;
    figures.calls = query.value(2).toLongLong();
    figures.seconds = saturated(query.value(3).toDouble());
    figures.lire = saturated(query.value(4).toDouble());
    figures.unpriced = query.value(5).toLongLong();
    figures.bytesReceived = knownTotal(query, 6);
    figures.bytesSent = knownTotal(query, 8);
    return figures;
}

std::optional<qint64> knownSum(std::optional<qint64> a, std::optional<qint64> b)
{
    if (!a || !b)
        return a ? a : b;
    return saturatingSum(*a, *b);
}

} // namespace

CallFigures& CallFigures::operator+=(const CallFigures& other)
{
    calls += other.calls;
    seconds = saturatingSum(seconds, other.seconds);
    lire = saturatingSum(lire, other.lire);
    unpriced += other.unpriced;
    bytesReceived = knownSum(bytesReceived, other.bytesReceived);
    bytesSent = knownSum(bytesSent, other.bytesSent);
    return *this;
}

CallFigures YearStatistics::total() const
{
    CallFigures sum;
    for (const CallFigures& figures : months)
        sum += figures;
    return sum;
}

YearStatistics yearStatistics(const Database& database, int year)
{
    const QString first = QString::fromStdString(formatIsoDate({year, 1, 1}));
    const QString next = QString::fromStdString(formatIsoDate({year + 1, 1, 1}));
    QSqlQuery query = database.query(kYearQuery.arg(kCredibleCost.arg(kHighestCredibleCost)), {first, next});

    YearStatistics statistics;
    statistics.year = year;
    QMap<QString, CallFigures> entries;
    while (Database::nextRow(query)) {
        const CallFigures figures = readFigures(query);
        entries[query.value(1).toString()] += figures;
        // A malformed date within the year's range still counts for its
        // month when the month can be read; its day type is unknown.
        const std::optional<Date> date = parseIsoDate(query.value(0).toString().toStdString());
        const int month = date ? date->month : query.value(0).toString().mid(5, 2).toInt();
        if (month >= 1 && month <= 12)
            statistics.months.at(month - 1) += figures;
        if (date)
            statistics.dayTypes.at(static_cast<int>(dayTypeOf(*date))) += figures;
    }
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        statistics.entries.append({it.key(), it.value()});
    return statistics;
}

} // namespace zrt
