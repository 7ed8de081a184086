#include "data_folder.h"

#include "database.h"
#include "database_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <unistd.h>

namespace zrt {

namespace {

Q_LOGGING_CATEGORY(lcDataFolder, "zrtellix.database.folder")

const QString kAppFolderName = QStringLiteral("zrtellix");

void checkTrusted(const QString& path)
{
    const QFileInfo folder(path);
    if (!folder.exists())
        return;
    switch (folderTrust(folder.ownerId(), folder.permissions(), ::geteuid())) {
    case FolderTrust::Private:
        return;
    case FolderTrust::SharedButOwn:
        qCWarning(lcDataFolder).noquote()
            << QStringLiteral("%1: other users may write in this data folder; make it yours alone (chmod go-w)")
                   .arg(path);
        return;
    case FolderTrust::SharedAndForeign:
        throw DatabaseError(QStringLiteral("%1: the data folder belongs to another user and others may write in it; "
                                           "use a folder of your own")
                                .arg(path));
    }
}

void seedFrom(const QString& shipped, const QString& target)
{
    if (shipped.isEmpty())
        throw DatabaseError(QStringLiteral("%1: no database here and no default database installed to copy")
                                .arg(target));
    if (!QFile::copy(shipped, target))
        throw DatabaseError(QStringLiteral("%1: cannot copy the default database from %2").arg(target, shipped));
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace

QString joinPath(const QString& folder, const QString& fileName)
{
    if (folder.isEmpty())
        return fileName;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

DataFolder chooseDataFolder(const DataFolderInputs& inputs)
{
    if (!inputs.commandLineDir.isEmpty())
        return {inputs.commandLineDir, false};
    if (!inputs.environmentDir.isEmpty())
        return {inputs.environmentDir, false};
    if (!inputs.executableDir.isEmpty() && QFileInfo::exists(joinPath(inputs.executableDir, kDatabaseFileName)))
        return {inputs.executableDir, false};
    const QString dataHome = inputs.xdgDataHome.isEmpty() ? joinPath(inputs.homeDir, QStringLiteral(".local/share"))
                                                          : inputs.xdgDataHome;
    return {joinPath(dataHome, kAppFolderName), true};
}

DataFolderInputs currentDataFolderInputs(const QString& commandLineDir)
{
    return {commandLineDir,
            qEnvironmentVariable("ZRTELLIX_DATA_DIR"),
            QCoreApplication::applicationDirPath(),
            qEnvironmentVariable("XDG_DATA_HOME"),
            QDir::homePath()};
}

FolderTrust folderTrust(uint ownerId, QFileDevice::Permissions permissions, uint userId)
{
    if (!(permissions & (QFileDevice::WriteGroup | QFileDevice::WriteOther)))
        return FolderTrust::Private;
    return ownerId == userId ? FolderTrust::SharedButOwn : FolderTrust::SharedAndForeign;
}

QString shippedFilePath(const QString& fileName)
{
    const QString candidate =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zrtellix/") + fileName);
    return QFileInfo::exists(candidate) ? candidate : QString();
}

QString shippedDatabasePath()
{
    return shippedFilePath(QString::fromLatin1(kDatabaseFileName));
}

QString prepareDataFolder(const QString& commandLineDir)
{
    const DataFolderInputs inputs = currentDataFolderInputs(commandLineDir);
    const DataFolder folder = chooseDataFolder(inputs);
    if (folder.path == inputs.commandLineDir || folder.path == inputs.environmentDir)
        checkTrusted(folder.path);
    if (!folder.perUser)
        return folder.path;
    if (!QDir().mkpath(folder.path))
        throw DatabaseError(QStringLiteral("%1: cannot create the data folder").arg(folder.path));
    QFile::setPermissions(folder.path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString database = joinPath(folder.path, kDatabaseFileName);
    if (!QFileInfo::exists(database))
        seedFrom(shippedDatabasePath(), database);
    return folder.path;
}

} // namespace zrt
