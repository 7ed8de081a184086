#include "scratch_database.h"

#include "database/database_error.h"
#include "database/schema.h"
#include "database/sql_script.h"

#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt {
namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void makeForeign(const QString& path)
{
    Database::create(path);
    Database::open(path).query(QStringLiteral("DROP TABLE IVA"));
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
        {"truncated header", [](const QString& path) { writeFile(path, "SQLite form"); }, "not a SQLite database file"},
        {"foreign database", makeForeign, "no table \"IVA\""},
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

TEST(Transactions, AFailedWriteLeavesNothingBehind)
{
    test::ScratchDatabase scratch(Content::Empty);
    Database database = scratch.open();
    {
        Transaction transaction(database);
        database.query(QStringLiteral("INSERT INTO Tariffe (id_compagnia, Descrizione) VALUES (1, 'a')"));
        EXPECT_THROW(database.query(QStringLiteral("INSERT INTO Fasce (id_compagnia, id_Tariffa, tipo, Inizio, Fine) "
                                                   "VALUES (1, 1, 'XXX', '00:00:00', '24:00:00')")),
                     DatabaseError);
    }
    QSqlQuery count = database.query(QStringLiteral("SELECT COUNT(*) FROM Tariffe"));
    ASSERT_TRUE(count.next());
    EXPECT_EQ(count.value(0).toInt(), 0);
}

TEST(SqlScript, SplitsStatementsAtLineEndsAndSkipsComments)
{
    const QStringList statements = splitSqlScript(QStringLiteral("-- a comment\n"
                                                                 "INSERT INTO t VALUES ('a;b');\n"
                                                                 "\n"
                                                                 "INSERT INTO t\n  VALUES (2);\n"
                                                                 "SELECT 1"));
    ASSERT_EQ(statements.size(), 3);
    EXPECT_EQ(statements[0], QStringLiteral("INSERT INTO t VALUES ('a;b');"));
    EXPECT_EQ(statements[1], QStringLiteral("INSERT INTO t\n  VALUES (2);"));
    EXPECT_EQ(statements[2], QStringLiteral("SELECT 1"));
}

} // namespace
} // namespace zrt
