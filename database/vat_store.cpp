#include "vat_store.h"

#include "database.h"
#include "database_error.h"

#include "engine/value_bounds.h"

#include <QSqlQuery>

namespace zrt {

int VatStore::read() const
{
    QSqlQuery row = database_.query(QStringLiteral("SELECT iva FROM IVA ORDER BY rowid LIMIT 1"));
    if (!Database::nextRow(row))
        throw DatabaseError(QStringLiteral("%1: no VAT rate is stored (table IVA is empty)").arg(database_.path()));
    const QVariant stored = row.value(0);
    bool number = false;
    const double rate = stored.toDouble(&number);
    if (stored.isNull() || !number || !isValidVatRate(rate))
        throw DatabaseError(QStringLiteral("%1: the stored VAT rate \"%2\" is not a whole percentage from 0 to 100")
                                .arg(database_.path(), stored.toString()));
    return static_cast<int>(rate);
}

void VatStore::write(int rate)
{
    if (!isValidVatRate(rate))
        throw DatabaseError(QStringLiteral("%1 is not a VAT rate: a whole percentage from 0 to 100").arg(rate));
    Transaction transaction(database_);
    const QSqlQuery update = database_.query(
        QStringLiteral("UPDATE IVA SET iva = ? WHERE rowid = (SELECT rowid FROM IVA ORDER BY rowid LIMIT 1)"), {rate});
    if (update.numRowsAffected() == 0)
        database_.query(QStringLiteral("INSERT INTO IVA (iva) VALUES (?)"), {rate});
    transaction.commit();
}

} // namespace zrt
