#include "database/data_folder.h"
#include "database/database.h"
#include "database/default_content.h"
#include "ui/main/settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace zrt::test {
namespace {

constexpr int kUserOnlyFile = 0600;
constexpr int kUserOnlyFolder = 0700;

// The permission bits of a file or folder, e.g. 0600; -1 when it is missing.
int permissionBits(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return -1;
    return static_cast<int>(status.st_mode & 07777);
}

// The files hold the user's connection log and choices: whatever the
// creation mask, only the user may read them. The mask is cleared so that
// nothing is private by accident.
class PrivateFiles : public testing::Test {
protected:
    void SetUp() override { previousMask = ::umask(0); }
    void TearDown() override { ::umask(previousMask); }

    QTemporaryDir folder;
    mode_t previousMask = 0;
};

TEST_F(PrivateFiles, TheDataFolderAndItsSeededDatabase)
{
    ASSERT_FALSE(shippedDatabasePath().isEmpty()) << "the default database is built next to the programs";
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("share")).toUtf8());
    const QString data = prepareDataFolder(QString());
    qputenv("XDG_DATA_HOME", previous);

    EXPECT_EQ(permissionBits(data), kUserOnlyFolder);
    EXPECT_EQ(permissionBits(joinPath(data, kDatabaseFileName)), kUserOnlyFile);
}

TEST_F(PrivateFiles, NewDatabaseFiles)
{
    for (const Content content : {Content::DefaultTariffs, Content::Empty}) {
        const QString path = folder.filePath(QStringLiteral("new-%1.T99").arg(static_cast<int>(content)));
        createDatabaseFile(path, content);
        EXPECT_EQ(permissionBits(path), kUserOnlyFile) << static_cast<int>(content);
    }
}

TEST_F(PrivateFiles, TheSettingsFile)
{
    const QString path = folder.filePath(QStringLiteral("ZR Tellix 99.ini"));
    Settings settings(path);
    settings.savePosition(1200, 2400);
    // Qt writes changed settings by itself once the event loop runs.
    QCoreApplication::processEvents();
    if (QFile::exists(path)) {
        EXPECT_EQ(permissionBits(path), kUserOnlyFile) << "as first written";
    }
    settings.sync();
    EXPECT_EQ(permissionBits(path), kUserOnlyFile);

    settings.setNewsOn(false);
    settings.sync();
    EXPECT_EQ(permissionBits(path), kUserOnlyFile) << "rewritten";
}

} // namespace
} // namespace zrt::test
