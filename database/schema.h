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
inline const QString kImpostazioni = QStringLiteral("Impostazioni");
} // namespace table

// Creates the seven tables and their indexes in an empty database.
void createSchema(Database& database);

// Refuses a file that lacks a table or a column the program cannot add:
// throws DatabaseError naming the file and what it lacks.
void checkSchema(const Database& database);

// Whether the file lacks a column or index that upgradeSchema() adds.
bool needsUpgrade(const Database& database);

// Field names are matched without regard to letter case.
bool fieldExists(const Database& database, const QString& tableName, const QString& fieldName);

enum class FieldType { Integer, Real, Text };
void addField(Database& database, const QString& tableName, const QString& fieldName, FieldType type);

// Brings an older file up to date, in one transaction: adds what the
// program introduced over time and the file lacks (Fasce.SecondoCosto;
// Connessioni.inizio_utc, collegamento, byte_ricevuti and byte_inviati,
// empty in the existing rows; the indexes of open log rows and of the log's
// daily figures; the table of settings Impostazioni). Returns whether
// anything changed.
bool upgradeSchema(Database& database);

} // namespace zrt
