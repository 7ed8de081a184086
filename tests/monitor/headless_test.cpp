#include "tests/database/scratch_database.h"
#include "tests/monitor/dialup/temp_dir.h"

#include "database/association_store.h"
#include "database/connection_log.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <signal.h>

#include <fstream>
#include <functional>

namespace zrt::test {
namespace {

using ::testing::HasSubstr;
using ::testing::SizeIs;

constexpr int kWaitMs = 5000;

// `zrtellix --headless` on a scratch database with "Casa" on the pulse
// tariff, watching the simulated dialer in a folder of its own.
class HeadlessProgram : public testing::Test {
protected:
    HeadlessProgram()
    {
        writeSimFile("entries", "Casa\nUfficio\n");
        Database setup = scratch.open();
        AssociationStore(setup).associate(QStringLiteral("Casa"), 2);
    }

    ~HeadlessProgram() override
    {
        program.kill();
        program.waitForFinished(kWaitMs);
    }

    void start()
    {
        const QString sim = QStringLiteral("sim:") + QString::fromStdString(simFolder.path().string());
        program.start(QStringLiteral(ZRTELLIX_PATH), {QStringLiteral("--headless"), QStringLiteral("--dialup"), sim,
                                                      QStringLiteral("--data-dir"), scratch.folder()});
        ASSERT_TRUE(program.waitForStarted(kWaitMs));
    }

    // The first status line from now on that `wanted` accepts; empty when
    // none comes within a few seconds.
    QString waitForLine(const std::function<bool(const QString&)>& wanted)
    {
        QDeadlineTimer deadline(kWaitMs);
        while (!deadline.hasExpired()) {
            while (program.canReadLine()) {
                const QString line = QString::fromUtf8(program.readLine()).trimmed();
                if (wanted(line))
                    return line;
            }
            program.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        }
        return {};
    }

    QString waitForLineStarting(const QString& start)
    {
        return waitForLine([&](const QString& line) { return line.startsWith(start); });
    }

    // A line of the metered "Casa" at `seconds` or later into the connection.
    QString waitForCasaAt(int seconds)
    {
        static const QRegularExpression casa(QStringLiteral("^Connessione attiva Casa \\| .* Tempo: (\\d+):(\\d\\d):(\\d\\d)$"));
        return waitForLine([&](const QString& line) {
            const QRegularExpressionMatch match = casa.match(line);
            return match.hasMatch()
                && match.captured(1).toInt() * 3600 + match.captured(2).toInt() * 60 + match.captured(3).toInt()
                       >= seconds;
        });
    }

    void stopWith(int signal)
    {
        ::kill(static_cast<pid_t>(program.processId()), signal);
        ASSERT_TRUE(program.waitForFinished(kWaitMs));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
    }

    void killHard()
    {
        program.kill();
        program.waitForFinished(kWaitMs);
    }

    void writeSimFile(const char* name, const std::string& content)
    {
        std::ofstream(simFolder.path() / name, std::ios::binary | std::ios::trunc) << content;
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

    ScratchDatabase scratch;
    TempDir simFolder;
    QProcess program;
};

TEST_F(HeadlessProgram, LogsOneCompleteRowForAConnection)
{
    start();
    EXPECT_EQ(waitForLineStarting(QStringLiteral("Non connesso")), QStringLiteral("Non connesso | 0 Lire | Tempo: 00:00:00"));

    writeSimFile("connected", "Casa\n");
    EXPECT_EQ(waitForCasaAt(2), QStringLiteral("Connessione attiva Casa | 152 Lire | Tempo: 00:00:02"));
    writeSimFile("connected", "");
    EXPECT_THAT(waitForLineStarting(QStringLiteral("Non connesso")).toStdString(), HasSubstr("| 152 Lire |"));
    stopWith(SIGTERM);

    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(1));
    EXPECT_EQ(logged[0].connessione, QStringLiteral("Casa"));
    EXPECT_EQ(logged[0].servizio, QStringLiteral("Telecom Italia 1998"));
    EXPECT_FALSE(logged[0].fine.isEmpty());
    EXPECT_EQ(logged[0].costo, 152);
    EXPECT_GE(logged[0].secondi, 2);
}

TEST_F(HeadlessProgram, AnOrderlyStopCompletesTheMeteredRow)
{
    writeSimFile("connected", "Casa\n");
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        start();
        ASSERT_FALSE(waitForCasaAt(1).isEmpty());
        stopWith(signal);

        const LogRow row = rows().last();
        EXPECT_FALSE(row.fine.isEmpty()) << signal;
        EXPECT_GE(row.secondi, 1) << signal;
    }
    EXPECT_THAT(rows(), SizeIs(3));
}

TEST_F(HeadlessProgram, AfterAKillMeteringGoesOnInTheSameRow)
{
    writeSimFile("connected", "Casa\n");
    start();
    ASSERT_FALSE(waitForCasaAt(2).isEmpty());
    killHard();

    start();
    ASSERT_FALSE(waitForCasaAt(3).isEmpty());
    writeSimFile("connected", "");
    ASSERT_FALSE(waitForLineStarting(QStringLiteral("Non connesso")).isEmpty());
    stopWith(SIGTERM);

    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(1));
    EXPECT_FALSE(logged[0].fine.isEmpty());
    EXPECT_GE(logged[0].secondi, 3);
}

TEST_F(HeadlessProgram, AfterAKillARowWhoseLineDroppedIsClosedAtItsLastCheckpoint)
{
    writeSimFile("connected", "Casa\n");
    start();
    ASSERT_FALSE(waitForCasaAt(1).isEmpty());
    killHard();
    ASSERT_TRUE(rows()[0].fine.isEmpty());

    writeSimFile("connected", "");
    start();
    ASSERT_FALSE(waitForLineStarting(QStringLiteral("Non connesso")).isEmpty());
    stopWith(SIGTERM);

    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(1));
    EXPECT_EQ(logged[0].fine, logged[0].inizio); // no checkpoint within its first ten seconds
    EXPECT_EQ(logged[0].secondi, 0);
}

TEST_F(HeadlessProgram, SaysWhenThePhonebookIsEmpty)
{
    writeSimFile("entries", "");
    start();
    ASSERT_FALSE(waitForLineStarting(QStringLiteral("Non connesso")).isEmpty());
    stopWith(SIGTERM);

    EXPECT_THAT(program.readAllStandardError().toStdString(),
                HasSubstr("Non sono presenti connessioni di Accesso Remoto."));
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
    program.setProcessEnvironment(environment);

    writeSimFile("connected", "Casa\n");
    const QString sim = QStringLiteral("sim:") + QString::fromStdString(simFolder.path().string());
    program.start(QStringLiteral(ZRTELLIX_PATH), {QStringLiteral("--dialup"), sim, QStringLiteral("--data-dir"),
                                                  scratch.folder()});
    ASSERT_TRUE(program.waitForStarted(kWaitMs));
    QDeadlineTimer deadline(3 * kWaitMs);
    while (rows().isEmpty() && !deadline.hasExpired())
        program.waitForFinished(100);
    ASSERT_THAT(rows(), SizeIs(1)) << "the connection is being metered";
    program.waitForFinished(2500); // let the meter run a little
    stopWith(SIGTERM);

    const LogRow row = rows().first();
    EXPECT_FALSE(row.fine.isEmpty());
    EXPECT_GE(row.secondi, 2);
    EXPECT_GE(row.costo, 152);
}

TEST(HeadlessProgramArguments, AreCheckedBeforeAnythingRuns)
{
    QTemporaryDir emptyFolder;
    const struct {
        QStringList arguments;
        int exitCode;
        const char* says;
    } cases[] = {
        {{QStringLiteral("--headless"), QStringLiteral("--dialup"), QStringLiteral("modem")}, 1,
         "unknown dial-up kind \"modem\""},
        {{QStringLiteral("--headless"), QStringLiteral("--dialup"), QStringLiteral("none"), QStringLiteral("--data-dir"),
          emptyFolder.path()},
         1, "the database file does not exist"},
        {{QStringLiteral("--bogus")}, 2, "Usage: zrtellix"},
        {{QStringLiteral("--help")}, 0, "Usage: zrtellix"},
    };
    for (const auto& c : cases) {
        QProcess program;
        program.start(QStringLiteral(ZRTELLIX_PATH), c.arguments);
        ASSERT_TRUE(program.waitForFinished(kWaitMs));
        EXPECT_EQ(program.exitCode(), c.exitCode) << c.arguments.join(' ').toStdString();
        const QByteArray output = program.readAllStandardOutput() + program.readAllStandardError();
        EXPECT_THAT(output.toStdString(), HasSubstr(c.says));
    }
}

} // namespace
} // namespace zrt::test
