#include "monitor_fixture.h"

#include "monitor/open_row_recovery.h"

#include <gmock/gmock.h>

namespace zrt::test {
namespace {

using ::testing::SizeIs;

// The program is killed 25 s into a connection of "Casa" begun at `start`:
// its row holds the checkpoint of 20 s.
class RecoveryTest : public MonitorFixture {
protected:
    void meterThenCrash(LocalDateTime start)
    {
        clock.advance(clock.epochMsAt(start) / 1000 - clock.now().epochMs / 1000);
        startMonitor();
        connect({"Casa"});
        monitor->tick();
        runSeconds(25);
        crash();
        display.logChanges = 0;
    }
};

TEST_F(RecoveryTest, ARowLeftOpenIsClosedWithItsLastCheckpoint)
{
    const struct {
        LocalDateTime start;
        const char* fine;
    } cases[] = {
        {kMondayMorning, "10:00:20"},
        {{{2026, 12, 9}, {23 * 3600 + 59 * 60 + 50}}, "00:00:10"}, // wraps to the next day
    };
    for (const auto& c : cases) {
        meterThenCrash(c.start);
        disconnect();
        clock.advance(60);
        startMonitor();

        const LogRow row = rows().last();
        EXPECT_EQ(row.fine, QString::fromUtf8(c.fine));
        EXPECT_EQ(row.secondi, 20);
        EXPECT_EQ(row.scatti, 0);
        EXPECT_EQ(row.costo, 152);
        EXPECT_EQ(display.logChanges, 1);
        EXPECT_FALSE(monitor->meterRunning());
    }
}

TEST_F(RecoveryTest, AConnectionStillUpIsMeteredOnInItsOwnRow)
{
    meterThenCrash(kMondayMorning);
    clock.advance(30);
    startMonitor();
    EXPECT_TRUE(monitor->meterRunning());
    EXPECT_EQ(display.cost(), QStringLiteral("152"));

    runSeconds(5);
    EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:01:00"));
    disconnect();
    second();

    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(1));
    EXPECT_EQ(logged[0].inizio, QStringLiteral("10:00:00"));
    EXPECT_EQ(logged[0].fine, QStringLiteral("10:01:01"));
    EXPECT_EQ(logged[0].secondi, 61);
}

TEST_F(RecoveryTest, ARowTooOldToBeTheSameConnectionIsClosedAndANewOneBegun)
{
    meterThenCrash(kMondayMorning);
    clock.advance(kResumeWindowSeconds);
    startMonitor();
    monitor->tick();

    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(2));
    EXPECT_EQ(logged[0].fine, QStringLiteral("10:00:20"));
    EXPECT_EQ(logged[1].inizio, QStringLiteral("10:15:25"));
    EXPECT_TRUE(logged[1].fine.isEmpty());
}

TEST_F(RecoveryTest, TheRowOfAnotherEntryIsClosedAndTheConnectedOneGetsItsOwn)
{
    meterThenCrash(kMondayMorning);
    connect({"Ufficio"});
    startMonitor();
    monitor->tick();

    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(2));
    EXPECT_EQ(logged[0].fine, QStringLiteral("10:00:20"));
    EXPECT_EQ(logged[1].connessione, QStringLiteral("Ufficio"));
}

} // namespace
} // namespace zrt::test
