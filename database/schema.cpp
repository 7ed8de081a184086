#include "schema.h"

#include "database.h"
#include "sql_script.h"

#include "database_error.h"

#include <QSet>
#include <QStringList>

#include <algorithm>

namespace zrt {

namespace {

// Times of day are "HH:MM:SS" text, dates "YYYY-MM-DD" text: both sort and
// compare correctly as text, and "24:00:00" closes a day.
const char kSchemaSql[] = R"sql(
CREATE TABLE "Compagnie Telefoniche" (
    id_compagnia     INTEGER PRIMARY KEY AUTOINCREMENT,
    Compagnia        TEXT NOT NULL DEFAULT '',
    tipotariffazione TEXT NOT NULL DEFAULT 'Scatto'
);
CREATE TABLE Tariffe (
    id_Tariffa   INTEGER PRIMARY KEY AUTOINCREMENT,
    id_compagnia INTEGER NOT NULL,
    Descrizione  TEXT NOT NULL DEFAULT ''
);
CREATE TABLE Fasce (
    id                INTEGER PRIMARY KEY AUTOINCREMENT,
    id_compagnia      INTEGER NOT NULL,
    id_Tariffa        INTEGER NOT NULL,
    tipo              TEXT NOT NULL CHECK (tipo IN ('FER', 'PRE', 'FES')),
    Inizio            TEXT NOT NULL CHECK (Inizio GLOB '[0-2][0-9]:[0-5][0-9]:[0-5][0-9]' AND Inizio <= '24:00:00'),
    Fine              TEXT NOT NULL CHECK (Fine GLOB '[0-2][0-9]:[0-5][0-9]:[0-5][0-9]' AND Fine <= '24:00:00'),
    Durata            REAL NOT NULL DEFAULT 0,
    Costo             REAL NOT NULL DEFAULT 0,
    CostoAllaRisposta REAL NOT NULL DEFAULT 0,
    SecondoCosto      REAL
);
CREATE INDEX "Fasce per tariffa" ON Fasce (id_Tariffa, tipo, Inizio);
CREATE TABLE "Associazioni Connessioni" (
    connessione TEXT NOT NULL UNIQUE,
    id_tariffa  INTEGER NOT NULL
);
CREATE TABLE Connessioni (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    data        TEXT NOT NULL,
    Connessione TEXT NOT NULL,
    inizio      TEXT NOT NULL,
    fine        TEXT,
    scatti      INTEGER,
    costo       INTEGER,
    servizio    TEXT,
    secondi     INTEGER,
    inizio_utc  INTEGER,
    collegamento TEXT,
    byte_ricevuti INTEGER,
    byte_inviati  INTEGER
);
CREATE INDEX "Connessioni per data" ON Connessioni (data);
CREATE INDEX "Connessioni aperte" ON Connessioni (id) WHERE fine IS NULL;
CREATE INDEX "Connessioni per giorno" ON Connessioni (data, Connessione, secondi, costo, byte_ricevuti, byte_inviati);
CREATE TABLE IVA (
    iva INTEGER NOT NULL
);
CREATE TABLE Impostazioni (
    chiave TEXT PRIMARY KEY,
    valore TEXT
);
)sql";

struct TableLayout {
    const QString& name;
    QStringList columns; // those the program cannot add to an existing table
};

// Fasce.id is not listed: files of older versions lack it, and nothing needs it.
const TableLayout kRequiredLayout[] = {
    {table::kCompagnie, {QStringLiteral("id_compagnia"), QStringLiteral("Compagnia"), QStringLiteral("tipotariffazione")}},
    {table::kTariffe, {QStringLiteral("id_Tariffa"), QStringLiteral("id_compagnia"), QStringLiteral("Descrizione")}},
    {table::kFasce,
     {QStringLiteral("id_compagnia"), QStringLiteral("id_Tariffa"), QStringLiteral("tipo"), QStringLiteral("Inizio"),
      QStringLiteral("Fine"), QStringLiteral("Durata"), QStringLiteral("Costo"), QStringLiteral("CostoAllaRisposta")}},
    {table::kAssociazioni, {QStringLiteral("connessione"), QStringLiteral("id_tariffa")}},
    {table::kConnessioni,
     {QStringLiteral("id"), QStringLiteral("data"), QStringLiteral("Connessione"), QStringLiteral("inizio"),
      QStringLiteral("fine"), QStringLiteral("scatti"), QStringLiteral("costo"), QStringLiteral("servizio"),
      QStringLiteral("secondi")}},
    {table::kIva, {QStringLiteral("iva")}},
};

struct AddedColumn {
    const QString& table;
    QString name;
    FieldType type;
};

// The columns added since the first files were written, in that order.
const AddedColumn kAddedColumns[] = {
    {table::kFasce, QStringLiteral("SecondoCosto"), FieldType::Real},
    {table::kConnessioni, QStringLiteral("inizio_utc"), FieldType::Integer},
    {table::kConnessioni, QStringLiteral("collegamento"), FieldType::Text},
    {table::kConnessioni, QStringLiteral("byte_ricevuti"), FieldType::Integer},
    {table::kConnessioni, QStringLiteral("byte_inviati"), FieldType::Integer},
};

struct AddedIndex {
    QString name;
    QString definition;
};

// The open rows, found at start without reading the log; and a month's or a
// year's figures summed from the index alone, never from the table.
const AddedIndex kAddedIndexes[] = {
    {QStringLiteral("Connessioni aperte"), QStringLiteral("ON Connessioni (id) WHERE fine IS NULL")},
    {QStringLiteral("Connessioni per giorno"),
     QStringLiteral("ON Connessioni (data, Connessione, secondi, costo, byte_ricevuti, byte_inviati)")},
};

const char kSettingsTableSql[] = "CREATE TABLE Impostazioni (chiave TEXT PRIMARY KEY, valore TEXT)";

// The column names of a table, in lower case.
QSet<QString> columnsOf(const Database& database, const QString& tableName)
{
    QSqlQuery fields = database.query(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {tableName});
    QSet<QString> names;
    while (Database::nextRow(fields))
        names.insert(fields.value(0).toString().toLower());
    return names;
}

bool hasIndex(const Database& database, const QString& name)
{
    QSqlQuery found = database.query(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ? COLLATE NOCASE"), {name});
    return Database::nextRow(found);
}

QList<const AddedIndex*> missingAddedIndexes(const Database& database)
{
    QList<const AddedIndex*> missing;
    for (const AddedIndex& index : kAddedIndexes) {
        if (!hasIndex(database, index.name))
            missing.append(&index);
    }
    return missing;
}

QList<const AddedColumn*> missingAddedColumns(const Database& database)
{
    QList<const AddedColumn*> missing;
    for (const AddedColumn& column : kAddedColumns) {
        if (!columnsOf(database, column.table).contains(column.name.toLower()))
            missing.append(&column);
    }
    return missing;
}

QString quotedIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString sqlType(FieldType type)
{
    switch (type) {
    case FieldType::Integer: return QStringLiteral("INTEGER");
    case FieldType::Real: return QStringLiteral("REAL");
    case FieldType::Text: return QStringLiteral("TEXT");
    }
    return QStringLiteral("TEXT");
}

} // namespace

void createSchema(Database& database)
{
    Transaction transaction(database);
    runSqlScript(database, QString::fromUtf8(kSchemaSql));
    transaction.commit();
}

bool fieldExists(const Database& database, const QString& tableName, const QString& fieldName)
{
    QSqlQuery fields = database.query(
        QStringLiteral("SELECT 1 FROM pragma_table_info(?) WHERE name = ? COLLATE NOCASE"),
        {tableName, fieldName});
    return fields.next();
}

void addField(Database& database, const QString& tableName, const QString& fieldName, FieldType type)
{
    Transaction transaction(database);
    database.query(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                       .arg(quotedIdentifier(tableName), quotedIdentifier(fieldName), sqlType(type)));
    transaction.commit();
}

void checkSchema(const Database& database)
{
    for (const TableLayout& layout : kRequiredLayout) {
        if (!database.hasTable(layout.name))
            throw DatabaseError(QStringLiteral("%1: not a ZR Tellix 99 database (no table \"%2\")")
                                    .arg(database.path(), layout.name));
        const QSet<QString> present = columnsOf(database, layout.name);
        const auto missing = std::find_if(layout.columns.begin(), layout.columns.end(),
                                          [&present](const QString& column) { return !present.contains(column.toLower()); });
        if (missing != layout.columns.end())
            throw DatabaseError(QStringLiteral("%1: not a ZR Tellix 99 database (table \"%2\" has no column \"%3\")")
                                    .arg(database.path(), layout.name, *missing));
    }
}

bool needsUpgrade(const Database& database)
{
    return !missingAddedColumns(database).isEmpty() || !missingAddedIndexes(database).isEmpty()
        || !database.hasTable(table::kImpostazioni);
}

bool upgradeSchema(Database& database)
{
    const QList<const AddedColumn*> missingColumns = missingAddedColumns(database);
    const QList<const AddedIndex*> missingIndexes = missingAddedIndexes(database);
    const bool settingsMissing = !database.hasTable(table::kImpostazioni);
    if (missingColumns.isEmpty() && missingIndexes.isEmpty() && !settingsMissing)
        return false;
    Transaction transaction(database);
    for (const AddedColumn* column : missingColumns) {
        database.query(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                           .arg(quotedIdentifier(column->table), quotedIdentifier(column->name), sqlType(column->type)));
    }
    for (const AddedIndex* index : missingIndexes)
        database.query(QStringLiteral("CREATE INDEX %1 %2").arg(quotedIdentifier(index->name), index->definition));
    if (settingsMissing)
        database.query(QString::fromLatin1(kSettingsTableSql));
    transaction.commit();
    return true;
}

} // namespace zrt
