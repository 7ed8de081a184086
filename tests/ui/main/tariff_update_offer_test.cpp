#include "main_window_fixture.h"

#include "ui/main/tariff_update_offer.h"

#include "database/tariff_store.h"
#include "database/tariff_update.h"

#include <QFileInfo>

namespace zrt::test {
namespace {

// The database in its data folder, with an update of the shipped pulse
// company waiting beside it, announced by the marker "tariffe.ini".
class UpdateOffer : public DesktopTest {
protected:
    UpdateOffer()
    {
        deliverUpdate();
        createDatabaseFile(dataFile("zrtell.T99"), Content::DefaultTariffs);
        writeFile(dataFile("tariffe.ini"), {});
        before = fileDigest(dataFile("zrtell.T99"));
    }

    void deliverUpdate()
    {
        QFile::remove(dataFile("telecom.mdb"));
        ScratchDatabase source;
        Database database = source.open();
        exportUpdate(database, QStringLiteral("Telecom Italia 1998"), dataFile("telecom.mdb"));
    }

    UpdateOutcome offer()
    {
        Database database = Database::open(dataFile("zrtell.T99"));
        return offerTariffUpdate(database, dataFolder.path(), settings, dialogs);
    }

    bool unchanged() const { return fileDigest(dataFile("zrtell.T99")) == before; }
    qsizetype companies() const
    {
        Database database = Database::open(dataFile("zrtell.T99"));
        return TariffStore(database).companies().size();
    }

    QByteArray before;
};

TEST_F(UpdateOffer, AskedUntilAcceptedThenCopiedOnceRemovingItsMarker)
{
    writeFile(dataFile("zz-altro.ini"), {});
    EXPECT_EQ(offer(), UpdateOutcome::Declined);
    EXPECT_TRUE(unchanged());

    dialogs.answer = true;
    EXPECT_EQ(offer(), UpdateOutcome::Applied);
    EXPECT_EQ(dialogs.questions, 2);
    EXPECT_EQ(companies(), 3);
    EXPECT_FALSE(QFile::exists(dataFile("tariffe.ini")));
    EXPECT_TRUE(QFile::exists(dataFile("zz-altro.ini"))) << "only the marker that announced the update goes";
    EXPECT_TRUE(QFile::exists(dataFile("telecom.mdb"))) << "the update file stays";

    QFile::remove(dataFile("zz-altro.ini"));
    EXPECT_EQ(offer(), UpdateOutcome::NotOffered);
    EXPECT_EQ(companies(), 3);
}

TEST_F(UpdateOffer, AnUnusableUpdateIsReportedOnceAndNeverAsked)
{
    const struct { const char* name; std::function<void(const QString&)> spoil; } cases[] = {
        {"truncated", [](const QString& path) { QFile(path).resize(QFileInfo(path).size() / 2); }},
        {"not a database", [](const QString& path) { writeFile(path, "tariffe\n"); }},
        {"missing", [](const QString& path) { QFile::remove(path); }},
        {"no company",
         [](const QString& path) {
             Database::openSqliteFile(path, Database::Access::ReadWrite)
                 .query(QStringLiteral("DELETE FROM \"Compagnie Telefoniche New\""));
         }},
    };
    dialogs.answer = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        deliverUpdate();
        c.spoil(dataFile("telecom.mdb"));
        dialogs.warnings.clear();
        EXPECT_EQ(offer(), UpdateOutcome::Unusable);
        EXPECT_EQ(offer(), UpdateOutcome::Unusable);
        EXPECT_EQ(dialogs.warnings.size(), 1) << "reported once";
        EXPECT_EQ(dialogs.questions, 0);
        EXPECT_TRUE(unchanged());
        EXPECT_TRUE(QFile::exists(dataFile("tariffe.ini")));
    }
}

TEST_F(UpdateOffer, ACopyStoppedPartWayLeavesNothingAndComesAgain)
{
    Database(Database::open(dataFile("zrtell.T99")))
        .query(QStringLiteral("CREATE TRIGGER disk_full BEFORE INSERT ON Fasce WHEN (SELECT count(*) FROM Fasce) > 14 "
                              "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    before = fileDigest(dataFile("zrtell.T99"));
    dialogs.answer = true;
    EXPECT_EQ(offer(), UpdateOutcome::Failed);
    EXPECT_TRUE(unchanged());
    EXPECT_TRUE(QFile::exists(dataFile("tariffe.ini")));
    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.warnings.first().contains(QStringLiteral("disk full")));

    Database(Database::open(dataFile("zrtell.T99"))).query(QStringLiteral("DROP TRIGGER disk_full"));
    EXPECT_EQ(offer(), UpdateOutcome::Applied);
    EXPECT_EQ(companies(), 3);
}

} // namespace
} // namespace zrt::test
