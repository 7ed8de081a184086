#include "reliability_support.h"

#include "tests/monitor/monitor_fixture.h"

#include "database/tariff_store.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>

#include <gmock/gmock.h>

namespace zrt::test {
namespace {

using ::testing::SizeIs;

constexpr int kLockSeconds = 30;

enum class Holder { OtherConnection, Sqlite3Process };

struct LockKind {
    Holder holder;
    const char* begin;
    const char* name;
};

void PrintTo(const LockKind& kind, std::ostream* out)
{
    *out << kind.name;
}

// Another program holding a write transaction open on the file: a second
// connection of this process, or the sqlite3 shell.
class LockHolder {
public:
    LockHolder(const QString& path, LockKind kind) : path_(path), kind_(kind) {}
    ~LockHolder() { release(); }

    bool take()
    {
        if (kind_.holder == Holder::OtherConnection) {
            connection_.emplace(Database::open(path_));
            connection_->query(QString::fromUtf8(kind_.begin));
            return true;
        }
        shell_.start(QStringLiteral("sqlite3"), {path_});
        if (!shell_.waitForStarted())
            return false;
        shell_.write(QByteArray(".timeout 2000\n") + kind_.begin + ";\nSELECT 'locked';\n");
        QDeadlineTimer deadline(5000);
        QByteArray said;
        while (!said.contains("locked") && !deadline.hasExpired() && shell_.waitForReadyRead(100))
            said += shell_.readAllStandardOutput();
        return said.contains("locked");
    }

    void release()
    {
        if (connection_) {
            connection_->query(QStringLiteral("ROLLBACK"));
            connection_.reset();
        }
        if (shell_.state() != QProcess::NotRunning) {
            shell_.write("ROLLBACK;\n.quit\n");
            shell_.waitForFinished();
        }
    }

private:
    QString path_;
    LockKind kind_;
    std::optional<Database> connection_;
    QProcess shell_;
};

// The monitor, on the fake clock, while another program keeps the file
// locked for half a minute.
class LockedDatabase : public MonitorFixture, public testing::WithParamInterface<LockKind> {
protected:
    void SetUp() override
    {
        if (GetParam().holder == Holder::Sqlite3Process && QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
            GTEST_SKIP() << "the sqlite3 shell is not installed";
    }

    void lock()
    {
        holder.emplace(scratch.path(), GetParam());
        ASSERT_TRUE(holder->take());
    }
    void unlock() { holder.reset(); }

    StoredPrice priceOf(int idTariffa, const LogRow& row)
    {
        Database reader = scratch.open();
        return storedPrice(*TariffStore(reader).tariff(idTariffa), *rowStart(row), *row.secondi, 20);
    }

    std::optional<LockHolder> holder;
};

TEST_P(LockedDatabase, MeteringGoesOnAndTheFiguresFollowWhenTheLockGoes)
{
    startMonitor();
    connect({"Ufficio"});
    monitor->tick();
    runSeconds(5);
    lock();
    const QString costBefore = display.cost();
    runSeconds(kLockSeconds);
    EXPECT_EQ(display.elapsed, QStringLiteral("Tempo: 00:00:35")) << "the meter kept time";
    EXPECT_NE(display.cost(), costBefore) << "and kept pricing";
    unlock();

    second();
    LogRow row = rows().at(0);
    EXPECT_EQ(row.secondi, 36) << "the checkpoint is written on the first tick after the lock";
    EXPECT_EQ(row.costo, priceOf(1, row).costo);

    runSeconds(20);
    disconnect();
    second();
    ASSERT_THAT(rows(), SizeIs(1));
    row = rows().at(0);
    EXPECT_EQ(row.fine, QStringLiteral("10:00:57"));
    EXPECT_EQ(row.secondi, 57);
    EXPECT_EQ(row.costo, priceOf(1, row).costo);
    EXPECT_EQ(row.scatti, priceOf(1, row).scatti);
}

TEST_P(LockedDatabase, ConnectionsBegunAndEndedUnderTheLockAreWrittenWhole)
{
    startMonitor();
    second();
    lock();
    connect({"Ufficio"});
    runSeconds(12);
    connect({"Casa"}); // the line passes to another entry
    runSeconds(8);
    disconnect();
    runSeconds(kLockSeconds - 20);
    unlock();
    second();

    const QList<LogRow> logged = rows();
    ASSERT_THAT(logged, SizeIs(2));
    const struct {
        const char* entry;
        int tariff;
        const char* inizio;
        const char* fine;
        const char* servizio;
    } expected[] = {
        {"Ufficio", 1, "10:00:02", "10:00:14", "Telecom Italia"},
        {"Casa", 2, "10:00:14", "10:00:22", "Telecom Italia 1998"},
    };
    for (int i = 0; i < 2; ++i) {
        const LogRow& row = logged[i];
        SCOPED_TRACE(expected[i].entry);
        EXPECT_EQ(row.connessione, QString::fromUtf8(expected[i].entry));
        EXPECT_EQ(row.inizio, QString::fromUtf8(expected[i].inizio));
        EXPECT_EQ(row.fine, QString::fromUtf8(expected[i].fine));
        EXPECT_EQ(row.servizio, QString::fromUtf8(expected[i].servizio));
        ASSERT_TRUE(row.secondi);
        EXPECT_EQ(row.costo, priceOf(expected[i].tariff, row).costo) << "priced, not left at nothing";
        EXPECT_EQ(row.scatti, priceOf(expected[i].tariff, row).scatti);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Holders, LockedDatabase,
    testing::Values(LockKind{Holder::OtherConnection, "BEGIN IMMEDIATE", "ConnectionImmediate"},
                    LockKind{Holder::OtherConnection, "BEGIN EXCLUSIVE", "ConnectionExclusive"},
                    LockKind{Holder::Sqlite3Process, "BEGIN IMMEDIATE", "Sqlite3Immediate"},
                    LockKind{Holder::Sqlite3Process, "BEGIN EXCLUSIVE", "Sqlite3Exclusive"}),
    [](const testing::TestParamInfo<LockKind>& kind) { return std::string(kind.param.name); });

} // namespace
} // namespace zrt::test
