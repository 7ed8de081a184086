// The log window's month: its rows and its total, read from a log of
// 1,000,000 connections, with the index on the date and from a copy of the
// same file without it, where every reading scans the whole table.
//
// The connections are spread evenly over ten years, 2017 to 2026, in date
// order as the program writes them: about 274 a day, 8,300 a month.
#include "database/connection_log.h"
#include "database/database.h"
#include "database/default_content.h"

#include <QCoreApplication>
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

struct LogFiles {
    QString indexed;
    QString unindexed;
};

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

LogFiles makeFiles(const QTemporaryDir& folder)
{
    const LogFiles files{folder.filePath(QStringLiteral("indexed.T99")),
                         folder.filePath(QStringLiteral("unindexed.T99"))};
    createDatabaseFile(files.indexed, Content::Empty);
    {
        Database database = Database::open(files.indexed);
        fillLog(database);
    }
    QFile::copy(files.indexed, files.unindexed);
    Database copy = Database::open(files.unindexed);
    copy.query(QStringLiteral("DROP INDEX \"Connessioni per data\""));
    return files;
}

const LogFiles& logFiles()
{
    static QTemporaryDir folder;
    static const LogFiles files = makeFiles(folder);
    return files;
}

enum class Reading { RowsAndTotal, RowsOnly, TotalOnly };

// How SQLite finds the month's rows, to show beside the figures.
std::string monthPlan(const Database& database, Reading reading)
{
    const QString selection = reading == Reading::TotalOnly ? QStringLiteral("SUM(costo) FROM Connessioni")
                                                            : QStringLiteral("* FROM Connessioni");
    const QString order = reading == Reading::TotalOnly ? QString() : QStringLiteral(" ORDER BY id");
    QSqlQuery plan =
        database.query(QStringLiteral("EXPLAIN QUERY PLAN SELECT %1 WHERE data >= ? AND data < ?%2").arg(selection, order),
                       {QStringLiteral("2021-06-01"), QStringLiteral("2021-07-01")});
    std::string text;
    while (plan.next())
        text += (text.empty() ? "" : "; ") + plan.value(3).toString().toStdString();
    return text;
}

// On an open connection, warmed by the first reading as the log window's
// would be.
void readMonth(benchmark::State& state, const QString& path, Reading reading = Reading::RowsAndTotal)
{
    Database database = Database::open(path, Database::Access::ReadOnly);
    const ConnectionLog log(database);
    qsizetype rows = 0;
    for (auto _ : state) {
        if (reading != Reading::TotalOnly)
            rows = log.month(kYear, kMonth).size();
        if (reading != Reading::RowsOnly)
            benchmark::DoNotOptimize(log.monthTotal(kYear, kMonth));
    }
    if (reading != Reading::TotalOnly)
        state.counters["rows"] = static_cast<double>(rows);
    state.SetLabel(monthPlan(database, reading));
}

void BM_MonthViewAndTotal_Indexed(benchmark::State& state)
{
    readMonth(state, logFiles().indexed);
}
BENCHMARK(BM_MonthViewAndTotal_Indexed)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MonthViewAndTotal_FullScan(benchmark::State& state)
{
    readMonth(state, logFiles().unindexed);
}
BENCHMARK(BM_MonthViewAndTotal_FullScan)->Unit(benchmark::kMillisecond)->UseRealTime();

// The two halves of the indexed reading on their own.
void BM_MonthRows_Indexed(benchmark::State& state)
{
    readMonth(state, logFiles().indexed, Reading::RowsOnly);
}
BENCHMARK(BM_MonthRows_Indexed)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MonthTotal_Indexed(benchmark::State& state)
{
    readMonth(state, logFiles().indexed, Reading::TotalOnly);
}
BENCHMARK(BM_MonthTotal_Indexed)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
