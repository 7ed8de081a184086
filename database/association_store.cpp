#include "association_store.h"

#include "database.h"

#include "engine/band_lookup.h"

namespace zrt {

QList<Associazione> AssociationStore::all() const
{
    QSqlQuery rows = database_.query(QStringLiteral(
        "SELECT connessione, id_tariffa FROM \"Associazioni Connessioni\" ORDER BY connessione"));
    QList<Associazione> result;
    while (Database::nextRow(rows))
        result.append({rows.value(0).toString(), rows.value(1).toInt()});
    return result;
}

std::optional<Associazione> AssociationStore::find(const QString& connessione) const
{
    QSqlQuery exact = database_.query(
        QStringLiteral("SELECT connessione, id_tariffa FROM \"Associazioni Connessioni\" WHERE connessione = ?"),
        {connessione});
    if (exact.next())
        return Associazione{exact.value(0).toString(), exact.value(1).toInt()};

    const std::string wanted = connessione.toStdString();
    for (const Associazione& candidate : all()) {
        if (sameEntryName(candidate.connessione.toStdString(), wanted))
            return candidate;
    }
    return std::nullopt;
}

void AssociationStore::associate(const QString& connessione, int idTariffa)
{
    Transaction transaction(database_);
    database_.query(QStringLiteral("INSERT INTO \"Associazioni Connessioni\" (connessione, id_tariffa) VALUES (?, ?) "
                                   "ON CONFLICT (connessione) DO UPDATE SET id_tariffa = excluded.id_tariffa"),
                    {connessione, idTariffa});
    transaction.commit();
}

int AssociationStore::ensureAssociated(const QStringList& entries, int idTariffa)
{
    Transaction transaction(database_);
    QSqlQuery insert = database_.prepare(QStringLiteral(
        "INSERT INTO \"Associazioni Connessioni\" (connessione, id_tariffa) VALUES (?, ?) "
        "ON CONFLICT (connessione) DO NOTHING"));
    int added = 0;
    for (const QString& entry : entries) {
        Database::execute(insert, {entry, idTariffa});
        added += insert.numRowsAffected();
    }
    transaction.commit();
    return added;
}

} // namespace zrt
