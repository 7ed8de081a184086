#include "database/data_folder.h"
#include "database/database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt {
namespace {

TEST(JoinPath, PutsExactlyOneSeparatorBetween)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/", "/zrtell.T99"}, {"/home/anna", "/home/anna/zrtell.T99"}, {"/home/anna/", "/home/anna/zrtell.T99"},
        {"relative", "relative/zrtell.T99"}, {"", "zrtell.T99"},
    };
    for (const auto& [folder, expected] : cases)
        EXPECT_EQ(joinPath(QString::fromUtf8(folder), QStringLiteral("zrtell.T99")), QString::fromUtf8(expected))
            << folder;
}

TEST(ChooseDataFolder, FollowsTheOrderOfPrecedence)
{
    QTemporaryDir portable;
    QFile(portable.filePath(QStringLiteral("zrtell.T99"))).open(QIODevice::WriteOnly);
    QTemporaryDir plain;

    const struct {
        const char* name;
        DataFolderInputs inputs;
        QString expected;
        bool perUser;
    } cases[] = {
        {"command line first", {"/cli", "/env", portable.path(), "/xdg", "/home/a"}, "/cli", false},
        {"then environment", {"", "/env", portable.path(), "/xdg", "/home/a"}, "/env", false},
        {"then a portable install", {"", "", portable.path(), "/xdg", "/home/a"}, portable.path(), false},
        {"then XDG_DATA_HOME", {"", "", plain.path(), "/xdg", "/home/a"}, "/xdg/zrtellix", true},
        {"else the home default", {"", "", plain.path(), "", "/home/a"}, "/home/a/.local/share/zrtellix", true},
    };
    for (const auto& c : cases) {
        const DataFolder folder = chooseDataFolder(c.inputs);
        EXPECT_EQ(folder.path, c.expected) << c.name;
        EXPECT_EQ(folder.perUser, c.perUser) << c.name;
    }
}

TEST(PrepareDataFolder, CreatesAndSeedsThePerUserFolderOnce)
{
    ASSERT_FALSE(shippedDatabasePath().isEmpty()) << "the default database is built next to the programs";
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    qunsetenv("ZRTELLIX_DATA_DIR");

    const QString folder = prepareDataFolder(QString());
    const QString database = joinPath(folder, kDatabaseFileName);
    EXPECT_EQ(folder, home.filePath(QStringLiteral("zrtellix")));
    ASSERT_TRUE(QFile::exists(database));
    EXPECT_EQ(QFile::permissions(database) & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0)
        << "the user's log is private";
    EXPECT_NO_THROW(Database::open(database));

    QFile::resize(database, 0); // a later start never overwrites the user's file
    prepareDataFolder(QString());
    EXPECT_EQ(QFileInfo(database).size(), 0);
    qunsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace zrt
