#include "headless_run.h"
#include "reliability_support.h"

#include "tests/database/scratch_database.h"

#include "database/association_store.h"
#include "database/default_content.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

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

void PrintTo(const Trouble& trouble, std::ostream* out)
{
    *out << trouble.name;
}

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
    void overwriteWithNoise() { writeNoise(databasePath(), {}); }

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
        while (filler.write(QByteArray(4096, 'x')) == 4096) {
        }
        while (filler.write("x", 1) == 1) {
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

    void connectCasa()
    {
        writeSimFile(simFolder, "connected", "Casa\n");
        ASSERT_FALSE(program->waitForLineStarting(QStringLiteral("Connessione attiva Casa")).isEmpty());
    }
    void dropLine()
    {
        writeSimFile(simFolder, "connected", "");
        ASSERT_FALSE(program->waitForLineStarting(QStringLiteral("Non connesso")).isEmpty());
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_FALSE(program->waitForAnyLine().isEmpty()) << "the program stopped";
    }
    void expectSaid(const char* words)
    {
        EXPECT_THAT(program->errors().toStdString(), ::testing::HasSubstr(words));
    }

    // The file holds exactly one row for the connection, complete and
    // priced at its seconds.
    void expectOneCompleteRow()
    {
        Database reader = Database::open(databasePath());
        EXPECT_EQ(integrityOf(reader), QStringLiteral("ok"));
        const QList<LogRow> logged = logRows(reader);
        ASSERT_EQ(logged.size(), 1) << "the connection is logged once";
        const LogRow& row = logged[0];
        EXPECT_EQ(row.connessione, QStringLiteral("Casa"));
        EXPECT_EQ(row.servizio, QStringLiteral("Telecom Italia 1998"));
        expectPricedAtItsSeconds(reader, row);
        EXPECT_GE(row.secondi, 3);
    }

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
    const auto befall = [&] {
        (this->*trouble.cause)();
        before = snapshot();
    };
    if (!trouble.whileMetering)
        befall();
    if (IsSkipped())
        return;
    ASSERT_TRUE(program->start());
    connectCasa();
    if (trouble.whileMetering)
        befall();
    ASSERT_FALSE(HasFatalFailure());
    ticks(2);
    dropLine();
    ticks(1);
    EXPECT_EQ(snapshot(), before) << "nothing written";
    expectSaid(trouble.says);
    if (!trouble.mend) {
        ASSERT_TRUE(program->stopWith(SIGTERM)) << "no crash";
        EXPECT_EQ(snapshot(), before) << "nothing written on the way out";
        expectSaid("could not be completed");
        return;
    }
    (this->*trouble.mend)();
    ticks(2);
    ASSERT_TRUE(program->stopWith(SIGTERM));
    expectOneCompleteRow();
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
        Trouble{"OverwrittenWithNoise", true, &FileTrouble::overwriteWithNoise, "log row not", nullptr},
        Trouble{"FullFileSystem", false, &FileTrouble::fillTheFileSystem, "full", &FileTrouble::makeRoom},
        Trouble{"NoRoomAtAll", false, &FileTrouble::limitFileSize, "log row not opened", nullptr}),
    [](const testing::TestParamInfo<Trouble>& trouble) { return std::string(trouble.param.name); });

} // namespace
} // namespace zrt::test
