#include "scratch_database.h"

#include "database/association_store.h"
#include "database/band_lookup_query.h"
#include "database/connection_log.h"
#include "database/database_error.h"
#include "database/tariff_store.h"
#include "database/vat_store.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

namespace zrt {
namespace {

LocalDateTime at(const char* text)
{
    return *parseLocalDateTime(text);
}

// Names that broke statements built by concatenation.
const QStringList kOddNames{
    QStringLiteral("O'Brien \"casa\""),  QStringLiteral("back\\slash"),  QStringLiteral("a]; DROP TABLE IVA;--"),
    QStringLiteral("Ελληνικά Ωμέγα"),   QStringLiteral("東京 ダイヤル"), QString(4096, QLatin1Char('x')),
    QStringLiteral("nul\u0000inside"),
};

TEST(Stores, OddNamesRoundTripExactly)
{
    test::ScratchDatabase scratch(Content::Empty);
    Database database = scratch.open();
    AssociationStore associations(database);
    TariffStore tariffs(database);
    for (const QString& name : kOddNames) {
        SCOPED_TRACE(name.left(40).toStdString());
        associations.associate(name, 2);
        ASSERT_TRUE(associations.find(name));
        EXPECT_EQ(associations.find(name)->connessione, name);

        const int company = tariffs.addCompany(name, QStringLiteral("Minuto"));
        const int tariff = tariffs.addTariff(company, name);
        EXPECT_EQ(QString::fromStdString(tariffs.tariff(tariff)->compagnia), name);
        EXPECT_EQ(tariffs.tariffs().last().descrizione, name);
    }
    EXPECT_TRUE(database.hasTable(QStringLiteral("IVA")));
    EXPECT_EQ(associations.all().size(), kOddNames.size());
}

TEST(AssociationStore, OneRowAnEntryAndOnlyMissingEntriesAreAdded)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    AssociationStore store(database);
    store.associate(QStringLiteral("Ufficio"), 1);
    store.associate(QStringLiteral("Ufficio"), 2);
    ASSERT_EQ(store.all().size(), 1);

    const QStringList entries{QStringLiteral("Casa"), QStringLiteral("Ufficio")};
    EXPECT_EQ(store.ensureAssociated(entries), 1);
    EXPECT_EQ(store.ensureAssociated(entries), 0);
    EXPECT_EQ(store.find(QStringLiteral("Casa"))->idTariffa, 1);
    EXPECT_EQ(store.find(QStringLiteral("Ufficio"))->idTariffa, 2) << "an existing choice is kept";
}

TEST(BandLookup, FindsTheBandStrictlyInsideOnTheShippedPulseTariff)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    AssociationStore(database).associate(QStringLiteral("Casa Mia"), 2);
    AssociationStore(database).associate(QStringLiteral("Ελλάδα"), 2);
    AssociationStore(database).associate(QStringLiteral("Persa"), 99);
    const struct {
        const char* entry;
        const char* instant;
        const char* inizio; // nullptr: no band
    } cases[] = {
        {"Casa Mia", "2026-12-07 10:00:00", "08:00:00"}, // Monday, full rate
        {"Casa Mia", "2026-12-07 08:00:00", nullptr},    // a boundary belongs to no band
        {"Casa Mia", "2026-12-07 08:00:01", "08:00:00"}, {"Casa Mia", "2026-12-07 07:59:59", "00:00:00"},
        {"Casa Mia", "2026-12-07 23:59:59", "18:30:00"}, {"Casa Mia", "2026-12-12 12:00:00", "08:00:00"}, // Saturday
        {"Casa Mia", "2026-12-12 14:00:00", "13:00:00"},
        {"Casa Mia", "2027-12-24 14:00:00", "13:00:00"}, // Friday 24/12 is PRE
        {"Casa Mia", "2026-12-08 10:00:00", "00:00:00"}, // 8/12 holiday, FES all day
        {"CASA MIA", "2026-12-07 10:00:00", "08:00:00"}, {"ελλάδα", "2026-12-07 10:00:00", "08:00:00"},
        {"Casa", "2026-12-07 10:00:00", nullptr},        // no association
        {"Casa Mia ", "2026-12-07 10:00:00", nullptr},   // no trimming
        {"Persa", "2026-12-07 10:00:00", nullptr},       // associated to a missing tariff
    };
    BandLookup lookup(database);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + " at " + c.instant);
        const std::optional<BandRecord> record = lookup.LookUpBand(QString::fromUtf8(c.entry), at(c.instant));
        ASSERT_EQ(record.has_value(), c.inizio != nullptr);
        if (record) {
            EXPECT_EQ(formatTimeOfDay(record->band.inizio), c.inizio);
            EXPECT_EQ(record->compagnia, QStringLiteral("Telecom Italia 1998"));
            EXPECT_EQ(record->tipotariffazione, QStringLiteral("Scatto"));
        }
    }

    AssociationStore(database).associate(QStringLiteral("Casa Mia"), 1);
    EXPECT_EQ(lookup.LookUpBand(QStringLiteral("Casa Mia"), at("2026-12-07 10:00:00"))->compagnia,
              QStringLiteral("Telecom Italia"))
        << "a changed association counts from the next lookup";
}

TEST(TariffStore, ABandReadsBackWithItsMidnightEndAndNoSecondPrice)
{
    test::ScratchDatabase scratch(Content::Empty);
    Database database = scratch.open();
    TariffStore store(database);
    const int company = store.addCompany(QStringLiteral("Nuova"), QStringLiteral("Minuto"));
    const int tariff = store.addTariff(company, QStringLiteral("Sera"));
    store.addBand(company, tariff, Band{DayType::Fes, {0}, {kSecondsPerDay}, 3, 30.6, 100, std::nullopt});

    const std::optional<Tariff> read = store.tariff(tariff);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->fasce.size(), 1u);
    EXPECT_EQ(read->fasce[0].fine.seconds, kSecondsPerDay);
    EXPECT_EQ(read->fasce[0].costo, 30.6);
    EXPECT_FALSE(read->fasce[0].secondoCosto);
}

TEST(TariffStore, MalformedStoredBandIsReportedNotGuessed)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    database.query(QStringLiteral("UPDATE Fasce SET Durata = 'tre' WHERE id_Tariffa = 2"));
    EXPECT_THROW(TariffStore(database).tariff(2), DatabaseError);
}

TEST(ConnectionLog, RowIsOpenedCheckpointedAndClosed)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    ConnectionLog log(database);
    const int id = log.open(QStringLiteral("Casa"), at("2026-12-07 23:59:30"), QStringLiteral("Telecom Italia"));
    ASSERT_EQ(log.openRows().size(), 1);

    log.checkpoint(id, {305, 1, 200});
    EXPECT_EQ(test::figuresOf(*log.row(id)), (test::RowFigures{"23:59:30", "", 200, 1, 305}));

    log.close(id, *parseTimeOfDay("00:05:30"), {610, 2, 360});
    EXPECT_EQ(log.row(id)->data, QStringLiteral("2026-12-07")) << "the start date is kept across midnight";
    EXPECT_EQ(test::figuresOf(*log.row(id)), (test::RowFigures{"23:59:30", "00:05:30", 360, 2, 610}));
    EXPECT_TRUE(log.openRows().isEmpty());

    log.checkpoint(id, {1, 1, 1});
    EXPECT_EQ(log.row(id)->costo, 610) << "a closed row is never checkpointed again";
}

TEST(ConnectionLog, MonthIncludesItsFirstAndLastDaysOnly)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    ConnectionLog log(database);
    const std::pair<const char*, qint64> logged[] = {
        {"2026-11-30 23:00:00", 1}, {"2026-12-01 00:00:01", 1000000}, {"2026-12-31 23:59:59", 234567},
        {"2027-01-01 00:00:00", 7},
    };
    for (const auto& [instant, costo] : logged)
        log.close(log.open(QStringLiteral("Casa"), at(instant), kServizioNonDisponibile), {0}, {costo, 0, 0});

    EXPECT_EQ(log.month(2026, 12).size(), 2);
    EXPECT_EQ(log.monthTotal(2026, 12), 1234567);
    EXPECT_EQ(log.monthTotal(2027, 1), 7);
    EXPECT_EQ(log.monthTotal(2026, 10), 0);
    EXPECT_TRUE(log.month(2026, 10).isEmpty());
}

TEST(VatStore, RewritesTheOneRowOrWritesItWhenMissing)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    VatStore vat(database);
    EXPECT_EQ(vat.read(), 20);
    vat.write(22);
    EXPECT_EQ(vat.read(), 22);
    QSqlQuery count = database.query(QStringLiteral("SELECT COUNT(*) FROM IVA"));
    ASSERT_TRUE(count.next());
    EXPECT_EQ(count.value(0).toInt(), 1);

    database.query(QStringLiteral("DELETE FROM IVA"));
    EXPECT_EQ(vat.read(), 0);
    vat.write(20);
    EXPECT_EQ(vat.read(), 20);
}

} // namespace
} // namespace zrt
