#include "schema.h"

#include "database.h"
#include "sql_script.h"

#include <QStringList>

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
    secondi     INTEGER
);
CREATE INDEX "Connessioni per data" ON Connessioni (data);
CREATE TABLE IVA (
    iva INTEGER NOT NULL
);
)sql";

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

QString missingTable(const Database& database)
{
    for (const QString& name : {table::kCompagnie, table::kTariffe, table::kFasce, table::kAssociazioni,
                                table::kConnessioni, table::kIva}) {
        if (!database.hasTable(name))
            return name;
    }
    return {};
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

bool upgradeSchema(Database& database)
{
    if (fieldExists(database, table::kFasce, QStringLiteral("SecondoCosto")))
        return false;
    addField(database, table::kFasce, QStringLiteral("SecondoCosto"), FieldType::Real);
    return true;
}

} // namespace zrt
