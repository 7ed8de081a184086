#include "tests/support/headless_run.h"
#include "reliability_support.h"

#include "tests/monitor/monitor_fixture.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <gmock/gmock.h>

#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

namespace zrt::test {
namespace {

constexpr uid_t kNobody = 65534;

class FileTrouble;

// What befalls the database file, when, what the program says about it,
// and what puts it right.
struct Trouble {
    const char* name;
    bool whileMetering; // or from before the program starts
    void (FileTrouble::*cause)();
    const char* says;
    void (FileTrouble::*mend)(); // null when it lasts
};

void PrintTo(const Trouble& trouble, std::ostream* out) { *out << trouble.name; }

// zrtellix metering "Casa" on a database file that becomes unusable.
// Whatever happens to the file, the program goes on, says why it cannot
// write, writes nothing into a file that is not its own, and leaves no
// half-written row. Root writes to any file whatever its mode: run by root,
// the program runs as an ordinary user owning its folder.
class FileTrouble : public testing::TestWithParam<Trouble> {
public:
    void makeReadOnly() { setModes(0555, 0444); }
    void makeWritable() { setModes(0700, 0600); }

    // The file deleted while a link of it is kept where the program does not look.
    void deleteFile()
    {
        std::filesystem::create_hard_link(databasePath().toStdString(), keptPath().toStdString());
        ASSERT_TRUE(QFile::remove(databasePath()));
    }
    void restoreFile() { std::filesystem::create_hard_link(keptPath().toStdString(), databasePath().toStdString()); }

    void replaceWithNoise()
    {
        ASSERT_TRUE(QFile::remove(databasePath()));
        writeNoise(databasePath(), {});
    }
    void overwritePastItsHeader() { writeNoise(databasePath(), QByteArray("SQLite format 3\0", 16)); }

    // The data folder on a tmpfs of 1 MiB, every free byte of it taken.
    void fillTheFileSystem()
    {
        const QString small = folder.filePath(QStringLiteral("small"));
        QDir().mkpath(small);
        if (::mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=1048576") != 0)
            GTEST_SKIP() << "mounting a tmpfs needs privileges";
        smallFileSystem = small;
        useDataFolder(small);
        QFile filler(fillerPath());
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) { // the last write fills what room is left
        }
    }
    void makeRoom() { QFile::remove(fillerPath()); }

    // Without the right to mount, a limit on the size of the files the
    // program may write stands in for a full disk: every write fails.
    void limitFileSize() { fileSizeLimit = 4096; }

protected:
    void SetUp() override { useDataFolder(folder.path()); }
    void TearDown() override
    {
        if (!smallFileSystem.isEmpty())
            ::umount2(QFile::encodeName(smallFileSystem).constData(), MNT_DETACH);
    }

    void useDataFolder(const QString& path)
    {
        dataFolder = path;
        createDatabaseFile(databasePath(), Content::DefaultTariffs);
        Database setup = Database::open(databasePath());
        AssociationStore(setup).ensureAssociated({QStringLiteral("Casa"), QStringLiteral("Ufficio")}, 2);
        writeSimFile(simFolder, "entries", "Casa\nUfficio\n");
        program.emplace(dataFolder, simFolder.path());
        const bool asNobody = ::geteuid() == 0;
        if (asNobody) {
            for (const QString& owned : {dataFolder, databasePath()})
                ASSERT_EQ(::chown(QFile::encodeName(owned).constData(), kNobody, kNobody), 0);
            ASSERT_EQ(::chmod(simFolder.path().c_str(), 0755), 0);
        }
        program->setChildSetup([this, asNobody] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0
                || (asNobody && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)))
                ::_exit(127);
        });
    }

    QString databasePath() const { return dataFolder + QStringLiteral("/zrtell.T99"); }
    QString keptPath() const { return folder.filePath(QStringLiteral("kept.T99")); }
    QString fillerPath() const { return smallFileSystem + QStringLiteral("/filler"); }

    void setModes(mode_t folderMode, mode_t fileMode)
    {
        ::chmod(QFile::encodeName(dataFolder).constData(), folderMode);
        ::chmod(QFile::encodeName(databasePath()).constData(), fileMode);
    }
    // 64 KiB of noise after `head`, over the file's own bytes.
    static void writeNoise(const QString& path, QByteArray head)
    {
        QRandomGenerator random(99);
        while (head.size() < 64 * 1024)
            head.append(static_cast<char>(random.bounded(256)));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_EQ(file.write(head), head.size());
    }

    // The bytes of the file and of a deleted one kept aside, as they are now.
    QByteArrayList snapshot() const { return {fileDigest(databasePath()), fileDigest(keptPath())}; }

    // The dialer shows `connected` up, and the program then says `line`.
    void dial(const char* connected, const char* line)
    {
        writeSimFile(simFolder, "connected", connected);
        ASSERT_FALSE(program->waitForLineStarting(QString::fromUtf8(line)).isEmpty());
    }
    // The program runs on for `count` seconds: as many ticks while a call
    // is metered; an idle program prints nothing meanwhile.
    void ticks(int count)
    {
        program->runFor(count * 1000);
        ASSERT_TRUE(program->isRunning()) << "the program stopped";
    }
    void expectSaid(const char* words) { EXPECT_THAT(program->errors().toStdString(), ::testing::HasSubstr(words)); }

    QTemporaryDir folder;
    QString dataFolder;
    QString smallFileSystem;
    rlim_t fileSizeLimit = RLIM_INFINITY;
    TempDir simFolder;
    std::optional<HeadlessRun> program;
};

TEST_P(FileTrouble, NothingIsWrittenWhileItLastsAndNoRowIsLeftHalfDone)
{
    const Trouble& trouble = GetParam();
    QByteArrayList before;
    const auto befall = [&] { (this->*trouble.cause)(); before = snapshot(); };
    if (!trouble.whileMetering)
        befall();
    if (IsSkipped())
        return;
    ASSERT_TRUE(program->start());
    dial("Casa\n", "Connessione attiva Casa");
    if (trouble.whileMetering)
        befall();
    ASSERT_FALSE(HasFatalFailure());
    ticks(3);
    dial("", "Non connesso");
    ticks(1);
    EXPECT_EQ(snapshot(), before) << "nothing written";
    expectSaid(trouble.says);
    if (!trouble.mend) {
        ASSERT_TRUE(program->stopWith(SIGTERM)) << "no crash";
        EXPECT_EQ(snapshot(), before) << "nothing written on the way out";
        expectSaid("written to it at the next start");
        EXPECT_THAT(PendingJournal(PendingJournal::pathFor(databasePath())).load(), ::testing::SizeIs(1))
            << "the call is kept for the next start";
        return;
    }
    (this->*trouble.mend)();
    ticks(2);
    ASSERT_TRUE(program->stopWith(SIGTERM));
    // The file holds exactly one row for the connection, complete and priced at its seconds.
    Database reader = Database::open(databasePath());
    EXPECT_EQ(integrityOf(reader), QStringLiteral("ok"));
    const QList<LogRow> logged = logRows(reader);
    ASSERT_EQ(logged.size(), 1) << "the connection is logged once";
    EXPECT_EQ(logged[0].connessione + '|' + logged[0].servizio, QStringLiteral("Casa|Telecom Italia 1998"));
    expectPricedAtItsSeconds(reader, logged[0]);
    EXPECT_GE(logged[0].secondi, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Troubles, FileTrouble,
    testing::Values(
        Trouble{"ReadOnlyWhileMetering", true, &FileTrouble::makeReadOnly, "log row not closed",
                &FileTrouble::makeWritable},
        Trouble{"ReadOnlyFromTheStart", false, &FileTrouble::makeReadOnly, "log row not opened",
                &FileTrouble::makeWritable},
        Trouble{"DeletedThenPutBack", true, &FileTrouble::deleteFile, "the database file does not exist",
                &FileTrouble::restoreFile},
        Trouble{"DeletedForGood", true, &FileTrouble::deleteFile, "the database file does not exist", nullptr},
        Trouble{"ReplacedByNoise", true, &FileTrouble::replaceWithNoise, "not a SQLite database file", nullptr},
        Trouble{"OverwrittenPastItsHeader", true, &FileTrouble::overwritePastItsHeader, "log row not", nullptr},
        Trouble{"FullFileSystem", false, &FileTrouble::fillTheFileSystem, "full", &FileTrouble::makeRoom},
        Trouble{"NoRoomAtAll", false, &FileTrouble::limitFileSize, "log row not opened", nullptr}),
    [](const testing::TestParamInfo<Trouble>& trouble) { return std::string(trouble.param.name); });

struct LockKind {
    bool shell; // or another connection of this process
    const char* begin;
    const char* name;
};

void PrintTo(const LockKind& kind, std::ostream* out) { *out << kind.name; }

// Another program holding a write transaction open on the file, a second
// connection of this process or the sqlite3 shell, for as long as it lives.
class LockHolder {
public:
    LockHolder(const QString& path, const LockKind& kind)
    {
        if (!kind.shell) {
            connection_.emplace(Database::open(path));
            connection_->query(QString::fromUtf8(kind.begin));
            return;
        }
        shell_.start(QStringLiteral("sqlite3"), {path});
        shell_.write(QByteArray(".timeout 2000\n") + kind.begin + ";\nSELECT 'locked';\n");
    }
    ~LockHolder()
    {
        if (connection_)
            connection_->query(QStringLiteral("ROLLBACK"));
        if (shell_.state() != QProcess::NotRunning) {
            shell_.write("ROLLBACK;\n.quit\n");
            shell_.waitForFinished();
        }
    }

    // True once the transaction is open: the shell says so when it is.
    bool holding()
    {
        if (connection_)
            return true;
        QDeadlineTimer deadline(5000);
        QByteArray said;
        while (!said.contains("locked") && !deadline.hasExpired() && shell_.waitForReadyRead(100))
            said += shell_.readAllStandardOutput();
        return said.contains("locked");
    }

private:
    std::optional<Database> connection_;
    QProcess shell_;
};

// The monitor, on the fake clock, while another program keeps the file
// locked for half a minute.
class LockedDatabase : public MonitorFixture, public testing::WithParamInterface<LockKind> {
protected:
    void SetUp() override
    {
        if (GetParam().shell && QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
            GTEST_SKIP() << "the sqlite3 shell is not installed";
    }

    void lock()
    {
        holder.emplace(scratch.path(), GetParam());
        ASSERT_TRUE(holder->holding());
    }
    void unlock() { holder.reset(); }

    std::optional<LockHolder> holder;
};

// A connection metered through a lock of half a minute and ended under a
// second lock, during which another connection begins and ends.
TEST_P(LockedDatabase, MeteringGoesOnAndEveryRowIsWrittenWholeWhenTheLockGoes)
{
    startMonitor();
    connect({"Ufficio"});
    monitor->tick();
    runSeconds(5);
    lock();
    const QString costBefore = display.cost();
    runSeconds(30);
    EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:00:35")) << "the meter kept time";
    EXPECT_NE(display.cost(), costBefore) << "and kept pricing";
    unlock();
    second();
    EXPECT_EQ(rows().at(0).secondi, 36) << "the checkpoint is written on the first tick after the lock";

    lock();
    connect({"Casa"}); // the line passes to another entry
    runSeconds(8);
    disconnect();
    runSeconds(5);
    unlock();
    second();

    const QList<LogRow> logged = rows();
    ASSERT_EQ(logged.size(), 2);
    EXPECT_EQ(outline(logged[0]), QStringLiteral("Ufficio 10:00:00-10:00:37 Telecom Italia"));
    EXPECT_EQ(outline(logged[1]), QStringLiteral("Casa 10:00:37-10:00:45 Telecom Italia 1998"));
    Database reader = scratch.open();
    for (const LogRow& row : logged)
        expectPricedAtItsSeconds(reader, row);
}

INSTANTIATE_TEST_SUITE_P(
    Holders, LockedDatabase,
    testing::Values(LockKind{false, "BEGIN IMMEDIATE", "ConnectionImmediate"},
                    LockKind{false, "BEGIN EXCLUSIVE", "ConnectionExclusive"},
                    LockKind{true, "BEGIN IMMEDIATE", "Sqlite3Immediate"},
                    LockKind{true, "BEGIN EXCLUSIVE", "Sqlite3Exclusive"}),
    [](const testing::TestParamInfo<LockKind>& kind) { return std::string(kind.param.name); });

// What keeps the program from writing its log when it is told to stop, as
// at a logout: another program holding the file locked (from before the
// call or from its middle), or a stray rollback journal that is a link to
// nowhere; and whether the journal of pending rows can be written.
struct Obstacle {
    const char* name;
    bool lockBeforeTheCall;
    bool strayJournalLink; // or the sqlite3 shell's lock
    bool journalWritable;
};

void PrintTo(const Obstacle& obstacle, std::ostream* out) { *out << obstacle.name; }

class UnwritableAtTheEnd : public testing::TestWithParam<Obstacle> {
protected:
    void SetUp() override
    {
        if (!GetParam().strayJournalLink && QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
            GTEST_SKIP() << "the sqlite3 shell is not installed";
        Database setup = scratch.open();
        AssociationStore(setup).associate(QStringLiteral("Casa"), 2);
        writeSimFile(simFolder, "entries", "Casa\n");
        if (!GetParam().journalWritable)
            QDir().mkpath(scratch.path() + QStringLiteral(".pending.new"));
    }

    void block()
    {
        if (GetParam().strayJournalLink) {
            ASSERT_TRUE(QFile::link(scratch.folder() + QStringLiteral("/missing/journal"), rollbackJournal()));
            return;
        }
        holder.emplace(scratch.path(), LockKind{true, "BEGIN EXCLUSIVE", "Sqlite3Exclusive"});
        ASSERT_TRUE(holder->holding());
    }
    void unblock()
    {
        holder.reset();
        QFile::remove(rollbackJournal());
    }
    QString rollbackJournal() const { return scratch.path() + QStringLiteral("-journal"); }

    // Status lines of a line up for `count` seconds.
    void meterFor(int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_FALSE(program.waitForLine([](const QString& line) { return line.contains(QStringLiteral("Casa")); })
                             .isEmpty());
    }

    ScratchDatabase scratch;
    TempDir simFolder;
    HeadlessRun program{scratch.folder(), simFolder.path()};
    std::optional<LockHolder> holder;
};

TEST_P(UnwritableAtTheEnd, TheCallIsLoggedAtTheNextStartOrTheProgramSaysItIsLost)
{
    ASSERT_TRUE(program.start());
    ASSERT_FALSE(program.waitForAnyLine().isEmpty());
    if (GetParam().lockBeforeTheCall)
        block();
    writeSimFile(simFolder, "connected", "Casa\n");
    meterFor(2);
    if (!GetParam().lockBeforeTheCall)
        block();
    meterFor(3);
    const std::optional<int> status = program.exitStatusAfter(SIGTERM);
    unblock();

    if (!GetParam().journalWritable) {
        EXPECT_EQ(status, 1);
        EXPECT_THAT(program.errors().toStdString(), ::testing::HasSubstr("not logged"));
        return;
    }
    EXPECT_EQ(status, 0);
    EXPECT_THAT(program.errors().toStdString(), ::testing::HasSubstr("written to it at the next start"));

    writeSimFile(simFolder, "connected", "");
    HeadlessRun restarted{scratch.folder(), simFolder.path()};
    ASSERT_TRUE(restarted.start());
    QDeadlineTimer deadline(HeadlessRun::kWaitMs);
    const auto logged = [&] { return !scratch.rows().isEmpty() && !scratch.rows().last().fine.isEmpty(); };
    while (!logged() && !deadline.hasExpired())
        restarted.runFor(100);
    EXPECT_TRUE(restarted.stopWith(SIGTERM)) << restarted.errors().toStdString();
    const QList<LogRow> rows = scratch.rows();
    ASSERT_EQ(rows.size(), 1) << "one call, one row";
    EXPECT_FALSE(rows[0].fine.isEmpty());
    EXPECT_GE(rows[0].secondi, 4);
    EXPECT_TRUE(rows[0].costo.has_value());
    EXPECT_FALSE(QFile::exists(PendingJournal::pathFor(scratch.path())));
}

INSTANTIATE_TEST_SUITE_P(
    Obstacles, UnwritableAtTheEnd,
    testing::Values(Obstacle{"LockedFromBeforeTheCall", true, false, true},
                    Obstacle{"LockedDuringTheCall", false, false, true},
                    Obstacle{"StrayRollbackJournalLink", false, true, true},
                    Obstacle{"LockedAndNoRoomForTheJournal", true, false, false}),
    [](const testing::TestParamInfo<Obstacle>& obstacle) { return std::string(obstacle.param.name); });

} // namespace
} // namespace zrt::test
