#include "tests/support/scratch_database.h"
#include "tests/support/headless_run.h"
#include "tests/reliability/reliability_support.h"
#include "tests/support/tool_run.h"

#include "database/spending_limit_store.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>

#include <fstream>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zrt::test {
namespace {

using ::testing::HasSubstr;
using ::testing::SizeIs;

// How often the main thread of a process has waited in the kernel: each
// wake-up of an idle program counts one.
long long voluntarySwitchesOf(qint64 pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    const std::string key = "voluntary_ctxt_switches:";
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(key))
            return std::stoll(line.substr(key.size()));
    }
    return -1;
}

// `zrtellix --headless` on a scratch database with "Casa" on the pulse
// tariff, watching the simulated dialer in a folder of its own.
class HeadlessProgram : public testing::Test {
protected:
    HeadlessProgram()
    {
        writeSimFile(simFolder, "entries", "Casa\nUfficio\n");
        Database setup = scratch.open();
        AssociationStore(setup).associate(QStringLiteral("Casa"), 2);
    }

    ScratchDatabase scratch;
    TempDir simFolder;
    HeadlessRun program{scratch.folder(), simFolder.path()};
};

TEST_F(HeadlessProgram, AnOrderlyStopCompletesTheMeteredRow)
{
    writeSimFile(simFolder, "connected", "Casa\n");
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ASSERT_TRUE(program.start());
        ASSERT_FALSE(program.waitForLine([](const QString& line) { // "Casa" metered for a second or more
            return line.startsWith(QStringLiteral("Connessione attiva Casa | 152 Lire | Tempo: "))
                && !line.endsWith(QStringLiteral(" 00:00:00"));
        }).isEmpty());
        EXPECT_TRUE(program.stopWith(signal)) << signal;

        const LogRow row = scratch.rows().last();
        EXPECT_FALSE(row.fine.isEmpty()) << signal;
        EXPECT_GE(row.secondi, 1) << signal;
    }
    EXPECT_THAT(scratch.rows(), SizeIs(3));
}

// The windowed program ends as orderly as the headless one on a signal.
TEST_F(HeadlessProgram, WithWindowsASignalCompletesTheMeteredRow)
{
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("config/ZR Tellix 99"));
    QFile settings(home.filePath(QStringLiteral("config/ZR Tellix 99/ZR Tellix 99.ini")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[SecondoAvvio]\nValore=-1\nAuto=0\n"); // not a first run: autostart stays untouched
    settings.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    QProcess windowed;
    windowed.setProcessEnvironment(environment);

    writeSimFile(simFolder, "connected", "Casa\n");
    const QString sim = QStringLiteral("sim:") + QString::fromStdString(simFolder.path().string());
    windowed.start(QStringLiteral(ZRTELLIX_PATH),
                   {QStringLiteral("--dialup"), sim, QStringLiteral("--data-dir"), scratch.folder()});
    ASSERT_TRUE(windowed.waitForStarted(HeadlessRun::kWaitMs));
    QDeadlineTimer deadline(3 * HeadlessRun::kWaitMs);
    while (scratch.rows().isEmpty() && !deadline.hasExpired())
        windowed.waitForFinished(100);
    ASSERT_THAT(scratch.rows(), SizeIs(1)) << "the connection is being metered";
    windowed.waitForFinished(2500); // let the meter run a little
    ::kill(static_cast<pid_t>(windowed.processId()), SIGTERM);
    ASSERT_TRUE(windowed.waitForFinished(HeadlessRun::kWaitMs));
    EXPECT_EQ(windowed.exitCode(), 0);

    const LogRow row = scratch.rows().first();
    EXPECT_FALSE(row.fine.isEmpty());
    EXPECT_GE(row.secondi, 2);
}

// One meter per database file, whatever folder leads to it: a second one
// on the same file, here through a link to the data folder, ends with
// status 3 and says why, and the first one goes on alone.
TEST_F(HeadlessProgram, ASecondMeterOnTheSameFileEndsWithStatusThree)
{
    writeSimFile(simFolder, "connected", "Casa\n");
    ASSERT_TRUE(program.start());
    ASSERT_FALSE(program.waitForLineStarting(QStringLiteral("Connessione attiva Casa")).isEmpty());

    QTemporaryDir elsewhere;
    const QString link = elsewhere.filePath(QStringLiteral("data"));
    ASSERT_TRUE(QFile::link(scratch.folder(), link));
    const QString sim = QStringLiteral("sim:") + QString::fromStdString(simFolder.path().string());
    const ToolRun second = runTool(QStringLiteral(ZRTELLIX_PATH),
                                   {"--headless", "--dialup", sim, "--data-dir", link});
    EXPECT_EQ(second.status, 3);
    EXPECT_THAT(second.err.toStdString(), HasSubstr("un altro contascatti è già in funzione"));

    EXPECT_TRUE(program.stopWith(SIGTERM));
    EXPECT_THAT(scratch.rows(), SizeIs(1)) << "the call is logged once";
}

// A reader that takes nothing (a stalled logger, a terminal stopped with
// Ctrl-S) must not stop the meter: the status lines it cannot take are
// dropped, and the line's drop is noticed and logged at once.
TEST_F(HeadlessProgram, AStalledReaderOfTheStatusLinesDoesNotStopTheMeter)
{
    QTemporaryDir folder;
    const QByteArray fifo = QFile::encodeName(folder.filePath(QStringLiteral("status")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK); // open, never read
    const int filler = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_GE(filler, 0);
    const QByteArray block(4096, 'x');
    while (::write(filler, block.constData(), block.size()) > 0) {
    }
    ::close(filler); // the pipe is full before the program writes anything

    writeSimFile(simFolder, "connected", "Casa\n");
    QProcess meter;
    meter.setStandardOutputFile(QFile::decodeName(fifo));
    const QString sim = QStringLiteral("sim:") + QString::fromStdString(simFolder.path().string());
    meter.start(QStringLiteral(ZRTELLIX_PATH),
                {"--headless", "--dialup", sim, "--data-dir", scratch.folder()});
    ASSERT_TRUE(meter.waitForStarted(HeadlessRun::kWaitMs));
    QDeadlineTimer deadline(HeadlessRun::kWaitMs);
    while (scratch.rows().isEmpty() && !deadline.hasExpired())
        meter.waitForFinished(100);
    meter.waitForFinished(2000);
    writeSimFile(simFolder, "connected", "");
    meter.waitForFinished(2000);

    const QList<LogRow> rows = scratch.rows();
    ::kill(static_cast<pid_t>(meter.processId()), SIGTERM);
    EXPECT_TRUE(meter.waitForFinished(HeadlessRun::kWaitMs)) << "it still answers a signal";
    ::close(reader);
    ASSERT_THAT(rows, SizeIs(1));
    EXPECT_FALSE(rows[0].fine.isEmpty()) << "the drop was noticed while nobody read";
    EXPECT_LE(rows[0].secondi.value_or(99), 4);
}

// A meter started at login while another program holds the file locked
// waits for it, saying so, instead of giving up for the whole session.
TEST_F(HeadlessProgram, StartsOnceALockHeldAtStartUpIsLetGo)
{
    std::optional<Database> locker(scratch.open());
    locker->query(QStringLiteral("BEGIN EXCLUSIVE"));
    ASSERT_TRUE(program.start());
    QDeadlineTimer deadline(3 * HeadlessRun::kWaitMs);
    while (!program.errors().contains(QStringLiteral("è bloccato da un altro programma")) && !deadline.hasExpired())
        program.runFor(200);
    EXPECT_THAT(program.errors().toStdString(), HasSubstr("nuovo tentativo"));
    locker->query(QStringLiteral("ROLLBACK"));
    locker.reset();
    EXPECT_FALSE(program.waitForLineStarting(QStringLiteral("Non connesso")).isEmpty());
    EXPECT_TRUE(program.stopWith(SIGTERM));
}

// A connection reaches the status line on the dialer's news, or, with the
// news ignored, on the check made once a second.
TEST_F(HeadlessProgram, NoticesAConnectionMadeWhileItRuns)
{
    for (const bool newsIgnored : {false, true}) {
        HeadlessRun run(scratch.folder(), simFolder.path());
        if (newsIgnored)
            run.setEnvironment(QStringLiteral("ZRTELLIX_IGNORE_DIALUP_NEWS"), QStringLiteral("1"));
        writeSimFile(simFolder, "connected", "");
        ASSERT_TRUE(run.start());
        ASSERT_FALSE(run.waitForLineStarting(QStringLiteral("Non connesso")).isEmpty()) << newsIgnored;

        writeSimFile(simFolder, "connected", "Casa\n");
        EXPECT_FALSE(run.waitForLineStarting(QStringLiteral("Connessione attiva Casa")).isEmpty()) << newsIgnored;
        writeSimFile(simFolder, "connected", "");
        EXPECT_FALSE(run.waitForLineStarting(QStringLiteral("Non connesso")).isEmpty()) << newsIgnored;
        EXPECT_TRUE(run.stopWith(SIGTERM)) << newsIgnored;
    }
    EXPECT_THAT(scratch.rows(), SizeIs(2));
}

// Idle, with news to wait for, the program sleeps: no timer wakes it, and
// its line is printed once, not again every second.
TEST_F(HeadlessProgram, IdleItNeitherWakesUpNorRepeatsItsLine)
{
    ASSERT_TRUE(program.start());
    ASSERT_FALSE(program.waitForLineStarting(QStringLiteral("Non connesso")).isEmpty());
    program.runFor(500); // what follows the start settles

    const long long before = voluntarySwitchesOf(program.processId());
    int lines = 0;
    program.waitForLine([&](const QString&) { ++lines; return false; }, 8000);
    const long long after = voluntarySwitchesOf(program.processId());

    ASSERT_GE(before, 0);
    EXPECT_LE(after - before, 5) << "a noisy machine may wake it a few times, a timer eight";
    EXPECT_EQ(lines, 0);
    EXPECT_TRUE(program.stopWith(SIGTERM));
}

TEST_F(HeadlessProgram, SaysWhenThePhonebookIsEmpty)
{
    writeSimFile(simFolder, "entries", "");
    ASSERT_TRUE(program.start());
    EXPECT_EQ(program.waitForLineStarting(QStringLiteral("Non connesso")),
              QStringLiteral("Non connesso | 0 Lire | Tempo: 00:00:00"));
    EXPECT_TRUE(program.stopWith(SIGTERM));
    EXPECT_THAT(program.errors().toStdString(), HasSubstr("Non sono presenti connessioni di Accesso Remoto."));
}

// A spending warning goes to standard error once, beside the status lines.
TEST_F(HeadlessProgram, TellsOfThePassedSpendingLimitOnce)
{
    {
        Database file = scratch.open();
        SpendingLimitStore(file).setLimit(100);
    }
    writeSimFile(simFolder, "connected", "Casa\n");
    ASSERT_TRUE(program.start());
    ASSERT_FALSE(program.waitForLine([](const QString& line) { return line.endsWith(QStringLiteral(" 00:00:02")); })
                     .isEmpty());
    EXPECT_TRUE(program.stopWith(SIGTERM));
    EXPECT_EQ(program.errors().count(QStringLiteral("Limite di spesa mensile: superato il 100% (152 di 100 Lire)")), 1)
        << program.errors().toStdString();
}

TEST(HeadlessProgramArguments, AreCheckedBeforeAnythingRuns)
{
    QTemporaryDir emptyFolder;
    const QStringList headless{"--headless", "--dialup"};
    const std::tuple<QStringList, int, const char*> cases[] = {
        {headless + QStringList{"PPP"}, 1, "unknown dial-up kind \"PPP\": use ppp, sim:FOLDER or none"},
        {headless + QStringList{"sim:"}, 1, "needs a folder"},
        {headless + QStringList{"none", "--data-dir", emptyFolder.path()}, 1, "the database file does not exist"},
        {{"--bogus"}, 2, "Usage: zrtellix"},
        {{"--help"}, 0, "Usage: zrtellix"},
    };
    for (const auto& [arguments, exitCode, says] : cases) {
        const ToolRun run = runTool(QStringLiteral(ZRTELLIX_PATH), arguments);
        EXPECT_EQ(run.status, exitCode) << arguments.join(' ').toStdString();
        EXPECT_THAT((run.out + run.err).toStdString(), HasSubstr(says));
    }
}

} // namespace
} // namespace zrt::test
