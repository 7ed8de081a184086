#pragma once

#include <QString>
#include <QStringList>

namespace zrt {

class Database;

// Splits a script of our own into statements: each ends with ";" at the end
// of a line; lines starting with "--" are comments.
QStringList splitSqlScript(const QString& script);

// Runs every statement of the script, in the caller's transaction.
void runSqlScript(Database& database, const QString& script);

} // namespace zrt
