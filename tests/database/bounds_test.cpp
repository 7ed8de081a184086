#include "tests/support/scratch_database.h"

#include "database/association_store.h"
#include "database/band_lookup_query.h"
#include "database/database_error.h"
#include "database/vat_store.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

// "Casa" on the shipped pulse tariff, whose weekday full-rate band (08:00
// to 18:30, 180 s a pulse) gets one wrong number at a time: that band is
// then as good as missing, for the lookup and for pricing, and the other
// bands stay.
TEST(StoredBands, ABandWithANumberOutOfBoundsCountsAsMissing)
{
    const struct {
        const char* change;
        bool usable;
    } cases[] = {
        {"Durata = 180", true},          {"Durata = 1e-300", false}, {"Durata = 0", false},
        {"Costo = -1", false},           {"Costo = 1.6e308", false}, {"CostoAllaRisposta = -127", false},
        {"SecondoCosto = -5", false},    {"SecondoCosto = 99", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        ScratchDatabase scratch;
        Database database = scratch.open();
        AssociationStore(database).associate(QStringLiteral("Casa"), 2);
        database.query(QStringLiteral("UPDATE Fasce SET %1 WHERE id_Tariffa = 2 AND tipo = 'FER' "
                                      "AND Inizio = '08:00:00'")
                           .arg(QString::fromUtf8(c.change)));
        const LocalDateTime monday = *parseLocalDateTime("2026-12-07 10:00:00");
        EXPECT_EQ(BandLookup(database).LookUpBand(QStringLiteral("Casa"), monday).has_value(), c.usable);
        const std::optional<Tariff> tariff = pricingTariff(database, QStringLiteral("Casa"));
        ASSERT_TRUE(tariff);
        EXPECT_EQ(tariff->fasce.size(), c.usable ? 7u : 6u);
    }
}

TEST(VatStore, AMissingOrWrongStoredRateIsAnErrorNotZero)
{
    const struct {
        const char* statement;
        std::optional<int> rate;
    } cases[] = {
        {"UPDATE IVA SET iva = 22", 22},  {"UPDATE IVA SET iva = 0", 0},
        {"DELETE FROM IVA", std::nullopt}, {"UPDATE IVA SET iva = ''", std::nullopt},
        {"UPDATE IVA SET iva = 'abc'", std::nullopt}, {"UPDATE IVA SET iva = 20.9", std::nullopt},
        {"UPDATE IVA SET iva = 101", std::nullopt}, {"UPDATE IVA SET iva = 9999999999", std::nullopt},
        {"UPDATE IVA SET iva = -1", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.statement);
        ScratchDatabase scratch;
        Database database = scratch.open();
        database.query(QString::fromUtf8(c.statement));
        if (c.rate)
            EXPECT_EQ(VatStore(database).read(), *c.rate);
        else
            EXPECT_THROW(VatStore(database).read(), DatabaseError);
    }
}

TEST(VatStore, WritesOnlyARateWithinBoundsAndAddsTheRowWhenMissing)
{
    ScratchDatabase scratch;
    Database database = scratch.open();
    database.query(QStringLiteral("DELETE FROM IVA"));
    VatStore vat(database);
    EXPECT_THROW(vat.write(101), DatabaseError);
    EXPECT_THROW(vat.write(-1), DatabaseError);
    vat.write(22);
    EXPECT_EQ(vat.read(), 22);
}

} // namespace
} // namespace zrt::test
