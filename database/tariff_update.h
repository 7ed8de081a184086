#pragma once

#include <QString>

#include <optional>

namespace zrt {

class Database;

inline constexpr char kUpdateFileName[] = "telecom.mdb";

// An update waiting in the data folder: a "*.ini" marker announces it,
// telecom.mdb beside it holds one company with its tariffs and bands.
struct PendingUpdate {
    QString markerPath;
    QString updatePath;
};

// The first marker by name, or nothing when no update is announced.
std::optional<PendingUpdate> findPendingUpdate(const QString& dataFolder);

struct UpdateSummary {
    QString compagnia;
    int tariffs = 0;
    int bands = 0;
};

// Reads the whole update and checks every value; throws DatabaseError
// naming the problem when the file is not a usable update.
UpdateSummary checkUpdateFile(const QString& updatePath);

// Copies the update's company, tariffs and bands into the database with
// new keys, all in one transaction: on any error the database is left
// exactly as it was and DatabaseError is thrown.
UpdateSummary applyUpdate(Database& database, const QString& updatePath);

// Writes an update file holding one company of the database, for tariff
// makers; refuses an existing file.
UpdateSummary exportUpdate(const Database& database, const QString& compagnia, const QString& updatePath);

} // namespace zrt
