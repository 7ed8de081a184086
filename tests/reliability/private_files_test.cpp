#include "reliability_support.h"

#include "database/data_folder.h"
#include "database/default_content.h"
#include "ui/main/settings.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

// The files hold the user's connection log and choices: whatever the
// creation mask, only the user may read them. The tests clear the mask so
// that nothing is private by accident.
constexpr int kUserOnlyFile = 0600;
constexpr int kUserOnlyFolder = 0700;

TEST(PrivateFiles, TheDataFolderAndItsSeededDatabase)
{
    ASSERT_FALSE(shippedDatabasePath().isEmpty()) << "the default database is built next to the programs";
    QTemporaryDir home;
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("share")).toUtf8());
    QString folder;
    {
        const UmaskScope open(0);
        folder = prepareDataFolder(QString());
    }
    qputenv("XDG_DATA_HOME", previous);

    EXPECT_EQ(permissionBits(folder), kUserOnlyFolder);
    EXPECT_EQ(permissionBits(joinPath(folder, kDatabaseFileName)), kUserOnlyFile);
}

TEST(PrivateFiles, NewDatabaseFiles)
{
    QTemporaryDir folder;
    const UmaskScope open(0);
    for (const Content content : {Content::DefaultTariffs, Content::Empty}) {
        const QString path = folder.filePath(QStringLiteral("new-%1.T99").arg(static_cast<int>(content)));
        createDatabaseFile(path, content);
        EXPECT_EQ(permissionBits(path), kUserOnlyFile) << static_cast<int>(content);
    }
}

TEST(PrivateFiles, TheSettingsFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ZR Tellix 99.ini"));
    const UmaskScope open(0);
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
