#include "monitor_fixture.h"

#include "database/vat_store.h"

#include <gmock/gmock.h>

#include <functional>

namespace zrt::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

using ConnectionMonitorTest = MonitorFixture;

TEST_F(ConnectionMonitorTest, OneRowPerConnectionWrittenAtItsStartAndCompletedAtItsEnd)
{
    startMonitor();
    connect({"Casa"});
    monitor->tick();
    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_TRUE(monitor->meterRunning());

    runSeconds(399);
    const QList<LogRow> whileUp = rows();
    ASSERT_THAT(whileUp, SizeIs(1));
    EXPECT_TRUE(whileUp[0].fine.isEmpty());

    disconnect();
    second();
    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(1));
    const LogRow& row = logged[0];
    EXPECT_EQ(row.data, QStringLiteral("2026-12-07"));
    EXPECT_EQ(row.connessione, QStringLiteral("Casa"));
    EXPECT_EQ(row.inizio, QStringLiteral("10:00:00"));
    EXPECT_EQ(row.fine, QStringLiteral("10:06:40"));
    EXPECT_EQ(row.servizio, QStringLiteral("Telecom Italia 1998"));
    EXPECT_EQ(row.scatti, 2);
    EXPECT_EQ(row.costo, 457); // 3 × 152.4
    EXPECT_EQ(row.secondi, 400);
    EXPECT_FALSE(monitor->meterRunning());
    EXPECT_EQ(display.logChanges, 1);
}

TEST_F(ConnectionMonitorTest, StoresTheMetersFiguresInWholeLireWhateverTheDisplayShows)
{
    const struct {
        const char* entry;
        int seconds;
        Currency currency;
        const char* shown;
        qint64 costo;
        qint64 scatti;
    } cases[] = {
        {"Casa", 179, Currency::Lire, "152", 152, 0},      // 152.4
        {"Casa", 180, Currency::Lire, "305", 305, 1},      // 304.8
        {"Casa", 180, Currency::Euro, ",157", 305, 1},
        {"Ufficio", 60, Currency::Lire, "157", 157, 1},    // 120 + 36.72
        {"Ufficio", 150, Currency::Euro, ",109", 212, 2},  // 211.8; 2.5 minutes round to 2
    };
    startMonitor();
    for (const auto& c : cases) {
        display.shownCurrency = c.currency;
        connect({c.entry});
        monitor->tick();
        runSeconds(c.seconds);
        EXPECT_EQ(display.cost(), QString::fromUtf8(c.shown)) << c.entry << ' ' << c.seconds;
        disconnect();
        monitor->tick();
        const LogRow row = rows().last();
        EXPECT_EQ(row.costo, c.costo) << c.entry << ' ' << c.seconds;
        EXPECT_EQ(row.scatti, c.scatti) << c.entry << ' ' << c.seconds;
        EXPECT_EQ(row.secondi, c.seconds);
    }
}

TEST_F(ConnectionMonitorTest, ShowsTheAnswerChargeUntilTheMetersFirstTick)
{
    const struct {
        Currency currency;
        const char* atStart;
        const char* afterASecond;
    } cases[] = {
        {Currency::Lire, "152,4", "152"},
        {Currency::Euro, ",079", ",079"},
    };
    for (const auto& c : cases) {
        display.shownCurrency = c.currency;
        startMonitor();
        connect({"Casa"});
        monitor->tick();
        EXPECT_EQ(display.cost(), QString::fromUtf8(c.atStart));
        EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:00:00"));
        second();
        EXPECT_EQ(display.cost(), QString::fromUtf8(c.afterASecond));
        EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:00:01"));
        disconnect();
        monitor->tick();
    }
}

TEST_F(ConnectionMonitorTest, WithTwoEntriesConnectedTheLaterInThePhonebookIsLogged)
{
    startMonitor();
    connect({"Ufficio", "Casa"});
    monitor->tick();
    runSeconds(5);

    EXPECT_EQ(display.caption, QStringLiteral("Connessione attiva Ufficio"));
    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(1));
    EXPECT_EQ(logged[0].connessione, QStringLiteral("Ufficio"));
}

TEST_F(ConnectionMonitorTest, AnEntryWithoutTariffIsLoggedAsNotAvailableAndCostsNothing)
{
    writeSimFile("entries", "Casa\nAltro\n");
    startMonitor();
    connect({"Altro"});
    monitor->tick();
    runSeconds(30);
    disconnect();
    second();

    EXPECT_EQ(display.cost(), QStringLiteral("0"));
    EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:00:31"));
    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(1));
    EXPECT_EQ(logged[0].servizio, QStringLiteral("Non disponibile"));
    EXPECT_EQ(logged[0].costo, 0);
    EXPECT_EQ(logged[0].secondi, 31);
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
        display.newsWanted = c.wantedAtFirst;
        connect({"Casa"});
        runSeconds(3);
        disconnect();
        second();
        display.newsWanted = c.wantedAtSecond;
        connect({"Ufficio"});
        runSeconds(3);
        disconnect();
        second();
        EXPECT_EQ(display.newsOpened, c.opened) << c.wantedAtFirst << c.wantedAtSecond;
    }
}

TEST_F(ConnectionMonitorTest, HangingUpEndsTheConnectionOnTheNextTick)
{
    startMonitor();
    monitor->tick();
    EXPECT_EQ(display.caption, QStringLiteral("Non connesso"));
    EXPECT_FALSE(display.hangUpEnabled);
    connect({"Casa"});
    monitor->tick();
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
    EXPECT_EQ(rows()[0].fine, QStringLiteral("10:00:10"));
}

TEST_F(ConnectionMonitorTest, ALineNoEntryAccountsForIsNotLogged)
{
    startMonitor();
    connect({"Sconosciuta"});
    monitor->tick();
    runSeconds(3);

    EXPECT_EQ(display.caption, QStringLiteral("Non connesso"));
    EXPECT_TRUE(display.hangUpEnabled);
    EXPECT_FALSE(monitor->meterRunning());
    EXPECT_THAT(rows(), IsEmpty());
}

TEST_F(ConnectionMonitorTest, AnEntryMadeAfterTheStartIsFound)
{
    startMonitor();
    writeSimFile("entries", "Casa\nUfficio\nNuova\n");
    connect({"Nuova"});
    monitor->tick();

    EXPECT_EQ(display.caption, QStringLiteral("Connessione attiva Nuova"));
    ASSERT_THAT(rows(), SizeIs(1));
    EXPECT_EQ(rows()[0].connessione, QStringLiteral("Nuova"));
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
        connect({"Casa"});
        monitor->tick();
        runSeconds(20);
        connect({c.then});
        second();
        const QList<LogRow> logged = rows().mid(before);
        ASSERT_THAT(logged, SizeIs(c.rowsAfter)) << c.then;
        EXPECT_EQ(logged[0].connessione, QStringLiteral("Casa"));
        EXPECT_FALSE(logged[0].fine.isEmpty());
        EXPECT_EQ(logged[0].secondi, 21);
        disconnect();
        second();
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
        connect({"Casa"});
        monitor->tick();
        runSeconds(60);
        EXPECT_EQ(display.cost(), QStringLiteral("152"));
        c.change(other);
        runSeconds(2);
        EXPECT_EQ(display.cost(), QString::fromUtf8(c.cost));
        disconnect();
        second();
    }
}

TEST_F(ConnectionMonitorTest, ChecksTheFiguresIntoTheOpenRowEveryTenSeconds)
{
    startMonitor();
    connect({"Casa"});
    monitor->tick();
    runSeconds(9);
    EXPECT_EQ(rows()[0].secondi, 0);

    runSeconds(1);
    EXPECT_EQ(rows()[0].secondi, 10);
    runSeconds(185);
    const LogRow row = rows()[0];
    EXPECT_EQ(row.secondi, 190);
    EXPECT_EQ(row.scatti, 1);
    EXPECT_EQ(row.costo, 305);
    EXPECT_TRUE(row.fine.isEmpty());
}

TEST_F(ConnectionMonitorTest, ShuttingDownCompletesTheRowWithTheCostSoFar)
{
    startMonitor();
    connect({"Casa"});
    monitor->tick();
    runSeconds(199);
    clock.advance(1);

    monitor->shutDown();

    const LogRow row = rows()[0];
    EXPECT_EQ(row.fine, QStringLiteral("10:03:20"));
    EXPECT_EQ(row.secondi, 200);
    EXPECT_EQ(row.scatti, 1);
    EXPECT_EQ(row.costo, 305);
}

TEST_F(ConnectionMonitorTest, AConnectionAcrossMidnightKeepsItsStartDate)
{
    clock.advance(13 * 3600 + 59 * 60); // 23:59:00
    startMonitor();
    connect({"Casa"});
    monitor->tick();
    runSeconds(119);
    disconnect();
    second();

    const LogRow row = rows()[0];
    EXPECT_EQ(row.data, QStringLiteral("2026-12-07"));
    EXPECT_EQ(row.inizio, QStringLiteral("23:59:00"));
    EXPECT_EQ(row.fine, QStringLiteral("00:01:00"));
}

TEST_F(ConnectionMonitorTest, ADaylightSavingChangeNeitherAddsNorRemovesTime)
{
    for (const int shift : {3600, -3600}) {
        startMonitor();
        connect({"Casa"});
        monitor->tick();
        runSeconds(5);
        clock.shiftWallClock(shift);
        runSeconds(5);
        EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:00:10")) << shift;
        disconnect();
        second();
        EXPECT_EQ(rows().last().secondi, 11) << shift;
    }
}

} // namespace
} // namespace zrt::test
