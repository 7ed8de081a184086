#pragma once

#include <QString>

namespace zrt {

class Database;

namespace table {
inline const QString kCompagnie = QStringLiteral("Compagnie Telefoniche");
inline const QString kTariffe = QStringLiteral("Tariffe");
inline const QString kFasce = QStringLiteral("Fasce");
inline const QString kAssociazioni = QStringLiteral("Associazioni Connessioni");
inline const QString kConnessioni = QStringLiteral("Connessioni");
inline const QString kIva = QStringLiteral("IVA");
} // namespace table

// Creates the six tables and their indexes in an empty database.
void createSchema(Database& database);

// The first of our tables the file lacks, or an empty text when all are there.
QString missingTable(const Database& database);

// Field names are matched without regard to letter case.
bool fieldExists(const Database& database, const QString& tableName, const QString& fieldName);

enum class FieldType { Integer, Real, Text };
void addField(Database& database, const QString& tableName, const QString& fieldName, FieldType type);

// Brings an older file up to date: adds Fasce.SecondoCosto (empty in the
// existing bands) when it is missing. Returns whether anything changed.
bool upgradeSchema(Database& database);

} // namespace zrt
