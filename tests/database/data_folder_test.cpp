#include "database/data_folder.h"
#include "database/database.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

TEST(JoinPath, PutsExactlyOneSeparatorBetween)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/", "/zrtell.T99"}, {"/home/anna/", "/home/anna/zrtell.T99"}, {"anna", "anna/zrtell.T99"}, {"", "zrtell.T99"},
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
        DataFolderInputs inputs;
        QString expected;
        bool perUser;
    } cases[] = {
        {{"/cli", "/env", portable.path(), "/xdg", "/home/a"}, "/cli", false},
        {{"", "/env", portable.path(), "/xdg", "/home/a"}, "/env", false},
        {{"", "", portable.path(), "/xdg", "/home/a"}, portable.path(), false},
        {{"", "", plain.path(), "/xdg", "/home/a"}, "/xdg/zrtellix", true},
        {{"", "", plain.path(), "", "/home/a"}, "/home/a/.local/share/zrtellix", true},
    };
    for (const auto& c : cases) {
        const DataFolder folder = chooseDataFolder(c.inputs);
        EXPECT_EQ(folder.path, c.expected);
        EXPECT_EQ(folder.perUser, c.perUser) << c.expected.toStdString();
    }
}

TEST(PrepareDataFolder, SeedsThePerUserFolderOnceAndNeverOverwritesIt)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    qunsetenv("ZRTELLIX_DATA_DIR");

    const QString database = joinPath(prepareDataFolder(QString()), kDatabaseFileName);
    EXPECT_EQ(database, home.filePath(QStringLiteral("zrtellix/zrtell.T99")));
    EXPECT_NO_THROW(Database::open(database));

    QFile::resize(database, 0);
    prepareDataFolder(QString());
    EXPECT_EQ(QFileInfo(database).size(), 0);
    qunsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace zrt::test
