#include "headless_run.h"
#include "reliability_support.h"

#include "tests/database/scratch_database.h"
#include "tests/monitor/dialup/temp_dir.h"
#include "tests/monitor/monitor_fixture.h"

#include "database/association_store.h"
#include "database/connection_log.h"
#include "database/tariff_store.h"
#include "database/vat_store.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace zrt::test {
namespace {

constexpr int kRoundsPerSeed = 10;
constexpr qint64 kCheckpointSeconds = 10;
// A tick comes up to a second after the instant it reports, and the
// elapsed time is rounded to the second.
constexpr double kTickSlackSeconds = 2;

qint64 nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

// One connection as the dialer made it.
struct Connection {
    std::string entry;
    qint64 droppedMs = 0;     // when the line went down
    qint64 lastFiguresMs = 0; // the program can have figured the connection up to here, not later
    bool droppedWhileKilled = false;
};

// What the rounds measured, over all seeds, for the record.
struct Worst {
    double checkpointLossSeconds = 0;
    qint64 checkpointLossLire = 0;
    int rows = 0;
};
Worst worst;

// zrtellix is killed with SIGKILL at random moments while it meters, and
// started again with the line still up or dropped meanwhile.
class KillRecovery : public testing::TestWithParam<unsigned> {
protected:
    KillRecovery()
    {
        writeSimFile("entries", "Casa\nUfficio\nVeloce\n");
        Database setup = scratch.open();
        AssociationStore(setup).associate(QStringLiteral("Casa"), 2);
        AssociationStore(setup).associate(QStringLiteral("Ufficio"), 1);
        AssociationStore(setup).associate(QStringLiteral("Veloce"), addOneSecondPulseTariff(setup));
    }

    void writeSimFile(const char* name, const std::string& content)
    {
        std::ofstream(simFolder.path() / name, std::ios::binary | std::ios::trunc) << content;
    }

    void restart()
    {
        ASSERT_TRUE(program.start());
        // The first status line comes after the program's first tick: the
        // rows left open are settled and the meter has run once.
        ASSERT_FALSE(program.waitForAnyLine().isEmpty());
    }

    int openRows() const
    {
        Database reader = scratch.open();
        return static_cast<int>(ConnectionLog(reader).openRows().size());
    }

    QList<LogRow> rows() const
    {
        Database reader = scratch.open();
        QList<LogRow> result;
        QSqlQuery ids = reader.query(QStringLiteral("SELECT id FROM Connessioni ORDER BY id"));
        while (ids.next())
            result.append(*ConnectionLog(reader).row(ids.value(0).toInt()));
        return result;
    }

    // Each row against the connection it records: its figures are the
    // engine's price for its seconds, and those seconds are the connection's
    // own, less at most the checkpoint interval when the program was killed.
    void checkRows(const std::vector<Connection>& connections)
    {
        const QList<LogRow> logged = rows();
        ASSERT_EQ(logged.size(), static_cast<qsizetype>(connections.size())) << "one row per connection";
        Database reader = scratch.open();
        const int vat = VatStore(reader).read();
        for (qsizetype i = 0; i < logged.size(); ++i) {
            const LogRow& row = logged[i];
            const Connection& connection = connections[static_cast<size_t>(i)];
            SCOPED_TRACE("row " + std::to_string(row.id) + " (" + connection.entry + ")");
            EXPECT_EQ(row.connessione.toStdString(), connection.entry);
            EXPECT_FALSE(row.fine.isEmpty()) << "left open";
            const std::optional<LocalDateTime> start = rowStart(row);
            ASSERT_TRUE(start && row.secondi && row.costo && row.scatti);
            const std::optional<Tariff> tariff =
                TariffStore(reader).tariff(AssociationStore(reader).find(row.connessione)->idTariffa);
            ASSERT_TRUE(tariff);

            const qint64 startMs = utcEpochMs(*start);
            const qint64 seconds = *row.secondi;
            const StoredPrice price = storedPrice(*tariff, *start, seconds, vat);
            EXPECT_EQ(*row.costo, price.costo) << "the cost of its seconds";
            EXPECT_EQ(*row.scatti, price.scatti);
            EXPECT_TRUE(endAgreesWithSeconds(row)) << row.fine.toStdString();

            // The row's start is truncated to its second and its seconds are
            // rounded, so they can run half a second past the last moment
            // the program could have figured them.
            const double trueSeconds = static_cast<double>(connection.droppedMs - startMs) / 1000;
            const double latest = static_cast<double>(connection.lastFiguresMs - startMs) / 1000 + 0.5;
            const double lost = connection.droppedWhileKilled ? kCheckpointSeconds + kTickSlackSeconds
                                                              : kTickSlackSeconds;
            EXPECT_LE(static_cast<double>(seconds), latest) << "never more than the connection lasted";
            EXPECT_GE(static_cast<double>(seconds), trueSeconds - lost) << "at most a checkpoint lost";

            const qint64 trueCost = storedPrice(*tariff, *start, static_cast<qint64>(std::ceil(latest)), vat).costo;
            const qint64 checkpointCost =
                storedPrice(*tariff, *start, std::max<qint64>(0, static_cast<qint64>(trueSeconds - lost)), vat).costo;
            EXPECT_LE(*row.costo, trueCost);
            EXPECT_GE(*row.costo, checkpointCost);

            if (connection.droppedWhileKilled) {
                const double lostSeconds = trueSeconds - static_cast<double>(seconds);
                worst.checkpointLossSeconds = std::max(worst.checkpointLossSeconds, lostSeconds);
                const qint64 fullCost =
                    storedPrice(*tariff, *start, std::max<qint64>(0, static_cast<qint64>(trueSeconds)), vat).costo;
                worst.checkpointLossLire = std::max(worst.checkpointLossLire, fullCost - *row.costo);
            }
        }
        worst.rows += static_cast<int>(logged.size());
    }

    ScratchDatabase scratch;
    TempDir simFolder;
    HeadlessRun program{scratch.folder(), simFolder.path()};
};

TEST_P(KillRecovery, EveryConnectionHasOneCompleteRowPricedToItsLastCheckpoint)
{
    const unsigned seed = GetParam();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const std::vector<std::string> entries{"Casa", "Ufficio", "Veloce"};
    std::uniform_int_distribution<size_t> pickEntry(0, entries.size() - 1);
    std::uniform_int_distribution<int> pickWaitMs(300, 2500);
    std::bernoulli_distribution dropWhileKilled(0.4);

    std::vector<Connection> connections;
    bool lineUp = false;
    restart();
    for (int round = 0; round < kRoundsPerSeed; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        if (!lineUp) {
            const std::string& entry = entries[pickEntry(random)];
            writeSimFile("connected", entry + '\n');
            connections.push_back({entry});
            lineUp = true;
            ASSERT_FALSE(program.waitForLineStarting(QStringLiteral("Connessione attiva ")
                                                     + QString::fromStdString(entry))
                             .isEmpty());
        }
        program.runFor(pickWaitMs(random));
        program.killHard();
        connections.back().lastFiguresMs = nowMs();
        if (dropWhileKilled(random)) {
            writeSimFile("connected", "");
            connections.back().droppedMs = connections.back().lastFiguresMs = nowMs();
            connections.back().droppedWhileKilled = true;
            lineUp = false;
        }
        restart();
        EXPECT_EQ(openRows(), lineUp ? 1 : 0) << "the row left open is resumed or closed, never doubled";
    }
    if (lineUp) {
        writeSimFile("connected", "");
        connections.back().droppedMs = nowMs();
        ASSERT_FALSE(program.waitForLineStarting(QStringLiteral("Non connesso")).isEmpty());
        connections.back().lastFiguresMs = nowMs();
    }
    ASSERT_TRUE(program.stopWith(SIGTERM));
    checkRows(connections);
}

INSTANTIATE_TEST_SUITE_P(FiveSeeds, KillRecovery, testing::Values(1999u, 2001u, 3113u, 40961u, 77777u));

// The same on the fake clock: a program killed before the first checkpoint
// of a connection whose line then dropped.
using KilledBeforeTheFirstCheckpoint = MonitorFixture;

TEST_F(KilledBeforeTheFirstCheckpoint, TheRowKeepsTheAnswerCharge)
{
    startMonitor();
    connect({"Casa"});
    runSeconds(5);
    crash();
    disconnect();
    startMonitor();
    second();

    const QList<LogRow> logged = rows();
    ASSERT_EQ(logged.size(), 1);
    EXPECT_EQ(logged[0].fine, logged[0].inizio);
    EXPECT_EQ(logged[0].secondi, 0);
    EXPECT_EQ(logged[0].costo, 152) << "the answer charge of 127 Lire with VAT";
}

// Prints the worst figures seen by the rounds run in this process.
class KillRecoveryReport : public testing::Environment {
public:
    void TearDown() override
    {
        if (worst.rows > 0) {
            std::printf("kill rounds: %d rows, worst checkpoint loss %.1f s (%lld Lire)\n", worst.rows,
                        worst.checkpointLossSeconds, static_cast<long long>(worst.checkpointLossLire));
        }
    }
};
const testing::Environment* const kReport = testing::AddGlobalTestEnvironment(new KillRecoveryReport);

} // namespace
} // namespace zrt::test
