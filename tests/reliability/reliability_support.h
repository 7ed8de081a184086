#pragma once

#include "tests/support/scratch_database.h"
#include "tests/support/temp_dir.h"

#include "database/association_store.h"
#include "database/connection_log.h"
#include "database/tariff_store.h"
#include "database/vat_store.h"
#include "engine/pricing.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace zrt::test {

// The first value of the first row a statement gives.
inline QVariant firstValue(const Database& database, const QString& sql)
{
    QSqlQuery query = database.query(sql);
    return query.next() ? query.value(0) : QVariant();
}

// Every table, index and trigger of a database with its defining text.
inline QString schemaOf(const Database& database)
{
    return firstValue(database, QStringLiteral("SELECT group_concat(type || '|' || name || '|' || tbl_name || '|' "
                                               "|| ifnull(sql, ''), char(10)) "
                                               "FROM (SELECT * FROM sqlite_master ORDER BY type, name)"))
        .toString();
}

inline QString integrityOf(const Database& database)
{
    return firstValue(database, QStringLiteral("PRAGMA integrity_check")).toString();
}

inline qint64 rowCount(const Database& database, const QString& table)
{
    return firstValue(database, QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table)).toLongLong();
}

// Who, when and at what service a log row was.
inline QString outline(const LogRow& row)
{
    return QStringLiteral("%1 %2-%3 %4").arg(row.connessione, row.inizio, row.fine, row.servizio);
}

// Every row of the connection log, in the order they were opened.
inline QList<LogRow> logRows(Database& database)
{
    QList<LogRow> rows;
    QSqlQuery ids = database.query(QStringLiteral("SELECT id FROM Connessioni ORDER BY id"));
    while (ids.next())
        rows.append(*ConnectionLog(database).row(ids.value(0).toInt()));
    return rows;
}

// Writes one of the files the simulated dialer reads.
inline void writeSimFile(const TempDir& folder, const char* name, const std::string& content)
{
    std::ofstream(folder.path() / name, std::ios::binary | std::ios::trunc) << content;
}

// A pulse tariff that charges a pulse of 10 Lire every second of every day,
// after an answer charge of 100 Lire, so a lost second shows in the cost.
inline int addOneSecondPulseTariff(Database& database)
{
    TariffStore store(database);
    const int company = store.addCompany(QStringLiteral("Prova al secondo"), QStringLiteral("Scatto"));
    const int tariff = store.addTariff(company, QStringLiteral("Uno scatto al secondo"));
    for (const DayType tipo : {DayType::Fer, DayType::Pre, DayType::Fes})
        store.addBand(company, tariff, Band{tipo, {0}, {kSecondsPerDay}, 1, 10, 100, std::nullopt});
    return tariff;
}

// The start of a log row as a wall-clock instant.
inline std::optional<LocalDateTime> rowStart(const LogRow& row)
{
    return parseLocalDateTime((row.data + QLatin1Char(' ') + row.inizio).toStdString());
}

// A wall-clock instant read as UTC, as the programs run by these tests see
// their clock.
inline qint64 utcEpochMs(LocalDateTime local)
{
    const QDate date(local.date.year, local.date.month, local.date.day);
    return QDateTime(date, QTime(0, 0), Qt::UTC).addSecs(local.time.seconds).toMSecsSinceEpoch();
}

// The row is complete, and its cost and pulses are what the engine prices
// its stored seconds at, with the tariff of its entry and the VAT of the
// database, in whole Lire, halves away from zero.
inline void expectPricedAtItsSeconds(Database& database, const LogRow& row)
{
    const std::optional<LocalDateTime> start = rowStart(row);
    const std::optional<TimeOfDay> fine = parseTimeOfDay(row.fine.toStdString());
    ASSERT_TRUE(start && fine && row.secondi && row.costo && row.scatti) << "left open";
    // Its end is the wall clock's second when the line dropped, its seconds
    // the rounded time since the start: the two agree to a second.
    const int drift = (fine->seconds - advance(*start, *row.secondi).time.seconds + kSecondsPerDay) % kSecondsPerDay;
    EXPECT_TRUE(drift <= 1 || drift == kSecondsPerDay - 1) << row.fine.toStdString();
    const std::optional<Tariff> tariff =
        TariffStore(database).tariff(AssociationStore(database).find(row.connessione)->idTariffa);
    const std::optional<MeterReading> price =
        priceConnection(*tariff, *start, *row.secondi, VatStore(database).read());
    ASSERT_TRUE(price);
    EXPECT_EQ(*row.costo, std::llround(price->costLire)) << "the cost of its seconds";
    EXPECT_EQ(*row.scatti, price->pulses);
}

} // namespace zrt::test
