#include "monitor_fixture.h"

#include "monitor/open_row_recovery.h"

#include <gmock/gmock.h>

namespace zrt::test {
namespace {

using ::testing::SizeIs;

// The program is killed 25 s into a connection of "Casa", when its row
// holds the checkpoint of 20 s, and starts again `later` seconds on with
// the `connected` lines up.
class RecoveryTest : public MonitorFixture {
protected:
    void crashAndRestart(qint64 later, std::initializer_list<const char*> connected)
    {
        startMonitor();
        lineUp("Casa");
        runSeconds(25);
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

TEST_F(RecoveryTest, AConnectionStillUpIsMeteredOnInItsOwnRow)
{
    crashAndRestart(30, {"Casa"});
    EXPECT_EQ(display.cost(), QStringLiteral("152"));
    runSeconds(5);
    EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:01:00"));
    lineDown();

    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_EQ(figuresOf(rows()[0]), (RowFigures{"10:00:00", "10:01:01", 61, 0, 152}));
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

} // namespace
} // namespace zrt::test
