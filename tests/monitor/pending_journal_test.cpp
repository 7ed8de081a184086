#include "monitor_fixture.h"

#include "monitor/pending_journal.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace zrt::test {
namespace {

RowClosing sampleRow(std::optional<qint64> id)
{
    RowClosing row{id,
                   {QStringLiteral("Casa \"di\" Mario"), {{2026, 10, 25}, {2 * 3600 + 59 * 60 + 32}},
                    QStringLiteral("Telecom Italia"), 1792889972, QStringLiteral("ppp0 4242")},
                   {3 * 3600 + 1},
                   {std::optional<qint64>(1234), std::optional<qint64>(9), 5400},
                   false};
    row.figures.byteRicevuti = (qint64(1) << 60) + 1; // beyond what a JSON number holds exactly
    row.figures.byteInviati = 0;
    return row;
}

void expectSameRow(const RowClosing& read, const RowClosing& written)
{
    EXPECT_EQ(read.id, written.id);
    EXPECT_EQ(read.start.connessione, written.start.connessione);
    EXPECT_EQ(read.start.inizio, written.start.inizio);
    EXPECT_EQ(read.start.servizio, written.start.servizio);
    EXPECT_EQ(read.start.inizioUtc, written.start.inizioUtc);
    EXPECT_EQ(read.start.collegamento, written.start.collegamento);
    EXPECT_EQ(read.fine, written.fine);
    EXPECT_EQ(read.figures.costo, written.figures.costo);
    EXPECT_EQ(read.figures.scatti, written.figures.scatti);
    EXPECT_EQ(read.figures.secondi, written.figures.secondi);
    EXPECT_EQ(read.figures.byteRicevuti, written.figures.byteRicevuti);
    EXPECT_EQ(read.figures.byteInviati, written.figures.byteInviati);
    EXPECT_EQ(read.unpriced, written.unpriced);
}

class Journal : public testing::Test {
protected:
    QTemporaryDir folder;
    PendingJournal journal{folder.filePath(QStringLiteral("zrtell.T99.pending"))};
};

TEST_F(Journal, KeepsEveryFigureExactlyAndGoesWhenNothingIsPending)
{
    RowClosing unknown = sampleRow(std::nullopt);
    unknown.figures = StoredFigures::unpriced(61);
    unknown.start.inizioUtc.reset();
    unknown.start.collegamento.reset();
    unknown.unpriced = true;
    const std::vector<RowClosing> rows{sampleRow(qint64(1) << 62), unknown};

    ASSERT_TRUE(journal.save(rows));
    const std::vector<RowClosing> read = journal.load();
    ASSERT_EQ(read.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        expectSameRow(read[i], rows[i]);
    EXPECT_EQ(QFile::permissions(journal.path()) & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());

    ASSERT_TRUE(journal.save({}));
    EXPECT_FALSE(QFile::exists(journal.path()));
    EXPECT_TRUE(journal.load().empty());
}

struct DamagedJournal {
    const char* name;
    QByteArray content;
};

class DamagedJournals : public Journal, public testing::WithParamInterface<DamagedJournal> {};

TEST_P(DamagedJournals, AreSetAsideWholeAndNothingInThemIsWritten)
{
    {
        QFile file(journal.path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().content);
    }
    EXPECT_TRUE(journal.load().empty());
    EXPECT_FALSE(QFile::exists(journal.path()));
    QFile damaged(journal.path() + QStringLiteral(".damaged"));
    ASSERT_TRUE(damaged.open(QIODevice::ReadOnly));
    EXPECT_EQ(damaged.readAll(), GetParam().content);
}

const QByteArray kRow = R"({"id":null,"connessione":"Casa","data":"2026-12-07","inizio":"10:00:00",)"
                        R"("servizio":"x","inizio_utc":null,"collegamento":null,"fine":"10:01:00",)"
                        R"("costo":null,"scatti":null,"secondi":60,"unpriced":true})";

INSTANTIATE_TEST_SUITE_P(
    Contents, DamagedJournals,
    testing::Values(DamagedJournal{"NotJson", "rows: Casa 60 s"},
                    DamagedJournal{"Truncated", R"({"version":1,"rows":[)" + kRow.left(40)},
                    DamagedJournal{"UnknownVersion", R"({"version":2,"rows":[)" + kRow + "]}"},
                    DamagedJournal{"NegativeSeconds",
                                   R"({"version":1,"rows":[)" + QByteArray(kRow).replace("60,", "-5,") + "]}"},
                    DamagedJournal{"FractionalCost",
                                   R"({"version":1,"rows":[)" + QByteArray(kRow).replace("\"costo\":null", "\"costo\":1.5")
                                       + "]}"},
                    DamagedJournal{"BadStart",
                                   R"({"version":1,"rows":[)" + QByteArray(kRow).replace("10:00:00", "24:00:00") + "]}"},
                    DamagedJournal{"NegativeTraffic",
                                   R"({"version":1,"rows":[)" + QByteArray(kRow).replace("60,", R"(60,"byte_inviati":"-1",)")
                                       + "]}"},
                    DamagedJournal{"TooLarge", QByteArray(2 << 20, ' ')}),
    [](const testing::TestParamInfo<DamagedJournal>& journal) { return std::string(journal.param.name); });

// Journals kept before the traffic was counted have no traffic fields.
TEST_F(Journal, ARowWithoutTrafficReadsWithItUnknown)
{
    {
        QFile file(journal.path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"({"version":1,"rows":[)" + kRow + "]}");
    }
    const std::vector<RowClosing> read = journal.load();
    ASSERT_EQ(read.size(), 1U);
    EXPECT_EQ(read[0].figures.secondi, 60);
    EXPECT_EQ(read[0].figures.byteRicevuti, std::nullopt);
    EXPECT_EQ(read[0].figures.byteInviati, std::nullopt);
}

TEST_F(Journal, IsReplacedWithoutFollowingALinkAndSaysWhenItCannotBeWritten)
{
    const QString elsewhere = folder.filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QFile::link(elsewhere, journal.path()));
    ASSERT_TRUE(journal.save({sampleRow(7)}));
    EXPECT_FALSE(QFile::exists(elsewhere));
    EXPECT_FALSE(QFileInfo(journal.path()).isSymLink());

    ASSERT_EQ(::mkdir(QFile::encodeName(journal.path() + QStringLiteral(".new")).constData(), 0700), 0);
    EXPECT_FALSE(journal.save({sampleRow(8)}));
    ASSERT_EQ(journal.load().size(), 1u);
    EXPECT_EQ(journal.load().front().id, 7) << "the last journal written stays whole";
}

// The monitor, with the database locked by another program through a whole
// call and past the program's end.
class LockedThroughACall : public MonitorFixture {
protected:
    void holdLock()
    {
        holder.emplace(scratch.open());
        holder->query(QStringLiteral("BEGIN EXCLUSIVE"));
    }
    void letGo()
    {
        holder->query(QStringLiteral("ROLLBACK"));
        holder.reset();
    }

    std::optional<Database> holder;
};

TEST_F(LockedThroughACall, TheCallIsKeptInTheJournalAndLoggedAtTheNextStart)
{
    startMonitor();
    holdLock();
    lineUp("Ufficio");
    runSeconds(90);
    lineDown();
    EXPECT_EQ(monitor->shutDown(), LogWriter::Pending::InJournal);
    crash();
    ASSERT_TRUE(QFile::exists(journal.path()));
    letGo();
    EXPECT_TRUE(rows().isEmpty());

    startMonitor();
    monitor->tick();
    const QList<LogRow> logged = rows();
    ASSERT_EQ(logged.size(), 1);
    EXPECT_EQ(logged[0].connessione, QStringLiteral("Ufficio"));
    EXPECT_EQ(logged[0].fine, QStringLiteral("10:01:31"));
    EXPECT_EQ(logged[0].secondi, 91);
    EXPECT_TRUE(logged[0].costo.has_value()) << "priced once its tariff could be read";
    EXPECT_FALSE(QFile::exists(journal.path()));
}

TEST_F(LockedThroughACall, AnOpenRowCompletedByTheJournalIsNotAlsoClosedAtItsCheckpoint)
{
    startMonitor();
    lineUp("Ufficio");
    runSeconds(30); // the row is open, checkpointed at 30 s
    holdLock();
    runSeconds(60);
    EXPECT_EQ(monitor->shutDown(), LogWriter::Pending::InJournal);
    crash();
    letGo();
    disconnect();

    startMonitor();
    monitor->tick();
    const QList<LogRow> logged = rows();
    ASSERT_EQ(logged.size(), 1) << "one call, one row";
    EXPECT_EQ(logged[0].fine, QStringLiteral("10:01:30"));
    EXPECT_EQ(logged[0].secondi, 90);
}

TEST_F(LockedThroughACall, WithNowhereToKeepItTheCallIsReportedLost)
{
    ASSERT_EQ(::mkdir(QFile::encodeName(journal.path() + QStringLiteral(".new")).constData(), 0700), 0);
    startMonitor();
    holdLock();
    lineUp("Casa");
    runSeconds(20);
    EXPECT_EQ(monitor->shutDown(), LogWriter::Pending::Nowhere);
    ASSERT_EQ(monitor->unwrittenRows().size(), 1u);
    EXPECT_EQ(monitor->unwrittenRows().front().figures.secondi, 20);
    letGo();
}

} // namespace
} // namespace zrt::test
