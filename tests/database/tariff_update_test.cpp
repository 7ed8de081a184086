#include "tests/support/scratch_database.h"

#include "database/database_error.h"
#include "database/tariff_store.h"
#include "database/tariff_update.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

// An update file made from the pulse company of the shipped tariffs, plus
// a tariff with no bands, and a database to apply it to.
class TariffUpdate : public testing::Test {
protected:
    void SetUp() override
    {
        test::ScratchDatabase source;
        Database database = source.open();
        TariffStore(database).addTariff(2, QStringLiteral("Senza fasce"));
        database.query(QStringLiteral("UPDATE Fasce SET SecondoCosto = 9.5 WHERE id_Tariffa = 2 AND tipo = 'FES'"));
        exportUpdate(database, QStringLiteral("Telecom Italia 1998"), path("telecom.mdb"));
    }

    QString path(const char* name) const { return folder_.filePath(QString::fromUtf8(name)); }

    QTemporaryDir folder_;
    test::ScratchDatabase target_;
};

TEST_F(TariffUpdate, CopiesTheCompanyWithNewKeys)
{
    Database database = target_.open();
    EXPECT_EQ(applyUpdate(database, path("telecom.mdb")).bands, 7);

    TariffStore store(database);
    ASSERT_EQ(store.companies().size(), 3) << "added beside the existing one with the same name";
    const int added = store.companies().last().id;
    const QList<TariffaInfo> tariffs = store.tariffs();
    ASSERT_EQ(tariffs.size(), 4);
    EXPECT_EQ(tariffs[3].descrizione, QStringLiteral("Senza fasce"));
    EXPECT_TRUE(store.bands(tariffs[3].id, DayType::Fer).isEmpty());
    for (const Fascia& fascia : store.bands(tariffs[2].id, DayType::Fer)) {
        EXPECT_EQ(fascia.idCompagnia, added);
        EXPECT_FALSE(fascia.band.secondoCosto) << "an empty second price stays empty";
    }
    EXPECT_EQ(store.bands(tariffs[2].id, DayType::Fes).first().band.secondoCosto, 9.5);
}

TEST_F(TariffUpdate, BrokenOrMissingUpdatesChangeNothing)
{
    const struct {
        const char* statement; // nullptr: no update file at all
        const char* problem;
    } cases[] = {
        {"DELETE FROM \"Compagnie Telefoniche New\"", "no company"},
        {"ALTER TABLE \"fasce new\" DROP COLUMN SecondoCosto", "SecondoCosto"},
        {"UPDATE \"Tariffe new\" SET id_tariffa = 'due'", "tariff key"},
        {nullptr, "broken.mdb"},
    };
    const QByteArray before = test::fileDigest(target_.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        QFile::remove(path("broken.mdb"));
        if (c.statement) {
            ASSERT_TRUE(QFile::copy(path("telecom.mdb"), path("broken.mdb")));
            Database::openSqliteFile(path("broken.mdb"), Database::Access::ReadWrite)
                .query(QString::fromUtf8(c.statement));
        }
        Database database = target_.open();
        try {
            applyUpdate(database, path("broken.mdb"));
            ADD_FAILURE() << "applied";
        } catch (const DatabaseError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(c.problem))) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(path("broken.mdb")));
        }
        EXPECT_EQ(test::fileDigest(target_.path()), before);
    }
}

TEST(ExportUpdate, RefusesAnUnknownCompanyAndAnExistingFile)
{
    test::ScratchDatabase source;
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("telecom.mdb"));
    Database database = source.open();
    EXPECT_THROW(exportUpdate(database, QStringLiteral("Nessuna"), out), DatabaseError);
    EXPECT_FALSE(QFile::exists(out));
    exportUpdate(database, QStringLiteral("Telecom Italia"), out);
    EXPECT_THROW(exportUpdate(database, QStringLiteral("Telecom Italia"), out), DatabaseError);
}

} // namespace
} // namespace zrt::test
