// The log window's month: its total and its first page of rows, read from a
// log of 1,000,000 connections; the whole month at once; and the statistics
// page's year. (A copy without the date indexes cannot be measured: every
// open of the file adds the covering one again.)
//
// The connections are spread evenly over ten years, 2017 to 2026, in date
// order as the program writes them: about 274 a day, 8,300 a month.
#include "database/connection_log.h"
#include "database/connection_statistics.h"
#include "database/database.h"
#include "database/default_content.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace zrt;

constexpr int kRows = 1'000'000;
constexpr int kDays = 3652; // 2017-01-01 to 2026-12-31
constexpr int kYear = 2021;
constexpr int kMonth = 6;

// One row in 3652/1,000,000 of a day: connections of up to 50 minutes from
// morning to night, priced at 152 Lire a pulse.
void fillLog(Database& database)
{
    database.query(QStringLiteral("PRAGMA synchronous = OFF"));
    Transaction transaction(database);
    database.query(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < ?) "
                       "INSERT INTO Connessioni (data, Connessione, inizio, fine, scatti, costo, servizio, secondi) "
                       "SELECT date('2017-01-01', '+' || (i * ? / ?) || ' days'), 'Connessione ' || (i % 7 + 1), "
                       "time(28800 + (i % 274) * 200, 'unixepoch'), "
                       "time(28800 + (i % 274) * 200 + (i % 50) * 60, 'unixepoch'), "
                       "i % 50 + 1, (i % 50 + 1) * 152, 'Telecom Italia', (i % 50) * 60 FROM n"),
        {kRows, kDays, kRows});
    transaction.commit();
}

QString makeLog(const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("zrtell.T99"));
    createDatabaseFile(path, Content::Empty);
    Database database = Database::open(path);
    fillLog(database);
    return path;
}

const QString& logFile()
{
    static QTemporaryDir folder;
    static const QString path = makeLog(folder);
    return path;
}

// How SQLite finds the month's dates, to show beside the figures.
std::string datePlan(const QString& path)
{
    const Database database = Database::open(path, Database::Access::ReadOnly);
    QSqlQuery plan = database.query(
        QStringLiteral("EXPLAIN QUERY PLAN SELECT MIN(id) FROM Connessioni WHERE data >= ? AND data < ?"),
        {QStringLiteral("2021-06-01"), QStringLiteral("2021-07-01")});
    return plan.next() ? plan.value(3).toString().toStdString() : std::string();
}

// What the log window does to show a month: opens the file, reads the total
// and the first page of rows.
void readMonthView(benchmark::State& state, const QString& path)
{
    qsizetype rows = 0;
    for (auto _ : state) {
        Database database = Database::open(path, Database::Access::ReadOnly);
        const ConnectionLog log(database);
        benchmark::DoNotOptimize(log.monthTotal(kYear, kMonth));
        rows = log.monthPage(kYear, kMonth, 0, ConnectionLog::kPageRows).size();
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetLabel(datePlan(path));
}

void BM_MonthView_Indexed(benchmark::State& state)
{
    readMonthView(state, logFile());
}
BENCHMARK(BM_MonthView_Indexed)->Unit(benchmark::kMillisecond)->UseRealTime();

// The statistics page's year: about 100,000 connections summed by month,
// entry and day type.
void BM_YearStatistics_Indexed(benchmark::State& state)
{
    const Database database = Database::open(logFile(), Database::Access::ReadOnly);
    qint64 calls = 0;
    for (auto _ : state)
        calls = yearStatistics(database, kYear).total().calls;
    state.counters["rows"] = static_cast<double>(calls);
}
BENCHMARK(BM_YearStatistics_Indexed)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every row of the month at once, as printing and the command-line tool read it.
void BM_WholeMonth_Indexed(benchmark::State& state)
{
    Database database = Database::open(logFile(), Database::Access::ReadOnly);
    const ConnectionLog log(database);
    qsizetype rows = 0;
    for (auto _ : state)
        rows = log.month(kYear, kMonth).size();
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_WholeMonth_Indexed)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
