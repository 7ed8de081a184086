#include "vat_store.h"

#include "database.h"

#include <QSqlQuery>

namespace zrt {

int VatStore::read() const
{
    QSqlQuery row = database_.query(QStringLiteral("SELECT iva FROM IVA ORDER BY rowid LIMIT 1"));
    return row.next() ? row.value(0).toInt() : 0;
}

void VatStore::write(int rate)
{
    Transaction transaction(database_);
    const QSqlQuery update = database_.query(
        QStringLiteral("UPDATE IVA SET iva = ? WHERE rowid = (SELECT rowid FROM IVA ORDER BY rowid LIMIT 1)"), {rate});
    if (update.numRowsAffected() == 0)
        database_.query(QStringLiteral("INSERT INTO IVA (iva) VALUES (?)"), {rate});
    transaction.commit();
}

} // namespace zrt
