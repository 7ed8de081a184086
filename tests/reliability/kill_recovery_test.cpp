#include "tests/support/headless_run.h"
#include "reliability_support.h"

#include <random>
#include <vector>

namespace zrt::test {
namespace {

constexpr int kRoundsPerSeed = 10;
constexpr double kCheckpointSeconds = 10;
// A tick comes up to a second after the instant it reports, and the
// elapsed time is rounded to the second.
constexpr double kTickSlackSeconds = 2;

// One connection as the dialer made it.
struct Connection {
    std::string entry;
    qint64 droppedMs = 0;     // when the line went down
    qint64 lastFiguresMs = 0; // the program can have figured the connection up to here, not later
    bool droppedWhileKilled = false;
};

// zrtellix is killed with SIGKILL at random moments while it meters, and
// started again with the line still up or dropped meanwhile.
class KillRecovery : public testing::TestWithParam<unsigned> {
protected:
    KillRecovery()
    {
        writeSimFile(simFolder, "entries", "Casa\nUfficio\nVeloce\n");
        Database setup = scratch.open();
        AssociationStore(setup).associate(QStringLiteral("Casa"), 2);
        AssociationStore(setup).associate(QStringLiteral("Ufficio"), 1);
        AssociationStore(setup).associate(QStringLiteral("Veloce"), addOneSecondPulseTariff(setup));
    }

    void restart()
    {
        ASSERT_TRUE(program.start());
        // The first status line comes after the program's first tick: the
        // rows left open are settled and the meter has run once.
        ASSERT_FALSE(program.waitForAnyLine().isEmpty());
    }

    // Each row against the connection it records: its figures are the
    // engine's price for its seconds, and those seconds are the connection's
    // own, less at most the checkpoint interval when the program was killed.
    void checkRows(const std::vector<Connection>& connections)
    {
        Database reader = scratch.open();
        const QList<LogRow> logged = logRows(reader);
        ASSERT_EQ(logged.size(), static_cast<qsizetype>(connections.size())) << "one row per connection";
        for (qsizetype i = 0; i < logged.size(); ++i) {
            const LogRow& row = logged[i];
            const Connection& connection = connections[static_cast<size_t>(i)];
            SCOPED_TRACE("row " + std::to_string(row.id));
            EXPECT_EQ(row.connessione.toStdString(), connection.entry);
            ASSERT_NO_FATAL_FAILURE(expectPricedAtItsSeconds(reader, row));

            // The row's start is truncated to its second and its seconds are
            // rounded, so they can run half a second past the last moment
            // the program could have figured them.
            const qint64 startMs = utcEpochMs(*rowStart(row));
            const double lost = kTickSlackSeconds + (connection.droppedWhileKilled ? kCheckpointSeconds : 0);
            EXPECT_LE(*row.secondi, (connection.lastFiguresMs - startMs) / 1000.0 + 0.5) << "never more than it lasted";
            EXPECT_GE(*row.secondi, (connection.droppedMs - startMs) / 1000.0 - lost) << "at most a checkpoint lost";
        }
    }

    ScratchDatabase scratch;
    TempDir simFolder;
    HeadlessRun program{scratch.folder(), simFolder.path()};
};

TEST_P(KillRecovery, EveryConnectionHasOneCompleteRowPricedToItsLastCheckpoint)
{
    std::mt19937 random(GetParam());
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
            writeSimFile(simFolder, "connected", entry + '\n');
            connections.push_back({entry});
            lineUp = true;
            ASSERT_FALSE(program.waitForLineStarting(QStringLiteral("Connessione attiva ") + entry.c_str()).isEmpty());
        }
        program.runFor(pickWaitMs(random));
        program.killHard();
        Connection& last = connections.back();
        last.lastFiguresMs = QDateTime::currentMSecsSinceEpoch();
        if (dropWhileKilled(random)) {
            writeSimFile(simFolder, "connected", "");
            last.droppedMs = last.lastFiguresMs = QDateTime::currentMSecsSinceEpoch();
            last.droppedWhileKilled = true;
            lineUp = false;
        }
        restart();
    }
    if (lineUp) {
        writeSimFile(simFolder, "connected", "");
        connections.back().droppedMs = QDateTime::currentMSecsSinceEpoch();
        ASSERT_FALSE(program.waitForLineStarting(QStringLiteral("Non connesso")).isEmpty());
        connections.back().lastFiguresMs = QDateTime::currentMSecsSinceEpoch();
    }
    ASSERT_TRUE(program.stopWith(SIGTERM));
    checkRows(connections);
}

INSTANTIATE_TEST_SUITE_P(FiveSeeds, KillRecovery, testing::Values(1999u, 2001u, 3113u, 40961u, 77777u));

} // namespace
} // namespace zrt::test
