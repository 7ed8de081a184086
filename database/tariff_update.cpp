#include "tariff_update.h"

#include "data_folder.h"
#include "database.h"
#include "database_error.h"
#include "row_reading.h"
#include "sql_script.h"

#include "engine/day_type.h"
#include "engine/time_of_day.h"
#include "engine/value_bounds.h"

#include <QDir>
#include <QFileInfo>
#include <QList>

namespace zrt {

namespace {

struct UpdateTariff {
    QString descrizione;
    QList<Band> bands;
};

// One company as an update carries it.
struct UpdateContent {
    QString compagnia;
    QString tipotariffazione;
    QList<UpdateTariff> tariffs;

    UpdateSummary summary() const
    {
        UpdateSummary result{compagnia, static_cast<int>(tariffs.size()), 0};
        for (const UpdateTariff& tariff : tariffs)
            result.bands += static_cast<int>(tariff.bands.size());
        return result;
    }
};

const char kUpdateSchemaSql[] = R"sql(
CREATE TABLE "Compagnie Telefoniche New" (
    id_compagnia     INTEGER NOT NULL,
    compagnia        TEXT NOT NULL,
    tipotariffazione TEXT NOT NULL
);
CREATE TABLE "Tariffe new" (
    id_tariffa   INTEGER NOT NULL,
    id_compagnia INTEGER NOT NULL,
    descrizione TEXT NOT NULL
);
CREATE TABLE "fasce new" (
    id                INTEGER PRIMARY KEY AUTOINCREMENT,
    id_compagnia      INTEGER NOT NULL,
    id_Tariffa        INTEGER NOT NULL,
    tipo              TEXT NOT NULL,
    Inizio            TEXT NOT NULL,
    Fine              TEXT NOT NULL,
    Durata            REAL NOT NULL,
    Costo             REAL NOT NULL,
    CostoAllaRisposta REAL NOT NULL,
    SecondoCosto      REAL
);
)sql";

const QString kBandSelection = QStringLiteral("tipo, Inizio, Fine, Durata, Costo, CostoAllaRisposta, SecondoCosto");

qint64 readKey(const QVariant& value, const QString& what)
{
    bool ok = false;
    const qint64 key = value.toLongLong(&ok);
    if (!ok)
        throw DatabaseError(QStringLiteral("%1 \"%2\" is not a number").arg(what, value.toString()));
    return key;
}

QString fieldOf(StoredNumber number)
{
    switch (number) {
    case StoredNumber::PulseLength:
    case StoredNumber::ReductionMinute: return QStringLiteral("Durata");
    case StoredNumber::Price: return QStringLiteral("Costo");
    case StoredNumber::AnswerCharge: return QStringLiteral("CostoAllaRisposta");
    case StoredNumber::SecondPrice: return QStringLiteral("SecondoCosto");
    case StoredNumber::VatRate: break;
    }
    return QStringLiteral("iva");
}

// An update brings numbers the meter will trust: each must lie within the
// bounds the editor allows, or the whole update is refused.
void checkBounds(const Band& band, Metering metering)
{
    for (const BandNumber& number : bandNumbers(band, metering)) {
        const NumberBounds bounds = boundsOf(number.meaning);
        if (bounds.admits(number.value))
            continue;
        throw DatabaseError(QStringLiteral("band %1 %2-%3: %4 %5 is out of bounds (%6 to %7%8)")
                                .arg(dayTypeText(band.tipo), timeText(band.inizio), timeText(band.fine),
                                     fieldOf(number.meaning), QString::number(number.value))
                                .arg(bounds.lowest)
                                .arg(bounds.highest)
                                .arg(bounds.whole ? QStringLiteral(", whole numbers") : QString()));
    }
}

// An update holds tables only: a view or trigger could run anything,
// endlessly, when the tables are read.
void checkTablesOnly(const Database& update)
{
    QSqlQuery objects = update.query(
        QStringLiteral("SELECT type, name FROM sqlite_master WHERE type IN ('view', 'trigger') ORDER BY name LIMIT 1"));
    if (Database::nextRow(objects))
        throw DatabaseError(QStringLiteral("the file holds the %1 \"%2\"; an update holds tables only")
                                .arg(objects.value(0).toString(), objects.value(1).toString()));
}

QList<Band> readUpdateBands(const Database& update, qint64 company, qint64 tariff, Metering metering)
{
    QSqlQuery rows = update.query(QStringLiteral("SELECT %1 FROM \"fasce new\" WHERE id_compagnia = ? AND "
                                                 "id_Tariffa = ? ORDER BY rowid")
                                      .arg(kBandSelection),
                                  {company, tariff});
    QList<Band> bands;
    while (Database::nextRow(rows)) {
        bands.append(readBand(rows, 0));
        checkBounds(bands.constLast(), metering);
    }
    return bands;
}

UpdateContent readUpdate(const Database& update)
{
    QSqlQuery company = update.query(QStringLiteral(
        "SELECT id_compagnia, compagnia, tipotariffazione FROM \"Compagnie Telefoniche New\" ORDER BY rowid LIMIT 1"));
    if (!company.next())
        throw DatabaseError(QStringLiteral("%1: the update holds no company").arg(update.path()));
    const qint64 oldCompany = readKey(company.value(0), QStringLiteral("company key"));
    UpdateContent content{company.value(1).toString(), company.value(2).toString(), {}};
    const Metering metering = meteringOf(content.tipotariffazione.toStdString());

    QSqlQuery tariffs = update.query(QStringLiteral("SELECT id_tariffa, descrizione FROM \"Tariffe new\" ORDER BY rowid"));
    while (Database::nextRow(tariffs)) {
        const qint64 oldTariff = readKey(tariffs.value(0), QStringLiteral("tariff key"));
        content.tariffs.append({tariffs.value(1).toString(), readUpdateBands(update, oldCompany, oldTariff, metering)});
    }
    return content;
}

// A damaged file, a truncated one above all, still answers queries, with
// rows missing or blank: SQLite checks its own structure first.
void checkIntact(const Database& update)
{
    QSqlQuery check = update.query(QStringLiteral("PRAGMA quick_check(1)"));
    const QString verdict = Database::nextRow(check) ? check.value(0).toString() : QString();
    if (verdict != QLatin1String("ok"))
        throw DatabaseError(QStringLiteral("the file is damaged: %1").arg(verdict));
}

UpdateContent readUpdateFile(const QString& updatePath)
{
    const Database update = Database::openForeign(updatePath);
    try {
        checkIntact(update);
        checkTablesOnly(update);
        return readUpdate(update);
    } catch (const DatabaseError& error) {
        const QString message = error.message();
        throw DatabaseError(message.startsWith(updatePath) ? message
                                                           : QStringLiteral("%1: %2").arg(updatePath, message));
    }
}

QVariantList bandValues(const Band& band)
{
    return {dayTypeText(band.tipo), timeText(band.inizio), timeText(band.fine),
            band.durata, band.costo, band.costoAllaRisposta, nullableNumber(band.secondoCosto)};
}

void bindAll(QSqlQuery& query, const QVariantList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(static_cast<int>(i), values[i]);
}

void runBound(QSqlQuery& query, const QVariantList& values)
{
    bindAll(query, values);
    Database::execute(query);
}

void writeToDatabase(Database& database, const UpdateContent& content)
{
    Transaction transaction(database);
    const QSqlQuery company = database.query(
        QStringLiteral("INSERT INTO \"Compagnie Telefoniche\" (Compagnia, tipotariffazione) VALUES (?, ?)"),
        {content.compagnia, content.tipotariffazione});
    const qint64 newCompany = company.lastInsertId().toLongLong();
    QSqlQuery insertTariff =
        database.prepare(QStringLiteral("INSERT INTO Tariffe (id_compagnia, Descrizione) VALUES (?, ?)"));
    QSqlQuery insertBand = database.prepare(
        QStringLiteral("INSERT INTO Fasce (id_compagnia, id_Tariffa, %1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .arg(kBandSelection));
    for (const UpdateTariff& tariff : content.tariffs) {
        Database::execute(insertTariff, {newCompany, tariff.descrizione});
        const qint64 newTariff = insertTariff.lastInsertId().toLongLong();
        for (const Band& band : tariff.bands)
            runBound(insertBand, QVariantList{newCompany, newTariff} + bandValues(band));
    }
    transaction.commit();
}

UpdateContent readCompany(const Database& database, const QString& compagnia)
{
    QSqlQuery company = database.query(QStringLiteral("SELECT id_compagnia, tipotariffazione FROM "
                                                      "\"Compagnie Telefoniche\" WHERE Compagnia = ? "
                                                      "ORDER BY id_compagnia LIMIT 1"),
                                       {compagnia});
    if (!company.next())
        throw DatabaseError(QStringLiteral("%1: no company named \"%2\"").arg(database.path(), compagnia));
    const qint64 id = company.value(0).toLongLong();
    UpdateContent content{compagnia, company.value(1).toString(), {}};

    QSqlQuery tariffs = database.query(
        QStringLiteral("SELECT id_Tariffa, Descrizione FROM Tariffe WHERE id_compagnia = ? ORDER BY id_Tariffa"), {id});
    while (Database::nextRow(tariffs)) {
        QSqlQuery bands = database.query(
            QStringLiteral("SELECT %1 FROM Fasce WHERE id_Tariffa = ? ORDER BY tipo, Inizio").arg(kBandSelection),
            {tariffs.value(0)});
        UpdateTariff tariff{tariffs.value(1).toString(), {}};
        while (Database::nextRow(bands))
            tariff.bands.append(readBand(bands, 0));
        content.tariffs.append(tariff);
    }
    return content;
}

void writeUpdateFile(Database& update, const UpdateContent& content)
{
    constexpr int kCompanyKey = 1;
    Transaction transaction(update);
    runSqlScript(update, QString::fromUtf8(kUpdateSchemaSql));
    update.query(QStringLiteral("INSERT INTO \"Compagnie Telefoniche New\" VALUES (?, ?, ?)"),
                 {kCompanyKey, content.compagnia, content.tipotariffazione});
    QSqlQuery insertTariff = update.prepare(QStringLiteral("INSERT INTO \"Tariffe new\" VALUES (?, ?, ?)"));
    QSqlQuery insertBand = update.prepare(
        QStringLiteral("INSERT INTO \"fasce new\" (id_compagnia, id_Tariffa, %1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .arg(kBandSelection));
    int key = 0;
    for (const UpdateTariff& tariff : content.tariffs) {
        Database::execute(insertTariff, {++key, kCompanyKey, tariff.descrizione});
        for (const Band& band : tariff.bands)
            runBound(insertBand, QVariantList{kCompanyKey, key} + bandValues(band));
    }
    transaction.commit();
}

} // namespace

std::optional<PendingUpdate> findPendingUpdate(const QString& dataFolder)
{
    const QStringList markers =
        QDir(dataFolder).entryList({QStringLiteral("*.ini")}, QDir::Files | QDir::Hidden, QDir::Name);
    if (markers.isEmpty())
        return std::nullopt;
    return PendingUpdate{joinPath(dataFolder, markers.first()), joinPath(dataFolder, QLatin1String(kUpdateFileName))};
}

UpdateSummary checkUpdateFile(const QString& updatePath)
{
    return readUpdateFile(updatePath).summary();
}

UpdateSummary applyUpdate(Database& database, const QString& updatePath)
{
    const UpdateContent content = readUpdateFile(updatePath);
    writeToDatabase(database, content);
    return content.summary();
}

UpdateSummary exportUpdate(const Database& database, const QString& compagnia, const QString& updatePath)
{
    const UpdateContent content = readCompany(database, compagnia);
    buildNewFile(updatePath, [&content](Database& update) { writeUpdateFile(update, content); });
    return content.summary();
}

} // namespace zrt
