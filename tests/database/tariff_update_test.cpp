#include "scratch_database.h"

#include "database/database_error.h"
#include "database/tariff_store.h"
#include "database/tariff_update.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt {
namespace {

// An update file made from the pulse company of the shipped tariffs,
// plus a tariff with no bands.
class TariffUpdate : public testing::Test {
protected:
    void SetUp() override
    {
        {
            test::ScratchDatabase source;
            Database database = source.open();
            TariffStore(database).addTariff(2, QStringLiteral("Senza fasce"));
            database.query(QStringLiteral("UPDATE Fasce SET SecondoCosto = 9.5 WHERE id_Tariffa = 2 AND tipo = 'FES'"));
            exportUpdate(database, QStringLiteral("Telecom Italia 1998"), updatePath());
        }
        before_ = test::fileDigest(target_.path());
    }

    QString updatePath() const { return folder_.filePath(QStringLiteral("telecom.mdb")); }

    void editUpdate(const QString& statement)
    {
        Database update = Database::openSqliteFile(updatePath(), Database::Access::ReadWrite);
        update.query(statement);
    }

    void expectTargetUnchanged() { EXPECT_EQ(test::fileDigest(target_.path()), before_); }

    QTemporaryDir folder_;
    test::ScratchDatabase target_;
    QByteArray before_;
};

TEST_F(TariffUpdate, CopiesTheCompanyWithNewKeys)
{
    Database database = target_.open();
    const UpdateSummary summary = applyUpdate(database, updatePath());
    EXPECT_EQ(summary.compagnia, QStringLiteral("Telecom Italia 1998"));
    EXPECT_EQ(summary.tariffs, 2);
    EXPECT_EQ(summary.bands, 7);

    TariffStore store(database);
    ASSERT_EQ(store.companies().size(), 3) << "added beside the existing one with the same name";
    const Compagnia added = store.companies().last();
    const QList<TariffaInfo> tariffs = store.tariffs();
    ASSERT_EQ(tariffs.size(), 4);
    EXPECT_EQ(tariffs[2].idCompagnia, added.id);
    EXPECT_EQ(tariffs[3].descrizione, QStringLiteral("Senza fasce"));
    EXPECT_TRUE(store.bands(tariffs[3].id, DayType::Fer).isEmpty());

    const QList<Fascia> fer = store.bands(tariffs[2].id, DayType::Fer);
    ASSERT_EQ(fer.size(), 3);
    for (const Fascia& fascia : fer) {
        EXPECT_EQ(fascia.idCompagnia, added.id);
        EXPECT_FALSE(fascia.band.secondoCosto) << "an empty second price stays empty";
    }
    EXPECT_EQ(store.bands(tariffs[2].id, DayType::Fes).first().band.secondoCosto, 9.5);
}

TEST_F(TariffUpdate, BrokenUpdatesChangeNothing)
{
    const struct {
        const char* name;
        const char* statement;
        const char* problem;
    } cases[] = {
        {"no company table", "DROP TABLE \"Compagnie Telefoniche New\"", "no such table"},
        {"no band table", "DROP TABLE \"fasce new\"", "no such table"},
        {"no company", "DELETE FROM \"Compagnie Telefoniche New\"", "no company"},
        {"missing field", "ALTER TABLE \"fasce new\" DROP COLUMN SecondoCosto", "SecondoCosto"},
        {"text in a number", "UPDATE \"fasce new\" SET Costo = 'cento' WHERE rowid = 7", "Costo"},
        {"bad time", "UPDATE \"fasce new\" SET Fine = '25:00:00' WHERE rowid = 7", "Fine"},
        {"bad day type", "UPDATE \"fasce new\" SET tipo = 'DOM' WHERE rowid = 7", "day type"},
        {"text key", "UPDATE \"Tariffe new\" SET id_tariffa = 'due'", "tariff key"},
    };
    for (const auto& c : cases) {
        QFile::remove(updatePath());
        SetUp();
        editUpdate(QString::fromUtf8(c.statement));
        Database database = target_.open();
        try {
            applyUpdate(database, updatePath());
            ADD_FAILURE() << c.name << ": applied";
        } catch (const DatabaseError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(c.problem))) << c.name << ": "
                                                                               << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(updatePath())) << c.name;
        }
        expectTargetUnchanged();
    }
}

TEST_F(TariffUpdate, AMissingUpdateFileChangesNothing)
{
    Database database = target_.open();
    EXPECT_THROW(applyUpdate(database, folder_.filePath(QStringLiteral("missing.mdb"))), DatabaseError);
    expectTargetUnchanged();
}

TEST(PendingUpdate, TheFirstMarkerByNameAnnouncesIt)
{
    QTemporaryDir folder;
    EXPECT_FALSE(findPendingUpdate(folder.path()));
    for (const char* name : {"b.ini", "a.ini", "notes.txt"})
        QFile(folder.filePath(QString::fromUtf8(name))).open(QIODevice::WriteOnly);
    const std::optional<PendingUpdate> pending = findPendingUpdate(folder.path());
    ASSERT_TRUE(pending);
    EXPECT_EQ(pending->markerPath, folder.filePath(QStringLiteral("a.ini")));
    EXPECT_EQ(pending->updatePath, folder.filePath(QStringLiteral("telecom.mdb")));
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
    EXPECT_EQ(checkUpdateFile(out).bands, 7);
}

} // namespace
} // namespace zrt
