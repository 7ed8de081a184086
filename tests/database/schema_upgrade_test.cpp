#include "scratch_database.h"

#include "database/schema.h"
#include "database/tariff_store.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

// A file of the older layout: Fasce without SecondoCosto, with two bands.
void makeOlderLayout(const QString& path)
{
    Database database = Database::open(path);
    database.query(QStringLiteral("DROP TABLE Fasce"));
    database.query(QStringLiteral("CREATE TABLE Fasce (id_compagnia INTEGER, id_Tariffa INTEGER, tipo TEXT, "
                                  "Inizio TEXT, Fine TEXT, Durata REAL, Costo REAL, CostoAllaRisposta REAL)"));
    database.query(QStringLiteral("INSERT INTO Fasce VALUES (1, 1, 'FER', '00:00:00', '12:00:00', 180, 127, 127), "
                                  "(1, 1, 'FER', '12:00:00', '24:00:00', 340, 127, 127)"));
}

TEST(SchemaUpgrade, AddsSecondoCostoOnceKeepingTheBandsAndLeavesACurrentFileAlone)
{
    test::ScratchDatabase scratch(Content::Empty);
    makeOlderLayout(scratch.path());
    {
        Database database = scratch.open();
        EXPECT_FALSE(fieldExists(database, table::kFasce, QStringLiteral("SecondoCosto")));
        EXPECT_TRUE(upgradeSchema(database));
        EXPECT_TRUE(fieldExists(database, table::kFasce, QStringLiteral("secondocosto")));

        const QList<Fascia> bands = TariffStore(database).bands(1, DayType::Fer);
        ASSERT_EQ(bands.size(), 2);
        EXPECT_FALSE(bands[0].band.secondoCosto.has_value());
        EXPECT_EQ(bands[1].band.durata, 340);
    }
    const QByteArray upgraded = test::fileDigest(scratch.path());
    {
        Database database = scratch.open();
        EXPECT_FALSE(upgradeSchema(database));
    }
    EXPECT_EQ(test::fileDigest(scratch.path()), upgraded) << "a current file is not touched";
}

TEST(SchemaFields, MatchedIgnoringCaseOnlyInTheNamedTableAndAddedUnderOddNames)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    EXPECT_TRUE(fieldExists(database, table::kCompagnie, QStringLiteral("ID_COMPAGNIA")));
    EXPECT_TRUE(fieldExists(database, QStringLiteral("compagnie telefoniche"), QStringLiteral("Compagnia")));
    EXPECT_FALSE(fieldExists(database, table::kCompagnie, QStringLiteral("Descrizione")));
    EXPECT_FALSE(fieldExists(database, QStringLiteral("Nessuna\"; DROP TABLE IVA; --"), QStringLiteral("x")));
    EXPECT_TRUE(database.hasTable(table::kIva));

    addField(database, table::kConnessioni, QStringLiteral("nota \"speciale\""), FieldType::Text);
    EXPECT_TRUE(fieldExists(database, table::kConnessioni, QStringLiteral("nota \"speciale\"")));
}

} // namespace
} // namespace zrt
