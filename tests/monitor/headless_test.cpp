#include "tests/database/scratch_database.h"
#include "tests/monitor/dialup/temp_dir.h"
#include "tests/reliability/headless_run.h"
#include "tests/support/tool_run.h"

#include "database/association_store.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <signal.h>

#include <fstream>

namespace zrt::test {
namespace {

using ::testing::HasSubstr;
using ::testing::SizeIs;

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

    // A line of the metered "Casa" at `seconds` or later into the connection.
    QString waitForCasaAt(int seconds)
    {
        static const QRegularExpression casa(QStringLiteral("^Connessione attiva Casa \\| .* Tempo: (\\d+):(\\d\\d):(\\d\\d)$"));
        return program.waitForLine([&](const QString& line) {
            const QRegularExpressionMatch match = casa.match(line);
            return match.hasMatch()
                && match.captured(1).toInt() * 3600 + match.captured(2).toInt() * 60 + match.captured(3).toInt()
                       >= seconds;
        });
    }

    void writeSimFile(const char* name, const std::string& content)
    {
        std::ofstream(simFolder.path() / name, std::ios::binary | std::ios::trunc) << content;
    }

    ScratchDatabase scratch;
    TempDir simFolder;
    HeadlessRun program{scratch.folder(), simFolder.path()};
};

TEST_F(HeadlessProgram, LogsOneCompleteRowForAConnection)
{
    ASSERT_TRUE(program.start());
    EXPECT_EQ(program.waitForLineStarting(QStringLiteral("Non connesso")),
              QStringLiteral("Non connesso | 0 Lire | Tempo: 00:00:00"));

    writeSimFile("connected", "Casa\n");
    EXPECT_EQ(waitForCasaAt(2), QStringLiteral("Connessione attiva Casa | 152 Lire | Tempo: 00:00:02"));
    writeSimFile("connected", "");
    EXPECT_THAT(program.waitForLineStarting(QStringLiteral("Non connesso")).toStdString(), HasSubstr("| 152 Lire |"));
    EXPECT_TRUE(program.stopWith(SIGTERM));

    const QList<LogRow> logged = scratch.rows();
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
        ASSERT_TRUE(program.start());
        ASSERT_FALSE(waitForCasaAt(1).isEmpty());
        EXPECT_TRUE(program.stopWith(signal)) << signal;

        const LogRow row = scratch.rows().last();
        EXPECT_FALSE(row.fine.isEmpty()) << signal;
        EXPECT_GE(row.secondi, 1) << signal;
    }
    EXPECT_THAT(scratch.rows(), SizeIs(3));
}

TEST_F(HeadlessProgram, SaysWhenThePhonebookIsEmpty)
{
    writeSimFile("entries", "");
    ASSERT_TRUE(program.start());
    ASSERT_FALSE(program.waitForLineStarting(QStringLiteral("Non connesso")).isEmpty());
    EXPECT_TRUE(program.stopWith(SIGTERM));
    EXPECT_THAT(program.errors().toStdString(), HasSubstr("Non sono presenti connessioni di Accesso Remoto."));
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

    writeSimFile("connected", "Casa\n");
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
    EXPECT_EQ(windowed.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(windowed.exitCode(), 0);

    const LogRow row = scratch.rows().first();
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
        const ToolRun run = runTool(QStringLiteral(ZRTELLIX_PATH), c.arguments);
        EXPECT_EQ(run.status, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_THAT((run.out + run.err).toStdString(), HasSubstr(c.says));
    }
}

} // namespace
} // namespace zrt::test
