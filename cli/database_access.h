#pragma once

#include "database/database.h"

#include <QString>

namespace zrt::cli {

class Arguments;

// The file named by --db, else zrtell.T99 in the program's data folder.
QString databasePath(const Arguments& arguments);

// Opens an existing database to read it, bringing an older layout up to date.
Database openExisting(const QString& path);
// Opens an existing database to change it.
Database openForWriting(const QString& path);

} // namespace zrt::cli
