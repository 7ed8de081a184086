#include "fakes.h"

#include "tests/database/scratch_database.h"

#include "ui/main/settings.h"
#include "ui/main/tariff_update_offer.h"

#include "database/tariff_store.h"
#include "database/tariff_update.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

// The database in its data folder, with an update of the shipped pulse
// company and its marker waiting beside it.
class UpdateOffer : public testing::Test {
protected:
    UpdateOffer()
    {
        deliverUpdate();
        createDatabaseFile(databasePath(), Content::DefaultTariffs);
        placeMarker(QStringLiteral("tariffe.ini"));
    }

    void deliverUpdate()
    {
        QFile::remove(updatePath());
        ScratchDatabase source;
        Database database = source.open();
        exportUpdate(database, QStringLiteral("Telecom Italia 1998"), updatePath());
    }

    QString databasePath() const { return folder.filePath(QStringLiteral("zrtell.T99")); }
    QString updatePath() const { return folder.filePath(QStringLiteral("telecom.mdb")); }
    void placeMarker(const QString& name) { QFile(folder.filePath(name)).open(QIODevice::WriteOnly); }
    bool markerThere(const QString& name = QStringLiteral("tariffe.ini")) const
    {
        return QFile::exists(folder.filePath(name));
    }

    UpdateOutcome offer()
    {
        Database database = Database::open(databasePath());
        return offerTariffUpdate(database, folder.path(), settings, dialogs);
    }

    qsizetype companies() const
    {
        Database database = Database::open(databasePath());
        return TariffStore(database).companies().size();
    }

    QTemporaryDir folder;
    QTemporaryDir settingsFolder;
    Settings settings{settingsFolder.filePath(QStringLiteral("settings.ini"))};
    RecordingDialogs dialogs;
};

TEST_F(UpdateOffer, AcceptedCopiesOnceAndRemovesTheMarker)
{
    dialogs.answer = true;
    EXPECT_EQ(offer(), UpdateOutcome::Applied);
    EXPECT_EQ(dialogs.questions, 1);
    EXPECT_EQ(companies(), 3);
    EXPECT_FALSE(markerThere());
    EXPECT_TRUE(QFile::exists(updatePath())) << "the update file stays";
    EXPECT_EQ(offer(), UpdateOutcome::NotOffered);
    EXPECT_EQ(companies(), 3);
}

TEST_F(UpdateOffer, DeclinedChangesNothingAndAsksAgainNextTime)
{
    const QByteArray before = fileDigest(databasePath());
    EXPECT_EQ(offer(), UpdateOutcome::Declined);
    EXPECT_EQ(fileDigest(databasePath()), before);
    EXPECT_TRUE(markerThere());
    EXPECT_EQ(offer(), UpdateOutcome::Declined);
    EXPECT_EQ(dialogs.questions, 2);
}

TEST_F(UpdateOffer, TheMarkerThatAnnouncedTheUpdateIsTheOneRemoved)
{
    placeMarker(QStringLiteral("zz-altro.ini"));
    dialogs.answer = true;
    EXPECT_EQ(offer(), UpdateOutcome::Applied);
    EXPECT_FALSE(markerThere());
    EXPECT_TRUE(markerThere(QStringLiteral("zz-altro.ini")));
}

TEST_F(UpdateOffer, AnUnusableUpdateIsReportedOnceAndNeverAsked)
{
    const struct {
        const char* name;
        std::function<void(const QString&)> spoil;
    } cases[] = {
        {"truncated",
         [](const QString& path) {
             QFile file(path);
             file.open(QIODevice::ReadWrite);
             file.resize(file.size() / 2);
         }},
        {"not a database",
         [](const QString& path) {
             QFile file(path);
             file.open(QIODevice::WriteOnly | QIODevice::Truncate);
             file.write("tariffe\n");
         }},
        {"missing", [](const QString& path) { QFile::remove(path); }},
        {"no company",
         [](const QString& path) {
             Database update = Database::openSqliteFile(path, Database::Access::ReadWrite);
             update.query(QStringLiteral("DELETE FROM \"Compagnie Telefoniche New\""));
         }},
    };
    dialogs.answer = true;
    const QByteArray before = fileDigest(databasePath());
    for (const auto& c : cases) {
        deliverUpdate();
        c.spoil(updatePath());
        dialogs.warnings.clear();
        EXPECT_EQ(offer(), UpdateOutcome::Unusable) << c.name;
        EXPECT_EQ(offer(), UpdateOutcome::Unusable) << c.name;
        EXPECT_EQ(dialogs.warnings.size(), 1) << c.name << ": reported once";
        EXPECT_EQ(dialogs.questions, 0) << c.name;
        EXPECT_EQ(fileDigest(databasePath()), before) << c.name;
        EXPECT_TRUE(markerThere()) << c.name;
    }
}

TEST_F(UpdateOffer, ACopyStoppedPartWayLeavesNothingAndComesAgain)
{
    {
        Database database = Database::open(databasePath());
        database.query(QStringLiteral("CREATE TRIGGER disk_full BEFORE INSERT ON Fasce "
                                      "WHEN (SELECT count(*) FROM Fasce) > 14 "
                                      "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    }
    const QByteArray before = fileDigest(databasePath());
    dialogs.answer = true;
    EXPECT_EQ(offer(), UpdateOutcome::Failed);
    EXPECT_EQ(fileDigest(databasePath()), before);
    EXPECT_EQ(companies(), 2);
    EXPECT_TRUE(markerThere());
    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.warnings.first().contains(QStringLiteral("disk full")));

    Database(Database::open(databasePath())).query(QStringLiteral("DROP TRIGGER disk_full"));
    EXPECT_EQ(offer(), UpdateOutcome::Applied);
    EXPECT_EQ(dialogs.questions, 2);
    EXPECT_EQ(companies(), 3);
}

} // namespace
} // namespace zrt::test
