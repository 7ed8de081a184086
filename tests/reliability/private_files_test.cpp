#include "database/data_folder.h"
#include "database/database.h"
#include "database/default_content.h"
#include "ui/common/settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace zrt::test {
namespace {

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
TEST(PrivateFiles, OnlyTheUserMayReadOrWriteThem)
{
    ASSERT_FALSE(shippedDatabasePath().isEmpty()) << "the default database is built next to the programs";
    QTemporaryDir folder;
    const mode_t previousMask = ::umask(0);
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("share")).toUtf8());
    const QString data = prepareDataFolder(QString());
    qputenv("XDG_DATA_HOME", previous);
    EXPECT_EQ(permissionBits(data), 0700);
    EXPECT_EQ(permissionBits(joinPath(data, kDatabaseFileName)), 0600) << "seeded";

    const QString created = folder.filePath(QStringLiteral("new.T99"));
    createDatabaseFile(created, Content::Empty);
    EXPECT_EQ(permissionBits(created), 0600) << "created";

    const QString ini = folder.filePath(QStringLiteral("ZR Tellix 99.ini"));
    Settings settings(ini);
    settings.savePosition(1200, 2400);
    // Qt writes changed settings by itself once the event loop runs.
    QCoreApplication::processEvents();
    settings.sync();
    EXPECT_EQ(permissionBits(ini), 0600) << "as first written";
    settings.setNewsOn(false);
    settings.sync();
    EXPECT_EQ(permissionBits(ini), 0600) << "rewritten";
    ::umask(previousMask);
}

} // namespace
} // namespace zrt::test
