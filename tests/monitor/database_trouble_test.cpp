#include "monitor_fixture.h"

#include "database/database_error.h"

#include <QFile>

#include <gmock/gmock.h>

namespace zrt::test {
namespace {

using ::testing::IsEmpty;
using ::testing::SizeIs;

// Another program holds the database file locked, or the file is away.
class DatabaseTroubleTest : public MonitorFixture {
protected:
    void lock()
    {
        locker.emplace(scratch.open());
        locker->query(QStringLiteral("BEGIN EXCLUSIVE"));
    }
    void unlock()
    {
        locker->query(QStringLiteral("ROLLBACK"));
        locker.reset();
    }

    QString movedPath() const { return scratch.path() + QStringLiteral(".away"); }
    void moveFileAway() { ASSERT_TRUE(QFile::rename(scratch.path(), movedPath())); }
    void bringFileBack() { ASSERT_TRUE(QFile::rename(movedPath(), scratch.path())); }

    std::optional<Database> locker;
};

TEST_F(DatabaseTroubleTest, ARowThatCannotBeBegunIsWrittenLaterWithItsStart)
{
    startMonitor();
    lock();
    connect({"Casa"});
    monitor->tick();
    runSeconds(2);
    EXPECT_TRUE(monitor->meterRunning());
    unlock();
    runSeconds(1);

    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_EQ(rows()[0].inizio, QStringLiteral("10:00:00"));
    EXPECT_EQ(rows()[0].servizio, QStringLiteral("Telecom Italia 1998"));
    runSeconds(177);
    disconnect();
    second();
    const LogRow row = rows()[0];
    EXPECT_EQ(row.fine, QStringLiteral("10:03:01"));
    EXPECT_EQ(row.scatti, 1);
    EXPECT_EQ(row.costo, 305);
}

TEST_F(DatabaseTroubleTest, AConnectionThatEndsWhileTheFileIsLockedIsCompletedLater)
{
    startMonitor();
    connect({"Casa"});
    monitor->tick();
    runSeconds(30);
    lock();
    disconnect();
    runSeconds(2);
    EXPECT_EQ(display.logChanges, 0);
    unlock();
    second();

    const LogRow row = rows()[0];
    EXPECT_EQ(row.fine, QStringLiteral("10:00:31"));
    EXPECT_EQ(row.secondi, 31);
    EXPECT_EQ(display.logChanges, 1);
}

TEST_F(DatabaseTroubleTest, AConnectionWhollyWithinALockIsWrittenWhole)
{
    startMonitor();
    lock();
    connect({"Casa"});
    monitor->tick();
    runSeconds(4);
    disconnect();
    second();
    unlock();
    second();

    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(1));
    EXPECT_EQ(logged[0].connessione, QStringLiteral("Casa"));
    EXPECT_EQ(logged[0].inizio, QStringLiteral("10:00:00"));
    EXPECT_EQ(logged[0].fine, QStringLiteral("10:00:05"));
    EXPECT_EQ(logged[0].secondi, 5);
}

TEST_F(DatabaseTroubleTest, NothingIsWrittenToAFileMovedAwayAndTheRowFollowsWhenItIsBack)
{
    startMonitor();
    moveFileAway();
    connect({"Casa"});
    monitor->tick();
    runSeconds(3);
    Database moved = Database::open(movedPath());
    EXPECT_THAT(ConnectionLog(moved).openRows(), IsEmpty());
    bringFileBack();
    second();

    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_EQ(rows()[0].inizio, QStringLiteral("10:00:00"));
}

TEST_F(DatabaseTroubleTest, AReplacedFileIsReopened)
{
    MonitorDatabase monitorDatabase(scratch.path());
    monitorDatabase.get();
    ScratchDatabase replacement;
    ASSERT_TRUE(QFile::remove(scratch.path()));
    EXPECT_THROW(monitorDatabase.get(), DatabaseError);
    ASSERT_TRUE(QFile::copy(replacement.path(), scratch.path()));

    DatabaseLogStore(monitorDatabase).open(QStringLiteral("Casa"), kMondayMorning, QStringLiteral("x"));
    EXPECT_THAT(rows(), SizeIs(1));
}

TEST_F(DatabaseTroubleTest, RowsLeftOpenAreSettledOnceTheFileCanBeRead)
{
    startMonitor();
    connect({"Casa"});
    monitor->tick();
    runSeconds(15);
    crash();
    disconnect();

    lock();
    startMonitor();
    monitor->tick();
    EXPECT_FALSE(monitor->meterRunning());
    unlock();
    monitor->tick();

    EXPECT_EQ(rows()[0].fine, QStringLiteral("10:00:10"));
}

} // namespace
} // namespace zrt::test
