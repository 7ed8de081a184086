#include "band_settings.h"

#include "database.h"

#include <QSqlQuery>

namespace zrt {

int BandSettings::setReductionMinute(int idTariffa, int minute)
{
    Transaction transaction(database_);
    const QSqlQuery update = database_.query(
        QStringLiteral("UPDATE Fasce SET Durata = ? WHERE id_Tariffa = ? AND EXISTS ("
                       "SELECT 1 FROM Tariffe INNER JOIN \"Compagnie Telefoniche\" "
                       "ON Tariffe.id_compagnia = \"Compagnie Telefoniche\".id_compagnia "
                       "WHERE Tariffe.id_Tariffa = ? AND \"Compagnie Telefoniche\".tipotariffazione <> 'Scatto')"),
        {minute, idTariffa, idTariffa});
    const int changed = update.numRowsAffected();
    transaction.commit();
    return changed;
}

} // namespace zrt
