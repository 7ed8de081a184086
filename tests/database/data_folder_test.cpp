#include "database/data_folder.h"
#include "database/database.h"
#include "database/database_error.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

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

TEST(FolderTrust, OthersWritingInAFolderOfSomeoneElseIsRefusedInTheUsersOwnWarned)
{
    using P = QFileDevice;
    const P::Permissions owner = P::ReadOwner | P::WriteOwner | P::ExeOwner;
    const struct {
        uint ownerId;
        P::Permissions permissions;
        FolderTrust trust;
    } cases[] = {
        {1000, owner, FolderTrust::Private},
        {0, owner | P::ReadOther | P::ExeOther, FolderTrust::Private},
        {1000, owner | P::WriteGroup, FolderTrust::SharedButOwn},
        {1000, owner | P::WriteOther, FolderTrust::SharedButOwn},
        {0, owner | P::WriteGroup, FolderTrust::SharedAndForeign},
        {0, owner | P::WriteOther | P::ReadOther | P::ExeOther, FolderTrust::SharedAndForeign},
    };
    for (const auto& c : cases)
        EXPECT_EQ(folderTrust(c.ownerId, c.permissions, 1000), c.trust) << c.ownerId << " " << int(c.permissions);
}

// A folder anyone may write in, as /tmp, handed over on the command line.
TEST(PrepareDataFolder, RefusesAFolderOfSomeoneElseThatOthersMayWriteIn)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777)));
    if (::geteuid() == 0)
        ASSERT_EQ(::chown(QFile::encodeName(folder.path()).constData(), 65534, 65534), 0);
    else
        GTEST_SKIP() << "making a folder of another user needs root";
    try {
        prepareDataFolder(folder.path());
        ADD_FAILURE() << "a folder of another user that anyone may write in was taken";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(folder.path()) && error.message().contains(QLatin1String("another user")))
            << error.message().toStdString();
    }
    EXPECT_NO_THROW(prepareDataFolder(QTemporaryDir().path())) << "a folder of one's own";
}

} // namespace
} // namespace zrt::test
