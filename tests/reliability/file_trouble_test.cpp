#include "headless_run.h"
#include "reliability_support.h"

#include "tests/database/scratch_database.h"
#include "tests/monitor/dialup/temp_dir.h"

#include "database/association_store.h"
#include "database/connection_log.h"
#include "database/default_content.h"
#include "database/tariff_store.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>

namespace zrt::test {
namespace {

using ::testing::HasSubstr;

constexpr uid_t kNobody = 65534;

// zrtellix metering "Casa" on a database file that becomes unusable while
// it runs. Whatever happens to the file, the program goes on, says why it
// cannot write, writes nothing into a file that is not its own, and leaves
// no half-written row.
class FileTrouble : public testing::Test {
protected:
    void SetUp() override { useDataFolder(folder.path()); }

    void useDataFolder(const QString& dataDir)
    {
        dataDir_ = dataDir;
        createDatabaseFile(databasePath(), Content::DefaultTariffs);
        Database setup = Database::open(databasePath());
        AssociationStore(setup).ensureAssociated({QStringLiteral("Casa"), QStringLiteral("Ufficio")}, 2);
        writeSimFile("entries", "Casa\nUfficio\n");
        program.emplace(dataDir_, simFolder.path());
    }

    QString databasePath() const { return dataDir_ + QStringLiteral("/zrtell.T99"); }

    void writeSimFile(const char* name, const std::string& content)
    {
        std::ofstream(simFolder.path() / name, std::ios::binary | std::ios::trunc) << content;
    }

    void connectCasa()
    {
        writeSimFile("connected", "Casa\n");
        ASSERT_FALSE(program->waitForLineStarting(QStringLiteral("Connessione attiva Casa")).isEmpty());
    }
    void dropLine()
    {
        writeSimFile("connected", "");
        ASSERT_FALSE(program->waitForLineStarting(QStringLiteral("Non connesso")).isEmpty());
    }
    // A few more ticks of the program.
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_FALSE(program->waitForAnyLine().isEmpty()) << "the program stopped";
    }

    void expectSaid(const char* words)
    {
        EXPECT_THAT(program->errors().toStdString(), HasSubstr(words));
    }

    // The file holds exactly one row for the connection, complete and
    // priced at its seconds.
    void expectOneCompleteRow(qint64 leastSeconds)
    {
        Database reader = Database::open(databasePath());
        EXPECT_EQ(integrityOf(reader), QStringLiteral("ok"));
        QSqlQuery ids = reader.query(QStringLiteral("SELECT id FROM Connessioni"));
        ASSERT_TRUE(ids.next()) << "the connection is logged";
        const LogRow row = *ConnectionLog(reader).row(ids.value(0).toInt());
        EXPECT_FALSE(ids.next()) << "once";
        EXPECT_EQ(row.connessione, QStringLiteral("Casa"));
        EXPECT_EQ(row.servizio, QStringLiteral("Telecom Italia 1998"));
        ASSERT_FALSE(row.fine.isEmpty());
        ASSERT_TRUE(row.secondi && row.costo);
        EXPECT_GE(*row.secondi, leastSeconds);
        const LocalDateTime start = *rowStart(row);
        EXPECT_TRUE(endAgreesWithSeconds(row)) << row.fine.toStdString();
        EXPECT_EQ(*row.costo, storedPrice(*TariffStore(reader).tariff(2), start, *row.secondi, 20).costo);
    }

    qint64 rowsIn(const QString& path)
    {
        return rowCount(Database::open(path), QStringLiteral("Connessioni"));
    }

    QTemporaryDir folder;
    QString dataDir_;
    TempDir simFolder;
    std::optional<HeadlessRun> program;
};

// Root writes to any file whatever its mode: for a read-only file to be
// read-only the program then runs as an ordinary user, owning its folder.
class ReadOnlyFile : public FileTrouble {
protected:
    void SetUp() override
    {
        FileTrouble::SetUp();
        if (::geteuid() != 0)
            return;
        for (const QString& path : {dataDir_, databasePath()})
            ASSERT_EQ(::chown(QFile::encodeName(path).constData(), kNobody, kNobody), 0);
        ASSERT_EQ(::chmod(simFolder.path().c_str(), 0755), 0);
        program->setChildSetup([] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                ::_exit(127);
        });
    }

    void setReadOnly(bool readOnly)
    {
        ::chmod(QFile::encodeName(dataDir_).constData(), readOnly ? 0555 : 0700);
        ::chmod(QFile::encodeName(databasePath()).constData(), readOnly ? 0444 : 0600);
    }
};

TEST_F(ReadOnlyFile, WhileMeteringTheRowIsCompletedOnceTheFileIsWritableAgain)
{
    ASSERT_TRUE(program->start());
    connectCasa();
    setReadOnly(true);
    const QByteArray before = fileDigest(databasePath());
    ticks(2);
    dropLine();
    ticks(1);
    EXPECT_EQ(fileDigest(databasePath()), before) << "nothing written";
    expectSaid("log row not closed");

    setReadOnly(false);
    ticks(2);
    ASSERT_TRUE(program->stopWith(SIGTERM));
    expectOneCompleteRow(3);
}

TEST_F(ReadOnlyFile, FromTheStartTheRowIsWrittenOnceTheFileIsWritable)
{
    setReadOnly(true);
    const QByteArray before = fileDigest(databasePath());
    ASSERT_TRUE(program->start());
    connectCasa();
    ticks(2);
    dropLine();
    ticks(1);
    EXPECT_EQ(fileDigest(databasePath()), before) << "nothing written";
    expectSaid("log row not opened");

    setReadOnly(false);
    ticks(2);
    ASSERT_TRUE(program->stopWith(SIGTERM));
    expectOneCompleteRow(3);
}

TEST_F(FileTrouble, DeletedWhileMeteringNothingIsWrittenUntilItIsBack)
{
    const QString kept = folder.filePath(QStringLiteral("kept.T99"));
    ASSERT_TRUE(program->start());
    connectCasa();
    ASSERT_EQ(::link(QFile::encodeName(databasePath()).constData(), QFile::encodeName(kept).constData()), 0);
    ASSERT_TRUE(QFile::remove(databasePath()));
    const QByteArray away = fileDigest(kept);
    ticks(1);
    dropLine();
    ticks(1);
    EXPECT_EQ(fileDigest(kept), away) << "nothing written into the deleted file";
    expectSaid("the database file does not exist");

    ASSERT_EQ(::link(QFile::encodeName(kept).constData(), QFile::encodeName(databasePath()).constData()), 0);
    ticks(2);
    ASSERT_TRUE(program->stopWith(SIGTERM));
    expectOneCompleteRow(2);
}

TEST_F(FileTrouble, DeletedForGoodTheProgramEndsInOrderAndSaysWhatWasLost)
{
    const QString kept = folder.filePath(QStringLiteral("kept.T99"));
    ASSERT_TRUE(program->start());
    connectCasa();
    ASSERT_EQ(::link(QFile::encodeName(databasePath()).constData(), QFile::encodeName(kept).constData()), 0);
    ASSERT_TRUE(QFile::remove(databasePath()));
    const QByteArray away = fileDigest(kept);
    ticks(2);
    ASSERT_TRUE(program->stopWith(SIGTERM));

    EXPECT_EQ(fileDigest(kept), away);
    EXPECT_FALSE(QFile::exists(databasePath())) << "no new file made in its place";
    expectSaid("could not be completed");
}

// Garbage where the database was: a new file put in its place, or the
// file itself overwritten.
TEST_F(FileTrouble, GarbageInPlaceOfTheFileIsNeverWrittenTo)
{
    const struct {
        const char* name;
        bool inPlace;
        QByteArray head;
        const char* says;
    } cases[] = {
        {"a new file of noise", false, QByteArray(), "not a SQLite database file"},
        {"the file overwritten past its header", true, QByteArray("SQLite format 3\0", 16), "log row not"},
        {"the file overwritten with noise", true, QByteArray(), "log row not"},
    };
    QRandomGenerator random(99);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeSimFile("connected", "");
        QFile::remove(databasePath());
        useDataFolder(folder.path());
        ASSERT_TRUE(program->start());
        connectCasa();

        QByteArray garbage = c.head;
        while (garbage.size() < 64 * 1024)
            garbage.append(static_cast<char>(random.bounded(256)));
        const QString target = c.inPlace ? databasePath() : databasePath() + QStringLiteral(".new");
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_EQ(file.write(garbage), garbage.size());
        file.close();
        if (!c.inPlace) {
            ASSERT_EQ(std::rename(QFile::encodeName(target).constData(), QFile::encodeName(databasePath()).constData()),
                      0);
        }

        ticks(2);
        dropLine();
        ticks(1);
        ASSERT_TRUE(program->stopWith(SIGTERM)) << "no crash";
        QFile written(databasePath());
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), garbage) << "nothing written into it";
        expectSaid(c.says);
        expectSaid("could not be completed");
    }
}

TEST_F(FileTrouble, AFullFileSystemDelaysTheRowWithoutBreakingIt)
{
    SmallFileSystem small(folder.filePath(QStringLiteral("small")), 1024 * 1024);
    if (!small.mounted())
        GTEST_SKIP() << "mounting a tmpfs needs privileges";
    useDataFolder(small.path());
    ASSERT_TRUE(program->start());
    small.fill();
    connectCasa();
    ticks(2);
    dropLine();
    ticks(1);
    expectSaid("full");
    EXPECT_EQ(rowsIn(databasePath()), 0);

    small.makeRoom();
    ticks(2);
    ASSERT_TRUE(program->stopWith(SIGTERM));
    expectOneCompleteRow(3);
}

// Without the right to mount, a limit on the size of the files the
// program may write stands in for a full disk: every write fails.
TEST_F(FileTrouble, WithNoRoomAtAllNothingPartialIsLeft)
{
    program->setChildSetup([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(127);
    });
    const QByteArray before = fileDigest(databasePath());
    ASSERT_TRUE(program->start());
    connectCasa();
    ticks(2);
    dropLine();
    ticks(1);
    ASSERT_TRUE(program->stopWith(SIGTERM));

    expectSaid("log row not opened");
    expectSaid("could not be completed");
    EXPECT_EQ(fileDigest(databasePath()), before);
    EXPECT_EQ(integrityOf(Database::open(databasePath())), QStringLiteral("ok"));
}

} // namespace
} // namespace zrt::test
