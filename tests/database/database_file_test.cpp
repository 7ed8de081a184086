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

struct BadFileCase {
    const char* name;
    std::function<void(const QString& path)> make; // leaves `path` as the bad file
    const char* expectedProblem;
};

class OpeningABadFile : public testing::TestWithParam<BadFileCase> {};

TEST_P(OpeningABadFile, FailsWithAClearMessageAndLeavesTheFileAlone)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("zrtell.T99"));
    GetParam().make(path);
    const QByteArray before = test::fileDigest(path);
    const auto entries = [&] { return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); };
    const QStringList entriesBefore = entries();

    try {
        Database::open(path);
        FAIL() << "opened a bad file";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
        EXPECT_TRUE(error.message().contains(QLatin1String(GetParam().expectedProblem))) << error.message().toStdString();
    }
    EXPECT_EQ(test::fileDigest(path), before);
    EXPECT_EQ(entries(), entriesBefore) << "no journal or new file left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpeningABadFile,
    testing::Values(
        BadFileCase{"Missing", [](const QString&) {}, "does not exist"},
        BadFileCase{"Folder", [](const QString& path) { QDir().mkpath(path); }, "not a file"},
        BadFileCase{"Empty", [](const QString& path) { writeFile(path, {}); }, "not a SQLite database file"},
        BadFileCase{"Garbage", [](const QString& path) { writeFile(path, QByteArray(4096, 'x')); }, "not a SQLite database file"},
        BadFileCase{"TruncatedHeader", [](const QString& path) { writeFile(path, "SQLite form"); }, "not a SQLite database file"},
        BadFileCase{"ForeignDatabase",
                    [](const QString& path) {
                        Database::create(path);
                        Database database = Database::open(path);
                        database.query(QStringLiteral("DROP TABLE IVA"));
                    },
                    "no table \"IVA\""},
        BadFileCase{"CorruptBody",
                    [](const QString& path) {
                        Database::create(path);
                        QFile file(path);
                        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
                        file.seek(100);
                        file.write(QByteArray(3000, '\xff'));
                    },
                    "zrtell.T99"}),
    [](const testing::TestParamInfo<BadFileCase>& param) { return param.param.name; });

TEST(DatabaseCreation, RefusesToOverwriteAnExistingFile)
{
    test::ScratchDatabase existing;
    const QByteArray before = test::fileDigest(existing.path());
    EXPECT_THROW(createDatabaseFile(existing.path(), Content::Empty), DatabaseError);
    EXPECT_EQ(test::fileDigest(existing.path()), before);
}

TEST(DatabaseCreation, EmptyContentHoldsOnlyTheVatRate)
{
    test::ScratchDatabase scratch(Content::Empty);
    Database database = scratch.open();
    QSqlQuery counts = database.query(QStringLiteral(
        "SELECT (SELECT COUNT(*) FROM \"Compagnie Telefoniche\"), (SELECT COUNT(*) FROM Fasce), "
        "(SELECT iva FROM IVA)"));
    ASSERT_TRUE(counts.next());
    EXPECT_EQ(counts.value(0).toInt(), 0);
    EXPECT_EQ(counts.value(1).toInt(), 0);
    EXPECT_EQ(counts.value(2).toInt(), 20);
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
