#include "tariff_editing.h"

#include "database.h"
#include "database_error.h"
#include "row_reading.h"

namespace zrt {

namespace {

constexpr TimeOfDay kMidnight{0};
constexpr TimeOfDay kEndOfDay{kSecondsPerDay};

} // namespace

void TariffEditing::updateTariff(int idTariffa, int idCompagnia, const QString& descrizione)
{
    Transaction transaction(database_);
    const QSqlQuery tariff = database_.query(
        QStringLiteral("UPDATE Tariffe SET id_compagnia = ?, Descrizione = ? WHERE id_Tariffa = ?"),
        {idCompagnia, descrizione, idTariffa});
    if (tariff.numRowsAffected() == 0)
        throw DatabaseError(QStringLiteral("%1: tariff %2 no longer exists").arg(database_.path()).arg(idTariffa));
    database_.query(QStringLiteral("UPDATE Fasce SET id_compagnia = ? WHERE id_Tariffa = ?"), {idCompagnia, idTariffa});
    transaction.commit();
}

Fascia TariffEditing::addNextBand(int idTariffa, DayType tipo)
{
    Transaction transaction(database_);
    QSqlQuery owner = database_.query(QStringLiteral("SELECT id_compagnia FROM Tariffe WHERE id_Tariffa = ?"),
                                      {idTariffa});
    if (!owner.next())
        throw DatabaseError(QStringLiteral("%1: tariff %2 no longer exists").arg(database_.path()).arg(idTariffa));

    Fascia fascia;
    fascia.idCompagnia = owner.value(0).toInt();
    fascia.idTariffa = idTariffa;
    fascia.band.tipo = tipo;
    fascia.band.inizio = kMidnight;
    fascia.band.fine = kEndOfDay;

    QSqlQuery latest = database_.query(QStringLiteral("SELECT tipo = ?, Fine, Durata FROM Fasce WHERE id_Tariffa = ? "
                                                      "ORDER BY tipo = ? DESC, Fine DESC LIMIT 1"),
                                       {dayTypeText(tipo), idTariffa, dayTypeText(tipo)});
    if (latest.next()) {
        const std::optional<TimeOfDay> end = parseTimeOfDay(latest.value(1).toString().toStdString());
        if (latest.value(0).toBool() && end && *end < kEndOfDay)
            fascia.band.inizio = *end;
        fascia.band.durata = latest.value(2).toDouble();
    }

    const QSqlQuery insert = database_.query(
        QStringLiteral("INSERT INTO Fasce (id_compagnia, id_Tariffa, tipo, Inizio, Fine, Durata, Costo, "
                       "CostoAllaRisposta) VALUES (?, ?, ?, ?, ?, ?, 0, 0)"),
        {fascia.idCompagnia, idTariffa, dayTypeText(tipo), timeText(fascia.band.inizio), timeText(fascia.band.fine),
         fascia.band.durata});
    fascia.id = insert.lastInsertId().toInt();
    transaction.commit();
    return fascia;
}

void TariffEditing::updateBand(int id, const BandEdit& edit)
{
    Transaction transaction(database_);
    const QSqlQuery update = database_.query(
        QStringLiteral("UPDATE Fasce SET Inizio = ?, Fine = ?, Durata = COALESCE(?, Durata), Costo = ?, "
                       "CostoAllaRisposta = ? WHERE rowid = ?"),
        {timeText(edit.inizio), timeText(edit.fine), nullableNumber(edit.durata), edit.costo, edit.costoAllaRisposta,
         id});
    if (update.numRowsAffected() == 0)
        throw DatabaseError(QStringLiteral("%1: the band no longer exists").arg(database_.path()));
    transaction.commit();
}

void TariffEditing::removeBand(int id)
{
    Transaction transaction(database_);
    database_.query(QStringLiteral("DELETE FROM Fasce WHERE rowid = ?"), {id});
    transaction.commit();
}

} // namespace zrt
