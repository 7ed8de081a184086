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
    void meterThenCrash(LocalDateTime start = kMondayMorning)
    {
        clock.advance(clock.epochMsAt(start) / 1000 - clock.now().epochMs / 1000);
        startMonitor();
        lineUp("Casa");
        runSeconds(25);
        crash();
        display.logChanges = 0;
    }
};

TEST_F(RecoveryTest, ARowLeftOpenIsClosedWithItsLastCheckpoint)
{
    const std::pair<LocalDateTime, RowFigures> cases[] = {
        {kMondayMorning, {"10:00:00", "10:00:20", 20, 0, 152}},
        {{{2026, 12, 9}, {23 * 3600 + 59 * 60 + 50}}, {"23:59:50", "00:00:10", 20, 0, 152}}, // wraps to the next day
    };
    for (const auto& [start, closed] : cases) {
        meterThenCrash(start);
        disconnect();
        clock.advance(60);
        startMonitor();

        EXPECT_EQ(figuresOf(rows().last()), closed);
        EXPECT_EQ(display.logChanges, 1);
        EXPECT_FALSE(monitor->meterRunning());
    }
}

TEST_F(RecoveryTest, AConnectionStillUpIsMeteredOnInItsOwnRow)
{
    meterThenCrash();
    clock.advance(30);
    startMonitor();
    EXPECT_TRUE(monitor->meterRunning());
    EXPECT_EQ(display.cost(), QStringLiteral("152"));

    runSeconds(5);
    EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:01:00"));
    lineDown();

    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_EQ(figuresOf(rows()[0]), (RowFigures{"10:00:00", "10:01:01", 61, 0, 152}));
}

TEST_F(RecoveryTest, ARowTooOldToBeTheSameConnectionIsClosedAndANewOneBegun)
{
    meterThenCrash();
    clock.advance(kResumeWindowSeconds);
    startMonitor();
    monitor->tick();

    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(2));
    EXPECT_EQ(figuresOf(logged[0]), (RowFigures{"10:00:00", "10:00:20", 20, 0, 152}));
    EXPECT_EQ(logged[1].inizio, QStringLiteral("10:15:25"));
    EXPECT_TRUE(logged[1].fine.isEmpty());
}

TEST_F(RecoveryTest, TheRowOfAnotherEntryIsClosedAndTheConnectedOneGetsItsOwn)
{
    meterThenCrash();
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
