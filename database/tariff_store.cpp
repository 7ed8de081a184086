#include "tariff_store.h"

#include "database.h"
#include "row_reading.h"

#include "engine/case_fold.h"
#include "engine/time_of_day.h"

namespace zrt {

namespace {

const char kTariffInfoQuery[] =
    "SELECT Tariffe.id_Tariffa, Tariffe.id_compagnia, Tariffe.Descrizione, "
    "\"Compagnie Telefoniche\".Compagnia, \"Compagnie Telefoniche\".tipotariffazione "
    "FROM \"Compagnie Telefoniche\" INNER JOIN Tariffe "
    "ON \"Compagnie Telefoniche\".id_compagnia = Tariffe.id_compagnia";

int insertedKey(const QSqlQuery& insert)
{
    return insert.lastInsertId().toInt();
}

TariffaInfo readTariffInfo(const QSqlQuery& row)
{
    return {row.value(0).toInt(), row.value(1).toInt(), row.value(2).toString(), row.value(3).toString(),
            row.value(4).toString()};
}

} // namespace

bool isSameName(const QString& a, const QString& b)
{
    return equalFoldingCase(a.trimmed().toStdString(), b.trimmed().toStdString());
}

QList<Compagnia> TariffStore::companies() const
{
    QSqlQuery rows = database_.query(QStringLiteral(
        "SELECT id_compagnia, Compagnia, tipotariffazione FROM \"Compagnie Telefoniche\" ORDER BY id_compagnia"));
    QList<Compagnia> result;
    while (Database::nextRow(rows))
        result.append({rows.value(0).toInt(), rows.value(1).toString(), rows.value(2).toString()});
    return result;
}

std::optional<Compagnia> TariffStore::company(int idCompagnia) const
{
    QSqlQuery row = database_.query(QStringLiteral("SELECT id_compagnia, Compagnia, tipotariffazione "
                                                   "FROM \"Compagnie Telefoniche\" WHERE id_compagnia = ?"),
                                    {idCompagnia});
    if (!row.next())
        return std::nullopt;
    return Compagnia{row.value(0).toInt(), row.value(1).toString(), row.value(2).toString()};
}

std::optional<Compagnia> TariffStore::companyNamed(const QString& nome) const
{
    for (const Compagnia& compagnia : companies()) {
        if (isSameName(compagnia.nome, nome))
            return compagnia;
    }
    return std::nullopt;
}

int TariffStore::addCompany(const QString& nome, const QString& tipotariffazione)
{
    Transaction transaction(database_);
    const QSqlQuery insert = database_.query(
        QStringLiteral("INSERT INTO \"Compagnie Telefoniche\" (Compagnia, tipotariffazione) VALUES (?, ?)"),
        {nome, tipotariffazione});
    const int key = insertedKey(insert);
    transaction.commit();
    return key;
}

void TariffStore::updateCompany(const Compagnia& compagnia)
{
    Transaction transaction(database_);
    database_.query(QStringLiteral("UPDATE \"Compagnie Telefoniche\" SET Compagnia = ?, tipotariffazione = ? "
                                   "WHERE id_compagnia = ?"),
                    {compagnia.nome, compagnia.tipotariffazione, compagnia.id});
    transaction.commit();
}

QList<TariffaInfo> TariffStore::tariffs() const
{
    QSqlQuery rows = database_.query(
        QStringLiteral("%1 ORDER BY Tariffe.id_Tariffa").arg(QLatin1String(kTariffInfoQuery)));
    QList<TariffaInfo> result;
    while (Database::nextRow(rows))
        result.append(readTariffInfo(rows));
    return result;
}

std::optional<TariffaInfo> TariffStore::tariffInfo(int idTariffa) const
{
    QSqlQuery row = database_.query(
        QStringLiteral("%1 WHERE Tariffe.id_Tariffa = ?").arg(QLatin1String(kTariffInfoQuery)), {idTariffa});
    if (!Database::nextRow(row))
        return std::nullopt;
    return readTariffInfo(row);
}

std::optional<int> TariffStore::tariffNamed(int idCompagnia, const QString& descrizione) const
{
    QSqlQuery rows = database_.query(
        QStringLiteral("SELECT id_Tariffa, Descrizione FROM Tariffe WHERE id_compagnia = ?"), {idCompagnia});
    while (Database::nextRow(rows)) {
        if (isSameName(rows.value(1).toString(), descrizione))
            return rows.value(0).toInt();
    }
    return std::nullopt;
}

int TariffStore::addTariff(int idCompagnia, const QString& descrizione)
{
    Transaction transaction(database_);
    const QSqlQuery insert = database_.query(
        QStringLiteral("INSERT INTO Tariffe (id_compagnia, Descrizione) VALUES (?, ?)"), {idCompagnia, descrizione});
    const int key = insertedKey(insert);
    transaction.commit();
    return key;
}

QList<Fascia> TariffStore::bands(int idTariffa, DayType tipo) const
{
    QSqlQuery rows = database_.query(QStringLiteral("SELECT rowid, id_compagnia, id_Tariffa, %1 FROM Fasce "
                                                    "WHERE tipo = ? AND id_Tariffa = ? ORDER BY Inizio")
                                         .arg(QLatin1String(kBandColumns)),
                                     {dayTypeText(tipo), idTariffa});
    QList<Fascia> result;
    while (Database::nextRow(rows))
        result.append({rows.value(0).toInt(), rows.value(1).toInt(), rows.value(2).toInt(), readBand(rows, 3)});
    return result;
}

int TariffStore::addBand(int idCompagnia, int idTariffa, const Band& band)
{
    Transaction transaction(database_);
    const QSqlQuery insert = database_.query(
        QStringLiteral("INSERT INTO Fasce (id_compagnia, id_Tariffa, tipo, Inizio, Fine, Durata, Costo, "
                       "CostoAllaRisposta, SecondoCosto) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {idCompagnia, idTariffa, dayTypeText(band.tipo), timeText(band.inizio), timeText(band.fine), band.durata,
         band.costo, band.costoAllaRisposta, nullableNumber(band.secondoCosto)});
    const int key = insertedKey(insert);
    transaction.commit();
    return key;
}

std::optional<Tariff> TariffStore::tariff(int idTariffa) const
{
    QSqlQuery head = database_.query(
        QStringLiteral("SELECT \"Compagnie Telefoniche\".Compagnia, \"Compagnie Telefoniche\".tipotariffazione "
                       "FROM Tariffe INNER JOIN \"Compagnie Telefoniche\" "
                       "ON Tariffe.id_compagnia = \"Compagnie Telefoniche\".id_compagnia "
                       "WHERE Tariffe.id_Tariffa = ?"),
        {idTariffa});
    if (!head.next())
        return std::nullopt;
    Tariff result{head.value(0).toString().toStdString(), head.value(1).toString().toStdString(), {}};

    QSqlQuery rows = database_.query(
        QStringLiteral("SELECT %1 FROM Fasce WHERE id_Tariffa = ? ORDER BY tipo, Inizio").arg(QLatin1String(kBandColumns)),
        {idTariffa});
    while (Database::nextRow(rows))
        result.fasce.push_back(readBand(rows, 0));
    return result;
}

} // namespace zrt
