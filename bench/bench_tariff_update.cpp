// Copying a tariff update of 100 tariffs with 60 bands each into a database
// with the default tariffs: in one transaction, as the program does, and
// with every row committed on its own. Each run starts from a fresh copy of
// the database; the file lives on the temporary folder's disk, so every
// commit waits for it as it would on the user's machine.
#include "database/database.h"
#include "database/default_content.h"
#include "database/tariff_store.h"
#include "database/tariff_update.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace zrt;

constexpr int kTariffs = 100;
constexpr int kBandsPerDayType = 20; // 60 bands a tariff over the three day types
constexpr int kBandSeconds = kSecondsPerDay / kBandsPerDayType;

const QString kCompany = QStringLiteral("Telecom Italia 2001");

struct UpdateFiles {
    QString update;   // telecom.mdb
    QString original; // the database the update is copied into
    QString work;     // a fresh copy of it for each run
};

// The company is built with the program's own store. Every write of the
// store is a transaction of its own, so the building connection does not
// wait for the disk: only the measured copies do.
void fillCompany(Database& database)
{
    database.query(QStringLiteral("PRAGMA synchronous = OFF"));
    TariffStore tariffs(database);
    const int company = tariffs.addCompany(kCompany, QStringLiteral("Scatto"));
    for (int t = 0; t < kTariffs; ++t) {
        const int tariff = tariffs.addTariff(company, QStringLiteral("Tariffa %1").arg(t + 1));
        for (DayType tipo : {DayType::Fer, DayType::Pre, DayType::Fes}) {
            for (int b = 0; b < kBandsPerDayType; ++b) {
                const double durata = 180 + 10 * b;
                tariffs.addBand(company, tariff,
                                {tipo, {b * kBandSeconds}, {(b + 1) * kBandSeconds}, durata, 127, 127, std::nullopt});
            }
        }
    }
}

UpdateFiles makeFiles(const QTemporaryDir& folder)
{
    const UpdateFiles files{folder.filePath(QString::fromLatin1(kUpdateFileName)),
                            folder.filePath(QStringLiteral("original.T99")), folder.filePath(QStringLiteral("work.T99"))};
    const QString source = folder.filePath(QStringLiteral("source.T99"));
    createDatabaseFile(source, Content::Empty);
    {
        Database database = Database::open(source);
        fillCompany(database);
        exportUpdate(database, kCompany, files.update);
    }
    createDatabaseFile(files.original, Content::DefaultTariffs);
    return files;
}

const UpdateFiles& updateFiles()
{
    static QTemporaryDir folder;
    static const UpdateFiles files = makeFiles(folder);
    return files;
}

// The same copy as applyUpdate, without its checks, every row committed on
// its own.
void applyRowByRow(Database& database, const QString& updatePath)
{
    const Database update = Database::openSqliteFile(updatePath, Database::Access::ReadOnly);
    QSqlQuery company = update.query(QStringLiteral(
        "SELECT id_compagnia, compagnia, tipotariffazione FROM \"Compagnie Telefoniche New\" ORDER BY rowid LIMIT 1"));
    if (!company.next())
        return;
    const QVariant oldCompany = company.value(0);
    const QVariant newCompany =
        database
            .query(QStringLiteral("INSERT INTO \"Compagnie Telefoniche\" (Compagnia, tipotariffazione) VALUES (?, ?)"),
                   {company.value(1), company.value(2)})
            .lastInsertId();

    QSqlQuery tariffs =
        update.query(QStringLiteral("SELECT id_tariffa, descrizione FROM \"Tariffe new\" ORDER BY rowid"));
    QSqlQuery bands = update.prepare(
        QStringLiteral("SELECT tipo, Inizio, Fine, Durata, Costo, CostoAllaRisposta, SecondoCosto FROM \"fasce new\" "
                       "WHERE id_compagnia = ? AND id_Tariffa = ? ORDER BY rowid"));
    QSqlQuery insertTariff =
        database.prepare(QStringLiteral("INSERT INTO Tariffe (id_compagnia, Descrizione) VALUES (?, ?)"));
    QSqlQuery insertBand = database.prepare(
        QStringLiteral("INSERT INTO Fasce (id_compagnia, id_Tariffa, tipo, Inizio, Fine, Durata, Costo, "
                       "CostoAllaRisposta, SecondoCosto) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    while (tariffs.next()) {
        Database::execute(insertTariff, {newCompany, tariffs.value(1)});
        const QVariant newTariff = insertTariff.lastInsertId();
        Database::execute(bands, {oldCompany, tariffs.value(0)});
        while (bands.next()) {
            Database::execute(insertBand, {newCompany, newTariff, bands.value(0), bands.value(1), bands.value(2),
                                           bands.value(3), bands.value(4), bands.value(5), bands.value(6)});
        }
    }
}

// Times only the copy: making the fresh database and closing it are not
// counted.
template <typename Copy>
void copyIntoFreshDatabases(benchmark::State& state, Copy copy)
{
    const UpdateFiles& files = updateFiles();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(files.work);
        if (!QFile::copy(files.original, files.work)) {
            state.SkipWithError("the database could not be copied");
            break;
        }
        {
            Database database = Database::open(files.work);
            state.ResumeTiming();
            copy(database, files.update);
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    state.counters["rows"] = 1 + kTariffs + kTariffs * 3 * kBandsPerDayType;
}

void BM_TariffUpdateOneTransaction(benchmark::State& state)
{
    copyIntoFreshDatabases(state, [](Database& database, const QString& update) {
        benchmark::DoNotOptimize(applyUpdate(database, update));
    });
}
BENCHMARK(BM_TariffUpdateOneTransaction)->Unit(benchmark::kMillisecond)->UseRealTime();

// Several thousand commits, each waiting for the disk: one run is enough.
void BM_TariffUpdateCommitPerRow(benchmark::State& state)
{
    copyIntoFreshDatabases(state, applyRowByRow);
}
BENCHMARK(BM_TariffUpdateCommitPerRow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
