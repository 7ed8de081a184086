#include "monitor_fixture.h"

#include "database/vat_store.h"

#include <gmock/gmock.h>

#include <functional>

namespace zrt::test {
namespace {

using ::testing::IsEmpty;
using ::testing::SizeIs;

using ConnectionMonitorTest = MonitorFixture;

TEST_F(ConnectionMonitorTest, OneRowPerConnectionWrittenAtItsStartAndCompletedAtItsEnd)
{
    startMonitor();
    lineUp("Casa");
    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_TRUE(monitor->meterRunning());
    runSeconds(399);
    EXPECT_TRUE(rows().value(0).fine.isEmpty());
    lineDown();

    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(1));
    EXPECT_EQ(logged[0].data, QStringLiteral("2026-12-07"));
    EXPECT_EQ(logged[0].connessione, QStringLiteral("Casa"));
    EXPECT_EQ(logged[0].servizio, QStringLiteral("Telecom Italia 1998"));
    EXPECT_EQ(figuresOf(logged[0]), (RowFigures{"10:00:00", "10:06:40", 400, 2, 457})); // 3 × 152.4
    EXPECT_FALSE(monitor->meterRunning());
    EXPECT_EQ(display.logChanges, 1);
}

// The answer charge is shown until the meter's first tick; whatever the
// display shows, the row holds whole Lire.
TEST_F(ConnectionMonitorTest, ShowsTheAnswerChargeThenTheMetersCostAndStoresWholeLire)
{
    const struct {
        const char* entry;
        int seconds;
        Currency currency;
        const char* atStart;
        const char* shown;
        qint64 costo;
        qint64 scatti;
    } cases[] = {
        {"Casa", 179, Currency::Lire, "152,4", "152", 152, 0}, // 152.4
        {"Casa", 180, Currency::Lire, "152,4", "305", 305, 1}, // 304.8
        {"Casa", 180, Currency::Euro, ",079", ",157", 305, 1},
        {"Ufficio", 60, Currency::Lire, "120", "157", 157, 1},    // 120 + 36.72
        {"Ufficio", 150, Currency::Euro, ",062", ",109", 212, 2}, // 211.8; 2.5 minutes round to 2
    };
    startMonitor();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.entry << ' ' << c.seconds);
        display.shownCurrency = c.currency;
        lineUp(c.entry);
        EXPECT_EQ(display.cost(), QString::fromUtf8(c.atStart));
        EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:00:00"));
        runSeconds(c.seconds);
        EXPECT_EQ(display.cost(), QString::fromUtf8(c.shown));
        disconnect();
        monitor->tick();
        const LogRow row = rows().last();
        EXPECT_EQ(row.costo, c.costo);
        EXPECT_EQ(row.scatti, c.scatti);
        EXPECT_EQ(row.secondi, c.seconds);
    }
}

TEST_F(ConnectionMonitorTest, WithTwoEntriesConnectedTheLaterInThePhonebookIsLogged)
{
    startMonitor();
    connect({"Ufficio", "Casa"});
    monitor->tick();
    runSeconds(5);

    EXPECT_EQ(display.caption, QStringLiteral("Connessione attiva Ufficio"));
    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_EQ(rows()[0].connessione, QStringLiteral("Ufficio"));
}

TEST_F(ConnectionMonitorTest, AnEntryWithoutTariffIsLoggedAsNotAvailableAndCostsNothing)
{
    writeSimFile("entries", "Casa\nAltro\n");
    startMonitor();
    lineUp("Altro");
    runSeconds(30);
    lineDown();

    EXPECT_EQ(display.cost(), QStringLiteral("0"));
    EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:00:31"));
    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_EQ(rows()[0].servizio, QStringLiteral("Non disponibile"));
    EXPECT_EQ(rows()[0].costo, 0);
    EXPECT_EQ(rows()[0].secondi, 31);
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
    EXPECT_FALSE(monitor->meterRunning());
    EXPECT_THAT(rows(), IsEmpty());

    writeSimFile("entries", "Casa\nUfficio\nNuova\n");
    second();
    EXPECT_EQ(display.caption, QStringLiteral("Connessione attiva Nuova"));
    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_EQ(rows()[0].connessione, QStringLiteral("Nuova"));
}

TEST_F(ConnectionMonitorTest, OpensTheNewsPageOnTheFirstConnectedTickOfTheRunOnly)
{
    const struct {
        bool wantedAtFirst;
        bool wantedAtSecond;
        int opened;
    } cases[] = {
        {true, true, 1},
        {false, true, 0}, // the first connection used up the chance
        {false, false, 0},
    };
    for (const auto& c : cases) {
        display.newsOpened = 0;
        startMonitor();
        const std::pair<const char*, bool> connections[] = {{"Casa", c.wantedAtFirst}, {"Ufficio", c.wantedAtSecond}};
        for (const auto& [entry, wanted] : connections) {
            display.newsWanted = wanted;
            lineUp(entry);
            runSeconds(3);
            lineDown();
        }
        EXPECT_EQ(display.newsOpened, c.opened) << c.wantedAtFirst << c.wantedAtSecond;
    }
}

TEST_F(ConnectionMonitorTest, HangingUpEndsTheConnectionOnTheNextTick)
{
    startMonitor();
    monitor->tick();
    EXPECT_EQ(display.caption, QStringLiteral("Non connesso"));
    EXPECT_FALSE(display.hangUpEnabled);
    lineUp("Casa");
    EXPECT_EQ(display.caption, QStringLiteral("Connessione attiva Casa"));
    EXPECT_TRUE(display.hangUpEnabled);
    runSeconds(9);

    monitor->hangUp();
    EXPECT_TRUE(monitor->meterRunning());
    second();

    EXPECT_FALSE(monitor->meterRunning());
    EXPECT_EQ(display.caption, QStringLiteral("Non connesso"));
    EXPECT_FALSE(display.hangUpEnabled);
    EXPECT_EQ(display.cost(), QStringLiteral("152")); // the last cost stays
    EXPECT_EQ(rows().value(0).fine, QStringLiteral("10:00:10"));
}

TEST_F(ConnectionMonitorTest, TheRowEndsWhenTheLineNoLongerBelongsToTheMeteredEntry)
{
    const struct {
        const char* then;
        int rowsAfter;
    } cases[] = {
        {"Ufficio", 2},     // another entry's connection gets a row of its own
        {"Sconosciuta", 1}, // a line no entry accounts for gets none
    };
    for (const auto& c : cases) {
        startMonitor();
        const qsizetype before = rows().size();
        lineUp("Casa");
        runSeconds(20);
        connect({c.then});
        second();
        const QList<LogRow> logged = rows().mid(before);
        ASSERT_THAT(logged, SizeIs(c.rowsAfter)) << c.then;
        EXPECT_EQ(logged[0].connessione, QStringLiteral("Casa"));
        EXPECT_FALSE(logged[0].fine.isEmpty());
        EXPECT_EQ(logged[0].secondi, 21);
        lineDown();
    }
}

TEST_F(ConnectionMonitorTest, ATariffChangedByAnotherProgramCountsFromTheNextSecond)
{
    const struct {
        std::function<void(Database&)> change;
        const char* cost;
    } cases[] = {
        {[](Database& other) { AssociationStore(other).associate(QStringLiteral("Casa"), 1); }, "158"}, // per minute
        {[](Database& other) { VatStore(other).write(10); }, "140"},
    };
    for (const auto& c : cases) {
        Database other = scratch.open();
        AssociationStore(other).associate(QStringLiteral("Casa"), 2);
        startMonitor();
        lineUp("Casa");
        runSeconds(60);
        EXPECT_EQ(display.cost(), QStringLiteral("152"));
        c.change(other);
        runSeconds(2);
        EXPECT_EQ(display.cost(), QString::fromUtf8(c.cost));
        lineDown();
    }
}

TEST_F(ConnectionMonitorTest, ChecksTheFiguresIntoTheOpenRowEveryTenSeconds)
{
    startMonitor();
    lineUp("Casa");
    runSeconds(9);
    EXPECT_EQ(rows().value(0).secondi, 0);
    runSeconds(1);
    EXPECT_EQ(rows().value(0).secondi, 10);
    runSeconds(185);
    EXPECT_EQ(figuresOf(rows().value(0)), (RowFigures{"10:00:00", "", 190, 1, 305}));
}

TEST_F(ConnectionMonitorTest, ShuttingDownCompletesTheRowWithTheCostSoFar)
{
    startMonitor();
    lineUp("Casa");
    runSeconds(199);
    clock.advance(1);

    monitor->shutDown();

    EXPECT_EQ(figuresOf(rows().value(0)), (RowFigures{"10:00:00", "10:03:20", 200, 1, 305}));
}

TEST_F(ConnectionMonitorTest, AConnectionAcrossMidnightKeepsItsStartDate)
{
    clock.advance(13 * 3600 + 59 * 60); // 23:59:00
    startMonitor();
    lineUp("Casa");
    runSeconds(119);
    lineDown();

    EXPECT_EQ(rows().value(0).data, QStringLiteral("2026-12-07"));
    EXPECT_EQ(figuresOf(rows().value(0)), (RowFigures{"23:59:00", "00:01:00", 120, 0, 152}));
}

TEST_F(ConnectionMonitorTest, ADaylightSavingChangeNeitherAddsNorRemovesTime)
{
    for (const int shift : {3600, -3600}) {
        startMonitor();
        lineUp("Casa");
        runSeconds(5);
        clock.shiftWallClock(shift);
        runSeconds(5);
        EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:00:10")) << shift;
        lineDown();
        EXPECT_EQ(rows().last().secondi, 11) << shift;
    }
}

} // namespace
} // namespace zrt::test
