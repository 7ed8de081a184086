#include "tests/support/headless_run.h"
#include "reliability_support.h"

#include <QFile>

#include <gmock/gmock.h>

#include <sys/stat.h>

#include <csignal>
#include <functional>

namespace zrt::test {
namespace {

// zrtellix --headless metering "Casa" while something befalls the log or
// the dialer's files under it.
class LogTrouble : public testing::Test {
protected:
    LogTrouble()
    {
        Database setup = scratch.open();
        AssociationStore(setup).associate(QStringLiteral("Casa"), 2);
        writeSimFile(simFolder, "entries", "Casa\n");
    }

    void meter(int seconds)
    {
        for (int i = 0; i < seconds; ++i)
            ASSERT_FALSE(program.waitForLine([](const QString& line) { return line.contains(QStringLiteral("Casa")); })
                             .isEmpty())
                << program.errors().toStdString();
    }

    // A call of a few seconds, with `trouble` in its middle, ended by the line dropping.
    void callWith(const std::function<void()>& trouble)
    {
        writeSimFile(simFolder, "connected", "Casa\n");
        ASSERT_TRUE(program.start());
        meter(2);
        trouble();
        meter(2);
        writeSimFile(simFolder, "connected", "");
        program.waitForLineStarting(QStringLiteral("Non connesso"));
        EXPECT_TRUE(program.stopWith(SIGTERM)) << program.errors().toStdString();
    }

    // The single row of the call, completed.
    void expectOneCompleteCall(const QList<LogRow>& rows)
    {
        ASSERT_THAT(rows, ::testing::SizeIs(1));
        EXPECT_FALSE(rows[0].fine.isEmpty());
        EXPECT_GE(rows[0].secondi.value_or(0), 3);
        EXPECT_EQ(rows[0].costo, 152) << "the answer charge, once";
    }

    ScratchDatabase scratch;
    TempDir simFolder;
    HeadlessRun program{scratch.folder(), simFolder.path()};
};

TEST_F(LogTrouble, KeysPastTwoToTheThirtyTwoTouchNoOtherRow)
{
    insertCallsPastTwoToTheThirtyTwo(scratch);
    callWith([] {});
    const QList<LogRow> rows = scratch.rows();
    ASSERT_THAT(rows, ::testing::SizeIs(3));
    EXPECT_EQ(rows[0].secondi, 3600);
    EXPECT_EQ(rows[0].costo, 3048);
    EXPECT_EQ(rows[2].id, Q_INT64_C(4294967297));
    expectOneCompleteCall({rows[2]});
}

TEST_F(LogTrouble, TheCallsRowDeletedByAnotherProgramIsWrittenAgain)
{
    callWith([this] { scratch.open().query(QStringLiteral("DELETE FROM Connessioni")); });
    expectOneCompleteCall(scratch.rows());
}

TEST_F(LogTrouble, AFileRestoredFromABackupDuringTheCallGetsTheCall)
{
    ScratchDatabase backup;
    {
        Database db = backup.open();
        AssociationStore(db).associate(QStringLiteral("Casa"), 2);
    }
    callWith([&] {
        const QString copy = scratch.path() + QStringLiteral(".restored");
        ASSERT_TRUE(QFile::copy(backup.path(), copy));
        ASSERT_TRUE(QFile::remove(scratch.path()));
        ASSERT_TRUE(QFile::rename(copy, scratch.path()));
    });
    expectOneCompleteCall(scratch.rows());
}

// The dialer's `connected` file as something that never ends or never
// answers: the program reads at most a bounded piece of a regular file and
// nothing else, so it neither blocks nor grows.
struct HostileFile {
    const char* name;
    std::function<void(const std::string&)> make;
};

void PrintTo(const HostileFile& file, std::ostream* out) { *out << file.name; }

class HostileDialerFiles : public LogTrouble, public testing::WithParamInterface<HostileFile> {};

qint64 residentKib(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

TEST_P(HostileDialerFiles, NeitherBlockNorGrowTheProgram)
{
    GetParam().make((simFolder.path() / "connected").string());
    ASSERT_TRUE(program.start());
    program.runFor(3000);
    const qint64 kib = residentKib(program.processId());
    EXPECT_GT(kib, 0) << "the program is still running";
    EXPECT_LT(kib, 200 * 1024);
    EXPECT_TRUE(program.stopWith(SIGTERM)) << "it answers its signal at once";
    EXPECT_TRUE(scratch.rows().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileDialerFiles,
    testing::Values(HostileFile{"Fifo", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
                    HostileFile{"LinkToDevZero",
                                [](const std::string& path) { ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0); }}),
    [](const testing::TestParamInfo<HostileFile>& file) { return std::string(file.param.name); });

} // namespace
} // namespace zrt::test
