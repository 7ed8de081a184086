#include "tests/support/scratch_database.h"

#include "database/database_error.h"
#include "database/schema.h"
#include "database/sql_script.h"
#include "database/tariff_store.h"

#include <QDir>

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
