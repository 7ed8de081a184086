#pragma once

#include <QFileDevice>
#include <QString>

namespace zrt {

// Joins a folder and a file name with exactly one separator between them,
// none doubled when the folder already ends with one (as "/" does).
QString joinPath(const QString& folder, const QString& fileName);

// What decides where the program's files live.
struct DataFolderInputs {
    QString commandLineDir; // --data-dir DIR
    QString environmentDir; // ZRTELLIX_DATA_DIR
    QString executableDir;  // the program's own folder
    QString xdgDataHome;    // XDG_DATA_HOME
    QString homeDir;
};

struct DataFolder {
    QString path;
    bool perUser = false; // the per-user folder, created and seeded on first use
};

// The folder holding zrtell.T99: the one named on the command line or in
// the environment; else the program's own folder when it holds the
// database (a portable install); else the per-user data folder.
DataFolder chooseDataFolder(const DataFolderInputs& inputs);

DataFolderInputs currentDataFolderInputs(const QString& commandLineDir);

// How far a folder named by the user can be trusted with the log: others
// who may write in it can replace the database or plant a link in it.
enum class FolderTrust {
    Private,          // only its owner, the user, writes in it
    SharedButOwn,     // the user's own, but others may write in it: allowed, with a warning
    SharedAndForeign, // someone else's, and others may write in it: refused
};

FolderTrust folderTrust(uint ownerId, QFileDevice::Permissions permissions, uint userId);

// Chooses the folder and, for the per-user folder, creates it and seeds it
// with a copy of the shipped default database. A folder named on the command
// line or in the environment that others may write in is refused when it
// belongs to someone else, and logged as a warning when it is the user's.
// Throws DatabaseError when the folder cannot be used.
QString prepareDataFolder(const QString& commandLineDir);

// A file installed with the program in its data folder (share/zrtellix),
// or an empty text when there is none.
QString shippedFilePath(const QString& fileName);

// The default database installed with the program, or an empty text.
QString shippedDatabasePath();

} // namespace zrt
