#pragma once

#include <QString>

namespace zrt {

class Database;
class Settings;
class UserMessages;

enum class UpdateOutcome {
    NotOffered, // no marker in the data folder
    Unusable,   // the update file cannot be used; reported the first time only
    Declined,   // the user said No; the question comes again at the next start
    Failed,     // the copy stopped part-way and was undone; reported
    Applied,    // copied, and the marker that announced it removed
};

// Offers the tariff update waiting in the data folder. The user is asked
// only about an update file that can be used; the copy is one transaction,
// so whatever stops it leaves the database as it was and the update is
// offered again at the next start.
UpdateOutcome offerTariffUpdate(Database& database, const QString& dataFolder, Settings& settings,
                                UserMessages& messages);

} // namespace zrt
