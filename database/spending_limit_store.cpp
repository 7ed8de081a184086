#include "spending_limit_store.h"

#include "database.h"
#include "database_error.h"

#include <QSqlQuery>

namespace zrt {

namespace {

const QString kLimitKey = QStringLiteral("LimiteMensile");
const QString kNearKey = QStringLiteral("LimiteAvvisato80");
const QString kReachedKey = QStringLiteral("LimiteAvvisato100");

} // namespace

std::optional<qint64> SpendingLimitStore::limit() const
{
    const std::optional<QString> stored = value(kLimitKey);
    if (!stored || stored->trimmed().isEmpty())
        return std::nullopt;
    bool number = false;
    const qint64 lire = stored->trimmed().toLongLong(&number);
    if (!number || !isValidSpendingLimit(lire))
        throw DatabaseError(QStringLiteral("%1: the stored spending limit \"%2\" is not a whole number of Lire "
                                           "from 1 to 1000000000000")
                                .arg(database_.path(), *stored));
    return lire;
}

void SpendingLimitStore::setLimit(qint64 lire)
{
    if (!isValidSpendingLimit(lire))
        throw DatabaseError(
            QStringLiteral("%1 is not a spending limit: a whole number of Lire from 1 to 1000000000000").arg(lire));
    setValue(kLimitKey, QString::number(lire));
}

void SpendingLimitStore::clearLimit()
{
    database_.query(QStringLiteral("DELETE FROM Impostazioni WHERE chiave = ?"), {kLimitKey});
}

LimitWarnings SpendingLimitStore::warnings() const
{
    return {value(kNearKey).value_or(QString()).toStdString(), value(kReachedKey).value_or(QString()).toStdString()};
}

void SpendingLimitStore::noteWarning(LimitLevel level, const std::string& month)
{
    if (level != LimitLevel::Within)
        setValue(level == LimitLevel::Reached ? kReachedKey : kNearKey, QString::fromStdString(month));
}

std::optional<QString> SpendingLimitStore::value(const QString& key) const
{
    QSqlQuery row = database_.query(QStringLiteral("SELECT valore FROM Impostazioni WHERE chiave = ?"), {key});
    if (!Database::nextRow(row) || row.value(0).isNull())
        return std::nullopt;
    return row.value(0).toString();
}

void SpendingLimitStore::setValue(const QString& key, const QString& value)
{
    database_.query(QStringLiteral("INSERT INTO Impostazioni (chiave, valore) VALUES (?, ?) "
                                   "ON CONFLICT (chiave) DO UPDATE SET valore = excluded.valore"),
                    {key, value});
}

} // namespace zrt
