#include "reliability_support.h"

#include "tests/monitor/monitor_fixture.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>

#include <gmock/gmock.h>

namespace zrt::test {
namespace {

using ::testing::SizeIs;

enum class Holder { OtherConnection, Sqlite3Shell };

struct LockKind {
    Holder holder;
    const char* begin;
    const char* name;
};

void PrintTo(const LockKind& kind, std::ostream* out)
{
    *out << kind.name;
}

// Another program holding a write transaction open on the file, a second
// connection of this process or the sqlite3 shell, for as long as it lives.
class LockHolder {
public:
    LockHolder(const QString& path, const LockKind& kind)
    {
        if (kind.holder == Holder::OtherConnection) {
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
        if (GetParam().holder == Holder::Sqlite3Shell
            && QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
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

    const struct {
        const char* entry;
        const char* inizio;
        const char* fine;
        const char* servizio;
    } expected[] = {
        {"Ufficio", "10:00:00", "10:00:37", "Telecom Italia"},
        {"Casa", "10:00:37", "10:00:45", "Telecom Italia 1998"},
    };
    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(2));
    Database reader = scratch.open();
    for (int i = 0; i < 2; ++i) {
        const LogRow& row = logged[i];
        SCOPED_TRACE(expected[i].inizio);
        EXPECT_EQ(row.connessione, QString::fromUtf8(expected[i].entry));
        EXPECT_EQ(row.inizio, QString::fromUtf8(expected[i].inizio));
        EXPECT_EQ(row.fine, QString::fromUtf8(expected[i].fine));
        EXPECT_EQ(row.servizio, QString::fromUtf8(expected[i].servizio));
        expectPricedAtItsSeconds(reader, row);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Holders, LockedDatabase,
    testing::Values(LockKind{Holder::OtherConnection, "BEGIN IMMEDIATE", "ConnectionImmediate"},
                    LockKind{Holder::OtherConnection, "BEGIN EXCLUSIVE", "ConnectionExclusive"},
                    LockKind{Holder::Sqlite3Shell, "BEGIN IMMEDIATE", "Sqlite3Immediate"},
                    LockKind{Holder::Sqlite3Shell, "BEGIN EXCLUSIVE", "Sqlite3Exclusive"}),
    [](const testing::TestParamInfo<LockKind>& kind) { return std::string(kind.param.name); });

} // namespace
} // namespace zrt::test
