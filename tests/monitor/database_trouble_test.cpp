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

    std::optional<Database> locker;
};

// The row cannot be begun, then cannot be completed: each is written on a
// later tick, and the connection is metered throughout. The row begun late
// holds the time metered under the lock at once, not from the next
// checkpoint on.
TEST_F(DatabaseTroubleTest, RowWritesRefusedByALockAreMadeOnceItGoes)
{
    startMonitor();
    lock();
    lineUp("Casa");
    runSeconds(30);
    unlock();
    second();
    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_EQ(rows()[0].servizio, QStringLiteral("Telecom Italia 1998"));
    EXPECT_GE(rows()[0].secondi.value_or(0), 30);

    runSeconds(149);
    const int logChanges = display.logChanges;
    lock();
    lineDown();
    unlock();
    second();

    EXPECT_EQ(figuresOf(rows().value(0)), (RowFigures{"10:00:00", "10:03:01", 181, 1, 305}));
    EXPECT_EQ(display.logChanges, logChanges + 1);
}

TEST_F(DatabaseTroubleTest, NothingIsWrittenToAFileMovedAwayAndTheRowFollowsWhenItIsBack)
{
    const QString away = scratch.path() + QStringLiteral(".away");
    startMonitor();
    ASSERT_TRUE(QFile::rename(scratch.path(), away));
    lineUp("Casa");
    runSeconds(3);
    Database moved = Database::open(away);
    EXPECT_THAT(ConnectionLog(moved).openRows(), IsEmpty());
    ASSERT_TRUE(QFile::rename(away, scratch.path()));
    second();

    EXPECT_EQ(rows().value(0).inizio, QStringLiteral("10:00:00"));
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
    lineUp("Casa");
    runSeconds(15);
    crash();
    disconnect();

    lock();
    startMonitor();
    monitor->tick();
    unlock();
    monitor->tick();

    EXPECT_EQ(rows().value(0).fine, QStringLiteral("10:00:10"));
}

} // namespace
} // namespace zrt::test
