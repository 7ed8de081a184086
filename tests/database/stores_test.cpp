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

TEST(AssociationStore, OddNamesRoundTripExactly)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    AssociationStore store(database);
    for (const QString& name : kOddNames)
        store.associate(name, 2);
    for (const QString& name : kOddNames) {
        const std::optional<Associazione> found = store.find(name);
        ASSERT_TRUE(found) << name.left(40).toStdString();
        EXPECT_EQ(found->connessione, name);
    }
    EXPECT_TRUE(database.hasTable(QStringLiteral("IVA")));
    EXPECT_EQ(store.all().size(), kOddNames.size());
}

TEST(AssociationStore, EnsureAssociatedAddsOnlyMissingEntriesOnce)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    AssociationStore store(database);
    store.associate(QStringLiteral("Ufficio"), 2);
    const QStringList entries{QStringLiteral("Casa"), QStringLiteral("Ufficio")};
    EXPECT_EQ(store.ensureAssociated(entries), 1);
    EXPECT_EQ(store.ensureAssociated(entries), 0);
    EXPECT_EQ(store.find(QStringLiteral("Casa"))->idTariffa, 1);
    EXPECT_EQ(store.find(QStringLiteral("Ufficio"))->idTariffa, 2) << "an existing choice is kept";
}

TEST(AssociationStore, ChangingAnAssociationKeepsOneRow)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    AssociationStore store(database);
    store.associate(QStringLiteral("Casa"), 1);
    store.associate(QStringLiteral("Casa"), 2);
    ASSERT_EQ(store.all().size(), 1);
    EXPECT_EQ(store.all().first().idTariffa, 2);
}

struct LookupCase {
    const char* entry;
    const char* instant;
    const char* expectedInizio; // nullptr: no band
};

class BandLookupOnShippedTariff : public testing::TestWithParam<LookupCase> {};

TEST_P(BandLookupOnShippedTariff, FindsTheBandStrictlyInside)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    AssociationStore(database).associate(QStringLiteral("Casa Mia"), 2);
    AssociationStore(database).associate(QStringLiteral("Ελλάδα"), 2);

    const std::optional<BandRecord> record =
        BandLookup(database).LookUpBand(QString::fromUtf8(GetParam().entry), at(GetParam().instant));
    if (GetParam().expectedInizio == nullptr) {
        EXPECT_FALSE(record);
        return;
    }
    ASSERT_TRUE(record);
    EXPECT_EQ(formatTimeOfDay(record->band.inizio), GetParam().expectedInizio);
    EXPECT_EQ(record->compagnia, QStringLiteral("Telecom Italia 1998"));
    EXPECT_EQ(record->tipotariffazione, QStringLiteral("Scatto"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BandLookupOnShippedTariff,
    testing::Values(LookupCase{"Casa Mia", "2026-12-07 10:00:00", "08:00:00"}, // Monday, full rate
                    LookupCase{"Casa Mia", "2026-12-07 08:00:00", nullptr},    // a boundary belongs to no band
                    LookupCase{"Casa Mia", "2026-12-07 08:00:01", "08:00:00"},
                    LookupCase{"Casa Mia", "2026-12-07 07:59:59", "00:00:00"},
                    LookupCase{"Casa Mia", "2026-12-07 23:59:59", "18:30:00"},
                    LookupCase{"Casa Mia", "2026-12-12 12:00:00", "08:00:00"}, // Saturday, PRE
                    LookupCase{"Casa Mia", "2026-12-12 14:00:00", "13:00:00"},
                    LookupCase{"Casa Mia", "2027-12-24 14:00:00", "13:00:00"}, // Friday 24/12 is PRE
                    LookupCase{"Casa Mia", "2026-12-08 10:00:00", "00:00:00"}, // 8/12 holiday, FES all day
                    LookupCase{"CASA MIA", "2026-12-07 10:00:00", "08:00:00"}, // letter case ignored
                    LookupCase{"ελλάδα", "2026-12-07 10:00:00", "08:00:00"},
                    LookupCase{"Casa", "2026-12-07 10:00:00", nullptr},         // no association
                    LookupCase{"Casa Mia ", "2026-12-07 10:00:00", nullptr}));  // no trimming

TEST(BandLookup, AssociationToAMissingTariffFindsNoBand)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    AssociationStore(database).associate(QStringLiteral("Casa"), 99);
    EXPECT_FALSE(BandLookup(database).LookUpBand(QStringLiteral("Casa"), at("2026-12-07 10:00:00")));
}

TEST(BandLookup, FollowsAChangedAssociationOnTheNextLookup)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    AssociationStore(database).associate(QStringLiteral("Casa"), 2);
    BandLookup lookup(database);
    EXPECT_EQ(lookup.LookUpBand(QStringLiteral("Casa"), at("2026-12-07 10:00:00"))->compagnia,
              QStringLiteral("Telecom Italia 1998"));
    AssociationStore(database).associate(QStringLiteral("Casa"), 1);
    EXPECT_EQ(lookup.LookUpBand(QStringLiteral("Casa"), at("2026-12-07 10:00:00"))->compagnia,
              QStringLiteral("Telecom Italia"));
}

TEST(TariffStore, NewTariffWithOddTextsAndItsBandsReadBack)
{
    test::ScratchDatabase scratch(Content::Empty);
    Database database = scratch.open();
    TariffStore store(database);
    const int company = store.addCompany(kOddNames[0], QStringLiteral("Minuto"));
    const int tariff = store.addTariff(company, kOddNames[2]);
    Band band{DayType::Fes, {0}, {kSecondsPerDay}, 3, 30.6, 100, std::nullopt};
    store.addBand(company, tariff, band);

    const std::optional<Tariff> read = store.tariff(tariff);
    ASSERT_TRUE(read);
    EXPECT_EQ(QString::fromStdString(read->compagnia), kOddNames[0]);
    ASSERT_EQ(read->fasce.size(), 1u);
    EXPECT_EQ(read->fasce[0].fine.seconds, kSecondsPerDay);
    EXPECT_FALSE(read->fasce[0].secondoCosto);
    EXPECT_EQ(store.tariffs().first().descrizione, kOddNames[2]);
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
    EXPECT_GT(id, 0);
    ASSERT_EQ(log.openRows().size(), 1);

    log.checkpoint(id, {305, 1, 200});
    EXPECT_EQ(log.row(id)->costo, 305);
    EXPECT_TRUE(log.row(id)->fine.isEmpty());

    log.close(id, *parseTimeOfDay("00:05:30"), {610, 2, 360});
    const LogRow row = *log.row(id);
    EXPECT_EQ(row.data, QStringLiteral("2026-12-07")) << "the start date is kept across midnight";
    EXPECT_EQ(row.inizio, QStringLiteral("23:59:30"));
    EXPECT_EQ(row.fine, QStringLiteral("00:05:30"));
    EXPECT_EQ(row.costo, 610);
    EXPECT_EQ(row.scatti, 2);
    EXPECT_EQ(row.secondi, 360);
    EXPECT_TRUE(log.openRows().isEmpty());

    log.checkpoint(id, {1, 1, 1});
    EXPECT_EQ(log.row(id)->costo, 610) << "a closed row is never checkpointed again";
}

TEST(ConnectionLog, MonthIncludesItsFirstAndLastDaysOnly)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    ConnectionLog log(database);
    const auto logAt = [&](const char* instant, qint64 costo) {
        const int id = log.open(QStringLiteral("Casa"), at(instant), kServizioNonDisponibile);
        log.close(id, {0}, {costo, 0, 0});
    };
    logAt("2026-11-30 23:00:00", 1);
    logAt("2026-12-01 00:00:01", 1000000);
    logAt("2026-12-31 23:59:59", 234567);
    logAt("2027-01-01 00:00:00", 7);

    EXPECT_EQ(log.month(2026, 12).size(), 2);
    EXPECT_EQ(log.monthTotal(2026, 12), 1234567);
    EXPECT_EQ(log.monthTotal(2027, 1), 7);
    EXPECT_EQ(log.monthTotal(2026, 10), 0);
    EXPECT_TRUE(log.month(2026, 10).isEmpty());
}

TEST(VatStore, ReadsAndRewritesTheOneRow)
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
