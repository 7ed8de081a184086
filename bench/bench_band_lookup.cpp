// The band lookup against a database of 200 tariffs: on one long-lived
// connection with prepared statements, and opening the file, querying and
// closing it for every lookup.
#include "database/association_store.h"
#include "database/band_lookup_query.h"
#include "database/database.h"
#include "database/default_content.h"
#include "database/tariff_store.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace zrt;

constexpr int kTariffs = 200;
constexpr int kEntries = 200;

Band band(DayType tipo, int inizio, int fine, double durata)
{
    return {tipo, {inizio}, {fine}, durata, 127, 127, std::nullopt};
}

// Every tariff has the three weekday bands of the era, and every entry
// is associated with a tariff.
QString makeDatabase(const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("zrtell.T99"));
    createDatabaseFile(path, Content::Empty);
    Database database = Database::open(path);
    TariffStore tariffs(database);
    AssociationStore associations(database);
    const int company = tariffs.addCompany(QStringLiteral("Telecom Italia 1998"), QStringLiteral("Scatto"));
    for (int i = 0; i < kTariffs; ++i) {
        const int tariff = tariffs.addTariff(company, QStringLiteral("Tariffa %1").arg(i));
        for (DayType tipo : {DayType::Fer, DayType::Pre, DayType::Fes}) {
            tariffs.addBand(company, tariff, band(tipo, 0, 8 * 3600, 340));
            tariffs.addBand(company, tariff, band(tipo, 8 * 3600, 18 * 3600 + 1800, 180));
            tariffs.addBand(company, tariff, band(tipo, 18 * 3600 + 1800, kSecondsPerDay, 340));
        }
    }
    for (int i = 0; i < kEntries; ++i)
        associations.associate(QStringLiteral("Connessione %1").arg(i), 1 + i % kTariffs);
    return path;
}

const QString& databasePath()
{
    static QTemporaryDir folder;
    static const QString path = makeDatabase(folder);
    return path;
}

const LocalDateTime kAt{{2026, 12, 7}, {10 * 3600}};
const QString kEntry = QStringLiteral("Connessione 137");

void BM_LookupPreparedOnOpenConnection(benchmark::State& state)
{
    Database database = Database::open(databasePath());
    BandLookup lookup(database);
    for (auto _ : state)
        benchmark::DoNotOptimize(lookup.LookUpBand(kEntry, kAt));
}
BENCHMARK(BM_LookupPreparedOnOpenConnection);

void BM_LookupOpeningTheFileEachTime(benchmark::State& state)
{
    for (auto _ : state) {
        Database database = Database::open(databasePath());
        benchmark::DoNotOptimize(BandLookup(database).LookUpBand(kEntry, kAt));
    }
}
BENCHMARK(BM_LookupOpeningTheFileEachTime);

} // namespace
