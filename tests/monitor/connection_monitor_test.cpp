#include "monitor_fixture.h"

#include "database/database_error.h"
#include "monitor/open_row_recovery.h"
#include "tests/support/rome_time_zone.h"

#include <QFile>

#include <cstdio>
#include <functional>

#include <gmock/gmock.h>

namespace zrt::test {
namespace {

using ::testing::IsEmpty;
using ::testing::SizeIs;

using ConnectionMonitorTest = MonitorFixture;

// The answer charge is shown until the meter's first tick; whatever the
// display shows, the row holds whole Lire.
TEST_F(ConnectionMonitorTest, OneRowPerConnectionWrittenAtItsStartAndCompletedAtItsEnd)
{
    display.shownCurrency = Currency::Euro;
    startMonitor();
    lineUp("Casa");
    EXPECT_EQ(display.cost(), QStringLiteral(",079"));
    EXPECT_THAT(rows(), SizeIs(1));
    runSeconds(399);
    lineDown();

    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_EQ(figuresOf(rows()[0]), (RowFigures{"10:00:00", "10:06:40", 400, 2, 457})); // 3 × 152.4
    EXPECT_EQ(display.logChanges, 1);
}

TEST_F(ConnectionMonitorTest, WithTwoEntriesConnectedTheLaterInThePhonebookIsLogged)
{
    startMonitor();
    connect({"Ufficio", "Casa"});
    monitor->tick();

    EXPECT_EQ(display.caption, QStringLiteral("Connessione attiva Ufficio"));
    EXPECT_EQ(rows().value(0).connessione, QStringLiteral("Ufficio"));
}

// An entry added to the phonebook while the program runs gets the default
// tariff and is priced from its first second: at full rate a minute costs
// 30.60 Lire after the answer's 100, so (100 + 30.60) × 1.2 VAT = 157.
TEST_F(ConnectionMonitorTest, ANewPhonebookEntryIsPricedWithTheDefaultTariffFromItsFirstSecond)
{
    startMonitor();
    writeSimFile("entries", "Casa\nUfficio\nNuova\n");
    lineUp("Nuova");
    runSeconds(59);
    lineDown();

    EXPECT_EQ(rows().value(0).servizio, QStringLiteral("Telecom Italia"));
    EXPECT_EQ(figuresOf(rows().value(0)), (RowFigures{"10:00:00", "10:01:00", 60, 1, 157}));
}

// Without a band the cost is unknown: shown and logged so, never as 0.
// Once the user associates a tariff, the whole call is priced from its
// start and the row gets the company.
TEST_F(ConnectionMonitorTest, ACallWithoutABandIsUnpricedUntilOneAppearsThenPricedFromItsStart)
{
    {
        Database db = scratch.open();
        AssociationStore(db).associate(QStringLiteral("Casa"), 99); // no such tariff
    }
    startMonitor();
    lineUp("Casa");
    runSeconds(20);

    EXPECT_EQ(display.cost(), QStringLiteral("--- Casa"));
    EXPECT_EQ(display.caption, QStringLiteral("Tariffa mancante per Casa"));
    EXPECT_EQ(rows().value(0).servizio, QStringLiteral("Non disponibile"));
    EXPECT_EQ(figuresOf(rows().value(0)), (RowFigures{"10:00:00", "", 20, std::nullopt, std::nullopt}));

    {
        Database db = scratch.open();
        AssociationStore(db).associate(QStringLiteral("Casa"), 2);
    }
    runSeconds(9);
    lineDown();

    EXPECT_EQ(display.caption, QStringLiteral("Non connesso"));
    EXPECT_EQ(rows().value(0).servizio, QStringLiteral("Telecom Italia 1998"));
    EXPECT_EQ(figuresOf(rows().value(0)), (RowFigures{"10:00:00", "10:00:30", 30, 0, 152}));
}

// An unknown line makes the monitor read the phonebook again; only an
// entry found there is metered and logged.
TEST_F(ConnectionMonitorTest, ALineIsLoggedOnlyOnceAPhonebookEntryAccountsForIt)
{
    startMonitor();
    lineUp("Nuova");
    runSeconds(3);
    EXPECT_EQ(display.caption, QStringLiteral("Non connesso"));
    EXPECT_TRUE(display.hangUpEnabled);
    EXPECT_THAT(rows(), IsEmpty());

    writeSimFile("entries", "Casa\nUfficio\nNuova\n");
    second();
    EXPECT_EQ(rows().value(0).connessione, QStringLiteral("Nuova"));
}

TEST_F(ConnectionMonitorTest, HangingUpEndsTheConnectionOnTheNextTick)
{
    startMonitor();
    lineUp("Casa");
    EXPECT_EQ(display.cost(), QStringLiteral("152,4")); // in Lire the answer charge shows its decimals
    runSeconds(9);

    monitor->hangUp();
    second();

    EXPECT_FALSE(display.hangUpEnabled);
    EXPECT_EQ(display.cost(), QStringLiteral("152")); // the last cost stays
    EXPECT_EQ(rows().value(0).fine, QStringLiteral("10:00:10"));
}

TEST_F(ConnectionMonitorTest, TheRowEndsWhenTheLineNoLongerBelongsToTheMeteredEntry)
{
    startMonitor();
    lineUp("Casa");
    runSeconds(20);
    connect({"Sconosciuta"}); // a line no entry accounts for gets no row
    second();
    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_EQ(figuresOf(rows()[0]), (RowFigures{"10:00:00", "10:00:21", 21, 0, 152}));
}

TEST_F(ConnectionMonitorTest, ChecksTheFiguresIntoTheOpenRowEveryTenSeconds)
{
    startMonitor();
    lineUp("Casa");
    runSeconds(9);
    EXPECT_EQ(rows().value(0).secondi, 0);
    runSeconds(181);
    EXPECT_EQ(figuresOf(rows().value(0)), (RowFigures{"10:00:00", "", 190, 1, 305}));
}

// The wall clock set forward or back during a call (an NTP step, a clock
// kept in local time by another system) neither adds nor removes time: a
// 25 s call is 25 s, its cost that of 25 s at 30.60 Lire a minute,
// (100 + 12.75) × 1.2 = 135, its end 25 s after its start.
TEST_F(ConnectionMonitorTest, AClockSetDuringACallNeitherAddsNorRemovesTime)
{
    for (const qint64 step : {2 * 3600, -3600, -5}) {
        const qsizetype before = rows().size();
        startMonitor();
        lineUp("Ufficio");
        runSeconds(10);
        clock.setWallClock(step);
        runSeconds(14);
        lineDown();
        const LogRow row = rows().value(before);
        EXPECT_EQ(row.secondi, 25) << step;
        EXPECT_EQ(row.costo, 135) << step;
        EXPECT_EQ(parseTimeOfDay(row.fine.toStdString())->seconds - parseTimeOfDay(row.inizio.toStdString())->seconds,
                  25)
            << step;
        clock.setWallClock(-step);
    }
}

// The program is killed 25 s into a connection of "Casa", when its row
// holds the checkpoint of 20 s, and starts again `later` seconds on with
// the `connected` lines up.
class RecoveryTest : public MonitorFixture {
protected:
    void crashAndRestart(qint64 later, std::initializer_list<const char*> connected, int metered = 25)
    {
        startMonitor();
        lineUp("Casa");
        runSeconds(metered);
        crash();
        connect(connected);
        clock.advance(later);
        display.logChanges = 0;
        startMonitor();
        monitor->tick();
    }
};

TEST_F(RecoveryTest, ARowLeftOpenIsClosedWithItsLastCheckpoint)
{
    clock.advance(13 * 3600 + 59 * 60 + 50); // 23:59:50: the row ends the next day
    crashAndRestart(60, {});

    EXPECT_EQ(figuresOf(rows().value(0)), (RowFigures{"23:59:50", "00:00:10", 20, 0, 152}));
    EXPECT_EQ(display.logChanges, 1);
    EXPECT_FALSE(monitor->meterRunning());
}

TEST_F(RecoveryTest, ARowKilledBeforeItsFirstCheckpointKeepsTheAnswerCharge)
{
    crashAndRestart(60, {}, 5);
    EXPECT_EQ(figuresOf(rows().value(0)), (RowFigures{"10:00:00", "10:00:00", 0, 0, 152}));
}

// A row too old to be the same connection, or of another entry, is closed
// and the connected entry gets a row of its own.
TEST_F(RecoveryTest, ARowTooOldOrOfAnotherEntryIsClosedAndTheLineGetsANewOne)
{
    for (const auto& [later, entry] : {std::pair{kResumeWindowSeconds, "Casa"}, {30, "Ufficio"}}) {
        const qsizetype before = rows().size();
        crashAndRestart(later, {entry});

        const QList<LogRow> logged = rows().mid(before);
        ASSERT_THAT(logged, SizeIs(2)) << entry;
        EXPECT_EQ(logged[0].secondi, 20);
        EXPECT_FALSE(logged[0].fine.isEmpty());
        EXPECT_EQ(logged[1].connessione, QString::fromUtf8(entry));
        EXPECT_TRUE(logged[1].fine.isEmpty());
        lineDown();
    }
}

// Europe/Rome's clock goes back from 03:00 CEST to 02:00 CET on Sunday 25
// October 2026. A call begun at 02:55 CEST, the program killed and started
// again at 02:01 CET (four minutes later) with the line still up, is the
// same call: its row is taken up again, with one answer charge.
TEST(RecoveryAcrossClockChange, ARestartInTheRepeatedHourResumesTheRow)
{
    const RomeTimeZone rome;
    ScratchDatabase scratch;
    {
        Database db = scratch.open();
        AssociationStore(db).associate(QStringLiteral("Casa"), 1);
    }
    MonitorDatabase database{scratch.path(), std::chrono::milliseconds(20)};
    DatabaseLogStore log{database};
    DatabaseTariffSource tariffs{database};
    TempDir simFolder;
    std::ofstream(simFolder.path() / "entries") << "Casa\n";
    std::ofstream(simFolder.path() / "connected") << "Casa\n";
    SimDialUp dialUp{simFolder.path()};
    FakeClock clock{{{2026, 10, 25}, {2 * 3600 + 55 * 60}}, rome};
    RecordingDisplay display;

    std::optional<ConnectionMonitor> monitor;
    monitor.emplace(MonitorServices{dialUp, clock, log, tariffs, display});
    monitor->start();
    monitor->tick();
    for (int i = 0; i < 25; ++i) {
        clock.advance(1);
        monitor->meterTick();
        monitor->tick();
    }
    monitor.reset();
    clock.advance(6 * 60 - 25); // 02:01 CET
    monitor.emplace(MonitorServices{dialUp, clock, log, tariffs, display});
    monitor->start();
    monitor->tick();
    clock.advance(1);
    monitor->meterTick();
    std::ofstream(simFolder.path() / "connected", std::ios::trunc);
    monitor->tick();

    const QList<LogRow> logged = scratch.rows();
    ASSERT_THAT(logged, SizeIs(1));
    EXPECT_EQ(logged[0].secondi, 361);
    EXPECT_EQ(logged[0].fine, QStringLiteral("02:01:01"));
}

// Another program holds the database file locked, or the file is away.
class DatabaseTroubleTest : public MonitorFixture {
protected:
    void lock() { locker.emplace(scratch); }
    void unlock() { locker.reset(); }

    std::optional<ExclusiveLock> locker;
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

// The running call's row is deleted by another program, or the whole file
// is replaced (a backup put back) while the call runs: the call still ends
// with exactly one complete row, in the file now there, from its start.
TEST_F(DatabaseTroubleTest, TheRunningCallsRowIsWrittenAgainWhenItIsGone)
{
    const std::pair<const char*, std::function<void()>> troubles[] = {
        {"deleted", [this] { scratch.open().query(QStringLiteral("DELETE FROM Connessioni")); }},
        {"replaced",
         [this] {
             ScratchDatabase backup;
             {
                 Database db = backup.open();
                 AssociationStore(db).associate(QStringLiteral("Casa"), 2);
             }
             const QString moved = scratch.path() + QStringLiteral(".new");
             ASSERT_TRUE(QFile::copy(backup.path(), moved));
             ASSERT_EQ(::rename(QFile::encodeName(moved).constData(), QFile::encodeName(scratch.path()).constData()),
                       0);
         }},
    };
    for (const auto& [name, trouble] : troubles) {
        startMonitor();
        lineUp("Casa");
        runSeconds(15);
        trouble();
        runSeconds(20);
        lineDown();
        const QList<LogRow> logged = rows();
        ASSERT_THAT(logged, SizeIs(1)) << name;
        EXPECT_EQ(figuresOf(logged[0]), (RowFigures{"10:00:00", "10:00:36", 36, 0, 152})) << name;
        scratch.open().query(QStringLiteral("DELETE FROM Connessioni"));
        clock.advance(-36);
    }
}

// Keys past 2^31 and 2^32 are keys like any other: the call's row is
// completed by its own key, and no other row is touched.
TEST_F(DatabaseTroubleTest, KeysPastTwoToTheThirtyTwoAreKeptWhole)
{
    insertCallsPastTwoToTheThirtyTwo(scratch);
    startMonitor();
    lineUp("Casa");
    runSeconds(14);
    lineDown();
    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(3));
    EXPECT_EQ(figuresOf(logged[0]), (RowFigures{"09:00:00", "10:00:00", 3600, 20, 3048}));
    EXPECT_EQ(logged[2].id, Q_INT64_C(4294967297));
    EXPECT_EQ(figuresOf(logged[2]), (RowFigures{"10:00:00", "10:00:15", 15, 0, 152}));
}

TEST_F(DatabaseTroubleTest, AReplacedFileIsReopened)
{
    MonitorDatabase monitorDatabase(scratch.path());
    monitorDatabase.get();
    ScratchDatabase replacement;
    ASSERT_TRUE(QFile::remove(scratch.path()));
    EXPECT_THROW(monitorDatabase.get(), DatabaseError);
    ASSERT_TRUE(QFile::copy(replacement.path(), scratch.path()));

    DatabaseLogStore(monitorDatabase).open({QStringLiteral("Casa"), kMondayMorning, QStringLiteral("x"), {}, {}}, {});
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
