#include "reliability_support.h"

#include "database/database_error.h"
#include "database/tariff_update.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/resource.h>

#include <csignal>

namespace zrt::test {
namespace {

const QString kCompany = QStringLiteral("Nuova Telefonia");

// Writes an update file for a company of `tariffs` tariffs with `bands`
// bands each, all valid, made the way tariff makers make them.
void makeUpdate(const QString& path, int tariffs, int bands)
{
    ScratchDatabase source(Content::Empty);
    Database database = source.open();
    const int company = TariffStore(database).addCompany(kCompany, QStringLiteral("Minuto"));
    Transaction transaction(database);
    QSqlQuery addTariff = database.prepare(QStringLiteral("INSERT INTO Tariffe (id_compagnia, Descrizione) VALUES (?, ?)"));
    QSqlQuery addBand = database.prepare(QStringLiteral(
        "INSERT INTO Fasce (id_compagnia, id_Tariffa, tipo, Inizio, Fine, Durata, Costo, CostoAllaRisposta, "
        "SecondoCosto) VALUES (?, ?, ?, ?, '24:00:00', 15, ?, 100, 27.6)"));
    const char* const dayTypes[] = {"FER", "PRE", "FES"};
    for (int t = 0; t < tariffs; ++t) {
        Database::execute(addTariff, {company, QStringLiteral("Tariffa %1").arg(t + 1)});
        const int tariff = addTariff.lastInsertId().toInt();
        for (int b = 0; b < bands; ++b) {
            const TimeOfDay start{(b * 37) % kSecondsPerDay};
            Database::execute(addBand, {company, tariff, QString::fromLatin1(dayTypes[b % 3]),
                                        QString::fromStdString(formatTimeOfDay(start)), 10 + b % 50});
        }
    }
    transaction.commit();
    exportUpdate(database, kCompany, path);
}

// SQLite adds one to this header field at every committed write
// transaction of a file in rollback-journal mode.
quint32 fileChangeCounter(const QString& path)
{
    QFile file(path);
    const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(28) : QByteArray();
    return header.size() == 28 ? qFromBigEndian<quint32>(header.constData() + 24) : 0;
}

void editUpdate(const QString& path, const QString& statement)
{
    Database::openSqliteFile(path, Database::Access::ReadWrite).query(statement);
}

// The main database, and whether a failed update left it untouched.
class UpdateFiles : public testing::Test {
protected:
    QString updatePath(const char* name = "telecom.mdb") const { return folder.filePath(QString::fromUtf8(name)); }

    // Applies the update, expecting a DatabaseError and the main database
    // as it was: as the next reader finds it (SQLite completes a rollback
    // that a failed write could not finish at once), byte for byte, with
    // no journal left behind.
    void expectRefused(const QString& path, const std::string& what)
    {
        const QByteArray before = fileDigest(target.path());
        {
            Database database = target.open();
            EXPECT_THROW(applyUpdate(database, path), DatabaseError) << what;
        }
        EXPECT_EQ(integrityOf(target.open()), QStringLiteral("ok")) << what;
        EXPECT_EQ(fileDigest(target.path()), before) << what << ": the main database changed";
        EXPECT_FALSE(QFile::exists(target.path() + QStringLiteral("-journal"))) << what;
    }

    QTemporaryDir folder;
    ScratchDatabase target;
};

TEST_F(UpdateFiles, MissingTablesAndWrongValuesChangeNothing)
{
    makeUpdate(updatePath("good.mdb"), 3, 7);
    const struct {
        const char* name;
        const char* statement;
    } cases[] = {
        {"no tariff table", "DROP TABLE \"Tariffe new\""},
        {"no description field", "ALTER TABLE \"Tariffe new\" RENAME COLUMN descrizione TO nome"},
        {"no start field", "ALTER TABLE \"fasce new\" RENAME COLUMN Inizio TO Start"},
        {"a company key in words", "UPDATE \"Compagnie Telefoniche New\" SET id_compagnia = 'uno'"},
        {"a blob for a price", "UPDATE \"fasce new\" SET Costo = x'00ff' WHERE rowid = 5"},
        {"a number for a time", "UPDATE \"fasce new\" SET Inizio = 8 WHERE rowid = 5"},
        {"an empty end", "UPDATE \"fasce new\" SET Fine = '' WHERE rowid = 5"},
        {"an infinite price", "UPDATE \"fasce new\" SET Costo = 1e999 WHERE rowid = 5"},
        {"an infinite price in words", "UPDATE \"fasce new\" SET Costo = 'inf' WHERE rowid = 5"},
        {"a price that is not a number", "UPDATE \"fasce new\" SET Costo = 'nan' WHERE rowid = 5"},
        {"an infinite second price", "UPDATE \"fasce new\" SET SecondoCosto = -1e999 WHERE rowid = 5"},
        {"an infinite pulse", "UPDATE \"fasce new\" SET Durata = 1e999 WHERE rowid = 5"},
        {"a negative price", "UPDATE \"fasce new\" SET Costo = -1 WHERE rowid = 5"},
        {"a price beyond belief", "UPDATE \"fasce new\" SET Costo = 1.6e308 WHERE rowid = 5"},
        {"a negative answer charge", "UPDATE \"fasce new\" SET CostoAllaRisposta = -100 WHERE rowid = 5"},
        {"a negative second price", "UPDATE \"fasce new\" SET SecondoCosto = -5 WHERE rowid = 5"},
        {"a tiny reduction minute", "UPDATE \"fasce new\" SET Durata = 1e-300 WHERE rowid = 5"},
        {"a reduction minute past the day", "UPDATE \"fasce new\" SET Durata = 1441 WHERE rowid = 5"},
    };
    for (const auto& c : cases) {
        const QString path = updatePath("broken.mdb");
        QFile::remove(path);
        ASSERT_TRUE(QFile::copy(updatePath("good.mdb"), path));
        editUpdate(path, QString::fromUtf8(c.statement));
        EXPECT_THROW(checkUpdateFile(path), DatabaseError) << c.name;
        expectRefused(path, c.name);
    }
}

// A view or a trigger could run anything when the tables are read, an
// endless recursion included: an update holds tables only.
TEST_F(UpdateFiles, ViewsAndTriggersAreRefusedBeforeAnythingIsRead)
{
    makeUpdate(updatePath("good.mdb"), 3, 7);
    const struct {
        const char* name;
        QStringList statements;
    } cases[] = {
        {"an endless recursive view for the tariffs",
         {"DROP TABLE \"Tariffe new\"",
          "CREATE VIEW \"Tariffe new\" AS WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n) "
          "SELECT x AS id_tariffa, 1 AS id_compagnia, 'T' || x AS descrizione FROM n"}},
        {"a view that spins in one step",
         {"CREATE VIEW spin AS WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n) SELECT COUNT(*) FROM n"}},
        {"a trigger", {"CREATE TRIGGER t AFTER DELETE ON \"Tariffe new\" BEGIN SELECT 1; END"}},
    };
    for (const auto& c : cases) {
        const QString path = updatePath("hostile.mdb");
        QFile::remove(path);
        ASSERT_TRUE(QFile::copy(updatePath("good.mdb"), path));
        for (const QString& statement : c.statements)
            editUpdate(path, statement);
        try {
            checkUpdateFile(path);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const DatabaseError& error) {
            EXPECT_TRUE(error.message().contains(QLatin1String("tables only"))) << error.message().toStdString();
        }
        expectRefused(path, c.name);
    }
}

// A cut anywhere either makes the file unreadable or leaves it whole:
// never a part of the update taken for all of it.
TEST_F(UpdateFiles, ATruncatedUpdateIsRefusedOrComplete)
{
    makeUpdate(updatePath(), 20, 40);
    QFile full(updatePath());
    ASSERT_TRUE(full.open(QIODevice::ReadOnly));
    const QByteArray bytes = full.readAll();
    const UpdateSummary whole = checkUpdateFile(updatePath());
    int refused = 0;
    for (qsizetype cut = 0; cut < bytes.size(); cut += cut < 1024 ? 16 : 512) {
        const QString path = updatePath("cut.mdb");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.left(cut));
        file.close();
        try {
            const UpdateSummary summary = checkUpdateFile(path);
            EXPECT_EQ(summary.tariffs, whole.tariffs) << "cut at " << cut;
            EXPECT_EQ(summary.bands, whole.bands) << "cut at " << cut;
        } catch (const DatabaseError&) {
            ++refused;
            expectRefused(path, "cut at " + std::to_string(cut));
        }
    }
    EXPECT_GT(refused, 0);
}

// 100 tariffs of 2,000 bands: 200,000 bands, refused when they go wrong at
// their very end, in reading or in writing, and applied in one transaction.
TEST_F(UpdateFiles, AHugeUpdateChangesNothingIfItFailsLateAndAppliesInOneTransaction)
{
    makeUpdate(updatePath(), 100, 2000);
    const UpdateSummary checked = checkUpdateFile(updatePath());
    EXPECT_EQ(checked.tariffs, 100);
    EXPECT_EQ(checked.bands, 200000);

    ASSERT_TRUE(QFile::copy(updatePath(), updatePath("last-band-bad.mdb")));
    editUpdate(updatePath("last-band-bad.mdb"),
               QStringLiteral("UPDATE \"fasce new\" SET tipo = 'DOM' WHERE rowid = (SELECT MAX(rowid) FROM \"fasce new\")"));
    expectRefused(updatePath("last-band-bad.mdb"), "the last band bad");

    // The disk fills up while the bands are written: no file of this
    // process may grow past a little more than the database is now.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = static_cast<rlim_t>(QFile(target.path()).size() + 256 * 1024);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    expectRefused(updatePath(), "the disk full");
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &previous), 0);
    std::signal(SIGXFSZ, previousHandler);

    Database database = target.open();
    const qint64 bandsBefore = rowCount(database, QStringLiteral("Fasce"));
    const quint32 commitsBefore = fileChangeCounter(target.path());
    EXPECT_EQ(applyUpdate(database, updatePath()).bands, 200000) << "it applies once there is room";
    EXPECT_EQ(fileChangeCounter(target.path()), commitsBefore + 1) << "in one transaction";
    EXPECT_EQ(rowCount(database, QStringLiteral("Fasce")), bandsBefore + 200000);
    EXPECT_EQ(integrityOf(database), QStringLiteral("ok"));
}

// Overwrites with noise a page in the middle of a table: the child of the
// middle cell of the table's root, an interior page.
void damageTheMiddleOf(const QString& path, const QString& table)
{
    const quint32 root = firstValue(Database::open(path),
                                    QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = '%1'").arg(table))
                             .toUInt();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray bytes = file.readAll();
    const auto pageSize = static_cast<qint64>(qFromBigEndian<quint16>(bytes.constData() + 16));
    const char* page = bytes.constData() + (root - 1) * pageSize;
    constexpr char kInteriorTablePage = 0x05;
    ASSERT_EQ(page[0], kInteriorTablePage) << "the table spans several pages";
    const int cells = qFromBigEndian<quint16>(page + 3);
    ASSERT_GE(cells, 3);
    const quint16 middleCell = qFromBigEndian<quint16>(page + 12 + 2 * (cells / 2));
    ASSERT_TRUE(file.seek((qFromBigEndian<quint32>(page + middleCell) - 1) * pageSize));
    file.write(QByteArray(pageSize, '\xff'));
}

// A damaged file is reported as damaged: a read that fails half way is
// never taken for the whole tariff or the whole log.
TEST(DamagedDatabase, AReadFailingHalfWayIsAnErrorNotAShortAnswer)
{
    ScratchDatabase scratch;
    {
        Database database = scratch.open();
        Transaction transaction(database);
        QSqlQuery band = database.prepare(QStringLiteral(
            "INSERT INTO Fasce (id_compagnia, id_Tariffa, tipo, Inizio, Fine, Durata, Costo, CostoAllaRisposta) "
            "VALUES (1, 1, 'FES', ?, '24:00:00', 15, 17.7, 100)"));
        QSqlQuery row = database.prepare(QStringLiteral(
            "INSERT INTO Connessioni (data, Connessione, inizio, scatti, costo, servizio, secondi) "
            "VALUES ('2026-12-07', 'Casa', ?, 0, 0, 'Telecom Italia', 0)"));
        for (int i = 0; i < 3000; ++i) {
            const QString time = QString::fromStdString(formatTimeOfDay(TimeOfDay{i}));
            Database::execute(band, {time});
            Database::execute(row, {time});
        }
        transaction.commit();
    }
    damageTheMiddleOf(scratch.path(), QStringLiteral("Fasce"));
    damageTheMiddleOf(scratch.path(), QStringLiteral("Connessioni"));

    Database database = scratch.open();
    EXPECT_THROW(TariffStore(database).tariff(1), DatabaseError);
    EXPECT_THROW(TariffStore(database).bands(1, DayType::Fes), DatabaseError);
    EXPECT_THROW(ConnectionLog(database).openRows(), DatabaseError);
    EXPECT_THROW(ConnectionLog(database).month(2026, 12), DatabaseError);
}

} // namespace
} // namespace zrt::test
