#include "tariff_editing.h"

#include "database.h"
#include "row_reading.h"

namespace zrt {

namespace {

DatabaseError noLongerExists(const Database& database, const QString& what, int key)
{
    return DatabaseError(QStringLiteral("%1: %2 %3 no longer exists").arg(database.path(), what).arg(key));
}

} // namespace

NameTaken::NameTaken(Kind kind, const QString& name)
    : DatabaseError(QStringLiteral("\"%1\" is already there").arg(name)), kind_(kind)
{
}

int TariffEditing::createTariff(const EditedTariff& tariff)
{
    Transaction transaction(database_);
    int idCompagnia = tariff.compagnia.id;
    if (idCompagnia == 0)
        idCompagnia = addCompany(tariff.compagnia);
    else if (!TariffStore(database_).company(idCompagnia))
        throw noLongerExists(database_, QStringLiteral("company"), idCompagnia);
    refuseTakenDescription(idCompagnia, tariff.descrizione);

    const QSqlQuery insert =
        database_.query(QStringLiteral("INSERT INTO Tariffe (id_compagnia, Descrizione) VALUES (?, ?)"),
                        {idCompagnia, tariff.descrizione});
    const int idTariffa = insert.lastInsertId().toInt();
    insertBands(idCompagnia, idTariffa, tariff.fasce);
    transaction.commit();
    return idTariffa;
}

void TariffEditing::replaceTariff(int idTariffa, const EditedTariff& tariff)
{
    Transaction transaction(database_);
    const std::optional<TariffaInfo> stored = TariffStore(database_).tariffInfo(idTariffa);
    if (!stored)
        throw noLongerExists(database_, QStringLiteral("tariff"), idTariffa);
    refuseTakenDescription(stored->idCompagnia, tariff.descrizione, idTariffa);

    database_.query(QStringLiteral("UPDATE Tariffe SET Descrizione = ? WHERE id_Tariffa = ?"),
                    {tariff.descrizione, idTariffa});
    database_.query(QStringLiteral("DELETE FROM Fasce WHERE id_Tariffa = ?"), {idTariffa});
    insertBands(stored->idCompagnia, idTariffa, tariff.fasce);
    transaction.commit();
}

std::optional<TariffDeletion> TariffEditing::deletionRefusal(int idTariffa) const
{
    using Outcome = TariffDeletion::Outcome;
    if (idTariffa == kDefaultTariff)
        return TariffDeletion{Outcome::DefaultTariff, {}};
    if (!TariffStore(database_).tariffInfo(idTariffa))
        return TariffDeletion{Outcome::Missing, {}};
    const QStringList entries = entriesUsing(idTariffa);
    if (!entries.isEmpty())
        return TariffDeletion{Outcome::InUse, entries};
    return std::nullopt;
}

TariffDeletion TariffEditing::deleteTariff(int idTariffa)
{
    using Outcome = TariffDeletion::Outcome;
    Transaction transaction(database_);
    if (const std::optional<TariffDeletion> refusal = deletionRefusal(idTariffa))
        return *refusal;
    const TariffaInfo stored = *TariffStore(database_).tariffInfo(idTariffa);

    database_.query(QStringLiteral("DELETE FROM Fasce WHERE id_Tariffa = ?"), {idTariffa});
    database_.query(QStringLiteral("DELETE FROM Tariffe WHERE id_Tariffa = ?"), {idTariffa});
    const QSqlQuery orphan = database_.query(
        QStringLiteral("DELETE FROM \"Compagnie Telefoniche\" WHERE id_compagnia = ? "
                       "AND NOT EXISTS (SELECT 1 FROM Tariffe WHERE id_compagnia = ?)"),
        {stored.idCompagnia, stored.idCompagnia});
    const bool companyDeleted = orphan.numRowsAffected() > 0;
    transaction.commit();
    return {companyDeleted ? Outcome::DeletedWithCompany : Outcome::Deleted, {}};
}

int TariffEditing::addCompany(const Compagnia& compagnia)
{
    if (TariffStore(database_).companyNamed(compagnia.nome))
        throw NameTaken(NameTaken::Kind::Company, compagnia.nome);
    const QSqlQuery insert = database_.query(
        QStringLiteral("INSERT INTO \"Compagnie Telefoniche\" (Compagnia, tipotariffazione) VALUES (?, ?)"),
        {compagnia.nome, compagnia.tipotariffazione});
    return insert.lastInsertId().toInt();
}

void TariffEditing::refuseTakenDescription(int idCompagnia, const QString& descrizione, int idTariffa)
{
    const std::optional<int> named = TariffStore(database_).tariffNamed(idCompagnia, descrizione);
    if (named && *named != idTariffa)
        throw NameTaken(NameTaken::Kind::Description, descrizione);
}

void TariffEditing::insertBands(int idCompagnia, int idTariffa, const QList<Band>& fasce)
{
    QSqlQuery insert = database_.prepare(
        QStringLiteral("INSERT INTO Fasce (id_compagnia, id_Tariffa, tipo, Inizio, Fine, Durata, Costo, "
                       "CostoAllaRisposta, SecondoCosto) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const Band& band : fasce) {
        Database::execute(insert, {idCompagnia, idTariffa, dayTypeText(band.tipo), timeText(band.inizio),
                                   timeText(band.fine), band.durata, band.costo, band.costoAllaRisposta,
                                   nullableNumber(band.secondoCosto)});
    }
}

QStringList TariffEditing::entriesUsing(int idTariffa) const
{
    QSqlQuery rows = database_.query(QStringLiteral("SELECT connessione FROM \"Associazioni Connessioni\" "
                                                    "WHERE id_tariffa = ? ORDER BY connessione"),
                                     {idTariffa});
    QStringList entries;
    while (Database::nextRow(rows))
        entries.append(rows.value(0).toString());
    return entries;
}

} // namespace zrt
