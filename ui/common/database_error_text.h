#pragma once

#include <QString>

namespace zrt {

class DatabaseError;

// What went wrong with the database file, in the windows' words. The
// technical detail of the error is left to the log.
QString databaseErrorText(const DatabaseError& error);

} // namespace zrt
