#include "tests/support/scratch_database.h"

#include "database/database_error.h"
#include "database/schema.h"
#include "database/spending_limit_store.h"
#include "database/sql_script.h"
#include "database/tariff_store.h"
#include "database/tariff_update.h"

#include <QDir>

#include <QSqlQuery>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void corruptBody(const QString& path)
{
    Database::create(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(100);
    file.write(QByteArray(3000, '\xff'));
}

TEST(OpeningABadFile, FailsWithAClearMessageAndLeavesTheFileAlone)
{
    const struct {
        const char* what;
        std::function<void(const QString& path)> make; // leaves `path` as the bad file
        const char* problem;
    } cases[] = {
        {"missing", [](const QString&) {}, "does not exist"},
        {"a folder", [](const QString& path) { QDir().mkpath(path); }, "not a file"},
        {"empty", [](const QString& path) { writeFile(path, {}); }, "not a SQLite database file"},
        {"garbage", [](const QString& path) { writeFile(path, QByteArray(4096, 'x')); }, "not a SQLite database file"},
        {"foreign", [](const QString& path) { Database::create(path).query(QStringLiteral("DROP TABLE IVA")); },
         "no table \"IVA\""},
        {"corrupt body", corruptBody, "zrtell.T99"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("zrtell.T99"));
        c.make(path);
        const QByteArray before = test::fileDigest(path);
        const auto entries = [&] { return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); };
        const QStringList entriesBefore = entries();

        try {
            Database::open(path);
            ADD_FAILURE() << "opened a bad file";
        } catch (const DatabaseError& error) {
            EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QLatin1String(c.problem))) << error.message().toStdString();
        }
        EXPECT_EQ(test::fileDigest(path), before);
        EXPECT_EQ(entries(), entriesBefore) << "no journal or new file left behind";
    }
}

TEST(DatabaseCreation, RefusesToOverwriteAnExistingFile)
{
    test::ScratchDatabase existing;
    const QByteArray before = test::fileDigest(existing.path());
    EXPECT_THROW(createDatabaseFile(existing.path(), Content::Empty), DatabaseError);
    EXPECT_EQ(test::fileDigest(existing.path()), before);
}

// A link at the new file's path, dangling or not, is never followed: the
// file would appear wherever the link points.
TEST(DatabaseCreation, RefusesASymbolicLinkAndLeavesNothingBehind)
{
    test::ScratchDatabase source;
    const struct {
        const char* what;
        std::function<void(const QString& path)> make;
    } writers[] = {
        {"a database", [](const QString& path) { createDatabaseFile(path, Content::Empty); }},
        {"an update", [&source](const QString& path) {
             Database database = source.open();
             exportUpdate(database, QStringLiteral("Telecom Italia"), path);
         }},
    };
    for (const auto& writer : writers) {
        for (const bool dangling : {true, false}) {
            SCOPED_TRACE(std::string(writer.what) + (dangling ? ", dangling link" : ", link to a file"));
            QTemporaryDir folder;
            const QString target = folder.filePath(QStringLiteral("elsewhere.T99"));
            if (!dangling)
                writeFile(target, "kept");
            const QString link = folder.filePath(QStringLiteral("zrtell.T99"));
            ASSERT_TRUE(QFile::link(target, link));
            try {
                writer.make(link);
                ADD_FAILURE() << "followed the link";
            } catch (const DatabaseError& error) {
                EXPECT_TRUE(error.message().contains(QLatin1String("symbolic link"))) << error.message().toStdString();
            }
            EXPECT_EQ(QFileInfo::exists(target), !dangling);
            EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                                    QDir::System).size(),
                      dangling ? 1 : 2);
        }
    }
}

// Built under another name and given its own only when whole.
TEST(DatabaseCreation, AFileThatCouldNotBeFilledLeavesNothingBehind)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("new.T99"));
    EXPECT_THROW(buildNewFile(path, [](Database& database) { database.query(QStringLiteral("NOT SQL")); }),
                 DatabaseError);
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    createDatabaseFile(path, Content::Empty);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("new.T99")});
}

// Logs of older versions, each lacking some of the columns added since
// (and the index of open rows); opening one, even to read, adds what it
// lacks and keeps the rows.
TEST(SchemaCheck, AnOlderLogGainsItsNewColumnsAtOpen)
{
    const struct {
        const char* layout;
        const char* extraColumns;
        const char* extraValues;
        std::optional<qint64> inizioUtc;
    } cases[] = {
        {"the first", "", "", std::nullopt},
        {"without traffic", ", inizio_utc INTEGER, collegamento TEXT", ", 1796634000, 'ppp0'", 1796634000},
    };
    const QString kColumns[] = {QStringLiteral("inizio_utc"), QStringLiteral("collegamento"),
                                QStringLiteral("byte_ricevuti"), QStringLiteral("byte_inviati")};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        test::ScratchDatabase scratch;
        {
            Database database = scratch.open();
            runSqlScript(database, QStringLiteral(
                "DROP TABLE Connessioni;\n"
                "CREATE TABLE Connessioni (id INTEGER PRIMARY KEY AUTOINCREMENT, data TEXT, Connessione TEXT, "
                "inizio TEXT, fine TEXT, scatti INTEGER, costo INTEGER, servizio TEXT, secondi INTEGER%1);\n"
                "INSERT INTO Connessioni VALUES (7, '2026-12-07', 'Casa', '10:00:00', '10:03:00', 1, 305, 'T', 180%2);")
                .arg(QString::fromUtf8(c.extraColumns), QString::fromUtf8(c.extraValues)));
            EXPECT_TRUE(needsUpgrade(database));
        }
        Database database = Database::open(scratch.path(), Database::Access::ReadOnly);
        for (const QString& column : kColumns)
            EXPECT_TRUE(fieldExists(database, table::kConnessioni, column)) << column.toStdString();
        EXPECT_FALSE(needsUpgrade(database));
        const std::optional<LogRow> row = ConnectionLog(database).row(7);
        ASSERT_TRUE(row);
        EXPECT_EQ(row->costo, 305);
        EXPECT_EQ(row->secondi, 180);
        EXPECT_EQ(row->inizioUtc, c.inizioUtc);
        EXPECT_EQ(row->byteRicevuti, std::nullopt);
        EXPECT_EQ(row->byteInviati, std::nullopt);
        QSqlQuery plan = database.query(QStringLiteral(
            "EXPLAIN QUERY PLAN SELECT data, Connessione, TOTAL(secondi), TOTAL(costo), TOTAL(byte_ricevuti), "
            "TOTAL(byte_inviati) FROM Connessioni WHERE data >= '2026-01-01' AND data < '2027-01-01' "
            "GROUP BY data, Connessione"));
        ASSERT_TRUE(plan.next());
        EXPECT_TRUE(plan.value(3).toString().contains(QStringLiteral("COVERING INDEX Connessioni per giorno")))
            << "a year is summed from the index alone: " << plan.value(3).toString().toStdString();
    }
}

TEST(SchemaCheck, AFileLackingWhatTheProgramCannotAddIsRefusedByName)
{
    const struct {
        const char* script;
        const char* problem;
    } cases[] = {
        {"DROP TABLE Tariffe;", "no table \"Tariffe\""},
        {"DROP INDEX \"Connessioni per giorno\";\nALTER TABLE Connessioni DROP COLUMN secondi;",
         "table \"Connessioni\" has no column \"secondi\""},
        {"ALTER TABLE Fasce DROP COLUMN Costo;", "table \"Fasce\" has no column \"Costo\""},
        {"ALTER TABLE \"Associazioni Connessioni\" RENAME COLUMN id_tariffa TO tariffa;",
         "table \"Associazioni Connessioni\" has no column \"id_tariffa\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        test::ScratchDatabase scratch;
        {
            Database database = scratch.open();
            runSqlScript(database, QString::fromUtf8(c.script));
        }
        const QByteArray before = test::fileDigest(scratch.path());
        for (const auto access : {Database::Access::ReadOnly, Database::Access::ReadWrite}) {
            try {
                Database::open(scratch.path(), access);
                ADD_FAILURE() << "opened";
            } catch (const DatabaseError& error) {
                EXPECT_TRUE(error.message().contains(scratch.path())) << error.message().toStdString();
                EXPECT_TRUE(error.message().contains(QString::fromUtf8(c.problem))) << error.message().toStdString();
            }
        }
        EXPECT_EQ(test::fileDigest(scratch.path()), before);
    }
}

// Each statement on a file the program did not write has its own time:
// one that never ends is stopped, and the next one runs. The clock moves a
// second at every look.
TEST(ForeignFile, AStatementThatRunsPastItsTimeIsStopped)
{
    test::ScratchDatabase scratch;
    std::chrono::milliseconds now{0};
    const Database foreign = Database::openForeign(scratch.path(), std::chrono::seconds(5), [&now] {
        now += std::chrono::seconds(1);
        return now;
    });
    try {
        foreign.query(QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n) "
                                     "SELECT COUNT(*) FROM n"));
        ADD_FAILURE() << "an endless statement ended";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(QLatin1String("time limit"))) << error.message().toStdString();
    }
    QSqlQuery count = foreign.query(QStringLiteral("SELECT COUNT(*) FROM IVA"));
    ASSERT_TRUE(Database::nextRow(count));
    EXPECT_EQ(count.value(0).toInt(), 1);
}

// A file of the older layout: Fasce without SecondoCosto.
TEST(SchemaUpgrade, AddsSecondoCostoOnceKeepingTheBandsAndLeavesACurrentFileAlone)
{
    test::ScratchDatabase scratch(Content::Empty);
    {
        Database database = scratch.open();
        database.query(QStringLiteral("DROP TABLE Fasce"));
        database.query(QStringLiteral("CREATE TABLE Fasce (id_compagnia INTEGER, id_Tariffa INTEGER, tipo TEXT, "
                                      "Inizio TEXT, Fine TEXT, Durata REAL, Costo REAL, CostoAllaRisposta REAL)"));
        database.query(QStringLiteral("INSERT INTO Fasce VALUES (1, 1, 'FER', '00:00:00', '24:00:00', 340, 127, 127)"));
        EXPECT_TRUE(upgradeSchema(database));
        const QList<Fascia> bands = TariffStore(database).bands(1, DayType::Fer);
        ASSERT_EQ(bands.size(), 1);
        EXPECT_FALSE(bands[0].band.secondoCosto.has_value());
        EXPECT_EQ(bands[0].band.durata, 340);
    }
    const QByteArray upgraded = test::fileDigest(scratch.path());
    {
        Database database = scratch.open();
        EXPECT_FALSE(upgradeSchema(database));
    }
    EXPECT_EQ(test::fileDigest(scratch.path()), upgraded) << "a current file is not touched";
}

// A file written before the program kept settings of its own.
TEST(SchemaUpgrade, AddsTheSettingsTableToAnOlderFile)
{
    test::ScratchDatabase scratch(Content::Empty);
    {
        Database database = scratch.open();
        database.query(QStringLiteral("DROP TABLE Impostazioni"));
        EXPECT_TRUE(needsUpgrade(database));
        EXPECT_TRUE(upgradeSchema(database));
        EXPECT_FALSE(needsUpgrade(database));
    }
    Database database = scratch.open();
    SpendingLimitStore(database).setLimit(30'000);
    EXPECT_EQ(SpendingLimitStore(database).limit(), 30'000);
}

TEST(SchemaFields, MatchedIgnoringCaseOnlyInTheNamedTableAndAddedUnderOddNames)
{
    test::ScratchDatabase scratch;
    Database database = scratch.open();
    EXPECT_TRUE(fieldExists(database, QStringLiteral("compagnie telefoniche"), QStringLiteral("ID_COMPAGNIA")));
    EXPECT_FALSE(fieldExists(database, table::kCompagnie, QStringLiteral("Descrizione")));
    EXPECT_FALSE(fieldExists(database, QStringLiteral("Nessuna\"; DROP TABLE IVA; --"), QStringLiteral("x")));
    EXPECT_TRUE(database.hasTable(table::kIva));
    addField(database, table::kConnessioni, QStringLiteral("nota \"speciale\""), FieldType::Text);
    EXPECT_TRUE(fieldExists(database, table::kConnessioni, QStringLiteral("nota \"speciale\"")));
}

TEST(SqlScript, SplitsStatementsAtLineEndsAndSkipsComments)
{
    const QString script = QStringLiteral("-- a comment\nINSERT INTO t VALUES ('a;b');\n\n"
                                          "INSERT INTO t\n  VALUES (2);\nSELECT 1");
    EXPECT_EQ(splitSqlScript(script), (QStringList{"INSERT INTO t VALUES ('a;b');", "INSERT INTO t\n  VALUES (2);",
                                                    "SELECT 1"}));
}

} // namespace
} // namespace zrt::test
