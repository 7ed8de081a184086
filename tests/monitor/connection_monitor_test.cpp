#include "monitor_fixture.h"

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
    EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:00:00"));
    EXPECT_THAT(rows(), SizeIs(1));
    runSeconds(399);
    lineDown();

    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_EQ(rows()[0].servizio, QStringLiteral("Telecom Italia 1998"));
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

TEST_F(ConnectionMonitorTest, AnEntryWithoutTariffIsLoggedAsNotAvailableAndCostsNothing)
{
    writeSimFile("entries", "Casa\nAltro\n");
    startMonitor();
    lineUp("Altro");
    runSeconds(30);
    lineDown();

    EXPECT_EQ(display.cost(), QStringLiteral("0"));
    EXPECT_EQ(rows().value(0).servizio, QStringLiteral("Non disponibile"));
    EXPECT_EQ(rows().value(0).costo, 0);
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
    EXPECT_EQ(display.caption, QStringLiteral("Connessione attiva Nuova"));
    EXPECT_EQ(rows().value(0).connessione, QStringLiteral("Nuova"));
}

TEST_F(ConnectionMonitorTest, HangingUpEndsTheConnectionOnTheNextTick)
{
    startMonitor();
    lineUp("Casa");
    EXPECT_EQ(display.cost(), QStringLiteral("152,4")); // in Lire the answer charge shows its decimals
    EXPECT_TRUE(display.hangUpEnabled);
    runSeconds(9);

    monitor->hangUp();
    second();

    EXPECT_FALSE(display.hangUpEnabled);
    EXPECT_EQ(display.cost(), QStringLiteral("152")); // the last cost stays
    EXPECT_EQ(rows().value(0).fine, QStringLiteral("10:00:10"));
}

TEST_F(ConnectionMonitorTest, TheRowEndsWhenTheLineNoLongerBelongsToTheMeteredEntry)
{
    // Another entry's connection gets a row of its own; a line no entry
    // accounts for gets none.
    for (const auto& [then, newRows] : {std::pair{"Ufficio", 2}, {"Sconosciuta", 1}}) {
        startMonitor();
        const qsizetype before = rows().size();
        lineUp("Casa");
        runSeconds(20);
        connect({then});
        second();
        const QList<LogRow> logged = rows().mid(before);
        ASSERT_THAT(logged, SizeIs(newRows)) << then;
        EXPECT_EQ(logged[0].secondi, 21);
        EXPECT_FALSE(logged[0].fine.isEmpty());
        lineDown();
    }
}

TEST_F(ConnectionMonitorTest, ChecksTheFiguresIntoTheOpenRowEveryTenSecondsAndWhenTheClockGoesBack)
{
    startMonitor();
    lineUp("Casa");
    runSeconds(9);
    EXPECT_EQ(rows().value(0).secondi, 0);
    runSeconds(181);
    EXPECT_EQ(figuresOf(rows().value(0)), (RowFigures{"10:00:00", "", 190, 1, 305}));
    clock.advance(-100); // the system clock is set back: checkpointed at once
    second();
    EXPECT_EQ(rows().value(0).secondi, 91);
}

TEST_F(ConnectionMonitorTest, ADaylightSavingChangeNeitherAddsNorRemovesTime)
{
    startMonitor();
    lineUp("Casa");
    runSeconds(5);
    clock.shiftWallClock(-3600);
    runSeconds(5);
    lineDown();
    EXPECT_EQ(rows().value(0).secondi, 11);
}

} // namespace
} // namespace zrt::test
